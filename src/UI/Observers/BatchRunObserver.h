#pragma once

#include "Util/IObserver.h"

namespace Ui {
class MainWindowPresenter;
}

namespace Ui::Observers {

// Opens the batch dialog on the volume the Batch Run operation chose (or none).
class BatchRunObserver : public Util::IObserver {
public:
    explicit BatchRunObserver(MainWindowPresenter &presenter) : presenter(presenter) {}
    void notify() override;

private:
    MainWindowPresenter &presenter;
};

} // namespace Ui::Observers
