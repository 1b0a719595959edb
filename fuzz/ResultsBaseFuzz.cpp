// A results base read through the three filters, as the window and kivora-cli load it.

#include "FuzzSupport.h"

#include "core/MessageCatalog.h"
#include "results/ResultsLoad.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    using namespace kivora;
    if (size < 2)
        return 0;
    const uint8_t options = data[0];
    const LotteryDefinition definition = fuzz::lotteryOf(data[1]);
    QString text;
    if (!fuzz::textOf(data + 2, size - 2, &text))
        return 0;

    DrawFilter filter;
    filter.lastDraws = options & 1;
    filter.lastDrawsText = QString::number(static_cast<int>(options >> 3) - 4);
    filter.machine = options & 2;
    filter.machineText = QStringLiteral("2");
    filter.ballSet = options & 4;
    filter.ballSetText = QStringLiteral("1");

    const LoadResult result = loadDraws(text, definition, filter);
    fuzz::require(result.ok || result.tooManyLines);
    fuzz::require(result.drawCount() <= result.totalLines || result.totalLines == 0);
    const DrawTable &draws = result.draws;
    for (int row = 0; row < draws.rowCount(); ++row) {
        draws.drawNumberText(row);
        for (int j = 0; j < definition.drawNumber; ++j)
            draws.number(row, j);
    }
    // A line that holds a number twice counts it twice: at most every cell of a draw.
    for (int n = definition.minNumber; n <= definition.maxNumber; ++n)
        fuzz::require(result.counts.drawn[n] <= result.drawCount() * definition.drawNumber);
    static const MessageCatalog messages;
    loadStatusText(result, messages);
    return 0;
}
