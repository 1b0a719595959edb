#include "play/WheelFile.h"

#include "core/MessageCatalog.h"
#include "play/WheelVerifier.h"

#include <QRegularExpression>
#include <QStringList>

namespace kivora::wheel {

namespace {

struct Row
{
    int line = 0;
    std::vector<int> numbers;
};

bool describes(const QString &trimmed)
{
    return trimmed.startsWith(QLatin1Char(';')) || trimmed.startsWith(QLatin1Char('#'));
}

} // namespace

Outcome<ReadWheel> readWheel(const QString &text, int numbers, const MessageCatalog &messages)
{
    static const QRegularExpression separators(QStringLiteral("[\\s,;]+"));
    const int last = numbers > 0 ? std::min(numbers, kMaxNumbers) : kMaxNumbers;
    std::vector<Row> rows;
    bool zero = false;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        const QString trimmed = lines.at(i).trimmed();
        if (trimmed.isEmpty() || describes(trimmed))
            continue;
        Row row { i + 1, {} };
        for (const QString &field : trimmed.split(separators, Qt::SkipEmptyParts)) {
            if (field.compare(QLatin1String("K"), Qt::CaseInsensitive) == 0)
                continue;
            bool ok = false;
            const int number = field.toInt(&ok);
            if (!ok || number < 0)
                return Failure::format(messages("Str771").arg(row.line).arg(field));
            zero = zero || number == 0;
            row.numbers.push_back(number);
        }
        rows.push_back(std::move(row));
    }

    ReadWheel wheel;
    wheel.fromZero = zero;
    const int shift = zero ? 1 : 0;
    for (const Row &row : rows) {
        quint64 set = 0;
        for (int number : row.numbers) {
            const int position = number + shift;
            if (position < 1 || position > last)
                return Failure::format(
                    messages("Str772").arg(row.line).arg(number).arg(1 - shift).arg(last - shift));
            set |= quint64(1) << (position - 1);
            wheel.uses = std::max(wheel.uses, position);
        }
        if (set != 0)
            wheel.tickets.push_back(set);
    }
    return wheel;
}

} // namespace kivora::wheel
