// Commands whose domain code is being merged; each moves to its own file.
#include "ui/MainForm.h"

namespace kivora {

void TMainForm::switchLanguage(const QString &fileName) { m_langFile = fileName; }
void TMainForm::showStatTable(StatTable) {}
void TMainForm::showCombinationView() {}
void TMainForm::ListView2ColumnClick(int) {}
void TMainForm::ListView5ColumnClick(int) {}
void TMainForm::ListView2SelectItem() {}
void TMainForm::ListView2DblClick() {}
void TMainForm::ListView2Resize() {}
void TMainForm::SortMenuPopup() {}
void TMainForm::StringGrid4SelectCell(int, int) {}
void TMainForm::N35Click() {}
void TMainForm::N37Click() {}
void TMainForm::N38Click() {}
void TMainForm::N74Click() {}
void TMainForm::N66Click() {}
void TMainForm::N67Click() {}
void TMainForm::Menu_4_1Click() {}
void TMainForm::Menu_4_2Click() {}
void TMainForm::Menu_4_3Click() {}
void TMainForm::N210Click() {}
void TMainForm::N3101Click() {}
void TMainForm::N4101Click() {}
void TMainForm::N5101Click() {}
void TMainForm::N6101Click() {}
void TMainForm::N60Click() {}
void TMainForm::Mesto1MenuOnClick() {}
void TMainForm::Mesto2MenuOnClick() {}
void TMainForm::DopNomerClick() {}
void TMainForm::displeynomerfromten() {}
void TMainForm::rebuildPositionMenus() {}
void TMainForm::N54Click() {}
void TMainForm::N14Click() {}
void TMainForm::SettingsClick() {}

} // namespace kivora
