#pragma once

// The honest reports: whether the draws look like a fair draw, and whether a way of
// picking numbers did better than chance on the past draws. The window computes them
// off the event loop; this window shows the report and saves it as HTML.

#include "forecast/Backtest.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QPushButton;
class QSpinBox;
class QTextBrowser;
class QWidget;

namespace kivora {

class MessageCatalog;
class PlatformServices;

class AnalysisDialog final : public QDialog
{
    Q_OBJECT
public:
    AnalysisDialog(const MessageCatalog &messages, PlatformServices &services, QWidget *parent = nullptr);

    // The randomness report: no choices, only the report.
    void showRandomness();
    // The back-test, its choices set to the method.
    void showBacktest(backtest::Method method, int defaultSize, int draws);
    void showReport(const QString &title, const QString &html);
    QString html() const { return m_html; }

signals:
    void backtestRequested(backtest::Options options);

private:
    void widenForReport();
    void requestBacktest();
    void saveHtml();

    const MessageCatalog &m_messages;
    PlatformServices &m_services;
    QWidget *m_choices = nullptr;
    QComboBox *m_method = nullptr;
    QSpinBox *m_size = nullptr;
    QSpinBox *m_from = nullptr;
    QTextBrowser *m_report = nullptr;
    QString m_html;
};

} // namespace kivora
