#pragma once

// The import's own JSON members, for the commands that end in a merging import.

#include <QString>

namespace kivora {
class MessageCatalog;
struct PlannedImport;
} // namespace kivora

namespace kivora::cli {

class JsonWriter;

// The members `import --merge --json` prints for a merge planned and, unless dryRun,
// written (backupPath: the copy a rewrite kept), into the object open in json.
void writeMergeReport(JsonWriter &json, const PlannedImport &planned, const QString &backupPath, bool dryRun,
    const MessageCatalog &messages);

} // namespace kivora::cli
