// Adding, importing and editing results, and the commands that only open something.

#include "ui/MainForm.h"

#include "core/TextFile.h"
#include "reports/Calculator.h"
#include "reports/HtmlExport.h"
#include "reports/Odds.h"
#include "results/ImportResults.h"
#include "ui/FileDialogTexts.h"
#include "ui/PlatformServices.h"
#include "ui/dialogs/Unitsettings.h"
#include "ui/dialogs/aboutunit.h"
#include "ui/dialogs/addtiragunit.h"
#include "ui/dialogs/balansUnit.h"
#include "ui/models/CombinationListModel.h"
#include "ui/models/StatTableModel.h"

#include <QGroupBox>
#include <QLabel>
#include <QTableView>

#include <QDir>
#include <QFileInfo>

namespace kivora {

void TMainForm::N9Click()
{
    if (currentLottery().isEmpty() || !m_load.ok)
        return;
    if (m_addDialog->execFor(m_load))
        Changeloto();
}

void TMainForm::N34Click()
{
    if (currentLottery().isEmpty() || !m_load.ok)
        return;
    const QString help = m_folder.filePath(QStringLiteral("kivora.html")) + QStringLiteral("#import");
    if (!m_services.confirm(this, m_messages("Str69"), help))
        return;
    FileDialogRequest request;
    request.title = currentLottery() + m_messages("Str70");
    request.directory = m_folder.path();
    request.filters = { m_messages("Str71") };
    const QString source = m_services.openFileName(this, request);
    if (source.isEmpty())
        return;
    const ImportResult result = importResults(m_load.basePath, source, m_load.definition, m_messages);
    if (!result.ok) {
        showError(result.error);
        return;
    }
    Changeloto();
}

void TMainForm::N82Click()
{
    if (currentLottery().isEmpty() || !m_load.ok)
        return;
    // The editor works on the file itself; the window waits and reloads afterwards.
    QString error;
    if (!textfile::ensureFileExists(m_load.basePath, &error)) {
        showError(m_messages("Str56").arg(error));
        return;
    }
    m_services.editTextFile(this, m_load.basePath, true);
    Changeloto();
}

void TMainForm::N31Click()
{
    BitBtn9Click();
}

void TMainForm::BitBtn9Click()
{
    const QString address = m_load.definition.www.trimmed();
    if (address.isEmpty() || address == QLatin1String("http://"))
        return;
    m_services.openUrl(address);
}

void TMainForm::HomePageClick()
{
    m_services.openUrl(kProductWebAddress);
}

void TMainForm::HelpClick()
{
    openHelp(QString());
}

void TMainForm::openHelp(const QString &topic)
{
    // The help page is part of the default data; a folder seeded by an older version
    // gets it now.
    const QString path = m_folder.filePath(QStringLiteral("kivora.html"));
    QString error;
    if (!QFileInfo::exists(path) && !m_folder.seed(&error)) {
        showError(m_messages("Str56").arg(error));
        return;
    }
    m_services.openUrl(topic.isEmpty() ? path : path + QLatin1Char('#') + topic);
}

void TMainForm::AboutClick()
{
    m_aboutBox->exec();
}

void TMainForm::SettingsClick()
{
    m_settingsDialog->exec();
}

} // namespace kivora

namespace kivora {

namespace {

QStringList headerCaptions(const QAbstractItemModel *model)
{
    QStringList captions;
    for (int column = 0; column < model->columnCount(); ++column)
        captions.append(model->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString());
    return captions;
}

} // namespace

void TMainForm::exportList(const StatTableModel *model, const QString &groupCaption)
{
    const QString path = m_services.saveFileName(this, SaveDialog1->request(1, QStringLiteral("htm")));
    if (path.isEmpty())
        return;
    QString error;
    const bool written = writeHtmlTable(
        path, headerCaptions(model), model->rowCount(),
        [model](int row) {
            return QStringList { model->data(model->index(row, 0), Qt::DisplayRole).toString(),
                model->data(model->index(row, 1), Qt::DisplayRole).toString(),
                model->data(model->index(row, 2), Qt::DisplayRole).toString() };
        },
        htmlHeading(currentLottery(), groupCaption, statusPanel0->text()), htmlFooter(), &error);
    if (!written) {
        showError(m_messages("Str56").arg(error));
        return;
    }
    m_services.openUrl(path);
}

void TMainForm::HTML1Click()
{
    exportList(m_statModel, GroupBox2->title());
}

void TMainForm::HTML2Click()
{
    exportList(m_numberModel, GroupBox3->title());
}

void TMainForm::HTML3Click()
{
    const QString path = m_services.saveFileName(this, SaveDialog1->request(1, QStringLiteral("htm")));
    if (path.isEmpty())
        return;
    const CombinationList &list = m_combinationModel->list();
    const QString document = gridDocument(
        list.rowCount(), [&list](int row, int column) { return list.cell(row, column); },
        StringGrid1->width(), StringGrid1->height());
    QString error;
    if (!writeHtmlDocument(path, document, &error)) {
        showError(m_messages("Str56").arg(error));
        return;
    }
    m_services.openUrl(path);
}

void TMainForm::N17Click()
{
    // The odds page is written for the lottery on show, so it always matches it.
    const QString path = m_folder.filePath(kOddsPageFileName);
    QString error;
    if (!writeHtmlDocument(path, oddsPage(m_load.definition), &error)) {
        showError(m_messages("Str56").arg(error));
        return;
    }
    m_services.openUrl(path);
}

void TMainForm::N80Click()
{
    const QString calculator = findCalculator();
    if (calculator.isEmpty()) {
        m_services.showMessage(this, m_messages("Str64"), PlatformServices::MessageKind::Information);
        return;
    }
    if (!m_services.startProgram(calculator, {}, false))
        showError(m_messages("Str65").arg(calculator));
}

void TMainForm::N78Click()
{
    if (!m_load.ok)
        return;
    if (m_ledgerDialog->openFor(currentLottery(), m_load.basePath))
        m_ledgerDialog->exec();
}

} // namespace kivora
