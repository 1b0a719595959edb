#include "play/TicketFilterSettings.h"

#include <QStringList>

namespace kivora {

namespace {

struct RangeKeys
{
    const char *on;
    const char *min;
    const char *max;
};

constexpr RangeKeys kSum { "FilterSumOn", "FilterSumMin", "FilterSumMax" };
constexpr RangeKeys kOdd { "FilterOddOn", "FilterOddMin", "FilterOddMax" };
constexpr RangeKeys kLow { "FilterLowOn", "FilterLowMin", "FilterLowMax" };
constexpr RangeKeys kRun { "FilterRunOn", "FilterRunMin", "FilterRunMax" };
constexpr const char *kTenOn = "FilterTenOn";
constexpr const char *kTenMost = "FilterTenMost";
constexpr const char *kNotPastDraw = "FilterNotPastDraw";

QString key(const char *name)
{
    return QLatin1String(name);
}

CountRange readRange(const IniDocument &ini, const QString &section, const RangeKeys &keys)
{
    CountRange range;
    range.on = ini.readBool(section, key(keys.on), false);
    range.min = ini.readInteger(section, key(keys.min), 0);
    range.max = ini.readInteger(section, key(keys.max), 0);
    return range;
}

QString flag(bool on)
{
    return on ? QStringLiteral("1") : QStringLiteral("0");
}

void writeRange(IniDocument &ini, const QString &section, const RangeKeys &keys, const CountRange &range)
{
    ini.writeString(section, key(keys.on), flag(range.on));
    ini.writeString(section, key(keys.min), QString::number(range.min));
    ini.writeString(section, key(keys.max), QString::number(range.max));
}

} // namespace

const QStringList &ticketFilterKeys()
{
    static const QStringList keys = [] {
        QStringList list;
        for (const RangeKeys &range : { kSum, kOdd, kLow, kRun })
            list << key(range.on) << key(range.min) << key(range.max);
        list << key(kTenOn) << key(kTenMost) << key(kNotPastDraw);
        return list;
    }();
    return keys;
}

TicketFilters readTicketFilters(const IniDocument &ini, const QString &lottery)
{
    TicketFilters filters;
    filters.sum = readRange(ini, lottery, kSum);
    filters.odd = readRange(ini, lottery, kOdd);
    filters.low = readRange(ini, lottery, kLow);
    filters.run = readRange(ini, lottery, kRun);
    filters.tenOn = ini.readBool(lottery, key(kTenOn), false);
    filters.tenMost = ini.readInteger(lottery, key(kTenMost), 0);
    filters.notPastDraw = ini.readBool(lottery, key(kNotPastDraw), false);
    return filters;
}

void writeTicketFilters(IniDocument &ini, const QString &lottery, const TicketFilters &filters)
{
    writeRange(ini, lottery, kSum, filters.sum);
    writeRange(ini, lottery, kOdd, filters.odd);
    writeRange(ini, lottery, kLow, filters.low);
    writeRange(ini, lottery, kRun, filters.run);
    ini.writeString(lottery, key(kTenOn), flag(filters.tenOn));
    ini.writeString(lottery, key(kTenMost), QString::number(filters.tenMost));
    ini.writeString(lottery, key(kNotPastDraw), flag(filters.notPastDraw));
}

Done storeTicketFilters(const IniFile &ini, const QString &lottery, const TicketFilters &filters)
{
    return ini.update([&](IniDocument &document) { writeTicketFilters(document, lottery, filters); });
}

} // namespace kivora
