#pragma once

// Systems are listed per draw size in the configuration file, one key per system:
//
//   [for 6 numbers]
//   7 номеров (полная система)=full6of7.ltt
//
// The key is the system's name as the selector shows it, the value the template's
// file name inside the program folder's "System" folder.

#include "play/CombinationList.h"
#include "play/SystemTemplate.h"

#include <QString>
#include <QStringList>

namespace kivora {

class IniDocument;
class MessageCatalog;
class ProgramFolder;
struct LotteryDefinition;

namespace systems {

inline const QString kDefaultTemplate = QStringLiteral("default.ltt");

// The system names of a lottery's draw size, in file order.
QStringList names(const IniDocument &ini, const LotteryDefinition &lottery);

// The template the expansion uses for a system: the key's value, or "default.ltt" for
// a name that is not a key of the section (an empty name included).
QString templatePath(
    const IniDocument &ini, const QString &section, const QString &systemName, const ProgramFolder &folder);

// How many numbers a system needs: "7 номеров" and "7,номеров" need 7; a name that
// does not start with a number needs 0.
int neededCount(const QString &systemName);

// The count a saved combination file names: the first blank-separated word of the
// name, taken as text ("7,номеров (полная)" gives "7,номеров").
QString headerWord(const QString &systemName);

// The lines the system dialog shows for a system. Empty when the name is not a key
// (no default template here), the file is missing or holds no description; the
// reader's failure when the file cannot be read.
Outcome<QStringList> description(
    const IniDocument &ini, const QString &section, const QString &systemName, const ProgramFolder &folder);

} // namespace systems

// The result of expanding the current system for the marked numbers. The list and the
// status are always the ones to show: a template that cannot be read gives the empty
// list (one empty row), so that no list of another system or lottery stays on screen
// to be saved under this one.
struct SystemExpansion
{
    // True when the template was read. False when no file is there or it could not be
    // read: message then names the file.
    bool applied = false;
    QString message; // what to show when !applied ("Не найден файл шаблона системы ...")
    QString error; // the reader's reason when the file is there but unreadable
    QString templatePath;
    CombinationList list;
    QString status; // "Выбрано 7 номеров": the marked numbers, also when !applied
    int uses = 0; // how many marked numbers the system uses
};

// Expands the system named systemName of the lottery for the marked captions (in the
// number list's order), reading its template through the cache.
SystemExpansion expandCurrentSystem(TemplateCache &cache, const IniDocument &ini,
    const LotteryDefinition &lottery, const QString &systemName, const ProgramFolder &folder,
    const QStringList &markedCaptions, const MessageCatalog &messages);

} // namespace kivora
