#pragma once

// A count and its noun in the interface language. A language file gives a noun's forms
// separated by "|": three follow the Russian rule (one, few, many: 1 номер, 2 номера,
// 5 номеров, 11 номеров, 21 номер), two the English one (one, other: 1 number,
// 2 numbers). A sentence carries them in braces after its count, "отмечено %1
// {номер|номера|номеров}". A text without forms, as older and users' own language files
// have, reads as it is written.

#include <QString>

namespace kivora {

// The form of "номер|номера|номеров" or "number|numbers" for n; a single form for any n.
QString pluralForm(qint64 n, const QString &forms);

// Replaces every "{one|few|many}" group of a finished text by the form that fits the
// number written last before it ("2 {number|numbers}" -> "2 numbers"); a group before
// which no number stands takes its last form.
QString withPlurals(const QString &text);

} // namespace kivora
