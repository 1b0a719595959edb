#pragma once

// What the settings dialog reads and writes in the configuration file: the ten keys
// of a lottery section as the user edits them (free text, with the dialog's own
// defaults for missing keys), the lottery list, renames and deletions, and the system
// lists. Every function opens the file, does its whole work and closes it again, so
// one user action is one rewrite of the file.

#include "core/IniDocument.h"
#include "core/IniFile.h"
#include "core/LotteryDefinition.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace kivora {

class MessageCatalog;

// Texts of the settings dialog's refusals.

namespace settings {

inline constexpr int kParamCount = 11;

// MinNumber, MaxNumber, DrawNumber, CountOfAddBall, MinnumberOfAddBall,
// MaxnumberOfAddBall, BaseFile, Machine, SetOfBall, WWW: the order the editor shows
// and writes them.
const QStringList &paramKeys();
// The editor's row captions, one per key.
const QStringList &paramCaptions();
// What the editor shows for a missing key ("45" for MaxNumber, not the 80 of the
// main load).
const QStringList &paramDefaults();
// True for the six rows that must hold an integer.
bool isNumericParam(int row);

// True when the text holds a line break, a tab or another control character (C0, DEL,
// C1, U+2028, U+2029): no field of the settings may hold one.
bool holdsControlCharacter(const QString &text);

// The ten values of a lottery as the editor shows them.
QStringList readParams(const IniDocument &ini, const QString &lottery);

// The verdict on the values of the editor: row is -1 when they can be stored without
// making the lottery unloadable; otherwise the first row at fault, and a message
// naming it by its caption.
struct ParamsCheck
{
    int row = -1;
    QString message;
    bool ok() const { return row < 0; }
};
ParamsCheck checkParams(const QString &lottery, const QStringList &values, const MessageCatalog &messages);

// Writes the ten values into the lottery's section; fails when the file could not be
// written.
Done writeParams(const IniFile &ini, const QString &lottery, const QStringList &values);

// Moves a lottery to a new name: the old list key goes, the new one is added last with
// "1", the ten values are written under the new name, the section's other keys follow
// them and the old section is erased unless both names differ only in letter case.
Done renameLottery(
    const IniFile &ini, const QString &oldName, const QString &newName, const QStringList &values);

// Erases the lottery's own section; its list key stays.
Done deleteLottery(const IniFile &ini, const QString &lottery);

// Replaces section LotoType by the given rows, in order, "1" for shown and "0" for hidden.
Done writeList(const IniFile &ini, const QList<LotteryEntry> &list);

// "NewLoto_" and the row count after adding; when that name is already used by a row,
// the next free number.
QString newLotteryName(const QStringList &names);

// Empty when name can be a lottery name beside the others (compared without regard to
// case); otherwise the reason. Lottery names are list keys and section names at once.
QString lotteryNameProblem(const QString &name, const QStringList &others, const MessageCatalog &messages);
// The same for a system name, which is a key of a system list.
QString systemNameProblem(const QString &name, const QStringList &others, const MessageCatalog &messages);

struct SystemRow
{
    QString name;
    QString file;
};

// The system-list section of a lottery, the same one the main window reads:
// "for " + its DrawNumber (6 when missing) + " numbers".
QString systemSection(const IniDocument &ini, const QString &lottery);
// The rows of a system-list section in file order.
QList<SystemRow> readSystems(const IniDocument &ini, const QString &section);
// Erases the section and writes every row with a non-empty name, in order.
Done writeSystems(const IniFile &ini, const QString &section, const QList<SystemRow> &rows);

} // namespace settings
} // namespace kivora
