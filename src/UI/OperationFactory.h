#pragma once

#include "Core/Operations/IOperationFactory.h"

namespace Ui {

class MainWindowPresenter;

// Builds each catalogue operation together with the observer that shows its options dialog.
class OperationFactory : public Core::Operations::IOperationFactory {
public:
    explicit OperationFactory(MainWindowPresenter *presenter) : presenter(presenter) {}
    std::shared_ptr<Core::Operations::Operation> create(uint32_t id) override;

private:
    MainWindowPresenter *presenter;
};

} // namespace Ui
