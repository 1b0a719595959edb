#pragma once

// Charts of the loaded draws: the frequency of every number against what a fair draw
// expects (with its band of two standard deviations), the gaps of one number over the
// draws, and the moving count of hits of a number, a pair or a ten. They follow the
// lottery, the filters and the language, and are saved as PNG or SVG.

#include "core/Failure.h"
#include "core/MessageCatalog.h"
#include "results/ResultsLoad.h"

#include <QDialog>

#include <memory>

class QChart;
class QChartView;
class QComboBox;
class QSpinBox;

namespace kivora {

class PlatformServices;

class ChartsDialog final : public QDialog
{
    Q_OBJECT
public:
    enum class Kind { Frequency, Gaps, NumberHits, PairHits, TenHits };

    ChartsDialog(const MessageCatalog &messages, PlatformServices &services, QWidget *parent = nullptr);

    // The draws to chart; the chart on show is drawn again.
    void setLoad(std::shared_ptr<const LoadResult> loaded, const QString &lotteryName);
    // Shows a chart of a number (Gaps, NumberHits), a pair or a ten.
    void showChart(Kind kind, int first = 0, int second = 0);
    void redraw();

    QChart *chart() const;
    QChartView *chartView() const { return m_view; }
    // The chart drawn into a picture of the given size.
    QImage render(const QSize &size) const;
    // Fails with "path: reason" when the file cannot be written; the old file stays.
    Done savePng(const QString &path) const;
    Done saveSvg(const QString &path) const;

private:
    void saveAs();
    void setChart(QChart *chart);
    void fillKinds();

    const MessageCatalog &m_messages;
    PlatformServices &m_services;
    std::shared_ptr<const LoadResult> m_loaded;
    QString m_lotteryName;
    QComboBox *m_kind = nullptr;
    QSpinBox *m_first = nullptr;
    QSpinBox *m_second = nullptr;
    QSpinBox *m_window = nullptr;
    QChartView *m_view = nullptr;
};

} // namespace kivora
