#pragma once

#include "Util/IObserver.h"

#include <QPointer>
#include <QWidget>

#include <memory>

namespace Core::Operations {
class RunModelExtraction;
}

namespace Ui::Operations {
class ExtractModelDialog;
}

namespace Ui::Observers {

// Opens the modeless Extract Model dialog for its operation once a volume is chosen.
class RunModelExtractionObserver : public Util::IObserver {
public:
    RunModelExtractionObserver(QWidget *mainWindow,
                               std::weak_ptr<Core::Operations::RunModelExtraction> operation)
        : mainWindow(mainWindow), operation(std::move(operation))
    {
    }
    void notify() override;

private:
    QPointer<QWidget> mainWindow;
    std::weak_ptr<Core::Operations::RunModelExtraction> operation;
};

// Closes the Extract Model dialog when its operation is cancelled.
class DestroyModelExtractionDialogObserver : public Util::IObserver {
public:
    explicit DestroyModelExtractionDialogObserver(Operations::ExtractModelDialog *dialog);
    void notify() override;

private:
    QPointer<Operations::ExtractModelDialog> dialog;
};

} // namespace Ui::Observers
