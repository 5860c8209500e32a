#pragma once

#include "Core/Operations/ExportData/ExportDataOperation.h"
#include "UI/Observers/OperationObserver.h"

namespace Ui::Observers {

// Asks which data field of the chosen volume to export, and to which file.
class ExportDataObserver : public OperationObserver<Core::Operations::ExportDataOperation> {
public:
    using OperationObserver::OperationObserver;

protected:
    void answer(Core::Operations::ExportDataOperation &operation) override;
};

} // namespace Ui::Observers
