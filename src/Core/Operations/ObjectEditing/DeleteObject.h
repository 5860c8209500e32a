#pragma once

#include "Core/Operations/Operation.h"
#include "Model/Object.h"

#include <memory>
#include <vector>

namespace Core::Operations {

// Removes the selected objects from the scene (waiting for a selection and Enter when there is
// none). Undo puts them back into the current layer; the operation keeps them alive meanwhile.
class DeleteObject : public ObjectOperation {
public:
    explicit DeleteObject(Core::Workspace &workspace);

    void execute() override;
    void cancel() override;
    void finish() override;
    int undo() override;
    void redo() override;

    const std::vector<std::shared_ptr<Model::Object>> &getObjects() const { return objects; }

private:
    void post(const char *sentence);
    void removeAll();

    bool chosen = false;
    std::vector<std::shared_ptr<Model::Object>> objects;
};

} // namespace Core::Operations
