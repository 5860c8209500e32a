#pragma once

#include "Core/Operations/Documents/SaveDocumentOperation.h"

namespace Core::Operations {

// Save document, always asking for the file name first; nothing is written without one.
class SaveDocumentAsOperation : public SaveDocumentOperation {
public:
    explicit SaveDocumentAsOperation(Core::Workspace &workspace)
        : SaveDocumentOperation(workspace, "Save Document As", 10, true)
    {
    }
};

} // namespace Core::Operations
