#pragma once

#include "Util/Vector3D.h"
#include "Util/Vector4D.h"

#include <memory>
#include <vector>

namespace Model {
class Object;
}

namespace Ui {

// Draws the scene's objects with the view's flags; needs the context current and the camera's
// model-view matrix loaded.
class SceneObjectPainter {
public:
    struct Flags {
        bool solidsShown = true;
        bool edgesShown = false;
    };

    // With `named`, every object is drawn with its object id pushed as its selection name.
    static void draw(const std::vector<std::shared_ptr<Model::Object>> &objects, const Flags &flags,
                     const Util::Vector4D &eye, bool named);
    // How far from `point` anything the objects draw can reach, previews where they are drawn;
    // objects that cannot tell their extent count as reaching nothing.
    static double reachFrom(const std::vector<std::shared_ptr<Model::Object>> &objects,
                            const Util::Vector3D &point);

private:
    static void drawOne(Model::Object &object, const Flags &flags, const Util::Vector4D &eye);
};

} // namespace Ui
