#pragma once

#include "Util/Box3D.h"
#include "Util/Vector3D.h"

#include <cstdint>
#include <memory>
#include <optional>

namespace Model {

// Base of every scene object. Each construction takes the next object id.
class Object {
public:
    Object();
    virtual ~Object() = default;
    Object(const Object &) = delete;
    Object &operator=(const Object &) = delete;

    // Object type numbers stored in documents: 1 cell volume, 2 extracted model.
    virtual uint32_t getType() const = 0;
    // Draws the object; `eye` is the eye position in world coordinates (w = 1).
    virtual void draw(bool solidsShown, bool edgesShown, const Util::Vector4D &eye) = 0;
    // Rebuilds whatever is derived from the object for drawing.
    virtual void refreshDrawingData() = 0;
    virtual std::shared_ptr<Object> clone() const = 0;
    virtual void translate(const Util::Vector3D &displacement) = 0;
    // A box holding everything the object draws, in world coordinates and without a preview
    // offset; none when the object cannot tell.
    virtual std::optional<Util::Box3D> drawnBounds() const { return std::nullopt; }

    uint32_t getObjectId() const { return objectId; }
    void setSelected(bool value) { selected = value; }
    bool isSelected() const { return selected; }

    // While a Move or Copy runs, the object is drawn displaced by the preview offset.
    void setPreview(bool value) { preview = value; }
    bool isPreview() const { return preview; }
    void setPreviewOffset(const Util::Vector3D &offset) { previewOffset = offset; }
    Util::Vector3D getPreviewOffset() const { return previewOffset; }

private:
    const uint32_t objectId;
    bool preview = false;
    Util::Vector3D previewOffset;
    bool selected = false;
};

} // namespace Model
