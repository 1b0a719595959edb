#include "results/import/ImportProfile.h"

#include "core/IniDocument.h"
#include "core/IniFile.h"

namespace kivora {

ImportSettings readImportProfile(const IniDocument &ini, const QString &lottery)
{
    using namespace importprofile;
    ImportSettings settings;
    settings.encoding = ini.readString(lottery, kEncoding, {});
    settings.delimiter = ini.readString(lottery, kDelimiter, {});
    settings.header = ini.readInteger(lottery, kHeader, -1);
    if (settings.header > 1 || settings.header < -1)
        settings.header = -1;
    settings.columns = ini.readString(lottery, kColumns, {});
    settings.dateFormat = ini.readString(lottery, kDateFormat, {});
    settings.since = ini.readString(lottery, kSince, {});
    return settings;
}

void writeImportProfile(IniDocument &ini, const QString &lottery, const ImportSettings &settings)
{
    using namespace importprofile;
    const auto put = [&](const QString &key, const QString &value) {
        if (value.isEmpty())
            ini.deleteKey(lottery, key);
        else
            ini.writeString(lottery, key, value);
    };
    put(kEncoding, settings.encoding);
    put(kDelimiter, settings.delimiter);
    put(kHeader, settings.header < 0 ? QString() : QString::number(settings.header));
    put(kColumns, settings.columns);
    put(kDateFormat, settings.dateFormat);
    put(kSince, settings.since);
}

Done saveImportProfile(const IniFile &ini, const QString &lottery, const ImportSettings &settings)
{
    return ini.update([&](IniDocument &document) { writeImportProfile(document, lottery, settings); });
}

ImportSettings withProfile(const ImportSettings &given, const ImportSettings &profile)
{
    ImportSettings settings = given;
    const auto fill = [](QString &value, const QString &stored) {
        if (value.isEmpty())
            value = stored;
    };
    fill(settings.encoding, profile.encoding);
    fill(settings.delimiter, profile.delimiter);
    if (settings.header < 0)
        settings.header = profile.header;
    fill(settings.columns, profile.columns);
    fill(settings.dateFormat, profile.dateFormat);
    fill(settings.since, profile.since);
    return settings;
}

} // namespace kivora
