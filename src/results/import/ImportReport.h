#pragma once

// The texts an import shows once its draws are read and its merge planned: the
// counts, and the conflicts one a line.

#include "results/import/ImportMerge.h"

#include <QString>

namespace kivora {

class MessageCatalog;

// "Новых розыгрышей: 2, уже в базе: 3, конфликтов: 1."
QString mergeSummaryText(const MergePlan &plan, const MessageCatalog &messages);

// The first conflicts, one a line ("\n" between them); empty when there are none.
QString mergeConflictsText(const MergePlan &plan, const MessageCatalog &messages);

} // namespace kivora
