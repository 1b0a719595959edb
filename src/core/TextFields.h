#pragma once

// Field routines: a field is a maximal run of characters outside the delimiter set.
// Runs of delimiters are one separator, delimiters at either end are ignored, and
// there are no empty fields. Positions and indexes count from 1.

#include "core/CharSet.h"

#include <QString>
#include <QStringList>

namespace kivora {

int fieldCount(const QString &text, const CharSet &delims);
// Position (from 1) of the first character of field n; 0 when there is no field n.
int fieldPosition(int n, const QString &text, const CharSet &delims);
// Field n, or the empty text when there is none.
QString extractField(int n, const QString &text, const CharSet &delims);
// True when some field equals word exactly (case-sensitive); false for an empty word.
bool hasField(const QString &word, const QString &text, const CharSet &delims);

// The same with an 8-bit index, as the ledger code of old used them.
int fieldPositionShort(int n, const QString &text, const CharSet &delims);
QString extractFieldShort(int n, const QString &text, const CharSet &delims);

// All fields in order; the same as extractField(1..fieldCount) but in one pass.
QStringList splitFields(const QString &text, const CharSet &delims);

} // namespace kivora
