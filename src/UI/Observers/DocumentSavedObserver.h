#pragma once

#include "Core/Operations/Documents/SaveDocumentOperation.h"
#include "UI/Observers/OperationObserver.h"

namespace Ui::Observers {

// The user-interface side of Save and Save As: asks for the file name, names the window after
// the saved document, or says that the document could not be written.
class DocumentSavedObserver : public OperationObserver<Core::Operations::SaveDocumentOperation> {
public:
    using OperationObserver::OperationObserver;

protected:
    void answer(Core::Operations::SaveDocumentOperation &operation) override;
};

} // namespace Ui::Observers
