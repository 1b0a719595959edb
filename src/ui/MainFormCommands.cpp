// Adding, importing and editing results, and the commands that only open something.

#include "ui/MainForm.h"

#include "core/TextFile.h"
#include "results/ImportResults.h"
#include "ui/PlatformServices.h"
#include "ui/ProductInfo.h"
#include "ui/dialogs/aboutunit.h"
#include "ui/dialogs/addtiragunit.h"

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
    if (!m_services.confirm(this, m_messages("Str69")))
        return;
    FileDialogRequest request;
    request.title = currentLottery() + m_messages("Str70");
    request.directory = m_folder.path();
    request.filters = {m_messages("Str71")};
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

void TMainForm::N31Click() { BitBtn9Click(); }

void TMainForm::BitBtn9Click()
{
    const QString address = m_load.definition.www.trimmed();
    if (address.isEmpty() || address == QLatin1String("http://"))
        return;
    m_services.openUrl(address);
}

void TMainForm::HomePageClick() { m_services.openUrl(productHomePage()); }

void TMainForm::HelpClick() { m_services.openUrl(m_folder.filePath(QStringLiteral("kivora.html"))); }

void TMainForm::AboutClick() { m_aboutBox->exec(); }

} // namespace kivora
