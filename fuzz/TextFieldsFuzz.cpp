// The field routines agree with each other on any text.

#include "FuzzSupport.h"

#include "core/CharSet.h"
#include "core/TextFields.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    using namespace kivora;
    QString text;
    if (!fuzz::textOf(data, size, &text))
        return 0;
    const CharSet delims = fieldDelimiters();
    const QStringList fields = splitFields(text, delims);
    const int count = fieldCount(text, delims);
    fuzz::require(count == fields.size());
    // Each routine walks the text from its start: the first and the last fields are
    // checked, so that a long input stays linear.
    for (int n = 1; n <= count; ++n) {
        if (n > 16 && n < count - 16)
            continue;
        fuzz::require(extractField(n, text, delims) == fields.at(n - 1));
        const int position = fieldPosition(n, text, delims);
        fuzz::require(position >= 1 && text.mid(position - 1).startsWith(fields.at(n - 1)));
        if (n <= 4)
            fuzz::require(hasField(fields.at(n - 1), text, delims));
    }
    fuzz::require(fieldPosition(count + 1, text, delims) == 0);
    fuzz::require(extractField(count + 1, text, delims).isEmpty());
    fuzz::require(fieldPosition(0, text, delims) == 0);
    fuzz::require(fieldPosition(-1, text, delims) == 0);
    extractFieldShort(count + 256, text, delims);
    fieldPositionShort(count, text, delims);
    // The lines and the text agree too.
    const QStringList lines = textfile::splitLines(text);
    fuzz::require(textfile::splitLines(textfile::joinLines(lines)) == lines);
    return 0;
}
