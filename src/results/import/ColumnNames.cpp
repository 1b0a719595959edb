#include "results/import/ColumnNames.h"

#include <QStringList>

namespace kivora {

namespace {

// Words matched whole, and stems matched at a word's start (a trailing '*').
constexpr const char *kIgnored[] = { "jackpot*", "multipl*", "megaplier", "powerplay", "play", "prize*",
    "prix", "rapport*", "gain*", "montant*", "payout*", "amount*", "gewinner*", "gewinnklasse*", "quote*",
    "quota*", "einsatz*", "spieleinsatz*", "winners", "nombre", "rang*", "rank*", "devise*", "currency",
    "forclusion*", "deadline*", "expir*", "claim*", "joker*", "jokerplus", "code*", "total*", "sum", "somme",
    "summe", "count", "anzahl", "sales", "umsatz", "odds", "cagnotte*", "jour", "weekday", "wochentag",
    "spiel77", "super6", "выигрыш*", "приз*", "джекпот*", "суперприз*", "день", "jackpots", "estimated" };
constexpr const char *kDate[] = { "date*", "datum*", "дата*", "fecha*", "data" };
constexpr const char *kNumber[] = { "draw*", "tirage*", "тираж*", "ziehung*", "nr", "no", "num", "numero",
    "number", "id", "№", "номер", "sorteo*", "concurso*", "game" };
constexpr const char *kMain[] = { "winning*", "numbers", "ball", "balls", "boule*", "bola*", "kugel*", "zahl",
    "zahlen", "lottozahl*", "gewinnzahl*", "wb", "n", "номера", "числа", "шар*", "results", "white", "main",
    "chiffre*", "numeros", "nums" };
constexpr const char *kAdditional[] = { "star*", "etoile*", "bonus*", "powerball*", "pb", "mega*",
    "cashball*", "cash", "superzahl*", "zusatz*", "extra*", "lucky*", "chance*", "stern*", "доп*", "бонус*",
    "additional*", "special*", "thunderball*", "sz", "zz", "bb", "sb" };
constexpr const char *kSorted[]
    = { "croissant*", "sorted", "ascending", "aufsteigend*", "sortiert*", "возраст*", "order" };
constexpr const char *kMidday[] = { "midday", "midi", "mittag*", "дневн*", "утрен*", "matin" };
constexpr const char *kEvening[] = { "evening", "soir*", "abend*", "night", "вечер*", "ночн*" };

QString plain(const QString &name)
{
    QString out;
    for (QChar c : name.toLower()) {
        switch (c.unicode()) {
        case u'é':
        case u'è':
        case u'ê':
        case u'ë':
            out += QLatin1Char('e');
            break;
        case u'à':
        case u'â':
        case u'ä':
            out += QLatin1Char('a');
            break;
        case u'ô':
        case u'ö':
            out += QLatin1Char('o');
            break;
        case u'û':
        case u'ü':
        case u'ù':
            out += QLatin1Char('u');
            break;
        case u'î':
        case u'ï':
            out += QLatin1Char('i');
            break;
        case u'ç':
            out += QLatin1Char('c');
            break;
        case u'ß':
            out += QStringLiteral("ss");
            break;
        default:
            out += c;
        }
    }
    return out;
}

// Words of a name: letters and digits apart ("boule1" is "boule", "1"), every other
// character a separator; "MegaBall" stays one word.
QStringList words(const QString &name)
{
    QStringList out;
    QString word;
    int kind = 0; // 1 letter, 2 digit
    for (QChar c : plain(name)) {
        const int k = c.isLetter() || c == QChar(0x2116) ? 1 : c.isDigit() ? 2 : 0;
        if (k != kind && !word.isEmpty()) {
            out.append(word);
            word.clear();
        }
        kind = k;
        if (k != 0)
            word += c;
    }
    if (!word.isEmpty())
        out.append(word);
    return out;
}

template<size_t N> bool matches(const QStringList &tokens, const char *const (&list)[N])
{
    for (const QString &token : tokens) {
        for (const char *entry : list) {
            QString pattern = QString::fromUtf8(entry);
            if (pattern.endsWith(QLatin1Char('*'))) {
                pattern.chop(1);
                if (token.startsWith(pattern))
                    return true;
            } else if (token == pattern) {
                return true;
            }
        }
    }
    return false;
}

} // namespace

HeaderMeaning headerMeaning(const QString &name)
{
    HeaderMeaning meaning;
    const QStringList tokens = words(name);
    if (tokens.isEmpty())
        return meaning;
    meaning.sorted = matches(tokens, kSorted);
    if (matches(tokens, kMidday))
        meaning.drawTime = 0;
    else if (matches(tokens, kEvening))
        meaning.drawTime = 1;
    if (matches(tokens, kIgnored))
        meaning.kind = HeaderClass::Ignored;
    else if (matches(tokens, kDate)) {
        meaning.kind = HeaderClass::Date;
        meaning.drawDate = matches(tokens, kNumber);
    } else if (matches(tokens, kAdditional))
        meaning.kind = HeaderClass::Additional;
    else if (matches(tokens, kMain))
        meaning.kind = HeaderClass::Main;
    else if (matches(tokens, kNumber))
        meaning.kind = HeaderClass::DrawNumber;
    return meaning;
}

} // namespace kivora
