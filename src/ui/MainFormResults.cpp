// The load of the current lottery, the filter bar, the results and details views and
// the sorted draw strip.

#include "ui/MainForm.h"

#include "core/IniFile.h"
#include "core/LotteryDefinition.h"
#include "results/NumberList.h"
#include "ui/models/DrawTableModel.h"
#include "ui/models/StatTableModel.h"
#include "ui/models/TensGridModel.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTabBar>
#include <QTableView>
#include <QTableWidget>
#include <QTreeWidget>

#include <cmath>

namespace kivora {

void TMainForm::TabControl1Change()
{
    Changeloto();
}

void TMainForm::LototronBoxChange()
{
    if (lototroncheck->isChecked())
        Changeloto();
}

void TMainForm::KomplectBoxChange()
{
    if (komplectCheck->isChecked())
        Changeloto();
}

void TMainForm::Edit1Change()
{
    if (Edit1->text().isEmpty()) {
        Edit1->setText(QStringLiteral("0"));
        return; // setting the text calls this again
    }
    if (LastDrawBox->isChecked())
        Changeloto();
}

void TMainForm::fillChoiceLists()
{
    // The lists are filled from the lottery of the selected tab; the typed or chosen
    // text stays, as the filters compare with it.
    const LotteryDefinition &d = m_load.definition;
    auto refill = [](QComboBox *box, const QStringList &entries) {
        const QSignalBlocker block(box);
        const QString text = box->currentText();
        box->clear();
        box->addItems(entries);
        box->setCurrentText(text.isEmpty() ? entries.value(0) : text);
    };
    refill(LototronBox, lotteries::machineChoices(d.machine));
    refill(KomplectBox, lotteries::ballSetChoices(d.setOfBall));
}

void TMainForm::Changeloto()
{
    if (m_loading)
        return;
    const QString name = currentLottery();
    if (name.isEmpty()) {
        statusPanel0->setText(m_messages("Str58"));
        return;
    }
    m_loading = true;
    showWait();
    m_statModel->clear();
    m_tenModel->clear();
    m_tensModel->clear();

    DrawFilter filter;
    filter.lastDraws = LastDrawBox->isChecked();
    filter.lastDrawsText = Edit1->text();
    filter.machine = lototroncheck->isChecked();
    filter.machineText = LototronBox->currentText();
    filter.ballSet = komplectCheck->isChecked();
    filter.ballSetText = KomplectBox->currentText();
    LoadResult result = loadLottery(m_folder, name, filter, m_messages,
        [this](int min, int max, int pos) { ShowProgress(min, max, pos); });
    if (!result.ok) {
        closeWait();
        m_loading = false;
        // A base that cannot be read leaves the views as they were; a lottery that
        // cannot be loaded at all leaves nothing of another lottery on screen.
        if (!result.definitionRefused) {
            showError(result.error);
            return;
        }
        m_load = LoadResult();
        m_load.definition = result.definition;
        showLoad();
        statusPanel0->setText(result.error);
        showError(result.error);
        return;
    }
    m_load = std::move(result);
    showLoad();
    closeWait();
    m_loading = false;
    ComboBox1Change();
}

void TMainForm::showLoad()
{
    const LotteryDefinition &d = m_load.definition;
    {
        const QSignalBlocker block(ComboBox1);
        ComboBox1->clear();
        ComboBox1->addItems(m_load.systems);
        ComboBox1->setCurrentIndex(m_load.systems.isEmpty() ? -1 : 0);
    }
    rebuildPositionMenus();
    DopNomer->setEnabled(d.hasAdditionalNumbers());
    popupdopnumber->setEnabled(d.hasAdditionalNumbers());
    fillChoiceLists();
    {
        const QSignalBlocker blockSpin(UpDown1);
        const QSignalBlocker blockEdit(Edit1);
        const QString text = Edit1->text();
        UpDown1->setMaximum(std::max(m_load.totalLines, UpDown1->value()));
        Edit1->setText(text);
    }

    // Statistics panel back to an empty combination view.
    StringGrid4->hide();
    ListView5->hide();
    ListView2->show();
    ListView4->show();
    ListView4->headerItem()->setText(1, QString());
    ListView4->headerItem()->setText(2, QString());

    m_resultsModel->setDraws(&m_load.draws);
    m_detailsModel->setDraws(&m_load.draws);
    const int rows = m_load.draws.rowCount();
    if (rows > 0) {
        // The newest draw becomes current; the draw-number column stays in sight.
        StringGrid2->setCurrentIndex(m_resultsModel->index(rows - 1, m_resultsModel->columnCount() - 1));
        DateGrid->setCurrentIndex(m_detailsModel->index(rows - 1, m_detailsModel->columnCount() - 1));
        for (QTableView *view : { StringGrid2, DateGrid }) {
            view->scrollToBottom();
            view->horizontalScrollBar()->setValue(0);
        }
    } else {
        StringGrid3->clearContents();
    }
    StringGrid2->horizontalHeader()->resizeSection(
        0, fontMetrics().horizontalAdvance(QStringLiteral("000000")) + 8);
    DateGrid->resizeColumnsToContents();

    // The number list, sorted by "Не выпадал"; every row starts unmarked.
    StatTable numbers = numberListTable(m_load);
    ListView3->headerItem()->setText(1, numbers.recordText);
    ListView3->headerItem()->setText(2, numbers.topText);
    setNumberListStyle(3);
    m_numberModel->setTable(std::move(numbers));
    statusPanel0->setText(loadStatusText(m_load, m_messages));
    m_sortColumn = 1;
    m_numberModel->sortBy(m_sortColumn);
    ListView1Resize();
}

void TMainForm::StringGrid2DblClick()
{
    N87Click();
}

void TMainForm::DateGridDblClick()
{
    N86Click();
}

void TMainForm::N87Click()
{
    // Hide the results, show the details on the same draw.
    N87->setChecked(true);
    const int row = StringGrid2->currentIndex().row();
    resultsStack->setCurrentWidget(DateGrid);
    DateGrid->setFocus();
    if (row >= 0)
        DateGrid->setCurrentIndex(m_detailsModel->index(row, std::max(0, DateGrid->currentIndex().column())));
}

void TMainForm::N86Click()
{
    N86->setChecked(true);
    resultsStack->setCurrentWidget(StringGrid2);
    StringGrid2->setFocus();
}

void TMainForm::resultsRowChanged(int row)
{
    fillDrawStrip(row);
}

void TMainForm::detailsCellChanged(int row, int column)
{
    if (row < 0)
        return;
    const int resultsColumn
        = column < m_resultsModel->columnCount() ? column : StringGrid2->currentIndex().column();
    StringGrid2->setCurrentIndex(m_resultsModel->index(row, std::max(0, resultsColumn)));
}

namespace {

struct StripColours
{
    QColor background;
    QColor text;
};

bool stripColours(int value, StripColours *colours)
{
    if (value <= 0)
        return false;
    static const StripColours table[4] = {
        { QColor(128, 0, 128), Qt::white }, // 1-10, 41-50, above 80
        { QColor(255, 255, 0), Qt::black }, // 11-20, 51-60
        { QColor(0, 128, 0), Qt::white }, // 21-30, 61-70
        { QColor(0, 0, 255), Qt::white }, // 31-40, 71-80
    };
    *colours = value > 80 ? table[0] : table[((value - 1) / 10) % 4];
    return true;
}

} // namespace

void TMainForm::fillDrawStrip(int row)
{
    StringGrid3->clearContents();
    if (row < 0 || row >= m_load.draws.rowCount())
        return;
    const DrawTable &draws = m_load.draws;
    const int c = draws.resultsColumnCount();
    const bool twoRows = c > 11;
    // C / 2 rounded to the nearest integer (a half to the even one), plus 1.
    const int columns = twoRows ? static_cast<int>(std::nearbyint(c / 2.0)) + 1 : c;
    StringGrid3->setRowCount(twoRows ? 2 : 1);
    StringGrid3->setColumnCount(columns);
    StringGrid3->setFixedHeight(twoRows ? 44 : 24);

    auto put = [this](int r, int col, const QString &text) {
        auto *item = new QTableWidgetItem(text);
        item->setTextAlignment(Qt::AlignCenter);
        StringGrid3->setItem(r, col, item);
    };
    put(0, 0, draws.drawNumberText(row));
    StringGrid3->horizontalHeader()->resizeSection(0,
        std::max(StringGrid3->horizontalHeader()->defaultSectionSize(),
            StringGrid3->fontMetrics().horizontalAdvance(draws.drawNumberText(row) + QStringLiteral("00"))));
    if (twoRows)
        put(1, 0, draws.machine(row) + draws.ballSet(row));

    // The draw's numbers in ascending order of value, wrapping into the second row.
    int filledRow = 0;
    int filledColumn = 1;
    const LotteryDefinition &d = m_load.definition;
    for (int value : sortedDrawNumbers(draws, row, d.minNumber, d.maxNumber)) {
        if (filledColumn >= columns) {
            if (!twoRows || filledRow == 1)
                break;
            filledRow = 1;
            filledColumn = 1;
        }
        put(filledRow, filledColumn++, twoDigits(value));
    }
    for (int r = 0; r < StringGrid3->rowCount(); ++r) {
        for (int col = 1; col < columns; ++col) {
            QTableWidgetItem *item = StringGrid3->item(r, col);
            StripColours colours;
            if (item && stripColours(textToInt(item->text()), &colours)) {
                item->setBackground(colours.background);
                item->setForeground(colours.text);
            }
        }
    }
    StringGrid3->setCurrentCell(0, 0);
}

void TMainForm::setHighlight(const std::vector<bool> &rows)
{
    m_resultsModel->setHighlight(rows);
    m_detailsModel->setHighlight(rows);
}

} // namespace kivora
