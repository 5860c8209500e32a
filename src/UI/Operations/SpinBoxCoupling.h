#pragma once

#include <QAbstractSpinBox>
#include <QObject>

#include <utility>

namespace Ui::Operations {

// Couples a spin box to a slot that sets the limits of other boxes from its value (a total size
// bounding a block inside it, a maximum bounding a minimum). The value is passed on only once
// the user has finished typing it (Enter, leaving the box, an arrow step) or when it is set by
// code, so the partial numbers typed on the way — 1 and 12 on the way to 120 — never clamp the
// boxes that depend on it. Works for QSpinBox and QDoubleSpinBox.
template <class SpinBox, class Receiver, class Slot>
QMetaObject::Connection coupleSpinBox(SpinBox *source, Receiver *receiver, Slot slot)
{
    using Value = decltype(std::declval<SpinBox>().value());
    source->setKeyboardTracking(false);
    return QObject::connect(source, QOverload<Value>::of(&SpinBox::valueChanged), receiver, slot);
}

} // namespace Ui::Operations
