#pragma once

#include "Model/Object.h"

#include <list>
#include <memory>

namespace Model {

// A layer of the scene: an ordered list of scene objects.
using Layer = std::list<std::shared_ptr<Object>>;

} // namespace Model
