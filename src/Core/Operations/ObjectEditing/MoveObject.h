#pragma once

#include "Core/Operations/ObjectEditing/ObjectDisplacementOperation.h"

namespace Core::Operations {

// Moves the selected objects by a typed or clicked displacement; undo moves them back.
class MoveObject : public ObjectDisplacementOperation {
public:
    explicit MoveObject(Core::Workspace &workspace);

    void cancel() override;
    void finish() override;
    int undo() override;
    void redo() override;

protected:
    std::shared_ptr<Model::Object> previewedFor(const std::shared_ptr<Model::Object> &selected) override;

private:
    void translateAll(const Util::Vector3D &by);
};

} // namespace Core::Operations
