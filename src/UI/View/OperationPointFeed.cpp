#include "UI/View/OperationPointFeed.h"

#include "Core/Operations/Operation.h"
#include "Core/Workspace/Workspace.h"

#include <QtDebug>

namespace Ui {
namespace {
// The registered pointers are only valid while their operation is the current one.
bool registeredByCurrent(const Core::PickState::Feedback &feedback,
                         const Core::Operations::Operation *current)
{
    return current && current == feedback.operation && feedback.destination;
}

bool accepts(const Core::PickState::Feedback &feedback, bool final)
{
    return final || (feedback.origin && feedback.trackingMode && *feedback.trackingMode != 0);
}
} // namespace

bool OperationPointFeed::wants(Core::Workspace &workspace, bool final)
{
    const Core::PickState::Feedback feedback = workspace.getPickState().getFeedback();
    return registeredByCurrent(feedback, workspace.currentOperation().get()) && accepts(feedback, final);
}

bool OperationPointFeed::deliver(Core::Workspace &workspace, const Util::Vector3D &point, bool final)
{
    const Core::PickState::Feedback feedback = workspace.getPickState().getFeedback();
    const std::shared_ptr<Core::Operations::Operation> operation = workspace.currentOperation();
    if (!registeredByCurrent(feedback, operation.get()) || !accepts(feedback, final))
        return false;
    *feedback.destination = point;
    if (final && feedback.trackingMode)
        *feedback.trackingMode = 0;
    try {
        operation->execute();
    } catch (const std::exception &error) {
        qWarning() << "OperationPointFeed::deliver: the operation failed:" << error.what();
    }
    return true;
}

} // namespace Ui
