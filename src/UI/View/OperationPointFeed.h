#pragma once

#include "Util/Vector3D.h"

namespace Core {
class Workspace;
}

namespace Ui {

// Hands points clicked in the view to the operation that asked for them. An editing operation
// (Move, Copy) registers, through the pick state, the point it wants filled and a tracking
// mode that the final click clears. Motion feeds a point only while a destination is tracked
// (an origin is registered too, and tracking is on); a click feeds the registered point and
// ends tracking.
class OperationPointFeed {
public:
    // Whether the current operation waits for a point from a click (`final`) or from motion.
    static bool wants(Core::Workspace &workspace, bool final);
    // Fills the registered point, clears tracking on a final click and runs the operation's
    // `execute`. False, with nothing changed, when no point was asked for.
    static bool deliver(Core::Workspace &workspace, const Util::Vector3D &point, bool final);
};

} // namespace Ui
