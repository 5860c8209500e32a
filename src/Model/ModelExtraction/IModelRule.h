#pragma once

#include <memory>

namespace Model::ModelExtraction {

class BlockDecomposition;
class IStructure;

// Recognises one kind of structure in a block decomposition; null when there is none.
class IModelRule {
public:
    virtual ~IModelRule() = default;
    virtual std::shared_ptr<IStructure> apply(const BlockDecomposition &decomposition) = 0;
};

} // namespace Model::ModelExtraction
