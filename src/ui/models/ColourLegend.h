#pragma once

// What the colours of the views mean, in the interface language: each coloured row or
// cell says it in its tooltip, and the header of a coloured column lists them all.

#include <QString>

namespace kivora {

class MessageCatalog;

struct ColourLegend
{
    QString lastDraw; // a red row: in the last draw
    QString longGap; // a green row: %1 draws or more without it, %2 per cent of the record %3
    QString marked; // a black row: marked for play
    QString ball; // the ball's colour: the number's ten
    QString chosenDraw; // a red draw number: the draw holds what is chosen in a list
    QString additional; // blue numbers: the additional ones
    QString crowdedTen; // a red cell of the tens: %1 or more numbers of the ten

    // The green line for a table whose record gap is record, at factor of it.
    QString longGapLine(int record, double factor) const;
};

ColourLegend colourLegend(const MessageCatalog &messages);

} // namespace kivora
