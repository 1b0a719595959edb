#pragma once

#include <QTableView>

namespace kivora {

// A table view whose first column stays in place while the others scroll sideways:
// the draw number and its highlight remain in sight. A second view over the same
// model and selection shows column 0 on top of the scrolling one.
class FrozenColumnView final : public QTableView
{
    Q_OBJECT
public:
    explicit FrozenColumnView(QWidget *parent = nullptr);

    void setModel(QAbstractItemModel *model) override;
    void setSelectionModel(QItemSelectionModel *selectionModel) override;
    QTableView *frozenView() const { return m_frozen; }

    // The width that shows every column without scrolling sideways.
    int contentsWidth() const;
    QSize sizeHint() const override;

protected:
    void resizeEvent(QResizeEvent *event) override;
    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;
    void scrollTo(const QModelIndex &index, ScrollHint hint = EnsureVisible) override;
    void updateGeometries() override;

private:
    void syncColumns();
    void placeFrozenView();

    QTableView *m_frozen = nullptr;
};

} // namespace kivora
