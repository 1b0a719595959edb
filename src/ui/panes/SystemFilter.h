#pragma once

// The filter beside a long system list (Keno lists hundreds): ticket size and kind. It
// hides the rows of the box's popup list that do not match and never removes an item,
// since the rest of the window finds systems in the box by text and index; the chosen
// system stays chosen when the filter hides it. A short list shows no filter.
//
// Each item of the box carries its shape (itemData, Qt::UserRole); an item without one
// counts as "other".

#include "play/SystemShapes.h"

#include <QWidget>

class QComboBox;
class QLabel;

namespace kivora {

class SystemFilter final : public QWidget
{
    Q_OBJECT
public:
    // Lists of more entries than this get the filter.
    static constexpr int kLongList = 150;

    SystemFilter(QComboBox *systemBox, QWidget *parent);

    // What an item of the system box carries.
    static QVariant itemData(const SystemShape &shape);
    static SystemShape shapeAt(const QComboBox *box, int index);

    systemshapes::Filter filter() const;
    QComboBox *sizeBox() const { return m_sizeBox; }
    QComboBox *kindBox() const { return m_kindBox; }

private:
    void applyToRows(int first, int last);
    void applyToAll();
    void showWhenLong();

    QComboBox *m_systemBox;
    QLabel *m_sizeLabel = nullptr;
    QComboBox *m_sizeBox = nullptr;
    QLabel *m_kindLabel = nullptr;
    QComboBox *m_kindBox = nullptr;
};

} // namespace kivora
