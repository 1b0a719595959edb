#pragma once

// The filter bar under the tool bar: which draws a load keeps (one lottery machine,
// one set of balls, the last N draws). It says when the user changed a filter that
// is on; the window then loads the lottery again under filter().

#include "results/ResultsLoad.h"

#include <QWidget>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QSpinBox;

namespace kivora {

class FilterBar final : public QWidget
{
    Q_OBJECT
public:
    explicit FilterBar(QWidget *parent);

    // The filters as the bar shows them now.
    DrawFilter filter() const;
    // Fills the machine and ball-set lists from the lottery just loaded, keeping the
    // text typed or chosen, and lets the count go up to the base's lines.
    void showLoad(const LoadResult &load);
    // The last-draws count as the configuration keeps it: 0 when that filter is off.
    int keptLastDraws() const;
    // Puts the kept count back without reporting a change.
    void restoreLastDraws(int kept);

signals:
    // The user changed a filter that takes part in the load.
    void filterChosen(const kivora::DrawFilter &filter);

private:
    void onMachineChanged();
    void onBallSetChanged();
    void onLastDrawsCountChanged();
    void report();

    QCheckBox *m_machineFilter = nullptr;
    QCheckBox *m_ballSetFilter = nullptr;
    QCheckBox *m_lastDrawsFilter = nullptr;
    QComboBox *m_machineBox = nullptr;
    QComboBox *m_ballSetBox = nullptr;
    QSpinBox *m_lastDrawsSpin = nullptr;
    QLineEdit *m_lastDrawsEdit = nullptr;
};

} // namespace kivora
