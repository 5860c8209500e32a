#include "Core/Operations/SiWetEtching/SiWetEtchRun.h"

#include "Core/Operations/SiWetEtching/AtomicStructureSimpleSiWetEtch.h"
#include "Core/Operations/SiWetEtching/ContinuosWetEtching.h"
#include "Core/Workspace/VolumeRecords.h"
#include "Model/Automaton/SiLattice.h"
#include "Model/Automaton/TotalVolume.h"

#include <QString>

#include <cmath>
#include <memory>

namespace Core::Operations {
namespace {

bool holdsSilicon(Model::Automaton::TotalVolume &volume)
{
    Model::Automaton::CellsLocker cells(volume);
    for (uint64_t i = 0; i < volume.getCellCount(); ++i)
        if (cells.get()[i].materialId == Model::Automaton::SiLattice::kSilicon)
            return true;
    return false;
}

std::unique_ptr<SiWetEtchEngine> makeEngine(SiWetEtchRun::Engine engine,
                                            Model::Automaton::TotalVolume &volume, double depth)
{
    if (engine == SiWetEtchRun::Engine::Continuous)
        return std::make_unique<ContinuosWetEtching>(volume, depth);
    return std::make_unique<AtomicStructureSimpleSiWetEtch>(volume, depth);
}

double mebibytes(uint64_t bytes)
{
    return double(bytes) / (1024.0 * 1024.0);
}

} // namespace

std::string SiWetEtchResult::explanation() const
{
    switch (status) {
    case Status::Etched: return std::string();
    case Status::NoSilicon: return "The cell volume holds no silicon; nothing was etched.";
    case Status::LatticeTooLarge:
        return QStringLiteral("The cell volume is too large for a silicon lattice in memory (it would need "
                              "%1 MiB, %2 MiB are available); nothing was etched.")
            .arg(mebibytes(requiredBytes), 0, 'f', 0)
            .arg(mebibytes(budgetBytes), 0, 'f', 0)
            .toStdString();
    }
    return std::string();
}

bool SiWetEtchRun::isValidDepth(double depth)
{
    return std::isfinite(depth) && depth >= 0.0 && depth <= kMaxDepth;
}

SiWetEtchResult SiWetEtchRun::run(Engine engine, Model::Automaton::TotalVolume &volume,
                                  Core::VolumeRecords &records, double depth, uint32_t operationId,
                                  uint64_t latticeBudget)
{
    SiWetEtchResult result;
    if (!holdsSilicon(volume)) {
        result.status = SiWetEtchResult::Status::NoSilicon;
        return result;
    }
    const uint32_t id = volume.getObjectId();
    if (records.isLatticeOutdated(id) || !volume.getSiLattice()) {
        const Model::Automaton::SiLatticeBuild build = volume.createSiLattice(latticeBudget);
        result.latticeBuilt = true;
        if (build.refused()) {
            result.status = SiWetEtchResult::Status::LatticeTooLarge;
            result.requiredBytes = build.requiredBytes;
            result.budgetBytes = build.budgetBytes;
            return result;
        }
    }
    const auto etch = makeEngine(engine, volume, depth);
    etch->run();
    result.removedAtoms = etch->getRemovedAtoms();
    records.recordProcess(id, operationId, false);
    records.setLatticeOutdated(id, false);
    return result;
}

} // namespace Core::Operations
