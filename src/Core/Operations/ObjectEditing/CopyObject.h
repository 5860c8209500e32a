#pragma once

#include "Core/Operations/ObjectEditing/ObjectDisplacementOperation.h"

namespace Core::Operations {

// Places copies of the selected objects at a typed or clicked displacement; the sources stay.
// Undo removes the copies, redo adds them again.
class CopyObject : public ObjectDisplacementOperation {
public:
    explicit CopyObject(Core::Workspace &workspace);

    void cancel() override;
    void finish() override;
    int undo() override;
    void redo() override;

protected:
    std::shared_ptr<Model::Object> previewedFor(const std::shared_ptr<Model::Object> &selected) override;
};

} // namespace Core::Operations
