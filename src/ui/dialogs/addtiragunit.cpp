#include "ui/dialogs/addtiragunit.h"

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

TAddTirag::TAddTirag(const MessageCatalog &messages, PlatformServices &services, QWidget *parent)
    : QDialog(parent)
    , m_messages(messages)
    , m_services(services)
{
    setObjectName(QStringLiteral("AddTirag"));
    setWindowTitle(QStringLiteral("Добавление результатов розыгрыша"));

    UpDown1 = new QSpinBox(this);
    UpDown1->setObjectName(QStringLiteral("UpDown1"));
    UpDown1->setRange(1, 32000);
    Edit1 = UpDown1->findChild<QLineEdit *>();
    Edit1->setObjectName(QStringLiteral("Edit1"));
    DateTimePicker1 = new QDateEdit(this);
    DateTimePicker1->setObjectName(QStringLiteral("DateTimePicker1"));
    DateTimePicker1->setCalendarPopup(true);
    DateTimePicker1->setDisplayFormat(QLocale::system().dateFormat(QLocale::LongFormat));
    ComboBox1 = new QComboBox(this);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->setEditable(true);
    ComboBox2 = new QComboBox(this);
    ComboBox2->setObjectName(QStringLiteral("ComboBox2"));
    ComboBox2->setEditable(true);
    MaskEdit1 = new QLineEdit(this);
    MaskEdit1->setObjectName(QStringLiteral("MaskEdit1"));
    MaskEdit2 = new QLineEdit(this);
    MaskEdit2->setObjectName(QStringLiteral("MaskEdit2"));
    for (QLineEdit *edit : { MaskEdit1, MaskEdit2 }) {
        QFont fixed = edit->font();
        fixed.setFamily(QStringLiteral("DejaVu Sans Mono"));
        fixed.setStyleHint(QFont::Monospace);
        edit->setFont(fixed);
    }
    Panel1 = label(this, "Panel1", QString());
    Panel1->setWordWrap(true);
    Panel1->setStyleSheet(QStringLiteral("color: rgb(192, 0, 0);"));

    auto *machines = new QHBoxLayout;
    machines->addWidget(ComboBox1, 1);
    machines->addWidget(ComboBox2, 1);

    auto *form = new QFormLayout;
    form->addRow(label(this, "Label1", QStringLiteral("Розыгрыш №")), UpDown1);
    form->addRow(label(this, "Label5", QStringLiteral("Дата")), DateTimePicker1);
    form->addRow(label(this, "Label2", QStringLiteral("Лототрон / комплект шаров")), machines);
    form->addRow(label(this, "Label3", QStringLiteral("Результаты розыгрыша (выпавшие номера)")), MaskEdit1);
    form->addRow(label(this, "Label4", QStringLiteral("Дополнительные номера")), MaskEdit2);

    auto *buttons = new QDialogButtonBox(this);
    QPushButton *ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("OKBtn"));
    ok->setDefault(true);
    QPushButton *cancel = buttons->addButton(QStringLiteral("Отмена"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("CancelBtn"));
    connect(ok, &QPushButton::clicked, this, &TAddTirag::OKBtnClick);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(Panel1);
    layout->addWidget(buttons);
    setMinimumWidth(520);
}

bool TAddTirag::execFor(const LoadResult &loaded)
{
    m_loaded = &loaded;
    FormShow();
    const bool written = exec() == QDialog::Accepted;
    m_loaded = nullptr;
    return written;
}

void TAddTirag::FormShow()
{
    const LotteryDefinition &d = m_loaded->definition;
    Panel1->clear();
    UpDown1->setValue(std::clamp(m_loaded->totalLines + 1, 1, 32000));
    DateTimePicker1->setDate(m_services.today());
    ComboBox1->clear();
    ComboBox1->addItems(lotteries::machineChoices(d.machine));
    ComboBox1->setCurrentIndex(0);
    ComboBox2->clear();
    ComboBox2->addItems(lotteries::ballSetChoices(d.setOfBall));
    ComboBox2->setCurrentIndex(0);
    MaskEdit1->setInputMask(numberMask(d.drawNumber));
    MaskEdit1->clear();
    MaskEdit2->setInputMask(d.hasAdditionalNumbers() ? numberMask(d.countOfAddBall) : QString());
    MaskEdit2->clear();
    MaskEdit2->setEnabled(d.hasAdditionalNumbers());
    MaskEdit1->setFocus();
}

void TAddTirag::OKBtnClick()
{
    NewDraw draw;
    draw.number = Edit1->text();
    draw.date = shortDate(DateTimePicker1->date());
    draw.machine = ComboBox1->currentText();
    draw.ballSet = ComboBox2->currentText();
    draw.mainText = MaskEdit1->text();
    draw.additionalText = MaskEdit2->isEnabled() ? MaskEdit2->text() : QString();
    const QString error = addDraw(m_loaded->basePath, draw, m_loaded->definition, m_messages);
    if (!error.isEmpty()) {
        // Nothing was written; the user corrects the entry.
        Panel1->setText(error);
        m_services.showMessage(this, error, PlatformServices::MessageKind::Warning);
        return;
    }
    accept();
}

} // namespace kivora
