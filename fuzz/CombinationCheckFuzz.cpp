// A saved combination file read back into the list and checked against a draw, with
// the report the check writes.

#include "FuzzSupport.h"

#include "core/MessageCatalog.h"
#include "play/CombinationCheck.h"
#include "play/CombinationList.h"
#include "results/ResultsLoad.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    using namespace kivora;
    if (size < 1)
        return 0;
    const LotteryDefinition definition = fuzz::lotteryOf(data[0]);
    QString text;
    if (!fuzz::textOf(data + 1, size - 1, &text))
        return 0;
    QStringList lines = textfile::splitLines(text);
    SavedCombinations file;
    if (!lines.isEmpty())
        file.lotteryName = lines.takeFirst();
    if (!lines.isEmpty())
        file.header = lines.takeFirst();
    file.lines = lines;

    static const MessageCatalog messages;
    CombinationList list;
    int wideLine = 0;
    if (CombinationList::fromSavedLines(file.lines, &list, &wideLine)) {
        for (int row = 0; row < list.rowCount(); ++row) {
            for (int column = 0; column < CombinationList::kColumns; ++column)
                list.cell(row, column);
        }
    }

    static const QString base
        = QStringLiteral("1,01.01.2020,1,1,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20\r\n"
                         "2,08.01.2020,2,1,21,22,23,24,25,26,27,28,29,30,31,32,33,34,35,36,37,38,39,40\r\n");
    const LoadResult load = loadDraws(base, definition, DrawFilter());
    checkReadiness(file, file.lotteryName, load.draws, messages);
    const DrawChoice choice = chooseDraw(load.draws, file.header, messages);
    const CheckResult result
        = checkCombinations(file, load.draws, choice.ok() ? choice.row : 1, definition, messages);
    fuzz::require(result.reportedUpTo >= 0 || result.report.isEmpty());
    return 0;
}
