#pragma once

#include <QMetaType>

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

namespace Model::Automaton {

// Seven per-cell particle counters of random-walk doping; a cell's count is their sum.
struct ParticleCounts {
    std::array<uint32_t, 7> counts{};
    uint64_t total() const
    {
        uint64_t sum = 0;
        for (uint32_t c : counts)
            sum += c;
        return sum;
    }
    bool operator==(const ParticleCounts &other) const { return counts == other.counts; }
};

// One entry per cell in cell-array order. A volume's named data field holds the field through a
// shared pointer: the volume's property map keeps one reference, every reader (painter,
// exporter) takes its own, and the array is freed exactly once, with the last reference.
using ParticleCountField = std::vector<ParticleCounts>;
using SharedParticleCountField = std::shared_ptr<const ParticleCountField>;

} // namespace Model::Automaton

Q_DECLARE_METATYPE(Model::Automaton::SharedParticleCountField)
