#pragma once

#include <cstdint>
#include <memory>
#include <vector>

namespace Model::Automaton {
class TotalVolume;
}

namespace Core::Operations {

// Copies one connected piece of a material out of a cell volume: the piece that holds the
// first cell of that material in array order, grown over face neighbours only. The result has
// the source's sizes, with the film moved down so that its lowest layer lies at z = 0;
// inverted, the film is turned over about the x axis first.
class FilmExtraction {
public:
    FilmExtraction(uint32_t materialId, bool invert) : materialId(materialId), invert(invert) {}

    // The material ids of the result in array order, or empty when the material does not occur.
    std::vector<uint32_t> extract(Model::Automaton::TotalVolume &source) const;

    // A new volume holding the extracted film, beside the source with a gap of ten cells; null
    // when the material does not occur.
    std::shared_ptr<Model::Automaton::TotalVolume> run(Model::Automaton::TotalVolume &source) const;

private:
    uint32_t materialId;
    bool invert;
};

} // namespace Core::Operations
