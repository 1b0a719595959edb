#pragma once

// The combinations a system makes of the marked numbers: ten columns, at least one
// row. A list does not hold its texts: it keeps the template's position codes (shared
// with the template) and the marked captions, and makes a cell's text when asked, so
// expanding a template of 38,760 rows costs no more than copying a pointer.

#include "play/SystemTemplate.h"

#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

namespace kivora {

class MessageCatalog;

class CombinationList final
{
public:
    static constexpr int kColumns = SystemTemplate::kColumns;

    CombinationList(); // one empty row

    int rowCount() const;
    int columnCount() const { return kColumns; }
    // The marked caption at the cell's position, "K" for the placeholder, or the empty
    // text (no field there, a negative position, or one beyond the marked numbers).
    QString cell(int row, int column) const;
    QStringList row(int row) const;

    // True when no cell holds a number or a placeholder: the list of a missing
    // template, or a template expanded with nothing marked. Such a list is not saved.
    bool isEmpty() const;

    // Removes a row; the rows below move up. A list of one row keeps it: returns false.
    bool removeRow(int row);
    // Keeps only the given rows (ascending list rows), in their order; keeping none
    // leaves the one empty row of a list without combinations.
    void keepRows(const std::vector<int> &rows);

    // The index in markedCaptions() of the number in a cell, or -1 for the placeholder,
    // an empty cell or a position beyond the marked numbers. Cheaper than cell() when
    // every row of a long list is looked at.
    int markedIndex(int row, int column) const;

    // The captions the list was expanded with, in list order.
    const QStringList &markedCaptions() const { return m_captions; }

    // A list of the rows of a saved file ("05   11   17 ..."): its numbers become the
    // marked captions, in ascending order, and "K" the placeholder. Returns false with
    // the 1-based line that holds more than ten fields in *wideLine, or with
    // *wideLine = 0 when no line holds a number.
    static bool fromSavedLines(const QStringList &lines, CombinationList *list, int *wideLine);

private:
    friend CombinationList expandSystem(const SystemTemplate &, const QStringList &);

    int templateRow(int row) const { return m_rowMap.empty() ? row : m_rowMap[static_cast<size_t>(row)]; }

    std::shared_ptr<const std::vector<qint8>> m_cells;
    int m_templateRows = 1;
    std::vector<int> m_rowMap; // template row of each list row; made by the first removal
    QStringList m_captions;
};

// The list of a template for the marked numbers (their captions in the number list's
// order): one row per template row, or one empty row for a template without rows.
CombinationList expandSystem(const SystemTemplate &tmpl, const QStringList &markedCaptions);

// "Выбрано 7 номеров": the status text for a count of numbers.
QString selectionStatus(int count, const MessageCatalog &messages);
// The status after an expansion: the marked count, or 0 for a template without a
// single field.
QString expansionStatus(const SystemTemplate &tmpl, int markedCount, const MessageCatalog &messages);

} // namespace kivora
