#pragma once

// The searchable list of the catalogue's games that the settings dialog opens for
// "add from catalogue": a find field above the list narrows it by name, Russian name,
// country or matrix; OK (or a double click) chooses the selected game.

#include "results/catalogue/GameCatalogue.h"

#include <QDialog>

class QLineEdit;
class QListWidget;
class QPushButton;

namespace kivora {

class MessageCatalog;

class CataloguePicker final : public QDialog
{
    Q_OBJECT
public:
    CataloguePicker(QList<CatalogueGame> games, const MessageCatalog &messages, QWidget *parent = nullptr);

    // The game chosen by OK; null before.
    const CatalogueGame *chosenGame() const;
    // Shows only the games whose texts hold the text, in any letter case.
    void setFilter(const QString &text);

private:
    void fill();
    void updateButtons();

    QList<CatalogueGame> m_games;
    QLineEdit *m_find = nullptr;
    QListWidget *m_list = nullptr;
    QPushButton *m_okButton = nullptr;
};

} // namespace kivora
