#pragma once

// A wheel as a system template: its name in a system list, its file name in "System"
// and the template's text, whose description lines state the guarantee, the ticket
// count and that the verifier has checked it.
//
//   12 номеров: 4 из 4, 41 билет=wheel6_12_4if4.ltt

#include "play/WheelVerifier.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace kivora {

class MessageCatalog;

namespace wheel {

struct WheelShape
{
    Guarantee guarantee;
    int ticketSize = 0;
};

// "12 номеров: 4 из 4, 41 билет": the first word is the count of numbers it needs.
QString systemName(const WheelShape &shape, int tickets, const MessageCatalog &messages);

// "wheel6_12_4if4.ltt"
QString fileName(const WheelShape &shape);

// The guarantee a system of `numbers` numbers states: in its name, the first "t word m"
// after the first word ("7 номеров: 3 из 4, 4 билета", "6 номеров: билеты по 4, 2 из 3,
// 2 билета"), else in its template's file name ("wheel4_7_3if4.ltt"). None when neither
// states one that fits (1 <= t <= m <= numbers).
std::optional<Guarantee> statedGuarantee(const QString &systemName, const QString &templateFile, int numbers);

// The description lines and one row per ticket ("1 2 3 4 5 6"). `check` is the
// verifier's result for the tickets.
QStringList templateLines(const WheelShape &shape, const std::vector<quint64> &tickets,
    const CheckResult &check, const MessageCatalog &messages);

} // namespace wheel
} // namespace kivora
