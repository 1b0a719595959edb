#pragma once

// A program folder seeded by an older version lacks the systems shipped since: the
// abbreviated systems (wheels) and the new Keno systems. At start-up they are added,
// once: every system of the shipped lists whose name the folder's list lacks (and whose
// template file no entry of that list already names) goes to the end of its list, and
// its template is copied when the "System" folder has no file of that name. Nothing
// the folder holds is changed or removed, and a folder that has had the upgrade (the
// configuration says so) is not touched again, so a system the player removes stays
// removed.

#include "core/Failure.h"

#include <QString>

namespace kivora {

class ProgramFolder;

namespace systemlists {

// The upgrade's mark in section [Form] of the configuration.
inline const QString kRevisionKey = QStringLiteral("SystemListRevision");
inline constexpr int kRevision = 2;

// Adds the missing shipped systems; fails when the configuration or a template cannot
// be written. A folder without a configuration is left alone.
Done addMissingShippedSystems(const ProgramFolder &folder);

} // namespace systemlists
} // namespace kivora
