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
class QLabel;
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
    // Shows a chart of a number (Gaps, NumberHits), a pair of two different numbers or a
    // ten (first is the ten: 1 for 1-10, 2 for 11-20, ...). A pair of a number with
    // itself is no pair: its second number is moved to the next one.
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
    Kind kind() const;
    void kindChosen();
    void numberChosen(int value);
    void secondChosen(int value);
    // The first box holds a number, or a ten for the chart of a ten; each is kept.
    void setUpFirstBox();
    void keepPairApart(int direction);
    // Only the boxes the chart uses are enabled; the kinds are named with their values.
    void updateControls();
    QChart *lineChart(Kind kind) const;
    void saveAs();
    void setChart(QChart *chart);

    const MessageCatalog &m_messages;
    PlatformServices &m_services;
    std::shared_ptr<const LoadResult> m_loaded;
    QString m_lotteryName;
    QComboBox *m_kind = nullptr;
    QLabel *m_firstLabel = nullptr;
    QSpinBox *m_first = nullptr;
    QLabel *m_secondLabel = nullptr;
    QSpinBox *m_second = nullptr;
    QLabel *m_windowLabel = nullptr;
    QSpinBox *m_window = nullptr;
    QChartView *m_view = nullptr;
    int m_number = 1;
    int m_ten = 1;
    int m_lastSecond = 2;
    bool m_firstHoldsTen = false;
};

} // namespace kivora
