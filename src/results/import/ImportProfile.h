#pragma once

// A lottery's import profile: what was set for its operator's file (encoding,
// delimiter, header, columns, date format, since), kept as keys of the lottery's
// section of kivora.INI and used by the next import unless the user sets otherwise.
// The keys are absent by default, and a configuration without them reads as before.

#include "core/Failure.h"
#include "results/import/ImportDetect.h"

#include <QString>

namespace kivora {

class IniDocument;
class IniFile;

namespace importprofile {

inline const QString kEncoding = QStringLiteral("ImportEncoding");
inline const QString kDelimiter = QStringLiteral("ImportDelimiter");
inline const QString kHeader = QStringLiteral("ImportHeader");
inline const QString kColumns = QStringLiteral("ImportColumns");
inline const QString kDateFormat = QStringLiteral("ImportDateFormat");
inline const QString kSince = QStringLiteral("ImportSince");

} // namespace importprofile

// The profile of a lottery; empty settings when it has none.
ImportSettings readImportProfile(const IniDocument &ini, const QString &lottery);

// Puts the settings into the lottery's section as its profile: a set value is
// written, an empty one removes its key.
void writeImportProfile(IniDocument &ini, const QString &lottery, const ImportSettings &settings);

// The same on the file, in one rewrite.
Done saveImportProfile(const IniFile &ini, const QString &lottery, const ImportSettings &settings);

// The settings the user gave, each empty one taken from the profile.
ImportSettings withProfile(const ImportSettings &given, const ImportSettings &profile);

} // namespace kivora
