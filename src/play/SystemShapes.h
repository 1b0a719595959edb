#pragma once

// What each listed system is, so that a long list (Keno lists hundreds) can be narrowed
// to the systems a player looks for: how many marked numbers it needs, how many numbers
// a ticket holds and its kind. The template's file name tells it for the shipped and the
// player's own systems:
//
//   full5of5.ltt           one ticket of 5 numbers
//   full5of8.ltt           all tickets of 5 out of 8 numbers (the full system)
//   wheel5_11_2if3.ltt     a wheel on 11 numbers in tickets of 5 ("-2" may follow)
//
// Any other file is read and its rows looked at; what neither tells is "other".

#include "play/SystemTemplate.h"

#include <QMetaType>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace kivora {

class IniDocument;
class ProgramFolder;

enum class SystemKind { Other, OneTicket, Full, Wheel };

struct SystemShape
{
    int numbers = 0; // marked numbers it needs; 0 when unknown
    int ticketSize = 0; // numbers per ticket; 0 when unknown
    SystemKind kind = SystemKind::Other;

    bool operator==(const SystemShape &other) const
    {
        return numbers == other.numbers && ticketSize == other.ticketSize && kind == other.kind;
    }
    bool operator!=(const SystemShape &other) const { return !(*this == other); }
};

namespace systemshapes {

// Templates larger than this are not read just to sort the list: such a system is
// "other" unless its file name tells.
inline constexpr qint64 kLargestTemplateRead = 2 * 1024 * 1024;

// The shape a template's file name states (a path is allowed; letter case does not
// matter). None for another name, or for sizes that cannot be: a ticket larger than the
// numbers, more than ten numbers on a ticket, a zero.
std::optional<SystemShape> fromFileName(const QString &fileName);

// The shape a template's rows show. Every row holds the same count of distinct
// positions: one row of all of them is one ticket, every combination of them the full
// system, anything else a wheel. Rows of differing widths, repeated positions or
// placeholders make it "other" (with the numbers it uses).
SystemShape fromTemplate(const SystemTemplate &parsed);

// The shape of each name of the section, in order: by the file name, else by the
// template when it can be read, else "other" needing the count its name starts with.
std::vector<SystemShape> listed(
    const IniDocument &ini, const QString &section, const QStringList &names, const ProgramFolder &folder);

// Which systems a list shows: ticketSize 0 and no kind show every one.
struct Filter
{
    int ticketSize = 0;
    std::optional<SystemKind> kind;

    bool isOpen() const { return ticketSize == 0 && !kind; }
    bool accepts(const SystemShape &shape) const;
};

int countAccepted(const std::vector<SystemShape> &shapes, const Filter &filter);

} // namespace systemshapes
} // namespace kivora

Q_DECLARE_METATYPE(kivora::SystemShape)
