#pragma once

#include "Core/Operations/Documents/OpenDocumentOperation.h"
#include "UI/Observers/OperationObserver.h"

namespace Ui::Observers {

// The user-interface side of Open: asks for the file, then reads it and shows its objects in a
// new main window named after the document. The issuing window stays as it was; a document that
// cannot be read opens no window and is reported in a message box.
class DocumentOpenedObserver : public OperationObserver<Core::Operations::OpenDocumentOperation> {
public:
    using OperationObserver::OperationObserver;

protected:
    void answer(Core::Operations::OpenDocumentOperation &operation) override;

private:
    void chooseFile(Core::Operations::OpenDocumentOperation &operation);
    void openDocument(Core::Operations::OpenDocumentOperation &operation);
};

} // namespace Ui::Observers
