#include "Core/Operations/AnisotropicFilmDeposition/SimplePhysicalVaporDeposition.h"

namespace Core::Operations {

QString depositSideText(DepositSide side)
{
    switch (side) {
    case DepositSide::Top: return QStringLiteral("On Top");
    case DepositSide::Bottom: return QStringLiteral("On Bottom");
    case DepositSide::Both: return QStringLiteral("On Top and Bottom");
    }
    return QString();
}

SimplePhysicalVaporDeposition::SimplePhysicalVaporDeposition(Model::Automaton::TotalVolume &volume,
                                                             uint32_t materialId, float thickness,
                                                             float ratio, DepositSide side)
    : FilmDepositionEngine(volume, materialId, thickness), side(side)
{
    applyHorizontalRatio(ratio);
}

SimplePhysicalVaporDeposition::~SimplePhysicalVaporDeposition() = default;

} // namespace Core::Operations
