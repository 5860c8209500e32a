#pragma once

#include <cstdint>
#include <memory>

namespace Core::Operations {

class Operation;

// Builds operations by catalogue id; an id outside the catalogue yields an empty pointer.
class IOperationFactory {
public:
    virtual ~IOperationFactory() = default;
    virtual std::shared_ptr<Operation> create(uint32_t id) = 0;
};

} // namespace Core::Operations
