#include "ui/dialogs/AnalysisDialog.h"

#include "core/MessageCatalog.h"
#include "reports/AnalysisReports.h"
#include "reports/HtmlExport.h"
#include "ui/FailureMessage.h"
#include "ui/PlatformServices.h"

#include <QAbstractTextDocumentLayout>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>
#include <QVBoxLayout>
#include <QtMath>

namespace kivora {

namespace {

const backtest::Method kMethods[] = { backtest::Method::ForecastNumbers, backtest::Method::ForecastPairs,
    backtest::Method::Frequent, backtest::Method::Absent, backtest::Method::Random };

// The report's tables as wide as their texts, as the lists of the main window are: no
// text of a cell is broken over lines, and a table wider than the window scrolls. The
// saved document keeps its own markup, which a browser lays out by itself.
void fitTablesToText(QTextDocument *document)
{
    QTextCursor cursor(document);
    cursor.beginEditBlock();
    QList<QTextFrame *> frames = document->rootFrame()->childFrames();
    while (!frames.isEmpty()) {
        QTextFrame *frame = frames.takeFirst();
        frames += frame->childFrames();
        auto *table = qobject_cast<QTextTable *>(frame);
        if (!table)
            continue;
        QTextTableFormat format = table->format();
        format.setWidth(QTextLength());
        format.clearColumnWidthConstraints();
        table->setFormat(format);
        for (int row = 0; row < table->rows(); ++row) {
            for (int column = 0; column < table->columns(); ++column) {
                const QTextTableCell cell = table->cellAt(row, column);
                for (QTextFrame::iterator it = cell.begin(); !it.atEnd(); ++it) {
                    const QTextBlock block = it.currentBlock();
                    if (!block.isValid())
                        continue;
                    QTextBlockFormat paragraph = block.blockFormat();
                    paragraph.setNonBreakableLines(true);
                    QTextCursor(block).setBlockFormat(paragraph);
                }
            }
        }
    }
    cursor.endEditBlock();
}

} // namespace

AnalysisDialog::AnalysisDialog(const MessageCatalog &messages, PlatformServices &services, QWidget *parent)
    : QDialog(parent)
    , m_messages(messages)
    , m_services(services)
{
    setObjectName(QStringLiteral("AnalysisDialog"));
    setWindowTitle(QStringLiteral("Проверка"));
    m_choices = new QWidget(this);
    m_method = new QComboBox(m_choices);
    m_method->setObjectName(QStringLiteral("MethodBox"));
    auto *sizeLabel = new QLabel(QStringLiteral("Номеров в выборе"), m_choices);
    sizeLabel->setObjectName(QStringLiteral("SizeLabel"));
    m_size = new QSpinBox(m_choices);
    m_size->setObjectName(QStringLiteral("SizeBox"));
    m_size->setRange(1, 100);
    auto *fromLabel = new QLabel(QStringLiteral("С розыгрыша (по порядку)"), m_choices);
    fromLabel->setObjectName(QStringLiteral("FromLabel"));
    m_from = new QSpinBox(m_choices);
    m_from->setObjectName(QStringLiteral("FromBox"));
    m_from->setRange(2, 1 << 30);
    auto *run = new QPushButton(QStringLiteral("Проверить"), m_choices);
    run->setObjectName(QStringLiteral("RunBtn"));
    auto *choices = new QHBoxLayout(m_choices);
    choices->setContentsMargins(0, 0, 0, 0);
    for (QWidget *w :
        { static_cast<QWidget *>(m_method), static_cast<QWidget *>(sizeLabel), static_cast<QWidget *>(m_size),
            static_cast<QWidget *>(fromLabel), static_cast<QWidget *>(m_from), static_cast<QWidget *>(run) })
        choices->addWidget(w);

    m_report = new QTextBrowser(this);
    m_report->setObjectName(QStringLiteral("ReportView"));
    m_report->setOpenExternalLinks(false);
    auto *save = new QPushButton(QStringLiteral("Сохранить в HTML..."), this);
    save->setObjectName(QStringLiteral("SaveBtn"));
    auto *close = new QPushButton(QStringLiteral("Закрыть"), this);
    close->setObjectName(QStringLiteral("CloseBtn"));
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(save);
    buttons->addWidget(close);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_choices);
    layout->addWidget(m_report, 1);
    layout->addLayout(buttons);
    resize(860, 600);

    connect(run, &QPushButton::clicked, this, &AnalysisDialog::requestBacktest);
    connect(save, &QPushButton::clicked, this, &AnalysisDialog::saveHtml);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    connect(m_method, qOverload<int>(&QComboBox::currentIndexChanged), this,
        [this](int index) { m_size->setEnabled(index >= 0 && backtest::takesSize(kMethods[index])); });
}

void AnalysisDialog::showRandomness()
{
    m_choices->hide();
    m_report->clear();
    m_html.clear();
}

void AnalysisDialog::showBacktest(backtest::Method method, int defaultSize, int draws)
{
    m_choices->show();
    {
        const QSignalBlocker block(m_method);
        m_method->clear();
        for (backtest::Method each : kMethods)
            m_method->addItem(methodName(each, m_messages));
    }
    for (int i = 0; i < static_cast<int>(std::size(kMethods)); ++i) {
        if (kMethods[i] == method)
            m_method->setCurrentIndex(i);
    }
    m_size->setEnabled(backtest::takesSize(method));
    m_size->setValue(defaultSize);
    m_from->setRange(2, std::max(2, draws));
    m_report->clear();
    m_html.clear();
}

void AnalysisDialog::showReport(const QString &title, const QString &html)
{
    setWindowTitle(title);
    m_html = html;
    m_report->setHtml(html);
    fitTablesToText(m_report->document());
    widenForReport();
}

void AnalysisDialog::widenForReport()
{
    // A report wider than the window widens it, as far as the screen allows; it never
    // narrows a window the player made wider.
    ensurePolished();
    layout()->activate();
    const int chrome = width() - m_report->viewport()->width();
    const int wanted = qCeil(m_report->document()->documentLayout()->documentSize().width()) + chrome + 2;
    const QScreen *shown = screen();
    const int room = shown ? shown->availableGeometry().width() * 19 / 20 : wanted;
    if (wanted <= width())
        return;
    resize(std::min(wanted, room), height());
    // Widened to the right, it moves left as far as it must to stay on the screen.
    if (shown && isVisible()) {
        const QRect area = shown->availableGeometry();
        const QRect frame = frameGeometry();
        if (frame.right() > area.right())
            move(std::max(area.left(), area.right() - frame.width() + 1), y());
    }
}

void AnalysisDialog::requestBacktest()
{
    backtest::Options options;
    options.method = kMethods[std::max(0, m_method->currentIndex())];
    options.size = backtest::takesSize(options.method) ? m_size->value() : 0;
    options.fromRow = m_from->value() - 1;
    emit backtestRequested(options);
}

void AnalysisDialog::saveHtml()
{
    if (m_html.isEmpty())
        return;
    FileDialogRequest request;
    request.title = windowTitle();
    request.filters = { QStringLiteral("HTML (*.htm *.html)") };
    request.defaultSuffix = QStringLiteral("htm");
    const QString path = m_services.saveFileName(this, request);
    if (path.isEmpty())
        return;
    if (const Done written = writeHtmlDocument(path, m_html); !written)
        showFailure(m_services, this, written.failure(), m_messages);
    else
        m_services.openUrl(path);
}

} // namespace kivora
