#pragma once

#include "Core/Operations/GeometryExport/ExportFileOperation.h"
#include "UI/Observers/OperationObserver.h"

namespace Ui::Observers {

// The user-interface side of the geometry exports: asks for the file to write, offering the
// operation's file types. A name typed without one of their extensions gets the extension of
// the chosen type. The next dialog starts in the folder of the last export.
class ExportFileObserver : public OperationObserver<Core::Operations::ExportFileOperation> {
public:
    using OperationObserver::OperationObserver;

protected:
    void answer(Core::Operations::ExportFileOperation &operation) override;
};

} // namespace Ui::Observers
