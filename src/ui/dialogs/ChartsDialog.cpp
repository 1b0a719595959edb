#include "ui/dialogs/ChartsDialog.h"

#include "core/Plural.h"
#include "core/TextFile.h"

#include "statistics/ChartData.h"
#include "ui/FailureMessage.h"
#include "ui/PlatformServices.h"
#include "ui/dialogs/ChartPlots.h"

#include <QBarSeries>
#include <QBarSet>
#include <QBuffer>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QCursor>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QSpinBox>
#include <QSvgGenerator>
#include <QToolTip>
#include <QVBoxLayout>

#include <algorithm>

namespace kivora {

namespace {

// Ten 1 holds 1-10, ten 2 holds 11-20, ...
int tenOf(int number)
{
    return (number + 9) / 10;
}

} // namespace

ChartsDialog::ChartsDialog(const MessageCatalog &messages, PlatformServices &services, QWidget *parent)
    : QDialog(parent)
    , m_messages(messages)
    , m_services(services)
{
    setObjectName(QStringLiteral("ChartsDialog"));
    setWindowTitle(QStringLiteral("Графики"));
    m_kind = new QComboBox(this);
    m_kind->setObjectName(QStringLiteral("ChartKind"));
    m_firstLabel = new QLabel(QStringLiteral("Номер или десяток"), this);
    m_firstLabel->setObjectName(QStringLiteral("NumberLabel"));
    m_first = new QSpinBox(this);
    m_first->setObjectName(QStringLiteral("FirstNumber"));
    m_first->setRange(1, 100);
    m_secondLabel = new QLabel(QStringLiteral("Второй номер пары"), this);
    m_secondLabel->setObjectName(QStringLiteral("PairLabel"));
    m_second = new QSpinBox(this);
    m_second->setObjectName(QStringLiteral("SecondNumber"));
    m_second->setRange(1, 100);
    m_second->setValue(m_lastSecond);
    m_windowLabel = new QLabel(QStringLiteral("Окно, розыгрышей"), this);
    m_windowLabel->setObjectName(QStringLiteral("WindowLabel"));
    m_window = new QSpinBox(this);
    m_window->setObjectName(QStringLiteral("WindowSize"));
    m_window->setRange(2, 10000);
    m_window->setValue(50);
    m_view = new QChartView(this);
    m_view->setObjectName(QStringLiteral("ChartView"));
    m_view->setRenderHint(QPainter::Antialiasing);
    m_view->setMinimumSize(640, 360);
    auto *save = new QPushButton(QStringLiteral("Сохранить рисунок..."), this);
    save->setObjectName(QStringLiteral("SaveBtn"));
    auto *close = new QPushButton(QStringLiteral("Закрыть"), this);
    close->setObjectName(QStringLiteral("CloseBtn"));

    auto *controls = new QHBoxLayout;
    controls->addWidget(m_kind, 1);
    for (QWidget *w : { static_cast<QWidget *>(m_firstLabel), static_cast<QWidget *>(m_first),
             static_cast<QWidget *>(m_secondLabel), static_cast<QWidget *>(m_second),
             static_cast<QWidget *>(m_windowLabel), static_cast<QWidget *>(m_window) })
        controls->addWidget(w);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(save);
    buttons->addWidget(close);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(controls);
    layout->addWidget(m_view, 1);
    layout->addLayout(buttons);
    resize(900, 560);

    for (int i = 0; i <= static_cast<int>(Kind::TenHits); ++i)
        m_kind->addItem(QString());
    updateControls();
    connect(m_kind, qOverload<int>(&QComboBox::currentIndexChanged), this, &ChartsDialog::kindChosen);
    connect(m_first, qOverload<int>(&QSpinBox::valueChanged), this, &ChartsDialog::numberChosen);
    connect(m_second, qOverload<int>(&QSpinBox::valueChanged), this, &ChartsDialog::secondChosen);
    connect(m_window, qOverload<int>(&QSpinBox::valueChanged), this, &ChartsDialog::redraw);
    connect(save, &QPushButton::clicked, this, &ChartsDialog::saveAs);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
}

ChartsDialog::Kind ChartsDialog::kind() const
{
    return static_cast<Kind>(std::max(0, m_kind->currentIndex()));
}

void ChartsDialog::setUpFirstBox()
{
    const bool ten = kind() == Kind::TenHits;
    int low = m_second->minimum();
    int high = m_second->maximum();
    if (ten) {
        low = tenOf(low);
        high = tenOf(high);
    }
    const QSignalBlocker block(m_first);
    m_first->setRange(low, high);
    m_first->setValue(ten ? m_ten : m_number);
    if (ten)
        m_ten = m_first->value();
    else
        m_number = m_first->value();
    m_firstHoldsTen = ten;
}

// A pair is two different numbers: the second one steps over the first in the way it
// was going, or moves away from the first when the first comes onto it.
void ChartsDialog::keepPairApart(int direction)
{
    if (m_second->value() == m_number) {
        int next = m_number + direction;
        if (next < m_second->minimum() || next > m_second->maximum())
            next = m_number - direction;
        if (next >= m_second->minimum() && next <= m_second->maximum()) {
            const QSignalBlocker block(m_second);
            m_second->setValue(next);
        }
    }
    m_lastSecond = m_second->value();
}

void ChartsDialog::kindChosen()
{
    setUpFirstBox();
    keepPairApart(1);
    redraw();
}

void ChartsDialog::numberChosen(int value)
{
    if (m_firstHoldsTen) {
        m_ten = value;
    } else {
        m_number = value;
        keepPairApart(1);
    }
    redraw();
}

void ChartsDialog::secondChosen(int value)
{
    keepPairApart(value < m_lastSecond ? -1 : 1);
    redraw();
}

void ChartsDialog::updateControls()
{
    const Kind shown = kind();
    const bool number = shown != Kind::Frequency;
    const bool pair = shown == Kind::PairHits;
    const bool window = shown == Kind::NumberHits || pair || shown == Kind::TenHits;
    m_firstLabel->setEnabled(number);
    m_first->setEnabled(number);
    m_secondLabel->setEnabled(pair);
    m_second->setEnabled(pair);
    m_windowLabel->setEnabled(window);
    m_window->setEnabled(window);

    // The kinds are named by the catalogue, so they follow the language, and carry the
    // values they would be drawn with.
    const int draws = m_window->value();
    const QString texts[] = { m_messages("Str282"), m_messages("Str283").arg(m_number),
        withPlurals(m_messages("Str284").arg(m_number).arg(draws)),
        withPlurals(m_messages("Str285").arg(m_number).arg(m_second->value()).arg(draws)),
        withPlurals(m_messages("Str286").arg(m_ten).arg(draws)) };
    for (int i = 0; i < m_kind->count() && i < static_cast<int>(std::size(texts)); ++i)
        m_kind->setItemText(i, texts[i]);
}

void ChartsDialog::setLoad(std::shared_ptr<const LoadResult> loaded, const QString &lotteryName)
{
    m_loaded = std::move(loaded);
    m_lotteryName = lotteryName;
    if (m_loaded) {
        const LotteryDefinition &d = m_loaded->definition;
        const int low = std::max(0, d.minNumber);
        const int high = std::max(low, d.maxNumber);
        const QSignalBlocker block(m_second);
        m_second->setRange(low, high);
        m_number = std::clamp(m_number, low, high);
        m_ten = std::clamp(m_ten, tenOf(low), tenOf(high));
    }
    setUpFirstBox();
    keepPairApart(1);
    redraw();
}

void ChartsDialog::showChart(Kind kind, int first, int second)
{
    {
        const QSignalBlocker blockKind(m_kind);
        const QSignalBlocker blockSecond(m_second);
        m_kind->setCurrentIndex(static_cast<int>(kind));
        if (first > 0) {
            if (kind == Kind::TenHits)
                m_ten = first;
            else
                m_number = first;
        }
        if (second > 0)
            m_second->setValue(second);
        setUpFirstBox();
    }
    keepPairApart(1);
    redraw();
}

QChart *ChartsDialog::chart() const
{
    return m_view->chart();
}

void ChartsDialog::redraw()
{
    updateControls();
    const Kind shown = kind();
    if (!m_loaded || !m_loaded->ok) {
        setChart(new QChart);
        return;
    }
    if (shown == Kind::Frequency) {
        const FrequencyChart data = kivora::frequencyChart(m_loaded->draws, m_loaded->definition);
        QChart *chart = frequencyPlot(data, m_messages);
        chart->setTitle(m_lotteryName + QStringLiteral(": ") + m_kind->currentText());
        // A bar tells its number, its count and what a fair draw expects of it.
        connect(
            frequencyBars(chart), &QBarSeries::hovered, chart, [this, data](bool over, int index, QBarSet *) {
                const QString tip = over ? frequencyTip(data, index, m_messages) : QString();
                m_view->setToolTip(tip);
                if (tip.isEmpty())
                    QToolTip::hideText();
                else
                    QToolTip::showText(QCursor::pos(), tip, m_view);
            });
        setChart(chart);
        return;
    }
    QChart *chart = lineChart(shown);
    chart->setTitle(m_lotteryName + QStringLiteral(": ") + m_kind->currentText());
    setChart(chart);
}

QChart *ChartsDialog::lineChart(Kind shown) const
{
    const DrawTable &draws = m_loaded->draws;
    const LotteryDefinition &d = m_loaded->definition;
    CountLine line;
    // Draws are counted from 1, the first loaded one.
    line.lastDraw = draws.rowCount();
    if (shown == Kind::Gaps) {
        const GapHistory data = gapHistory(draws, d, m_number);
        line.values = data.since;
        line.expected = data.expectedGap;
        line.valueName = m_messages("Str290");
        return countPlot(line, m_messages);
    }
    HitTarget target = HitTarget::number(m_number);
    if (shown == Kind::PairHits)
        target = HitTarget::pair(m_number, m_second->value());
    else if (shown == Kind::TenHits)
        target = HitTarget::ten(m_ten, d);
    const MovingHits data = movingHits(draws, d, target, m_window->value());
    line.firstDraw = data.firstRow + 1;
    line.values = data.counts;
    line.expected = data.expected;
    line.valueName = m_messages("Str293");
    return countPlot(line, m_messages);
}

void ChartsDialog::setChart(QChart *chart)
{
    // The view gives the chart it showed back to us: it goes.
    QChart *old = m_view->chart();
    m_view->setToolTip(QString());
    m_view->setChart(chart);
    delete old;
}
QImage ChartsDialog::render(const QSize &size) const
{
    QImage image(size, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QSize old = m_view->size();
    m_view->resize(size);
    m_view->render(&painter, QRectF(QPointF(0, 0), size), m_view->rect());
    painter.end();
    m_view->resize(old);
    return image;
}

// The picture is made in memory and stored like every other file the program writes:
// through a temporary file renamed over the old one, so a failed save keeps the old
// picture and says why.
Done ChartsDialog::savePng(const QString &path) const
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!render(m_view->size().expandedTo(QSize(800, 500))).save(&buffer, "PNG"))
        return Failure::io(path);
    return textfile::writeBytes(path, bytes);
}

Done ChartsDialog::saveSvg(const QString &path) const
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    const QSize size = m_view->size().expandedTo(QSize(800, 500));
    generator.setSize(size);
    generator.setViewBox(QRect(QPoint(0, 0), size));
    generator.setTitle(chart()->title());
    QPainter painter;
    if (!painter.begin(&generator))
        return Failure::io(path);
    m_view->render(&painter, QRectF(QPointF(0, 0), size), m_view->rect());
    if (!painter.end())
        return Failure::io(path);
    return textfile::writeBytes(path, bytes);
}

void ChartsDialog::saveAs()
{
    FileDialogRequest request;
    request.title = windowTitle();
    request.filters = { m_messages("Str294"), m_messages("Str295") };
    request.defaultSuffix = QStringLiteral("png");
    const QString path = m_services.saveFileName(this, request);
    if (path.isEmpty())
        return;
    const bool svg = path.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive);
    if (const Done saved = svg ? saveSvg(path) : savePng(path); !saved)
        showFailure(m_services, this, saved.failure(), m_messages);
}

} // namespace kivora
