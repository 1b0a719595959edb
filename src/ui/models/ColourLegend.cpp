#include "ui/models/ColourLegend.h"

#include "core/MessageCatalog.h"
#include "core/Plural.h"

#include <cmath>

namespace kivora {

QString ColourLegend::longGapLine(int record, double factor) const
{
    // A row turns green above factor × record draws without it.
    const int from = static_cast<int>(std::floor(factor * record)) + 1;
    return withPlurals(longGap.arg(from).arg(static_cast<int>(std::lround(factor * 100))).arg(record));
}

ColourLegend colourLegend(const MessageCatalog &messages)
{
    ColourLegend legend;
    legend.lastDraw = messages("Str760");
    legend.longGap = messages("Str761");
    legend.marked = messages("Str762");
    legend.ball = messages("Str763");
    legend.chosenDraw = messages("Str764");
    legend.additional = messages("Str765");
    legend.crowdedTen = messages("Str766");
    return legend;
}

} // namespace kivora
