#include "Model/Object.h"

#include <atomic>

namespace Model {
namespace {
std::atomic<uint32_t> nextObjectId{0};
}

Object::Object() : objectId(nextObjectId.fetch_add(1)) {}

} // namespace Model
