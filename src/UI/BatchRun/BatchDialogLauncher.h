#pragma once

#include <QString>

#include <memory>

namespace Model::Automaton {
class TotalVolume;
}

namespace Ui {

class MainWindow;
class MainWindowPresenter;

// Opens the batch dialog of a main window on a cell volume (or none), optionally with a
// process list loaded, runs it modally and refreshes every volume's drawing afterwards.
class BatchDialogLauncher {
public:
    static void run(MainWindowPresenter &presenter, std::shared_ptr<Model::Automaton::TotalVolume> volume,
                    const QString &listPath = QString());
};

} // namespace Ui
