#pragma once

#include "Util/ParallelSlabs.h"

#include <cstdint>
#include <vector>

namespace Model::Automaton {
class SiLattice;
class TotalVolume;
struct Voxel;
} // namespace Model::Automaton

namespace Core::Operations {

// What the silicon wet etchings share: the volume split along x into one slab per pool thread;
// initialisation (every atom of a silicon cell present again, atoms of other materials fixed,
// atoms of empty cells removed, the cells' atom counts recounted, the surface atoms listed);
// then N = depth · 4 (rounded half up) steps, each deciding for every present surface atom
// whether it goes, from the lattice as it was when the step began, and then removing the
// chosen atoms: a cell whose last atom goes becomes empty. The neighbours of a removed atom
// join the surface list of the slab that holds them. Deciding from the step's start state
// makes the result independent of the slab count. The run holds the cell lock throughout.
class SiWetEtchEngine {
public:
    // Steps for an etch depth (in lattice constants: four (100) atomic layers each); 0 for a
    // negative or non-finite depth.
    static uint64_t stepCountFor(double depth);

    SiWetEtchEngine(Model::Automaton::TotalVolume &volume, double depth);
    virtual ~SiWetEtchEngine();
    SiWetEtchEngine(const SiWetEtchEngine &) = delete;
    SiWetEtchEngine &operator=(const SiWetEtchEngine &) = delete;

    // Etches the volume's lattice (nothing when the volume holds none).
    void run();

    uint64_t getStepCount() const { return stepCount; }
    uint64_t getStepsRun() const { return stepsRun; }
    uint64_t getRemovedAtoms() const { return removedAtoms; }

protected:
    // Whether the present surface atom goes in this step. Runs concurrently for atoms of
    // different slabs: it may read any atom's state and change only this atom's occupation.
    virtual bool removedInStep(uint32_t atom) = 0;
    // Whether a step that removes nothing ends the run (every later step would repeat it).
    virtual bool idleStepEndsRun() const = 0;

    Model::Automaton::SiLattice *lattice = nullptr;

private:
    struct Slab {
        Util::SlabRange layers;
        std::vector<uint32_t> surface;
        std::vector<uint32_t> next;
        std::vector<uint32_t> removal;
        std::vector<std::vector<uint32_t>> handOff; // per receiving slab
    };

    template <class Visit> void forEachAtomOf(const Slab &slab, const Visit &visit) const;
    uint32_t slabOfAtom(uint32_t atom) const;
    void initialise(Slab &slab);
    void listSurface(Slab &slab);
    void decide(Slab &slab);
    void removeDecided(Slab &slab, size_t index);

    Model::Automaton::TotalVolume &volume;
    Model::Automaton::Voxel *cells = nullptr;
    uint64_t stepCount;
    uint64_t stepsRun = 0;
    uint64_t removedAtoms = 0;
    uint32_t layersPerSlab = 1;
    std::vector<Slab> slabs;
};

} // namespace Core::Operations
