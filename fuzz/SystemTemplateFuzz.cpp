// A system template file parsed and expanded over a few marked numbers.

#include "FuzzSupport.h"

#include "play/CombinationList.h"
#include "play/SystemTemplate.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    using namespace kivora;
    QString text;
    if (!fuzz::textOf(data, size, &text))
        return 0;
    const SystemTemplate tmpl = SystemTemplate::parse(text);
    fuzz::require(tmpl.rowCount() >= 0 && tmpl.uses() >= 0);
    for (int row = 0; row < tmpl.rowCount(); ++row) {
        for (int column = 0; column < SystemTemplate::kColumns; ++column)
            tmpl.code(row, column);
    }
    tmpl.description();
    if (tmpl.fitsList() && tmpl.rowCount() <= 4096) {
        QStringList marked;
        for (int n = 1; n <= std::min(tmpl.uses(), 80); ++n)
            marked.append(QString::number(n));
        const CombinationList list = expandSystem(tmpl, marked);
        for (int row = 0; row < list.rowCount(); ++row) {
            for (int column = 0; column < CombinationList::kColumns; ++column)
                list.cell(row, column);
        }
    }
    return 0;
}
