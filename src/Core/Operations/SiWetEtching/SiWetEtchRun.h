#pragma once

#include "Util/MemoryBudget.h"

#include <cstdint>
#include <string>

namespace Model::Automaton {
class TotalVolume;
}

namespace Core {
class VolumeRecords;
}

namespace Core::Operations {

// How one wet etch run on a volume ended.
struct SiWetEtchResult {
    enum class Status {
        Etched,
        NoSilicon,       // nothing to etch; nothing changed
        LatticeTooLarge, // the lattice would not fit in memory; nothing changed
    };
    Status status = Status::Etched;
    bool latticeBuilt = false;
    uint64_t requiredBytes = 0; // of the lattice, when it was refused
    uint64_t budgetBytes = 0;
    uint64_t removedAtoms = 0;

    // The sentence telling a user why nothing was etched (empty after an etch).
    std::string explanation() const;
};

// A silicon wet etch of a volume as the menus and the batch runner both do it: a volume without
// silicon is left alone; the volume's lattice is rebuilt first when its lattice-outdated record
// is set or missing (or it has no lattice); then the engine runs, the volume's last process
// becomes `operationId` and its lattice is no longer outdated.
class SiWetEtchRun {
public:
    enum class Engine {
        Atomistic,  // AtomicStructureSimpleSiWetEtch
        Continuous, // ContinuosWetEtching
    };
    // The deepest etch the dialog and process lists accept, in lattice constants.
    static constexpr double kMaxDepth = 10000.0;

    // A finite depth in [0, kMaxDepth].
    static bool isValidDepth(double depth);
    static SiWetEtchResult run(Engine engine, Model::Automaton::TotalVolume &volume,
                               Core::VolumeRecords &records, double depth, uint32_t operationId,
                               uint64_t latticeBudget = Util::largeStructureBudget());
};

} // namespace Core::Operations
