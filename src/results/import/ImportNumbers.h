#pragma once

// The numbers of a field as operators write them: one number, or several packed in
// one field, separated by blanks, '|', '-', ',', ';' or '+' ("20 36 37 48 67",
// "1-2-3-4-5", "19|8|15|4").

#include <QString>
#include <QStringList>
#include <QStringView>

#include <vector>

namespace kivora {

// The numbers' texts in field order; false (and *numbers cleared) when some piece is
// not written in decimal digits. A blank field gives no numbers.
bool packedNumberTexts(QStringView field, QStringList *numbers);

// Appends the field's numbers to *values; false when some piece is not decimal digits
// or is longer than nine of them (then *values holds what came before it).
bool appendPackedValues(QStringView field, std::vector<int> *values);

// The numbers as integers; empty when the field holds anything else (or is blank).
std::vector<int> packedNumbers(QStringView field);

} // namespace kivora
