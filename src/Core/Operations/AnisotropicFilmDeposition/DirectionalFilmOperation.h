#pragma once

#include "Core/Operations/FilmProcessOperation.h"

namespace Core::Operations {

// A film process whose lateral growth or removal is a ratio of the vertical one (the horizontal
// to vertical ratio r). A new operation has r = 0.
class DirectionalFilmOperation : public FilmProcessOperation {
public:
    using FilmProcessOperation::FilmProcessOperation;

    void setRatio(float value) { ratio = value; }
    float getRatio() const { return ratio; }

private:
    float ratio = 0.0f;
};

} // namespace Core::Operations
