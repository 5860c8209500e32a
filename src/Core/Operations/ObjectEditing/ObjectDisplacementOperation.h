#pragma once

#include "Core/Operations/Operation.h"
#include "Model/Object.h"
#include "Util/Vector3D.h"

#include <memory>
#include <vector>

namespace Core::Operations {

// The step machine Move and Copy share: take the selected objects (waiting for a selection and
// Enter when there is none), then take the displacement either typed into the console as
// "x, y, z" or from two clicks in the view: the first click gives the origin, the objects'
// preview follows the mouse from there, and the second click drops them. The objects are drawn
// at their preview offset meanwhile.
class ObjectDisplacementOperation : public ObjectOperation {
public:
    enum Step : uint32_t { WaitingForSelection = 0, WaitingForOrigin = 1, Tracking = 2, Ready = 3 };
    static constexpr uint32_t kTracking = 3;

    void execute() override;

    uint32_t getStep() const { return step; }
    Util::Vector3D getDisplacement() const { return displacement; }
    const std::vector<std::shared_ptr<Model::Object>> &getObjects() const { return objects; }

protected:
    // `prefix` begins every console line ("Move", "Copy"); `selectPrompt` asks for a selection.
    ObjectDisplacementOperation(Core::Workspace &workspace, std::string name, uint32_t id, std::string prefix,
                                std::string selectPrompt);

    // The object that is moved and previewed for one selected object: itself, or a copy.
    virtual std::shared_ptr<Model::Object> previewedFor(const std::shared_ptr<Model::Object> &selected) = 0;

    void post(const std::string &sentence);
    void setPreview(bool on);
    // Ends the interaction: the pick state and the console request are given up.
    void releaseInput();
    bool isCurrent() const;

    std::vector<std::shared_ptr<Model::Object>> objects;
    uint32_t step = WaitingForSelection;
    Util::Vector3D displacement;

private:
    void takeSelection();
    void startTracking();
    void track();
    void registerTracking();

    std::string prefix;
    std::string selectPrompt;
    bool delivered = false;
    Util::Vector3D origin;
    Util::Vector3D destination;
    Util::Vector3D anchor; // the origin, as the view reads it while tracking
    uint32_t trackingMode = 0;
};

} // namespace Core::Operations
