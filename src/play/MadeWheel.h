#pragma once

// A wheel the player has made joins the lottery's systems: its template is written to
// a file of its own in "System" (wheel6_12_4if4.ltt, wheel6_12_4if4-2.ltt, ...) and
// listed under the name the player chose in the section of the draw size.

#include "core/Failure.h"
#include "play/WheelTemplate.h"

#include <QString>

#include <vector>

namespace kivora {

class IniDocument;
class MessageCatalog;
class ProgramFolder;

namespace wheel {

// Why a name cannot list the wheel, empty when it can: the name must be new in the
// section, its first word the count of numbers the wheel needs, and it must be a
// usable key (no '=', not starting with '[' or ';'). The name is taken as given; the
// caller trims it.
QString nameProblem(const QString &name, const WheelShape &shape, const IniDocument &ini,
    const QString &section, const MessageCatalog &messages);

// The name proposed for the wheel: its systemName when the section does not list it
// yet, else that name with " (2)", " (3)", ... after it, so that nameProblem finds
// nothing wrong with it.
QString freeSystemName(const WheelShape &shape, int tickets, const IniDocument &ini, const QString &section,
    const MessageCatalog &messages);

// The system of the section whose template holds the same tickets (in any order, on
// the same count of numbers), or the empty name when none does. Templates that cannot
// be read are passed over.
QString equalSystem(const std::vector<quint64> &tickets, int numbers, const IniDocument &ini,
    const QString &section, const ProgramFolder &folder, const MessageCatalog &messages);

// Writes the template and lists it under name in the section. Gives the template's
// path. The name is listed only when it is still free in the file as it is now: a name
// taken meanwhile is refused and the template written for it removed again.
Outcome<QString> addToSystems(const ProgramFolder &folder, const QString &section, const QString &name,
    const WheelShape &shape, const std::vector<quint64> &tickets, const CheckResult &check,
    const MessageCatalog &messages);

} // namespace wheel
} // namespace kivora
