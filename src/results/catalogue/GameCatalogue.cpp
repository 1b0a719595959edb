#include "results/catalogue/GameCatalogue.h"

#include "core/LotteryDefinition.h"
#include "core/MessageCatalog.h"
#include "core/ProgramFolder.h"
#include "core/TextFile.h"

#include <QFileInfo>
#include <QRegularExpression>

#include <functional>
#include <map>

namespace kivora {

namespace {

const QString kShippedCatalogue = QStringLiteral(":/defaults/catalogue.txt");

// "5 of 1-69", "1 of 1-26, separate drum", "3 of 1-47, same drum".
bool parseMatrix(const QString &text, GameMatrix *matrix)
{
    static const QRegularExpression form(
        QStringLiteral(R"(^(\d{1,3})\s+of\s+(\d{1,3})\s*-\s*(\d{1,3})\s*(?:,\s*(separate|same)\s+drum)?$)"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = form.match(text.trimmed());
    if (!match.hasMatch())
        return false;
    GameMatrix parsed;
    parsed.count = match.captured(1).toInt();
    parsed.minNumber = match.captured(2).toInt();
    parsed.maxNumber = match.captured(3).toInt();
    parsed.separateDrum = match.captured(4).compare(QLatin1String("separate"), Qt::CaseInsensitive) == 0;
    // The tables of the program hold the numbers 0..100; a draw cannot hold more
    // numbers than its range.
    if (parsed.count < 1 || parsed.maxNumber > kLargestNumber || parsed.minNumber > parsed.maxNumber
        || parsed.count > parsed.maxNumber - parsed.minNumber + 1)
        return false;
    *matrix = parsed;
    return true;
}

bool isDate(const QString &text)
{
    static const QRegularExpression form(
        QStringLiteral(R"(^\d{4}(-(0[1-9]|1[0-2])(-(0[1-9]|[12]\d|3[01]))?)?$)"));
    return form.match(text).hasMatch();
}

bool isAddress(const QString &text)
{
    return text.startsWith(QLatin1String("https://"), Qt::CaseInsensitive)
        || text.startsWith(QLatin1String("http://"), Qt::CaseInsensitive);
}

// "2012-01-18 | 5 of 1-59 | 1 of 1-35, separate drum"; "-" for no additional numbers.
bool parseEarlier(const QString &text, EarlierMatrix *earlier)
{
    const QStringList parts = text.split(QLatin1Char('|'));
    if (parts.size() != 3)
        return false;
    EarlierMatrix parsed;
    parsed.since = parts.at(0).trimmed();
    if (!isDate(parsed.since) || !parseMatrix(parts.at(1), &parsed.main))
        return false;
    const QString additional = parts.at(2).trimmed();
    if (additional != QLatin1String("-") && !parseMatrix(additional, &parsed.additional))
        return false;
    *earlier = parsed;
    return true;
}

// A base file name: a plain name ending in ".lot", no folder.
bool isBaseFileName(const QString &text)
{
    static const QRegularExpression form(QStringLiteral(R"(^[A-Za-z0-9][A-Za-z0-9._-]*\.lot$)"));
    return form.match(text).hasMatch();
}

class Parser
{
public:
    Parser(const QString &fileName, const MessageCatalog &messages)
        : m_fileName(fileName)
        , m_messages(messages)
    { }

    Catalogue run(const QString &text)
    {
        const QStringList lines = textfile::splitLines(text);
        for (int i = 0; i < lines.size(); ++i)
            readLine(lines.at(i).trimmed(), i + 1);
        finishGame();
        return std::move(m_result);
    }

private:
    void problem(int line, const QString &message)
    {
        m_result.problems.append(
            { m_fileName, line, m_messages("Str580").arg(m_fileName, QString::number(line), message) });
    }

    void readLine(const QString &line, int number)
    {
        m_currentLine = number;
        if (line.isEmpty() || line.startsWith(QLatin1Char(';')) || line.startsWith(QLatin1Char('#')))
            return;
        if (line.startsWith(QLatin1Char('['))) {
            finishGame();
            if (!line.endsWith(QLatin1Char(']')) || line.size() < 3) {
                problem(number, m_messages("Str581").arg(line));
                m_skipping = true;
                return;
            }
            m_game = CatalogueGame();
            m_game.name = line.mid(1, line.size() - 2).trimmed();
            m_game.line = number;
            m_inGame = true;
            m_skipping = false;
            m_bad = false;
            return;
        }
        if (m_skipping)
            return;
        const int eq = static_cast<int>(line.indexOf(QLatin1Char('=')));
        if (!m_inGame || eq <= 0) {
            problem(number, m_inGame ? m_messages("Str588").arg(line) : m_messages("Str583").arg(line));
            return;
        }
        const QString key = line.left(eq).trimmed();
        const QString value = line.mid(eq + 1).trimmed();
        if (!readValue(key, value))
            refuseGame(number, m_messages("Str584").arg(key, value));
    }

    // False when the value cannot be used; an unknown key is reported and skipped.
    bool readValue(const QString &key, const QString &value)
    {
        using Setter = std::function<bool(const QString &)>;
        const auto text = [](QString *field) {
            return Setter([field](const QString &v) {
                *field = v;
                return true;
            });
        };
        const auto address = [](QString *field) {
            return Setter([field](const QString &v) {
                *field = v;
                return isAddress(v);
            });
        };
        const auto date = [](QString *field) {
            return Setter([field](const QString &v) {
                *field = v;
                return isDate(v);
            });
        };
        ImportSettings &profile = m_game.importProfile;
        const std::map<QString, Setter> setters {
            { QStringLiteral("russianname"), text(&m_game.russianName) },
            { QStringLiteral("operator"), text(&m_game.operatorName) },
            { QStringLiteral("country"), text(&m_game.country) },
            { QStringLiteral("main"), [this](const QString &v) { return parseMatrix(v, &m_game.main); } },
            { QStringLiteral("additional"),
                [this](const QString &v) { return parseMatrix(v, &m_game.additional); } },
            { QStringLiteral("since"), date(&m_game.since) },
            { QStringLiteral("earlier"),
                [this](const QString &v) {
                    EarlierMatrix earlier;
                    if (!parseEarlier(v, &earlier))
                        return false;
                    m_game.earlier.append(earlier);
                    return true;
                } },
            { QStringLiteral("ended"), date(&m_game.ended) },
            { QStringLiteral("drawdays"), text(&m_game.drawDays) },
            { QStringLiteral("price"), text(&m_game.price) },
            { QStringLiteral("resultspage"), address(&m_game.resultsPage) },
            { QStringLiteral("resultsfile"), address(&m_game.resultsFile) },
            { QStringLiteral("importencoding"), text(&profile.encoding) },
            { QStringLiteral("importdelimiter"), text(&profile.delimiter) },
            { QStringLiteral("importheader"),
                [&profile](const QString &v) {
                    if (v != QLatin1String("0") && v != QLatin1String("1"))
                        return false;
                    profile.header = v.toInt();
                    return true;
                } },
            { QStringLiteral("importcolumns"), text(&profile.columns) },
            { QStringLiteral("importdateformat"), text(&profile.dateFormat) },
            { QStringLiteral("importsince"), text(&profile.since) },
            { QStringLiteral("basefile"),
                [this](const QString &v) {
                    m_game.baseFile = v;
                    return isBaseFileName(v);
                } },
            { QStringLiteral("source"), text(&m_game.source) },
        };
        const auto setter = setters.find(key.toLower());
        if (setter == setters.end()) {
            problem(m_currentLine, m_messages("Str582").arg(key));
            return true;
        }
        return setter->second(value);
    }

    void refuseGame(int line, const QString &message)
    {
        problem(line, message);
        m_bad = true;
    }

    void finishGame()
    {
        if (!m_inGame)
            return;
        m_inGame = false;
        if (m_bad)
            return;
        if (m_game.name.isEmpty() || m_game.main.isEmpty()) {
            problem(m_game.line, m_messages("Str585").arg(m_game.name));
            return;
        }
        if (catalogue::find(m_result, m_game.name) || catalogue::find(m_result, m_game.russianName)) {
            problem(m_game.line, m_messages("Str586").arg(m_game.name));
            return;
        }
        m_result.games.append(m_game);
    }

    QString m_fileName;
    const MessageCatalog &m_messages;
    Catalogue m_result;
    CatalogueGame m_game;
    bool m_inGame = false;
    bool m_skipping = false;
    bool m_bad = false;
    int m_currentLine = 0;
};

bool sameName(const QString &a, const QString &b)
{
    return !a.isEmpty() && a.trimmed().compare(b.trimmed(), Qt::CaseInsensitive) == 0;
}

} // namespace

QString GameMatrix::text() const
{
    return QStringLiteral("%1 of %2-%3").arg(count).arg(minNumber).arg(maxNumber);
}

QString CatalogueGame::matrixText() const
{
    QString text = QStringLiteral("%1/%2").arg(main.count).arg(main.maxNumber);
    if (!additional.isEmpty())
        text += QStringLiteral(" + %1/%2").arg(additional.count).arg(additional.maxNumber);
    return text;
}

namespace catalogue {

Catalogue parse(const QString &text, const QString &fileName, const MessageCatalog &messages)
{
    return Parser(fileName, messages).run(text);
}

Catalogue load(const ProgramFolder &folder, const MessageCatalog &messages)
{
    const QString own = folder.filePath(fileName());
    const QString path = QFileInfo::exists(own) ? own : kShippedCatalogue;
    const Outcome<QString> text = textfile::readText(path);
    if (!text) {
        Catalogue failed;
        failed.error = messages("Str587").arg(fileName(), text.failure().text);
        return failed;
    }
    return parse(*text, fileName(), messages);
}

const CatalogueGame *find(const Catalogue &catalogue, const QString &name)
{
    for (const CatalogueGame &game : catalogue.games) {
        if (sameName(game.name, name) || sameName(game.russianName, name))
            return &game;
    }
    return nullptr;
}

} // namespace catalogue
} // namespace kivora
