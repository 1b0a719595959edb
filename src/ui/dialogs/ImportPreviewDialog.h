#pragma once

// The preview of an import: the file's first rows as read, the columns found for the
// draw number, the date and the numbers (each editable as a column list's field), the
// date format and the encoding, and what the import would do: new draws, duplicates,
// conflicts, skipped rows. The user chooses to add the new draws or to replace the
// base, and whether to keep these settings as the lottery's import profile. Nothing is
// written here; the window writes the accepted plan.

#include "core/LotteryDefinition.h"
#include "results/ResultsLoad.h"
#include "results/import/ImportPlan.h"

#include <QDialog>

#include <memory>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QTableWidget;
class QTimer;

namespace kivora {

class MessageCatalog;

struct ImportPreviewRequest
{
    QString sourcePath; // the file to import
    QString basePath;
    QString lottery; // the section of its import profile
    QString configPath; // kivora.INI
    LotteryDefinition definition;
};

class ImportPreviewDialog final : public QDialog
{
    Q_OBJECT
public:
    // Reads the base and the file (with the lottery's import profile) at once; the
    // file is not read again.
    ImportPreviewDialog(
        const ImportPreviewRequest &request, const MessageCatalog &messages, QWidget *parent = nullptr);
    ~ImportPreviewDialog() override;

    // Why the file cannot be imported at all (empty, binary, no draws of this lottery)
    // or the base cannot be read, naming the file; empty when the preview can be shown.
    QString refusal() const { return m_refusal; }

    // The plan as it stands (after OK, the one to write).
    std::shared_ptr<const PlannedImport> planned() const { return m_planned; }
    bool merge() const;
    bool saveProfile() const;
    // The settings the plan was read with, as the profile keeps them.
    ImportSettings profileSettings() const;
    // A replace the user set nothing for: the file is taken as the base's own
    // records first, as the command line does.
    bool recordsFirst() const;

    void accept() override;

private:
    void buildWidgets();
    void replan();
    // The file's bytes, read when the dialog opened, planned with the settings.
    PlannedImport planFromBytes(bool merge) const;
    void replanOnEdit();
    void showPlan(bool fillMapping);
    void showRows();
    void showMapping();
    void showCounts();
    QString columnListText() const;

    ImportPreviewRequest m_request;
    const MessageCatalog &m_messages;
    QString m_refusal;
    LoadResult m_base; // all its draws, for the merge's duplicates
    ImportSettings m_settings; // the profile's, then the user's
    QByteArray m_bytes; // the file as read when the dialog opened
    std::shared_ptr<PlannedImport> m_planned;

    QLabel *m_fileLabel = nullptr;
    QTableWidget *m_rows = nullptr;
    QLineEdit *m_numberEdit = nullptr;
    QLineEdit *m_dateEdit = nullptr;
    QLineEdit *m_mainEdit = nullptr;
    QLineEdit *m_additionalEdit = nullptr;
    QComboBox *m_dateFormatBox = nullptr;
    QComboBox *m_encodingBox = nullptr;
    QLabel *m_problemLabel = nullptr;
    QLabel *m_countsLabel = nullptr;
    QListWidget *m_draws = nullptr;
    QRadioButton *m_mergeButton = nullptr;
    QRadioButton *m_replaceButton = nullptr;
    QCheckBox *m_saveProfileBox = nullptr;
    QPushButton *m_okButton = nullptr;
    QTimer *m_editTimer = nullptr;
};

} // namespace kivora
