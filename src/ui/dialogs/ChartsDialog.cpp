#include "ui/dialogs/ChartsDialog.h"

#include "core/Plural.h"
#include "core/TextFile.h"

#include "statistics/ChartData.h"
#include "ui/FailureMessage.h"
#include "ui/PlatformServices.h"

#include <QAreaSeries>
#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QBuffer>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineSeries>
#include <QPainter>
#include <QPushButton>
#include <QSpinBox>
#include <QSvgGenerator>
#include <QVBoxLayout>
#include <QValueAxis>

namespace kivora {

namespace {

QLineSeries *horizontalLine(double y, double fromX, double toX, const QString &name, const QColor &colour)
{
    auto *line = new QLineSeries;
    line->setName(name);
    line->append(fromX, y);
    line->append(toX, y);
    QPen pen(colour);
    pen.setWidth(2);
    line->setPen(pen);
    return line;
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
    auto *numberLabel = new QLabel(QStringLiteral("Номер или десяток"), this);
    numberLabel->setObjectName(QStringLiteral("NumberLabel"));
    m_first = new QSpinBox(this);
    m_first->setObjectName(QStringLiteral("FirstNumber"));
    m_first->setRange(0, 100);
    auto *pairLabel = new QLabel(QStringLiteral("Второй номер пары"), this);
    pairLabel->setObjectName(QStringLiteral("PairLabel"));
    m_second = new QSpinBox(this);
    m_second->setObjectName(QStringLiteral("SecondNumber"));
    m_second->setRange(0, 100);
    auto *windowLabel = new QLabel(QStringLiteral("Окно, розыгрышей"), this);
    windowLabel->setObjectName(QStringLiteral("WindowLabel"));
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
    for (QWidget *w : { static_cast<QWidget *>(numberLabel), static_cast<QWidget *>(m_first),
             static_cast<QWidget *>(pairLabel), static_cast<QWidget *>(m_second),
             static_cast<QWidget *>(windowLabel), static_cast<QWidget *>(m_window) })
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

    fillKinds();
    connect(m_kind, qOverload<int>(&QComboBox::currentIndexChanged), this, &ChartsDialog::redraw);
    for (QSpinBox *box : { m_first, m_second, m_window })
        connect(box, qOverload<int>(&QSpinBox::valueChanged), this, &ChartsDialog::redraw);
    connect(save, &QPushButton::clicked, this, &ChartsDialog::saveAs);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
}

void ChartsDialog::fillKinds()
{
    // The kinds are named by the catalogue, so they follow the language.
    const int current = std::max(0, m_kind->currentIndex());
    const QSignalBlocker block(m_kind);
    m_kind->clear();
    m_kind->addItems({ m_messages("Str282"), m_messages("Str283").arg(QString()).trimmed(),
        withPlurals(m_messages("Str284").arg(QString(), QString()).simplified()),
        withPlurals(m_messages("Str285").arg(QString(), QString(), QString()).simplified()),
        withPlurals(m_messages("Str286").arg(QString(), QString()).simplified()) });
    m_kind->setCurrentIndex(current);
}

void ChartsDialog::setLoad(std::shared_ptr<const LoadResult> loaded, const QString &lotteryName)
{
    m_loaded = std::move(loaded);
    m_lotteryName = lotteryName;
    if (m_loaded) {
        const LotteryDefinition &d = m_loaded->definition;
        m_first->setRange(std::max(0, d.minNumber), std::max(d.minNumber, d.maxNumber));
        m_second->setRange(std::max(0, d.minNumber), std::max(d.minNumber, d.maxNumber));
    }
    fillKinds();
    redraw();
}

void ChartsDialog::showChart(Kind kind, int first, int second)
{
    const QSignalBlocker blockKind(m_kind);
    const QSignalBlocker blockFirst(m_first);
    const QSignalBlocker blockSecond(m_second);
    m_kind->setCurrentIndex(static_cast<int>(kind));
    if (first > 0)
        m_first->setValue(first);
    if (second > 0)
        m_second->setValue(second);
    redraw();
}

QChart *ChartsDialog::chart() const
{
    return m_view->chart();
}

void ChartsDialog::redraw()
{
    auto *chart = new QChart;
    chart->legend()->setAlignment(Qt::AlignBottom);
    const Kind kind = static_cast<Kind>(std::max(0, m_kind->currentIndex()));
    const bool loaded = m_loaded && m_loaded->ok;
    if (!loaded) {
        setChart(chart);
        return;
    }
    const DrawTable &draws = m_loaded->draws;
    const LotteryDefinition &d = m_loaded->definition;
    if (kind == Kind::Frequency) {
        const FrequencyChart data = frequencyChart(draws, d);
        auto *set = new QBarSet(m_messages("Str287"));
        set->setColor(QColor(0, 128, 128));
        QStringList numbers;
        for (const FrequencyBar &bar : data.bars) {
            *set << bar.drawn;
            numbers.append(QString::number(bar.number));
        }
        auto *bars = new QBarSeries;
        bars->append(set);
        bars->setBarWidth(0.8);
        // The count a fair draw expects, and its band of two standard deviations.
        const double right = static_cast<double>(data.bars.size()) - 0.5;
        QLineSeries *expected
            = horizontalLine(data.expected, -0.5, right, m_messages("Str288"), QColor(200, 0, 0));
        QLineSeries *low = horizontalLine(data.low(), -0.5, right, QString(), QColor(200, 120, 0));
        QLineSeries *high
            = horizontalLine(data.high(), -0.5, right, m_messages("Str289"), QColor(200, 120, 0));
        auto *band = new QAreaSeries(high, low);
        // The area series does not own its boundary lines.
        high->setParent(band);
        low->setParent(band);
        band->setName(m_messages("Str289"));
        band->setColor(QColor(255, 200, 120, 70));
        band->setBorderColor(QColor(200, 120, 0));
        // The band behind the bars, the expected count over them.
        chart->addSeries(band);
        chart->addSeries(bars);
        chart->addSeries(expected);
        auto *axisX = new QBarCategoryAxis;
        axisX->append(numbers);
        axisX->setTitleText(m_messages("Str292"));
        auto *axisY = new QValueAxis;
        int top = 0;
        for (const FrequencyBar &bar : data.bars)
            top = std::max(top, bar.drawn);
        axisY->setRange(0, std::max(static_cast<double>(top), data.high()) * 1.08 + 1);
        axisY->setTitleText(m_messages("Str287"));
        chart->addAxis(axisX, Qt::AlignBottom);
        chart->addAxis(axisY, Qt::AlignLeft);
        bars->attachAxis(axisX);
        bars->attachAxis(axisY);
        // The lines live on a value axis of their own that spans the bar slots.
        auto *lineX = new QValueAxis;
        lineX->setRange(-0.5, right);
        lineX->setVisible(false);
        chart->addAxis(lineX, Qt::AlignBottom);
        for (QAbstractSeries *series :
            { static_cast<QAbstractSeries *>(band), static_cast<QAbstractSeries *>(expected) }) {
            series->attachAxis(lineX);
            series->attachAxis(axisY);
        }
        chart->setTitle(m_lotteryName + QStringLiteral(": ") + m_messages("Str282"));
    } else {
        auto *line = new QLineSeries;
        QString title;
        QString valueName;
        double expected = 0;
        int first = 0;
        if (kind == Kind::Gaps) {
            const GapHistory data = gapHistory(draws, d, m_first->value());
            for (size_t r = 0; r < data.since.size(); ++r)
                line->append(static_cast<double>(r), data.since[r]);
            expected = data.expectedGap;
            title = m_messages("Str283").arg(m_first->value());
            valueName = m_messages("Str290");
        } else {
            HitTarget target = HitTarget::number(m_first->value());
            if (kind == Kind::PairHits) {
                target = HitTarget::pair(m_first->value(), m_second->value());
                title = withPlurals(
                    m_messages("Str285").arg(m_first->value()).arg(m_second->value()).arg(m_window->value()));
            } else if (kind == Kind::TenHits) {
                const int group = std::clamp(m_first->value(), 1, 10);
                target = HitTarget::ten(group, d);
                title = withPlurals(m_messages("Str286").arg(group).arg(m_window->value()));
            } else {
                title = withPlurals(m_messages("Str284").arg(m_first->value()).arg(m_window->value()));
            }
            const MovingHits data = movingHits(draws, d, target, m_window->value());
            first = data.firstRow;
            for (size_t i = 0; i < data.counts.size(); ++i)
                line->append(static_cast<double>(data.firstRow) + static_cast<double>(i), data.counts[i]);
            expected = data.expected;
            valueName = m_messages("Str293");
        }
        line->setName(valueName);
        chart->addSeries(line);
        const double last = std::max(1.0, static_cast<double>(draws.rowCount() - 1));
        QLineSeries *mean = horizontalLine(expected, first, last, m_messages("Str288"), QColor(200, 0, 0));
        chart->addSeries(mean);
        chart->createDefaultAxes();
        const auto horizontal = chart->axes(Qt::Horizontal);
        if (!horizontal.isEmpty())
            horizontal.first()->setTitleText(m_messages("Str291"));
        chart->setTitle(m_lotteryName + QStringLiteral(": ") + title);
    }
    setChart(chart);
}

void ChartsDialog::setChart(QChart *chart)
{
    // The view gives the chart it showed back to us: it goes.
    QChart *old = m_view->chart();
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
