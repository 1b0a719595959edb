#include "results/import/ImportReport.h"

#include "core/MessageCatalog.h"
#include "core/ShortDate.h"

#include <QStringList>

namespace kivora {

QString mergeSummaryText(const MergePlan &plan, const MessageCatalog &messages)
{
    return messages("Str514").arg(plan.fresh).arg(plan.duplicates).arg(plan.conflicts);
}

QString mergeConflictsText(const MergePlan &plan, const MessageCatalog &messages)
{
    QStringList lines;
    for (const MergeConflict &conflict : plan.firstConflicts) {
        const QString date = conflict.date.isValid() ? shortDate(conflict.date) : QStringLiteral("-");
        lines.append(
            messages("Str524").arg(date, conflict.baseNumbers, conflict.importedNumbers).arg(conflict.line));
    }
    return lines.join(QLatin1Char('\n'));
}

} // namespace kivora
