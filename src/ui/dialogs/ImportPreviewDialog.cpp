#include "ui/dialogs/ImportPreviewDialog.h"

#include "core/Failure.h"
#include "core/IniFile.h"
#include "core/MessageCatalog.h"
#include "core/Plural.h"
#include "core/TextFile.h"
#include "results/import/ColumnMap.h"
#include "results/import/ImportProfile.h"
#include "results/import/ImportReport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace kivora {

namespace {

// How many rows of the file and new draws the preview lists.
constexpr int kShownRows = 50;
constexpr int kShownDraws = 50;

QLineEdit *fieldEdit(QWidget *parent, const char *name, const QString &hint)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(name));
    edit->setToolTip(hint);
    return edit;
}

// A field of a column list as one role's edit shows it: fields of a role given more
// than once (two draws a row) are separated by ";".
QStringList editFields(const QLineEdit *edit)
{
    QStringList fields;
    for (const QString &part : edit->text().split(QLatin1Char(';'))) {
        const QString field = part.trimmed();
        if (!field.isEmpty())
            fields.append(field);
    }
    return fields;
}

} // namespace

ImportPreviewDialog::ImportPreviewDialog(
    const ImportPreviewRequest &request, const MessageCatalog &messages, QWidget *parent)
    : QDialog(parent)
    , m_request(request)
    , m_messages(messages)
{
    setObjectName(QStringLiteral("ImportPreviewDialog"));
    const QString fileName = QDir::toNativeSeparators(QFileInfo(request.sourcePath).absoluteFilePath());
    setWindowTitle(m_messages("Str550").arg(QFileInfo(request.sourcePath).fileName()));
    buildWidgets();
    m_fileLabel->setText(fileName);

    m_base = loadBase(request.basePath, request.definition, DrawFilter(), m_messages);
    if (!m_base.ok) {
        m_refusal = m_base.error;
        return;
    }
    m_settings = readImportProfile(IniFile(request.configPath).load(), request.lottery);
    const bool merge = m_base.drawCount() > 0;
    (merge ? m_mergeButton : m_replaceButton)->setChecked(true);
    // The file is read once: every mapping tried, and the plan OK takes, come from
    // these bytes, whatever happens to the file meanwhile.
    Outcome<QByteArray> bytes = textfile::readBytes(request.sourcePath);
    if (!bytes) {
        m_refusal = failureMessage(bytes.failure(), m_messages);
        return;
    }
    m_bytes = std::move(bytes).value();
    m_planned = std::make_shared<PlannedImport>(planFromBytes(merge));
    switch (m_planned->file.refusal) {
    case ImportRefusal::NotResults:
        // Neither the program's own records nor a layout of draws: both reasons.
        m_refusal = m_messages("Str72").arg(fileName) + QLatin1Char(' ') + m_planned->file.message;
        return;
    case ImportRefusal::Source:
    case ImportRefusal::Base:
        // Nothing in the preview could make this file a file of draws.
        m_refusal = m_planned->file.message;
        return;
    default:
        break;
    }
    const int encoding = m_encodingBox->findData(canonicalEncoding(m_settings.encoding));
    m_encodingBox->setCurrentIndex(std::max(encoding, 0));
    const int dateFormat
        = m_dateFormatBox->findData(dateFormatName(dateOrderFromFormat(m_settings.dateFormat)));
    m_dateFormatBox->setCurrentIndex(std::max(dateFormat, 0));
    showPlan(true);
}

ImportPreviewDialog::~ImportPreviewDialog()
{
    // A field that has the focus says it is left while the dialog is taken apart.
    for (QLineEdit *edit : { m_numberEdit, m_dateEdit, m_mainEdit, m_additionalEdit })
        disconnect(edit, nullptr, this, nullptr);
}

void ImportPreviewDialog::buildWidgets()
{
    m_fileLabel = new QLabel(this);
    m_fileLabel->setObjectName(QStringLiteral("ImportFileLabel"));
    m_fileLabel->setProperty("dynamicText", true);
    m_fileLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);

    m_rows = new QTableWidget(this);
    m_rows->setObjectName(QStringLiteral("ImportRowsView"));
    m_rows->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_rows->setSelectionMode(QAbstractItemView::NoSelection);
    m_rows->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_rows->setMinimumHeight(180);
    m_rows->setFocusPolicy(Qt::NoFocus);
    auto *rowsBox = new QGroupBox(m_messages("Str551"), this);
    rowsBox->setObjectName(QStringLiteral("ImportRowsBox"));
    auto *rowsLayout = new QVBoxLayout(rowsBox);
    rowsLayout->addWidget(m_fileLabel);
    rowsLayout->addWidget(m_rows);

    const QString hint = m_messages("Str569");
    m_numberEdit = fieldEdit(this, "ImportNumberEdit", hint);
    m_dateEdit = fieldEdit(this, "ImportDateEdit", hint);
    m_mainEdit = fieldEdit(this, "ImportMainEdit", hint);
    m_additionalEdit = fieldEdit(this, "ImportAdditionalEdit", hint);
    m_dateFormatBox = new QComboBox(this);
    m_dateFormatBox->setObjectName(QStringLiteral("ImportDateFormatBox"));
    m_dateFormatBox->addItem(m_messages("Str559"), QString());
    m_dateFormatBox->addItem(m_messages("Str560"), dateFormatName(DateOrder::DayFirst));
    m_dateFormatBox->addItem(m_messages("Str561"), dateFormatName(DateOrder::MonthFirst));
    m_encodingBox = new QComboBox(this);
    m_encodingBox->setObjectName(QStringLiteral("ImportEncodingBox"));
    m_encodingBox->addItem(m_messages("Str559"), QString());
    for (const char *name : { "utf-8", "utf-16le", "utf-16be", "windows-1251", "iso-8859-1" })
        m_encodingBox->addItem(QLatin1String(name), QLatin1String(name));

    auto *roles = new QFormLayout;
    roles->addRow(m_messages("Str553"), m_numberEdit);
    roles->addRow(m_messages("Str554"), m_dateEdit);
    roles->addRow(m_messages("Str555"), m_mainEdit);
    roles->addRow(m_messages("Str556"), m_additionalEdit);
    auto *reading = new QFormLayout;
    reading->addRow(m_messages("Str557"), m_dateFormatBox);
    reading->addRow(m_messages("Str558"), m_encodingBox);
    auto *columnsBox = new QGroupBox(m_messages("Str552"), this);
    columnsBox->setObjectName(QStringLiteral("ImportColumnsBox"));
    auto *columnsLayout = new QHBoxLayout(columnsBox);
    columnsLayout->addLayout(roles, 3);
    columnsLayout->addLayout(reading, 2);

    m_problemLabel = new QLabel(this);
    m_problemLabel->setObjectName(QStringLiteral("ImportProblemLabel"));
    m_problemLabel->setProperty("dynamicText", true);
    m_problemLabel->setWordWrap(true);
    m_problemLabel->setStyleSheet(QStringLiteral("color: #b00000"));
    m_countsLabel = new QLabel(this);
    m_countsLabel->setObjectName(QStringLiteral("ImportCountsLabel"));
    m_countsLabel->setProperty("dynamicText", true);
    m_countsLabel->setWordWrap(true);
    m_countsLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_draws = new QListWidget(this);
    m_draws->setObjectName(QStringLiteral("ImportDrawsView"));
    m_draws->setMinimumHeight(80);
    // The rows of the file get the height; the list of new draws scrolls.
    m_draws->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Ignored);
    auto *resultBox = new QGroupBox(m_messages("Str567"), this);
    resultBox->setObjectName(QStringLiteral("ImportResultBox"));
    auto *resultLayout = new QHBoxLayout(resultBox);
    auto *countsLayout = new QVBoxLayout;
    countsLayout->addWidget(m_countsLabel);
    countsLayout->addStretch(1);
    resultLayout->addLayout(countsLayout, 1);
    resultLayout->addWidget(m_draws, 1);

    m_mergeButton = new QRadioButton(m_messages("Str562"), this);
    m_mergeButton->setObjectName(QStringLiteral("ImportMergeButton"));
    m_replaceButton = new QRadioButton(m_messages("Str563"), this);
    m_replaceButton->setObjectName(QStringLiteral("ImportReplaceButton"));
    m_saveProfileBox = new QCheckBox(m_messages("Str564"), this);
    m_saveProfileBox->setObjectName(QStringLiteral("ImportSaveProfileBox"));
    auto *choices = new QHBoxLayout;
    choices->addWidget(m_mergeButton);
    choices->addWidget(m_replaceButton);
    choices->addSpacing(24);
    choices->addWidget(m_saveProfileBox);
    choices->addStretch(1);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_okButton = buttons->button(QDialogButtonBox::Ok);
    m_okButton->setObjectName(QStringLiteral("ImportOkButton"));
    m_okButton->setText(m_messages("Str568"));
    QPushButton *cancel = buttons->button(QDialogButtonBox::Cancel);
    cancel->setObjectName(QStringLiteral("ImportCancelButton"));
    cancel->setText(m_messages("Str570"));
    connect(buttons, &QDialogButtonBox::accepted, this, &ImportPreviewDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &ImportPreviewDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(rowsBox, 2);
    layout->addWidget(columnsBox);
    layout->addWidget(m_problemLabel);
    layout->addWidget(resultBox, 1);
    layout->addLayout(choices);
    layout->addWidget(buttons);
    resize(940, 640);

    // A typed field re-plans once the typing pauses, or at once when it is left.
    m_editTimer = new QTimer(this);
    m_editTimer->setSingleShot(true);
    m_editTimer->setInterval(400);
    connect(m_editTimer, &QTimer::timeout, this, &ImportPreviewDialog::replanOnEdit);
    for (QLineEdit *edit : { m_numberEdit, m_dateEdit, m_mainEdit, m_additionalEdit }) {
        connect(edit, &QLineEdit::textEdited, m_editTimer, qOverload<>(&QTimer::start));
        connect(edit, &QLineEdit::editingFinished, this, [this] {
            if (m_editTimer->isActive())
                replanOnEdit();
        });
    }
    connect(m_dateFormatBox, &QComboBox::activated, this, &ImportPreviewDialog::replan);
    connect(m_encodingBox, &QComboBox::activated, this, &ImportPreviewDialog::replan);
    connect(m_mergeButton, &QRadioButton::toggled, this, [this] {
        if (!m_planned)
            return;
        replanImport(m_planned.get(), { m_base.draws, m_base.drawCount(), merge() });
        showCounts();
    });
}

bool ImportPreviewDialog::merge() const
{
    return m_mergeButton->isChecked();
}

bool ImportPreviewDialog::saveProfile() const
{
    return m_saveProfileBox->isChecked();
}

ImportSettings ImportPreviewDialog::profileSettings() const
{
    return m_planned ? usedImportSettings(m_planned->file.format, m_settings) : ImportSettings();
}

bool ImportPreviewDialog::recordsFirst() const
{
    return !merge() && !saveProfile() && m_settings.isEmpty();
}

QString ImportPreviewDialog::columnListText() const
{
    QStringList items;
    const std::pair<const char *, const QLineEdit *> roles[] = { { "number", m_numberEdit },
        { "date", m_dateEdit }, { "main", m_mainEdit }, { "additional", m_additionalEdit } };
    for (const auto &[role, edit] : roles) {
        for (const QString &field : editFields(edit))
            items.append(QLatin1String(role) + QLatin1Char('=') + field);
    }
    return items.join(QLatin1Char(','));
}

void ImportPreviewDialog::replanOnEdit()
{
    m_editTimer->stop();
    const QString columns = columnListText();
    // An edit that changes nothing (a field left as it was) reads nothing again.
    if (m_planned && m_planned->ok()
        && columns == columnMapText(m_planned->file.format.columns, m_planned->file.format.headerNames))
        return;
    m_settings.columns = columns;
    m_planned = std::make_shared<PlannedImport>(planFromBytes(merge()));
    showPlan(false);
}

void ImportPreviewDialog::replan()
{
    if (m_editTimer->isActive()) {
        m_editTimer->stop();
        m_settings.columns = columnListText();
    }
    m_settings.encoding = m_encodingBox->currentData().toString();
    m_settings.dateFormat = m_dateFormatBox->currentData().toString();
    m_planned = std::make_shared<PlannedImport>(planFromBytes(merge()));
    showPlan(true);
}

PlannedImport ImportPreviewDialog::planFromBytes(bool merge) const
{
    return planImportBytes(m_bytes, m_request.sourcePath, m_request.definition, m_settings,
        { m_base.draws, m_base.drawCount(), merge }, m_messages);
}

void ImportPreviewDialog::showPlan(bool fillMapping)
{
    showRows();
    if (fillMapping)
        showMapping();
    const ImportFileRead &file = m_planned->file;
    QString problem;
    if (!file.ok()) {
        problem = file.message;
        if (file.refusal == ImportRefusal::AmbiguousDates)
            problem += QLatin1Char(' ') + m_messages("Str566");
    } else if (file.format.doubts & DoubtColumns) {
        problem = m_messages("Str565");
    }
    m_problemLabel->setText(problem);
    m_problemLabel->setVisible(!problem.isEmpty());
    m_dateFormatBox->setStyleSheet(file.refusal == ImportRefusal::AmbiguousDates
            ? QStringLiteral("QComboBox { border: 2px solid #d08000; }")
            : QString());
    showCounts();
}

void ImportPreviewDialog::showRows()
{
    const ImportFileRead &file = m_planned->file;
    const ImportFormat &format = file.format;
    const int rowCount = std::min(static_cast<int>(file.sample.size()), kShownRows);
    int columnCount = static_cast<int>(format.headerNames.size());
    for (int row = 0; row < rowCount; ++row)
        columnCount
            = std::max(columnCount, static_cast<int>(file.sample[static_cast<size_t>(row)].fields.size()));
    m_rows->clear();
    m_rows->setRowCount(rowCount);
    m_rows->setColumnCount(columnCount);

    // Each column's header: its position (as a column list counts it), its name in the
    // file's header, and the role the mapping gives it.
    QStringList roleOf(columnCount);
    const auto mark = [&](int column, const QString &role) {
        if (column >= 0 && column < columnCount && roleOf[column].isEmpty())
            roleOf[column] = role;
    };
    if (file.ok() || file.refusal == ImportRefusal::AmbiguousDates) {
        mark(format.columns.number, m_messages("Str571"));
        mark(format.columns.date, m_messages("Str572"));
        for (const ColumnGroup &group : format.columns.main) {
            for (int column : group.columns)
                mark(column, m_messages("Str573"));
        }
        for (const ColumnGroup &group : format.columns.additional) {
            for (int column : group.columns)
                mark(column, m_messages("Str574"));
        }
    }
    QStringList captions;
    for (int column = 0; column < columnCount; ++column) {
        QString caption = QString::number(column + 1);
        if (column < format.headerNames.size() && !format.headerNames[column].isEmpty())
            caption += QLatin1Char(' ') + format.headerNames[column];
        caption += QLatin1Char('\n') + roleOf[column];
        captions.append(caption);
    }
    m_rows->setHorizontalHeaderLabels(captions);
    QStringList lines;
    for (int row = 0; row < rowCount; ++row) {
        const ImportRow &source = file.sample[static_cast<size_t>(row)];
        lines.append(QString::number(source.line));
        for (int column = 0; column < source.fields.size(); ++column) {
            auto *item = new QTableWidgetItem(source.fields[column]);
            if (!roleOf[column].isEmpty())
                item->setBackground(QColor(232, 240, 255));
            m_rows->setItem(row, column, item);
        }
    }
    m_rows->setVerticalHeaderLabels(lines);
    m_rows->resizeColumnsToContents();
    // A long text field (a comment, a jackpot list) does not push the numbers away.
    const int widest = m_rows->fontMetrics().horizontalAdvance(QLatin1Char('0')) * 32;
    for (int column = 0; column < columnCount; ++column)
        m_rows->setColumnWidth(column, std::min(m_rows->columnWidth(column), widest));
}

void ImportPreviewDialog::showMapping()
{
    const ImportFormat &format = m_planned->file.format;
    QStringList number;
    QStringList date;
    QStringList main;
    QStringList additional;
    if (!format.columns.isEmpty()) {
        for (const ColumnField &field : columnFields(format.columns, format.headerNames)) {
            if (field.role == QLatin1String("number"))
                number.append(field.field);
            else if (field.role == QLatin1String("date"))
                date.append(field.field);
            else if (field.role == QLatin1String("main"))
                main.append(field.field);
            else
                additional.append(field.field);
        }
    }
    const QString separator = QStringLiteral("; ");
    m_numberEdit->setText(number.join(separator));
    m_dateEdit->setText(date.join(separator));
    m_mainEdit->setText(main.join(separator));
    m_additionalEdit->setText(additional.join(separator));
    for (QLineEdit *edit : { m_numberEdit, m_dateEdit, m_mainEdit, m_additionalEdit })
        edit->setCursorPosition(0);
}

void ImportPreviewDialog::showCounts()
{
    const PlannedImport &planned = *m_planned;
    m_draws->clear();
    m_okButton->setEnabled(planned.ok());
    if (!planned.ok()) {
        m_countsLabel->clear();
        return;
    }
    const ImportResult counts = importCounts(planned.file.read);
    QStringList text;
    text.append(importSummaryText(counts, m_messages));
    text.append(mergeSummaryText(planned.plan, m_messages));
    if (!planned.merge)
        text.append(withPlurals(m_messages("Str575").arg(planned.plan.baseBefore)));
    const QString conflicts = mergeConflictsText(planned.plan, m_messages);
    if (!conflicts.isEmpty())
        text.append(conflicts);
    const QString skipped = importSkippedText(counts, m_messages);
    if (!skipped.isEmpty())
        text.append(skipped);
    m_countsLabel->setText(text.join(QLatin1Char('\n')));

    const ImportedDraws &draws = planned.file.read.draws;
    const int shown = std::min(static_cast<int>(planned.plan.newDraws.size()), kShownDraws);
    for (int i = 0; i < shown; ++i) {
        const auto at = static_cast<size_t>(i);
        m_draws->addItem(importedRecordLine(draws, planned.plan.newDraws[at], planned.plan.newNumbers[at]));
    }
}

void ImportPreviewDialog::accept()
{
    if (m_editTimer->isActive())
        replanOnEdit();
    if (!m_planned || !m_planned->ok())
        return;
    QDialog::accept();
}

} // namespace kivora
