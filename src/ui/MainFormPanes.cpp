// The panes of the main window: tabs, toolbar, filter bar, results views, number list,
// statistics panel, combination list and status bar.

#include "ui/MainForm.h"

#include "ui/Pictures.h"
#include "ui/models/CombinationListModel.h"
#include "ui/models/DrawTableModel.h"
#include "ui/models/StatTableModel.h"
#include "ui/models/TensGridModel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QProgressBar>
#include <QSpinBox>
#include <QSplitter>
#include <QStackedWidget>
#include <QStatusBar>
#include <QStyle>
#include <QTabBar>
#include <QTableView>
#include <QTableWidget>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace kivora {

namespace {

// A status bar panel whose width follows a pane above it without ever forcing the
// window to grow.
class StatusPanel final : public QLabel
{
public:
    explicit StatusPanel(QWidget *parent)
        : QLabel(parent)
    { }
    void setPreferredWidth(int width)
    {
        m_width = width;
        updateGeometry();
    }
    QSize sizeHint() const override { return { m_width, QLabel::sizeHint().height() }; }
    QSize minimumSizeHint() const override { return { 20, QLabel::minimumSizeHint().height() }; }

private:
    int m_width = 200;
};

QToolButton *toolButton(QWidget *parent, const char *name, const char *icon, const QString &hint)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setIcon(pictures::toolIcon(icon));
    button->setIconSize(QSize(22, 22));
    button->setToolTip(hint);
    button->setAutoRaise(true);
    return button;
}

// A grid of small cells: no headers, whole-row selection, centred text.
QTableView *cellGrid(QWidget *parent, const char *name, int cellWidth)
{
    auto *grid = new QTableView(parent);
    grid->setObjectName(QLatin1String(name));
    grid->horizontalHeader()->hide();
    grid->verticalHeader()->hide();
    grid->horizontalHeader()->setDefaultSectionSize(cellWidth);
    grid->horizontalHeader()->setMinimumSectionSize(12);
    grid->verticalHeader()->setDefaultSectionSize(19);
    grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setWordWrap(false);
    return grid;
}

// A report-style list: header, grid lines, whole-row selection kept visible without
// the focus, no editing in place.
QTableView *reportList(QWidget *parent, const char *name)
{
    auto *list = new QTableView(parent);
    list->setObjectName(QLatin1String(name));
    list->verticalHeader()->hide();
    list->verticalHeader()->setDefaultSectionSize(20);
    list->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    list->horizontalHeader()->setHighlightSections(false);
    list->horizontalHeader()->setSectionsClickable(true);
    list->horizontalHeader()->setSortIndicatorShown(false);
    list->horizontalHeader()->setStretchLastSection(true);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setShowGrid(true);
    list->setWordWrap(false);
    list->setIconSize(QSize(16, 16));
    list->setMinimumWidth(60);
    list->horizontalHeader()->setMinimumSectionSize(24);
    QPalette palette = list->palette();
    palette.setColor(
        QPalette::Inactive, QPalette::Highlight, palette.color(QPalette::Active, QPalette::Highlight));
    palette.setColor(QPalette::Inactive, QPalette::HighlightedText,
        palette.color(QPalette::Active, QPalette::HighlightedText));
    list->setPalette(palette);
    return list;
}

// Caption column wide enough for a check box, a picture and "00:00:00:00"; the
// value columns for their headers.
void sizeListColumns(QTableView *list, bool numbers)
{
    const QFontMetrics metrics = list->fontMetrics();
    const QString widest = numbers ? QStringLiteral("0000") : QStringLiteral("00:00:00:00");
    list->horizontalHeader()->resizeSection(0, metrics.horizontalAdvance(widest) + (numbers ? 48 : 44));
    list->horizontalHeader()->resizeSection(1, metrics.horizontalAdvance(QStringLiteral("Не выпадала")) + 12);
}

// The one-line record list above a list: three maroon headers and no rows.
QTreeWidget *recordLine(QWidget *parent, const char *name)
{
    auto *line = new QTreeWidget(parent);
    line->setObjectName(QLatin1String(name));
    line->setColumnCount(3);
    line->setHeaderLabels({ QStringLiteral("Рекорд"), QStringLiteral("0"), QStringLiteral("0") });
    line->setRootIsDecorated(false);
    line->header()->setSectionsClickable(false);
    line->header()->setStretchLastSection(true);
    line->header()->setDefaultAlignment(Qt::AlignCenter);
    line->setStyleSheet(QStringLiteral("QHeaderView::section { color: rgb(128, 0, 0); font-weight: bold; }"));
    line->setFixedHeight(line->header()->sizeHint().height() + 2);
    line->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    line->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    line->setFocusPolicy(Qt::NoFocus);
    line->setMinimumWidth(60);
    line->setProperty("captionColumns", 1); // the other two show values
    line->header()->setMinimumSectionSize(20);
    return line;
}

} // namespace

void TMainForm::createPanes()
{
    auto *central = new QWidget(this);
    central->setObjectName(QStringLiteral("TabArea"));
    auto *layout = new QVBoxLayout(central);
    layout->setContentsMargins(2, 2, 2, 0);
    layout->setSpacing(2);

    TabControl1 = new QTabBar(central);
    TabControl1->setObjectName(QStringLiteral("TabControl1"));
    TabControl1->setExpanding(false);
    TabControl1->setDrawBase(true);
    layout->addWidget(TabControl1);
    layout->addWidget(createToolbar());
    layout->addWidget(createFilterBar());

    Splitter1 = new QSplitter(Qt::Horizontal, central);
    Splitter1->setObjectName(QStringLiteral("Splitter1"));
    Splitter1->setChildrenCollapsible(false);
    Splitter1->addWidget(createResultsGroup());
    Splitter1->addWidget(createRightPanel());
    Splitter1->setStretchFactor(0, 0);
    Splitter1->setStretchFactor(1, 1);
    layout->addWidget(Splitter1, 1);
    setCentralWidget(central);
    createStatusBar();

    connect(TabControl1, &QTabBar::currentChanged, this, [this] { TabControl1Change(); });
    connect(Splitter1, &QSplitter::splitterMoved, this, [this] { updateLayout(false); });
}

QWidget *TMainForm::createToolbar()
{
    Panel1 = new QWidget(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    auto *row = new QHBoxLayout(Panel1);
    row->setContentsMargins(2, 0, 2, 0);
    row->setSpacing(2);

    BitBtn5 = toolButton(Panel1, "BitBtn5", "add", QStringLiteral("Добавить результаты розыгрыша"));
    BitBtn6 = toolButton(Panel1, "BitBtn6", "clear", QStringLiteral("Снять все пометки с номеров"));
    BitBtn1 = toolButton(Panel1, "BitBtn1", "random", QStringLiteral("Номера выберет компьютер случайно"));
    BitBtn3 = toolButton(Panel1, "BitBtn3", "stat", QStringLiteral("Статистика"));
    auto *systemLabel = new QLabel(QStringLiteral("Система"), Panel1);
    systemLabel->setObjectName(QStringLiteral("Label1"));
    ComboBox1 = new QComboBox(Panel1);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->setToolTip(QStringLiteral("Выберите систему по которой хотите играть"));
    ComboBox1->setMaxVisibleItems(30);
    ComboBox1->setMinimumContentsLength(28);
    ComboBox1->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    systemLabel->setBuddy(ComboBox1);
    BitBtn4 = toolButton(Panel1, "BitBtn4", "save", QStringLiteral("Сохранить выбранные комбинации"));
    BitBtn2 = toolButton(Panel1, "BitBtn2", "check",
        QStringLiteral("Проверить сохраненные комбинации с результатами розыгрыша"));
    BitBtn7 = toolButton(Panel1, "BitBtn7", "exit", QStringLiteral("Выход из программы"));
    BitBtn8 = toolButton(Panel1, "BitBtn8", "all", QStringLiteral("Выбрать все номера"));
    BitBtn9 = toolButton(Panel1, "BitBtn9", "web", QStringLiteral("Посмотреть результаты в Интернете"));

    for (QWidget *w : { static_cast<QWidget *>(BitBtn5), static_cast<QWidget *>(BitBtn6),
             static_cast<QWidget *>(BitBtn1), static_cast<QWidget *>(BitBtn3) })
        row->addWidget(w);
    row->addSpacing(8);
    row->addWidget(systemLabel);
    row->addWidget(ComboBox1);
    for (QWidget *w :
        { static_cast<QWidget *>(BitBtn4), static_cast<QWidget *>(BitBtn2), static_cast<QWidget *>(BitBtn7),
            static_cast<QWidget *>(BitBtn8), static_cast<QWidget *>(BitBtn9) })
        row->addWidget(w);
    row->addStretch(1);

    connect(BitBtn5, &QToolButton::clicked, this, &TMainForm::N9Click);
    connect(BitBtn6, &QToolButton::clicked, this, &TMainForm::BitBtn6Click);
    connect(BitBtn1, &QToolButton::clicked, this, &TMainForm::BitBtn1Click);
    connect(BitBtn3, &QToolButton::clicked, this,
        [this] { StatPopupMenu->popup(BitBtn3->mapToGlobal(QPoint(10, BitBtn3->height()))); });
    connect(ComboBox1, qOverload<int>(&QComboBox::activated), this, [this] { ComboBox1Change(); });
    connect(BitBtn4, &QToolButton::clicked, this, &TMainForm::BitBtn4Click);
    connect(BitBtn2, &QToolButton::clicked, this, &TMainForm::BitBtn2Click);
    connect(BitBtn7, &QToolButton::clicked, this, &TMainForm::close);
    connect(BitBtn8, &QToolButton::clicked, this, &TMainForm::N22Click);
    connect(BitBtn9, &QToolButton::clicked, this, &TMainForm::BitBtn9Click);
    return Panel1;
}

QWidget *TMainForm::createFilterBar()
{
    Panel2 = new QWidget(this);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    auto *row = new QHBoxLayout(Panel2);
    row->setContentsMargins(4, 0, 4, 0);

    auto *filterLabel = new QLabel(QStringLiteral("Фильтр:"), Panel2);
    filterLabel->setObjectName(QStringLiteral("Label2"));
    QFont bold = filterLabel->font();
    bold.setBold(true);
    filterLabel->setFont(bold);

    lototroncheck = new QCheckBox(QStringLiteral("Лототрон"), Panel2);
    lototroncheck->setObjectName(QStringLiteral("lototroncheck"));
    LototronBox = new QComboBox(Panel2);
    LototronBox->setObjectName(QStringLiteral("LototronBox"));
    LototronBox->setEditable(true);
    LototronBox->setToolTip(QStringLiteral("Выбор лототрона для анализа"));
    LototronBox->setMinimumContentsLength(8);
    komplectCheck = new QCheckBox(QStringLiteral("Комплект шаров"), Panel2);
    komplectCheck->setObjectName(QStringLiteral("komplectCheck"));
    KomplectBox = new QComboBox(Panel2);
    KomplectBox->setObjectName(QStringLiteral("KomplectBox"));
    KomplectBox->setEditable(true);
    KomplectBox->setToolTip(QStringLiteral("Выбор комплекта шаров для анализа"));
    KomplectBox->setMinimumContentsLength(8);
    LastDrawBox = new QCheckBox(QStringLiteral("Последние"), Panel2);
    LastDrawBox->setObjectName(QStringLiteral("LastDrawBox"));
    UpDown1 = new QSpinBox(Panel2);
    UpDown1->setObjectName(QStringLiteral("UpDown1"));
    UpDown1->setRange(0, 1 << 30);
    UpDown1->setAccelerated(true);
    Edit1 = UpDown1->findChild<QLineEdit *>();
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setText(QStringLiteral("0"));
    auto *countLabel = new QLabel(QStringLiteral("розыгрышей"), Panel2);
    countLabel->setObjectName(QStringLiteral("Label3"));

    row->addWidget(filterLabel);
    row->addWidget(lototroncheck);
    row->addWidget(LototronBox);
    row->addSpacing(10);
    row->addWidget(komplectCheck);
    row->addWidget(KomplectBox);
    row->addSpacing(10);
    row->addWidget(LastDrawBox);
    row->addWidget(UpDown1);
    row->addWidget(countLabel);
    row->addStretch(1);

    for (QCheckBox *box : { lototroncheck, komplectCheck, LastDrawBox })
        connect(box, &QCheckBox::toggled, this, [this] { TabControl1Change(); });
    connect(LototronBox, &QComboBox::currentTextChanged, this, [this] { LototronBoxChange(); });
    connect(KomplectBox, &QComboBox::currentTextChanged, this, [this] { KomplectBoxChange(); });
    connect(Edit1, &QLineEdit::textChanged, this, [this] { Edit1Change(); });
    return Panel2;
}

QWidget *TMainForm::createResultsGroup()
{
    GroupBox4 = new QGroupBox(QStringLiteral("Результаты розыгрышей"), this);
    GroupBox4->setObjectName(QStringLiteral("GroupBox4"));
    auto *layout = new QVBoxLayout(GroupBox4);
    layout->setContentsMargins(3, 3, 3, 3);

    const int cell = fontMetrics().horizontalAdvance(QStringLiteral("000")) + 6;
    resultsStack = new QStackedWidget(GroupBox4);
    StringGrid2 = cellGrid(resultsStack, "StringGrid2", cell);
    DateGrid = cellGrid(resultsStack, "DateGrid", cell);
    DateGrid->setSelectionBehavior(QAbstractItemView::SelectItems);
    m_resultsModel = new DrawTableModel(DrawTableModel::View::Results, this);
    m_detailsModel = new DrawTableModel(DrawTableModel::View::Details, this);
    StringGrid2->setModel(m_resultsModel);
    DateGrid->setModel(m_detailsModel);
    resultsStack->addWidget(StringGrid2);
    resultsStack->addWidget(DateGrid);
    layout->addWidget(resultsStack, 1);

    StringGrid3 = new QTableWidget(1, 7, GroupBox4);
    StringGrid3->setObjectName(QStringLiteral("StringGrid3"));
    StringGrid3->horizontalHeader()->hide();
    StringGrid3->verticalHeader()->hide();
    StringGrid3->horizontalHeader()->setDefaultSectionSize(cell);
    StringGrid3->verticalHeader()->setDefaultSectionSize(20);
    StringGrid3->setEditTriggers(QAbstractItemView::NoEditTriggers);
    StringGrid3->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    StringGrid3->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QFont bold = StringGrid3->font();
    bold.setBold(true);
    StringGrid3->setFont(bold);
    StringGrid3->setFixedHeight(24);
    layout->addWidget(StringGrid3);

    StringGrid2->setContextMenuPolicy(Qt::CustomContextMenu);
    DateGrid->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(StringGrid2, &QWidget::customContextMenuRequested, this,
        [this](const QPoint &pos) { PopupMenu2->popup(StringGrid2->viewport()->mapToGlobal(pos)); });
    connect(DateGrid, &QWidget::customContextMenuRequested, this,
        [this](const QPoint &pos) { PopupMenu2->popup(DateGrid->viewport()->mapToGlobal(pos)); });
    connect(StringGrid2, &QTableView::doubleClicked, this, [this] { StringGrid2DblClick(); });
    connect(DateGrid, &QTableView::doubleClicked, this, [this] { DateGridDblClick(); });
    connect(StringGrid2->selectionModel(), &QItemSelectionModel::currentChanged, this,
        [this](const QModelIndex &current) { resultsRowChanged(current.row()); });
    connect(DateGrid->selectionModel(), &QItemSelectionModel::currentChanged, this,
        [this](const QModelIndex &current) { detailsCellChanged(current.row(), current.column()); });
    connect(StringGrid3, &QTableWidget::currentCellChanged, this, [this](int row, int column) {
        // The selected cell keeps its own colours.
        const QTableWidgetItem *item = StringGrid3->item(row, column);
        QPalette palette = StringGrid3->palette();
        const QColor background = item && item->background().style() != Qt::NoBrush
            ? item->background().color()
            : palette.color(QPalette::Base);
        const QColor text = item && item->foreground().style() != Qt::NoBrush ? item->foreground().color()
                                                                              : palette.color(QPalette::Text);
        for (auto group : { QPalette::Active, QPalette::Inactive }) {
            palette.setColor(group, QPalette::Highlight, background);
            palette.setColor(group, QPalette::HighlightedText, text);
        }
        StringGrid3->setPalette(palette);
    });
    return GroupBox4;
}

QWidget *TMainForm::createRightPanel()
{
    Panel4 = new QWidget(this);
    Panel4->setObjectName(QStringLiteral("Panel4"));
    auto *row = new QHBoxLayout(Panel4);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(3);

    // Numbers.
    GroupBox3 = new QGroupBox(QStringLiteral("Номера"), Panel4);
    GroupBox3->setObjectName(QStringLiteral("GroupBox3"));
    auto *numbers = new QVBoxLayout(GroupBox3);
    numbers->setContentsMargins(3, 3, 3, 3);
    numbers->setSpacing(0);
    ListView3 = recordLine(GroupBox3, "ListView3");
    m_numberModel = new StatTableModel(StatTableModel::Style::NumberList, this);
    numberStack = new QStackedWidget(GroupBox3);
    ListView1 = reportList(numberStack, "ListView1");
    ListView1->setModel(m_numberModel);
    ListView1->setContextMenuPolicy(Qt::CustomContextMenu);
    ListView1Icons = new QListView(numberStack);
    ListView1Icons->setObjectName(QStringLiteral("ListView1Icons"));
    ListView1Icons->setModel(m_numberModel);
    ListView1Icons->setSelectionModel(ListView1->selectionModel());
    ListView1Icons->setContextMenuPolicy(Qt::CustomContextMenu);
    ListView1Icons->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ListView1Icons->setResizeMode(QListView::Adjust);
    numberStack->addWidget(ListView1);
    numberStack->addWidget(ListView1Icons);
    numbers->addWidget(ListView3);
    numbers->addWidget(numberStack, 1);

    // Statistics.
    GroupBox2 = new QGroupBox(QStringLiteral("Статистика"), Panel4);
    GroupBox2->setObjectName(QStringLiteral("GroupBox2"));
    auto *stats = new QVBoxLayout(GroupBox2);
    stats->setContentsMargins(3, 3, 3, 3);
    stats->setSpacing(0);
    ListView4 = recordLine(GroupBox2, "ListView4");
    m_statModel = new StatTableModel(StatTableModel::Style::CombinationView, this);
    m_tenModel = new StatTableModel(StatTableModel::Style::CombinationView, this);
    ListView2 = reportList(GroupBox2, "ListView2");
    ListView2->setModel(m_statModel);
    ListView2->setContextMenuPolicy(Qt::CustomContextMenu);
    StringGrid4 = new QTableView(GroupBox2);
    StringGrid4->setObjectName(QStringLiteral("StringGrid4"));
    StringGrid4->setSelectionBehavior(QAbstractItemView::SelectRows);
    StringGrid4->setSelectionMode(QAbstractItemView::SingleSelection);
    StringGrid4->setEditTriggers(QAbstractItemView::NoEditTriggers);
    StringGrid4->verticalHeader()->setDefaultSectionSize(19);
    StringGrid4->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    StringGrid4->horizontalHeader()->setDefaultSectionSize(28);
    m_tensModel = new TensGridModel(&m_load.draws, this);
    StringGrid4->setModel(m_tensModel);
    StringGrid4->hide();
    ListView5 = reportList(GroupBox2, "ListView5");
    ListView5->setModel(m_tenModel);
    ListView5->hide();
    // A reset model starts its header anew; the columns keep their widths.
    for (QTableView *list : { ListView1, ListView2, ListView5 }) {
        const bool numbers = list == ListView1;
        sizeListColumns(list, numbers);
        connect(list->model(), &QAbstractItemModel::modelReset, list,
            [list, numbers] { sizeListColumns(list, numbers); });
    }
    stats->addWidget(ListView4);
    stats->addWidget(ListView2, 1);
    stats->addWidget(StringGrid4, 1);
    stats->addWidget(ListView5, 1);

    // Chosen combinations.
    GroupBox1 = new QGroupBox(QStringLiteral("Выбранные комбинации"), Panel4);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    auto *combos = new QVBoxLayout(GroupBox1);
    combos->setContentsMargins(3, 3, 3, 3);
    const int cell = fontMetrics().horizontalAdvance(QStringLiteral("00")) + 8;
    StringGrid1 = cellGrid(GroupBox1, "StringGrid1", cell);
    StringGrid1->horizontalHeader()->setMinimumSectionSize(cell);
    m_combinationModel = new CombinationListModel(this);
    StringGrid1->setModel(m_combinationModel);
    StringGrid1->setContextMenuPolicy(Qt::CustomContextMenu);
    combos->addWidget(StringGrid1);
    // Ten cells and the vertical scroll bar fit without scrolling sideways.
    const int scrollBar = StringGrid1->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    GroupBox1->setFixedWidth(std::max(200, cell * 10 + scrollBar + 16));
    connect(m_combinationModel, &QAbstractItemModel::modelReset, StringGrid1, [this, cell] {
        for (int column = 0; column < m_combinationModel->columnCount(); ++column)
            StringGrid1->horizontalHeader()->resizeSection(column, cell);
    });

    row->addWidget(GroupBox3, 1);
    row->addWidget(GroupBox2, 1);
    row->addWidget(GroupBox1, 0);

    connect(ListView1->horizontalHeader(), &QHeaderView::sectionClicked, this,
        [this](int column) { ListView1ColumnClick(column); });
    connect(ListView1->horizontalHeader(), &QHeaderView::sectionResized, this, [this] { ListView1Resize(); });
    connect(ListView1->selectionModel(), &QItemSelectionModel::selectionChanged, this,
        [this] { ListView1SelectItem(); });
    connect(m_numberModel, &StatTableModel::flagToggled, this, [this] { ListView1Change(); });
    connect(ListView1, &QWidget::customContextMenuRequested, this,
        [this](const QPoint &pos) { PopupMenu1->popup(ListView1->viewport()->mapToGlobal(pos)); });
    connect(ListView1Icons, &QWidget::customContextMenuRequested, this,
        [this](const QPoint &pos) { PopupMenu1->popup(ListView1Icons->viewport()->mapToGlobal(pos)); });

    connect(ListView2->horizontalHeader(), &QHeaderView::sectionClicked, this,
        [this](int column) { ListView2ColumnClick(column); });
    connect(ListView5->horizontalHeader(), &QHeaderView::sectionClicked, this,
        [this](int column) { ListView5ColumnClick(column); });
    connect(ListView2->horizontalHeader(), &QHeaderView::sectionResized, this, [this] { ListView2Resize(); });
    connect(ListView2->selectionModel(), &QItemSelectionModel::selectionChanged, this,
        [this] { ListView2SelectItem(); });
    connect(ListView2, &QTableView::doubleClicked, this, [this] { ListView2DblClick(); });
    connect(ListView2, &QWidget::customContextMenuRequested, this, [this](const QPoint &pos) {
        SortMenuPopup();
        SortMenu->popup(ListView2->viewport()->mapToGlobal(pos));
    });
    connect(StringGrid1, &QWidget::customContextMenuRequested, this,
        [this](const QPoint &pos) { CombMenu->popup(StringGrid1->viewport()->mapToGlobal(pos)); });
    connect(StringGrid1, &QTableView::doubleClicked, this, [this] { StringGrid1DblClick(); });
    connect(StringGrid4->selectionModel(), &QItemSelectionModel::currentChanged, this,
        [this](const QModelIndex &current) { StringGrid4SelectCell(current.column(), current.row()); });
    return Panel4;
}

void TMainForm::createStatusBar()
{
    auto *bar = new QStatusBar(this);
    bar->setObjectName(QStringLiteral("StatusBar1"));
    bar->setSizeGripEnabled(true);
    statusPanel0 = new StatusPanel(bar);
    statusPanel0->setObjectName(QStringLiteral("StatusPanel0"));
    statusPanel1 = new StatusPanel(bar);
    statusPanel1->setObjectName(QStringLiteral("StatusPanel1"));
    ProgressBar1 = new QProgressBar(bar);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setRange(0, 1000);
    ProgressBar1->setValue(0);
    ProgressBar1->setTextVisible(false);
    ProgressBar1->setMaximumHeight(16);
    for (QLabel *panel : { statusPanel0, statusPanel1 }) {
        panel->setProperty("dynamicText", true);
        panel->setFrameShape(QFrame::Panel);
        panel->setFrameShadow(QFrame::Sunken);
    }
    bar->addWidget(statusPanel0);
    bar->addWidget(statusPanel1);
    bar->addWidget(ProgressBar1, 1);
    setStatusBar(bar);
}

void TMainForm::updateLayout(bool resizeRightPanel)
{
    // The right panel takes width / 1.4; the numbers and statistics groups share what
    // the combination group leaves.
    if (Splitter1 && resizeRightPanel) {
        const int total = Splitter1->width();
        const int right = qRound(width() / 1.4);
        Splitter1->setSizes({ std::max(120, total - right), right });
    }
    if (statusPanel0) {
        static_cast<StatusPanel *>(statusPanel0)->setPreferredWidth(GroupBox4->width() + 4);
        static_cast<StatusPanel *>(statusPanel1)->setPreferredWidth(GroupBox3->width() + 2);
    }
}

} // namespace kivora
