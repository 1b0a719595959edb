#pragma once

// Adding one draw to a results base: the record line the add dialog writes, the checks
// of its typed number groups, and the append.

#include "core/Failure.h"
#include "core/LotteryDefinition.h"
#include "results/ResultsLoad.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace kivora {

class MessageCatalog;

// A number group typed through a "99,99,..." mask, once checked.
struct NumberGroup
{
    bool ok = false;
    QString text; // the numbers joined with "," as typed, blanks removed ("03,15,7")
    QString error; // the message when !ok
};

// The main numbers: exactly DrawNumber groups, each a number in MinNumber..MaxNumber.
// Blanks of the mask (spaces, "_") are ignored inside a group; an empty group, a
// missing group or a number outside the range refuses the whole group, and so does a
// number typed twice ("05,11,22,33,44,05", also "5" and "05"), with its own message.
NumberGroup checkMainNumbers(
    const QString &typed, const LotteryDefinition &definition, const MessageCatalog &messages);

// The additional numbers: an all-blank text is accepted as "none typed" (empty text);
// otherwise exactly CountOfAddBall numbers are needed, each inside
// MinnumberOfAddBall..MaxnumberOfAddBall when that range holds more than one number,
// else inside 0..99 (two digits of the mask), no number twice. An additional number may
// equal a main number. A lottery without additional numbers accepts only an empty text.
NumberGroup checkAdditionalNumbers(
    const QString &typed, const LotteryDefinition &definition, const MessageCatalog &messages);

// The range of the additional numbers: MinnumberOfAddBall..MaxnumberOfAddBall when that
// range holds more than one number, else 0..99 (the settings dialog writes 0..0 unless
// the user sets the range; the mask limits a number to two digits).
void additionalNumberRange(const LotteryDefinition &definition, int *lo, int *hi);

// Why a draw is not one the program writes, in the order the faults are weighed.
enum class DrawFault {
    NotNumbers, // a number field is not a number: a header such as "Тираж;Дата;...;N1;..."
    WrongCount, // fewer numbers than the draw has
    OutOfRange, // a main or additional number outside the lottery's range
    Repeated, // a number twice in one group: "5;5;5;5;5;5"
    NotADate, // a date isDrawDate refuses: "notadate", "99.99.9999"
    ControlCharacter, // a line break, an escape sequence, U+2028 in a field
};
inline constexpr int kDrawFaultKinds = 6;

// A field holding a character that ends a record or drives a terminal: the controls,
// DEL and the Unicode line and paragraph separators.
bool hasControlCharacter(const QString &text);

// The rules of one number group, the same for a typed draw and an imported record:
// exactly count numbers in decimal digits, each inside lo..hi, none twice. The first
// number met again goes to *repeated.
std::optional<DrawFault> numberGroupFault(
    const QStringList &numbers, int count, int lo, int hi, QString *repeated = nullptr);

// The fault of a record given as its fields (number, date, machine, ball set, the
// main numbers, the additional numbers; further fields are not looked at), or nothing
// when it is a draw the add dialog would write: no control character, both number
// groups complete (additional numbers included) and as numberGroupFault wants them,
// a date isDrawDate accepts.
std::optional<DrawFault> recordFault(const QStringList &fields, const LotteryDefinition &definition);

// The record line: the six texts joined with ",", the two number texts trimmed of
// spaces at both ends. "126,08.02.2005,2,5,03,15,22,31,40,44," for no additional numbers.
QString addDrawLine(const QString &number, const QString &date, const QString &machine,
    const QString &ballSet, const QString &mainText, const QString &additionalText);

// Appends the line and CR LF to the base (created when missing). When the base's last
// line has no line end (an edited file, whatever its encoding), one is written first
// so that the new draw never merges into the old last line.
Done appendDrawLine(const QString &basePath, const QString &line);

struct NewDraw
{
    QString number;
    QString date;
    QString machine;
    QString ballSet;
    QString mainText; // as typed through the mask
    QString additionalText; // as typed, may be blank
};

// The add dialog's OK: checks the draw (no control characters such as a line break in
// any field, fields that fit a record, a date that isDrawDate accepts, the two number
// groups) and the base (baseWriteRefusal; a base of lineLimit lines takes no more),
// then appends its record line. Returns the empty text when the line was written,
// otherwise the message to show (nothing is written).
QString addDraw(const QString &basePath, const NewDraw &draw, const LotteryDefinition &definition,
    const MessageCatalog &messages, int lineLimit = kLargestDrawCount);

} // namespace kivora
