#pragma once

#include "play/TicketFilters.h"

#include <QDialog>

class QCheckBox;
class QGridLayout;
class QSpinBox;

namespace kivora {

// The ticket filters of the current lottery: which tickets of an expanded system to
// keep. Each filter has a tick and its bounds.
class TicketFiltersDialog final : public QDialog
{
    Q_OBJECT
public:
    explicit TicketFiltersDialog(QWidget *parent = nullptr);

    // Shows the filters for the lottery; true with *filters changed when the player
    // confirmed them.
    bool edit(TicketFilters *filters, const LotteryDefinition &lottery);

private:
    struct RangeRow
    {
        QCheckBox *on = nullptr;
        QSpinBox *min = nullptr;
        QSpinBox *max = nullptr;
    };
    RangeRow addRange(QGridLayout *grid, int row, const char *name, const QString &caption);
    static void show(const RangeRow &row, const CountRange &range, int top);
    static CountRange read(const RangeRow &row);

    RangeRow m_sum;
    RangeRow m_odd;
    RangeRow m_low;
    RangeRow m_run;
    QCheckBox *m_tenOn = nullptr;
    QSpinBox *m_tenMost = nullptr;
    QCheckBox *m_notPast = nullptr;
};

} // namespace kivora
