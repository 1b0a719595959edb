#include "core/SettingsStore.h"

#include "core/MessageCatalog.h"
#include "core/StringFn.h"
#include "core/TicketPrice.h"

#include <QRegularExpression>

#include <algorithm>

namespace kivora::settings {

namespace {

bool sameName(const QString &a, const QString &b)
{
    return a.trimmed().compare(b.trimmed(), Qt::CaseInsensitive) == 0;
}

bool nameTaken(const QString &name, const QStringList &others)
{
    return std::any_of(
        others.begin(), others.end(), [&](const QString &other) { return sameName(name, other); });
}

// The caption as a message quotes it: the editor's captions may end in a blank.
QString captionOf(int row)
{
    return paramCaptions().value(row).trimmed();
}

// The editor's values into the lottery's section. The ticket price is optional: an
// empty value removes the key, so a file without prices reads as before.
void writeValues(IniDocument &document, const QString &lottery, const QStringList &values)
{
    for (int row = 0; row < kParamCount; ++row) {
        const QString &key = paramKeys().at(row);
        if (key == kTicketPriceKey && values.value(row).trimmed().isEmpty())
            document.deleteKey(lottery, key);
        else
            document.writeString(lottery, key, values.value(row));
    }
}

} // namespace

const QStringList &paramKeys()
{
    static const QStringList keys {
        QStringLiteral("MinNumber"), QStringLiteral("MaxNumber"), QStringLiteral("DrawNumber"),
        QStringLiteral("CountOfAddBall"), QStringLiteral("MinnumberOfAddBall"),
        QStringLiteral("MaxnumberOfAddBall"), QStringLiteral("BaseFile"), QStringLiteral("Machine"),
        QStringLiteral("SetOfBall"), QStringLiteral("WWW"),
        kTicketPriceKey, // optional: without it the list shows no cost
    };
    return keys;
}

const QStringList &paramCaptions()
{
    static const QStringList captions {
        QStringLiteral("Минимальный номер в лотереи"),
        QStringLiteral("Максимальный номер в лотереи"),
        QStringLiteral("Количество номеров одного розыгрыша "),
        QStringLiteral("Количество дополнительных номеров"),
        QStringLiteral("Минимальный дополнительный номер"),
        QStringLiteral("Максимальный дополнительный номер"),
        QStringLiteral("Файл базы данных результатов розыгрышей"),
        QStringLiteral("Названия лототронов (через запятую)"),
        QStringLiteral("Названия комплектов шаров (через запятую)"),
        QStringLiteral("Страница или файл в интернете с результатами"),
        QStringLiteral("Цена билета (пусто: не указана)"),
    };
    return captions;
}

const QStringList &paramDefaults()
{
    static const QStringList defaults {
        QStringLiteral("1"),
        QStringLiteral("45"),
        QStringLiteral("6"),
        QStringLiteral("0"),
        QStringLiteral("0"),
        QStringLiteral("0"),
        QStringLiteral("default.lot"),
        QStringLiteral("-"),
        QStringLiteral("-"),
        QStringLiteral("http://"),
        QString(),
    };
    return defaults;
}

bool isNumericParam(int row)
{
    return row >= 0 && row < 6;
}

QStringList readParams(const IniDocument &ini, const QString &lottery)
{
    QStringList values;
    for (int row = 0; row < kParamCount; ++row)
        values.append(ini.readString(lottery, paramKeys().at(row), paramDefaults().at(row)));
    return values;
}

bool holdsControlCharacter(const QString &text)
{
    for (const QChar c : text) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F || c.category() == QChar::Other_Control
            || c == QChar::LineSeparator || c == QChar::ParagraphSeparator)
            return true;
    }
    return false;
}

ParamsCheck checkParams(const QString &lottery, const QStringList &values, const MessageCatalog &messages)
{
    // A line break would end the key there and make the rest a line of its own; other
    // control characters (a pasted escape sequence) are no part of any value.
    for (int row = 0; row < kParamCount; ++row) {
        if (holdsControlCharacter(values.value(row)))
            return { row, messages("Str74").arg(captionOf(row), messages("Str420")) };
    }
    int numbers[6] = {};
    for (int row = 0; row < 6; ++row) {
        if (!tryTextToInt(values.value(row), &numbers[row])) {
            const QString reason = messages("Str75").arg(lottery, values.value(row));
            return { row, messages("Str74").arg(captionOf(row), reason) };
        }
    }
    const int priceRow = static_cast<int>(paramKeys().indexOf(kTicketPriceKey));
    std::optional<qint64> cents;
    if (!parsePrice(values.value(priceRow), &cents)) {
        const QString reason = messages("Str75").arg(lottery, values.value(priceRow));
        return { priceRow, messages("Str74").arg(captionOf(priceRow), reason) };
    }
    LotteryDefinition definition;
    definition.name = lottery;
    definition.minNumber = numbers[0];
    definition.maxNumber = numbers[1];
    definition.drawNumber = numbers[2];
    definition.countOfAddBall = numbers[3];
    definition.minnumberOfAddBall = numbers[4];
    definition.maxnumberOfAddBall = numbers[5];
    const QString refusal = lotteries::validate(definition, messages);
    if (refusal.isEmpty())
        return {};
    const QString key = lotteries::findProblem(definition).key;
    const int row
        = static_cast<int>(std::find_if(paramKeys().begin(), paramKeys().end(), [&](const QString &k) {
              return sameName(k, key);
          }) - paramKeys().begin());
    if (row >= kParamCount)
        return { 0, refusal };
    return { row, messages("Str74").arg(captionOf(row), refusal) };
}

Done writeParams(const IniFile &ini, const QString &lottery, const QStringList &values)
{
    return ini.update([&](IniDocument &document) { writeValues(document, lottery, values); });
}

Done renameLottery(
    const IniFile &ini, const QString &oldName, const QString &newName, const QStringList &values)
{
    return ini.update([&](IniDocument &document) {
        // Deleting first sends the key to the end of the list, shown.
        document.deleteKey(lotteries::kListSection, oldName);
        document.writeString(lotteries::kListSection, newName, QStringLiteral("1"));
        writeValues(document, newName, values);
        // "Loto" renamed "LOTO" is the same section: erasing it would lose what was just written.
        if (!sameName(oldName, newName)) {
            // Keys the editor does not show (the ticket filters) go with the lottery.
            for (const QString &key : document.keys(oldName)) {
                if (!paramKeys().contains(key, Qt::CaseInsensitive))
                    document.writeString(newName, key, document.value(oldName, key).value_or(QString()));
            }
            document.eraseSection(oldName);
        }
    });
}

Done deleteLottery(const IniFile &ini, const QString &lottery)
{
    return ini.eraseSection(lottery);
}

Done writeList(const IniFile &ini, const QList<LotteryEntry> &list)
{
    return ini.update([&](IniDocument &document) {
        document.eraseSection(lotteries::kListSection);
        for (const LotteryEntry &entry : list)
            document.writeString(
                lotteries::kListSection, entry.name, entry.shown ? QStringLiteral("1") : QStringLiteral("0"));
    });
}

QString newLotteryName(const QStringList &names)
{
    int number = static_cast<int>(names.size()) + 1;
    QString name;
    do {
        name = QStringLiteral("NewLoto_") + QString::number(number++);
    } while (nameTaken(name, names));
    return name;
}

QString lotteryNameProblem(const QString &name, const QStringList &others, const MessageCatalog &messages)
{
    if (holdsControlCharacter(name))
        return messages("Str420");
    const QString trimmed = name.trimmed();
    if (trimmed.isEmpty())
        return messages("Str76");
    // The name is a section header "[name]" and a key "name=1" at once.
    if (trimmed.contains(QLatin1Char('[')) || trimmed.contains(QLatin1Char(']'))
        || trimmed.contains(QLatin1Char('=')) || trimmed.startsWith(QLatin1Char(';')))
        return messages("Str77").arg(trimmed);
    // A lottery called "Form" would share its section with the window state, and
    // deleting it would erase that.
    static const QRegularExpression systemList(
        QStringLiteral("^for .+ numbers$"), QRegularExpression::CaseInsensitiveOption);
    if (sameName(trimmed, QStringLiteral("Form")) || sameName(trimmed, lotteries::kListSection)
        || systemList.match(trimmed).hasMatch())
        return messages("Str79").arg(trimmed);
    if (nameTaken(trimmed, others))
        return messages("Str78").arg(trimmed);
    return {};
}

QString systemNameProblem(const QString &name, const QStringList &others, const MessageCatalog &messages)
{
    if (holdsControlCharacter(name))
        return messages("Str420");
    const QString trimmed = name.trimmed();
    // A row without a name is allowed while editing; it is not written.
    if (trimmed.isEmpty())
        return {};
    if (trimmed.contains(QLatin1Char('=')) || trimmed.startsWith(QLatin1Char('['))
        || trimmed.startsWith(QLatin1Char(';')))
        return messages("Str80").arg(trimmed);
    if (nameTaken(trimmed, others))
        return messages("Str81").arg(trimmed);
    return {};
}

QString systemSection(const IniDocument &ini, const QString &lottery)
{
    return lotteries::readDefinition(ini, lottery).systemSection();
}

QList<SystemRow> readSystems(const IniDocument &ini, const QString &section)
{
    QList<SystemRow> rows;
    for (const QString &line : ini.keyValueLines(section)) {
        const int eq = static_cast<int>(line.indexOf(QLatin1Char('=')));
        rows.append({ line.left(eq), line.mid(eq + 1) });
    }
    return rows;
}

Done writeSystems(const IniFile &ini, const QString &section, const QList<SystemRow> &rows)
{
    return ini.update([&](IniDocument &document) {
        document.eraseSection(section);
        for (const SystemRow &row : rows) {
            if (!row.name.trimmed().isEmpty())
                document.writeString(section, row.name, row.file);
        }
    });
}

} // namespace kivora::settings
