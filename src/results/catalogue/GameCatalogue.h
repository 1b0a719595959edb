#pragma once

// The catalogue of real lottery games shipped as "catalogue.txt" of the program folder:
// one section per game, "KEY = VALUE" lines, ";" comments. It is read into games with
// their matrices, dates and results addresses; an entry the program cannot use is
// reported with the file and line and left out, the others are kept.

#include "results/import/ImportDetect.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace kivora {

class MessageCatalog;
class ProgramFolder;

// COUNT of MIN-MAX: how many numbers are drawn and from which range.
struct GameMatrix
{
    int count = 0;
    int minNumber = 0;
    int maxNumber = 0;
    bool separateDrum = false; // additional numbers: drawn from a drum of their own

    bool isEmpty() const { return count <= 0; }
    QString text() const; // "5 of 1-69"
};

// A matrix that held from a date on, before the current one.
struct EarlierMatrix
{
    QString since;
    GameMatrix main;
    GameMatrix additional;
};

struct CatalogueGame
{
    QString name; // as the operator writes it; the section name
    QString russianName;
    QString operatorName;
    QString country;
    GameMatrix main;
    GameMatrix additional;
    QString since; // yyyy-mm-dd, yyyy-mm or yyyy
    QList<EarlierMatrix> earlier;
    QString ended;
    QString drawDays;
    QString price;
    QString resultsPage;
    QString resultsFile;
    ImportSettings importProfile;
    QString baseFile;
    QString source;
    int line = 0; // where its section starts

    QString matrixText() const; // "5/69 + 1/26"
};

struct CatalogueProblem
{
    QString file;
    int line = 0;
    QString message; // "catalogue.txt, line 12: ..."
};

struct Catalogue
{
    QList<CatalogueGame> games;
    QList<CatalogueProblem> problems;
    QString error; // the file could not be read at all
};

namespace catalogue {

inline QString fileName()
{
    return QStringLiteral("catalogue.txt");
}

// The games of a catalogue text; fileName names it in the problems.
Catalogue parse(const QString &text, const QString &fileName, const MessageCatalog &messages);
// The program folder's catalogue, or the shipped one when the folder has none (a folder
// made by an older version).
Catalogue load(const ProgramFolder &folder, const MessageCatalog &messages);
// The game whose name or Russian name is `name` in any letter case; null when none is.
const CatalogueGame *find(const Catalogue &catalogue, const QString &name);

} // namespace catalogue
} // namespace kivora
