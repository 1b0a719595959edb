#pragma once

// What a column's header name says about it, in the languages operators write:
// "Draw Date", "Winning Numbers", "Mega Ball", "boule_1", "étoile_2", "Lottozahlen",
// "Superzahl", "Номер тиража", "rapport_du_rang1", "Evening Winning Numbers".

#include <QString>

namespace kivora {

enum class HeaderClass {
    Unknown, // says nothing: values decide
    Ignored, // prizes, multipliers, jackpots, winners, deadlines, weekday names
    Date,
    DrawNumber,
    Main,
    Additional,
};

struct HeaderMeaning
{
    HeaderClass kind = HeaderClass::Unknown;
    bool sorted = false; // "…en_ordre_croissant", "sorted": a copy of the numbers in order
    int drawTime = -1; // 0 midday, 1 evening: one row holding two draws of a day
    bool drawDate = false; // a date that names the draw ("Draw Date", "date_de_tirage")
};

HeaderMeaning headerMeaning(const QString &name);

} // namespace kivora
