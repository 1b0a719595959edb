#include "ui/dialogs/AddDrawDialog.h"

#include "core/LotteryDefinition.h"
#include "core/MessageCatalog.h"
#include "core/ShortDate.h"
#include "results/AddDraw.h"
#include "ui/PlatformServices.h"

#include <QComboBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace kivora {

namespace {

// "99,99,99" in the old mask language: two optional digits a group, fixed commas.
QString numberMask(int groups)
{
    QStringList parts;
    for (int i = 0; i < std::max(groups, 1); ++i)
        parts.append(QStringLiteral("00"));
    return parts.join(QLatin1Char(',')) + QStringLiteral(";_");
}

QLabel *label(QWidget *parent, const char *name, const QString &text)
{
    auto *result = new QLabel(text, parent);
    result->setObjectName(QLatin1String(name));
    return result;
}

} // namespace

AddDrawDialog::AddDrawDialog(const MessageCatalog &messages, PlatformServices &services, QWidget *parent)
    : QDialog(parent)
    , m_messages(messages)
    , m_services(services)
{
    setObjectName(QStringLiteral("AddTirag"));
    setWindowTitle(QStringLiteral("Добавление результатов розыгрыша"));

    m_numberSpin = new QSpinBox(this);
    m_numberSpin->setObjectName(QStringLiteral("UpDown1"));
    m_numberSpin->setRange(1, 32000);
    m_numberEdit = m_numberSpin->findChild<QLineEdit *>();
    m_numberEdit->setObjectName(QStringLiteral("Edit1"));
    m_dateEdit = new QDateEdit(this);
    m_dateEdit->setObjectName(QStringLiteral("DateTimePicker1"));
    m_dateEdit->setCalendarPopup(true);
    m_machineBox = new QComboBox(this);
    m_machineBox->setObjectName(QStringLiteral("ComboBox1"));
    m_machineBox->setEditable(true);
    m_ballSetBox = new QComboBox(this);
    m_ballSetBox->setObjectName(QStringLiteral("ComboBox2"));
    m_ballSetBox->setEditable(true);
    m_mainNumbersEdit = new QLineEdit(this);
    m_mainNumbersEdit->setObjectName(QStringLiteral("MaskEdit1"));
    m_additionalEdit = new QLineEdit(this);
    m_additionalEdit->setObjectName(QStringLiteral("MaskEdit2"));
    for (QLineEdit *edit : { m_mainNumbersEdit, m_additionalEdit }) {
        QFont fixed = edit->font();
        fixed.setFamily(QStringLiteral("DejaVu Sans Mono"));
        fixed.setStyleHint(QFont::Monospace);
        edit->setFont(fixed);
    }
    m_errorLabel = label(this, "Panel1", QString());
    m_errorLabel->setWordWrap(true);
    m_errorLabel->setStyleSheet(QStringLiteral("color: rgb(192, 0, 0);"));

    auto *machines = new QHBoxLayout;
    machines->addWidget(m_machineBox, 1);
    machines->addWidget(m_ballSetBox, 1);

    auto *form = new QFormLayout;
    form->addRow(label(this, "Label1", QStringLiteral("Розыгрыш №")), m_numberSpin);
    form->addRow(label(this, "Label5", QStringLiteral("Дата")), m_dateEdit);
    form->addRow(label(this, "Label2", QStringLiteral("Лототрон / комплект шаров")), machines);
    form->addRow(
        label(this, "Label3", QStringLiteral("Результаты розыгрыша (выпавшие номера)")), m_mainNumbersEdit);
    form->addRow(label(this, "Label4", QStringLiteral("Дополнительные номера")), m_additionalEdit);

    auto *buttons = new QDialogButtonBox(this);
    QPushButton *ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("OKBtn"));
    ok->setDefault(true);
    QPushButton *cancel = buttons->addButton(QStringLiteral("Отмена"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("CancelBtn"));
    connect(ok, &QPushButton::clicked, this, &AddDrawDialog::writeDraw);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_errorLabel);
    layout->addWidget(buttons);
    setMinimumWidth(520);
}

bool AddDrawDialog::execFor(const LoadResult &loaded)
{
    m_loaded = &loaded;
    resetFields();
    const bool written = exec() == QDialog::Accepted;
    m_loaded = nullptr;
    return written;
}

void AddDrawDialog::resetFields()
{
    const LotteryDefinition &d = m_loaded->definition;
    m_errorLabel->clear();
    m_numberSpin->setValue(std::clamp(m_loaded->totalLines + 1, 1, 32000));
    // In the interface language, which may have changed since the dialog was made.
    m_dateEdit->setLocale(QLocale());
    m_dateEdit->setDisplayFormat(QLocale().dateFormat(QLocale::LongFormat));
    m_dateEdit->setDate(m_services.today());
    m_machineBox->clear();
    m_machineBox->addItems(lotteries::machineChoices(d.machine));
    m_machineBox->setCurrentIndex(0);
    m_ballSetBox->clear();
    m_ballSetBox->addItems(lotteries::ballSetChoices(d.setOfBall));
    m_ballSetBox->setCurrentIndex(0);
    m_mainNumbersEdit->setInputMask(numberMask(d.drawNumber));
    m_mainNumbersEdit->clear();
    m_additionalEdit->setInputMask(d.hasAdditionalNumbers() ? numberMask(d.countOfAddBall) : QString());
    m_additionalEdit->clear();
    m_additionalEdit->setEnabled(d.hasAdditionalNumbers());
    // Every field of the mask in view: a Keno draw has twenty of them.
    for (QLineEdit *edit : { m_mainNumbersEdit, m_additionalEdit }) {
        const QString shown = QString(edit->inputMask().section(QLatin1Char(';'), 0, 0))
                                  .replace(QLatin1Char('9'), QLatin1Char('0'));
        const int text = edit->fontMetrics().horizontalAdvance(shown + QStringLiteral("00"));
        edit->setMinimumWidth(std::max(120,
            text + edit->contentsMargins().left() + edit->contentsMargins().right()
                + edit->textMargins().left() + edit->textMargins().right() + 12));
    }
    // The dialog's own minimum width keeps the layout from widening it: ask the layout.
    layout()->activate();
    setMinimumWidth(std::max(520, layout()->minimumSize().width()));
    resize(std::max(width(), minimumWidth()), height());
    m_mainNumbersEdit->setFocus();
}

void AddDrawDialog::writeDraw()
{
    NewDraw draw;
    draw.number = m_numberEdit->text();
    draw.date = shortDate(m_dateEdit->date());
    draw.machine = m_machineBox->currentText();
    draw.ballSet = m_ballSetBox->currentText();
    draw.mainText = m_mainNumbersEdit->text();
    draw.additionalText = m_additionalEdit->isEnabled() ? m_additionalEdit->text() : QString();
    const QString error = addDraw(m_loaded->basePath, draw, m_loaded->definition, m_messages);
    if (!error.isEmpty()) {
        // Nothing was written; the user corrects the entry.
        m_errorLabel->setText(error);
        m_services.showMessage(this, error, PlatformServices::MessageKind::Warning);
        return;
    }
    accept();
}

} // namespace kivora
