#pragma once

// The window's side of keeping a lottery up to date: "Обновить результаты" downloads the
// lottery's results file off the event loop (progress and Cancel in the wait window) and
// merges it into the base, and a load of a lottery whose game changed its rules says so
// once and offers a new lottery for the new matrix.

#include "ui/WindowParts.h"

#include <QObject>

#include <functional>

namespace kivora {

class ResultsUpdateCommands final : public QObject
{
    Q_OBJECT
public:
    // importFile offers the file import to a lottery without an address; showLottery
    // shows a lottery just added to the list.
    ResultsUpdateCommands(WindowParts parts, std::function<void()> importFile,
        std::function<void(const QString &lottery)> showLottery, QObject *parent);

    void updateResults();
    // After the current lottery was loaded.
    void tellRuleChange();

private:
    void showError(const QString &text);

    WindowParts m_parts;
    std::function<void()> m_importFile;
    std::function<void(const QString &)> m_showLottery;
};

} // namespace kivora
