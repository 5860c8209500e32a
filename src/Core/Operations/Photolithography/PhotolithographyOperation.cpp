#include "Core/Operations/Photolithography/PhotolithographyOperation.h"

#include "Core/Operations/Photolithography/Photolithography.h"
#include "Core/Workspace/Workspace.h"
#include "Model/Automaton/TotalVolume.h"

namespace Core::Operations {

PhotolithographyOperation::PhotolithographyOperation(Core::Workspace &workspace)
    : WithMaterial(workspace, "Photolithography", kOperationId)
{
}

void PhotolithographyOperation::setTopMask(const Model::Automaton::ImageMask &mask)
{
    topMask = mask;
    showMasks(topMask, bottomMask);
}

void PhotolithographyOperation::setBottomMask(const Model::Automaton::ImageMask &mask)
{
    bottomMask = mask;
    showMasks(topMask, bottomMask);
}

void PhotolithographyOperation::runEngine(Model::Automaton::TotalVolume &volume)
{
    Photolithography engine(volume, getMaterial(), bottomMask, topMask);
    showMasks({}, {}); // the masks are used up
    engine.run();
}

void PhotolithographyOperation::showMasks(const Model::Automaton::ImageMask &top,
                                          const Model::Automaton::ImageMask &bottom)
{
    if (const auto volume = getVolume()) {
        volume->setTopMask(top);
        volume->setBottomMask(bottom);
        workspace.requestRedraw();
    }
}

} // namespace Core::Operations
