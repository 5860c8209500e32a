#include "UI/View/SceneObjectPainter.h"

#include "Model/Object.h"

#include <QtDebug>
#include <QtOpenGL>

#include <algorithm>
#include <exception>

namespace Ui {

void SceneObjectPainter::draw(const std::vector<std::shared_ptr<Model::Object>> &objects, const Flags &flags,
                              const Util::Vector4D &eye, bool named)
{
    for (const auto &object : objects) {
        if (named)
            glPushName(object->getObjectId());
        drawOne(*object, flags, eye);
        if (named)
            glPopName();
    }
}

double SceneObjectPainter::reachFrom(const std::vector<std::shared_ptr<Model::Object>> &objects,
                                     const Util::Vector3D &point)
{
    double reach = 0.0;
    for (const auto &object : objects) {
        if (const auto box = object->drawnBounds()) {
            const Util::Vector3D offset = object->isPreview() ? object->getPreviewOffset() : Util::Vector3D();
            reach = std::max(reach, box->shifted(offset).farthestDistanceFrom(point));
        }
    }
    return reach;
}

// An object that a Move or Copy is previewing is drawn displaced by its preview offset. A
// failing object is logged and skipped, so the rest of the scene still shows.
void SceneObjectPainter::drawOne(Model::Object &object, const Flags &flags, const Util::Vector4D &eye)
{
    try {
        if (!object.isPreview()) {
            object.draw(flags.solidsShown, flags.edgesShown, eye);
            return;
        }
        const Util::Vector3D offset = object.getPreviewOffset();
        glPushMatrix();
        glTranslated(offset.x, offset.y, offset.z);
        object.draw(flags.solidsShown, flags.edgesShown, eye);
        glPopMatrix();
    } catch (const std::exception &error) {
        qWarning() << "SceneObjectPainter::drawOne: object" << object.getObjectId()
                   << "failed to draw:" << error.what();
    }
}

} // namespace Ui
