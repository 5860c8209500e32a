#include "Model/Automaton/CellGrid.h"

#include "Model/Automaton/TotalVolume.h"

namespace Model::Automaton {

CellGrid CellGrid::of(const TotalVolume &volume)
{
    CellGrid grid;
    grid.sizeX = volume.getSizeX();
    grid.sizeY = volume.getSizeY();
    grid.sizeZ = volume.getSizeZ();
    grid.cellSize = {volume.getCellSizeX(), volume.getCellSizeY(), volume.getCellSizeZ()};
    return grid;
}

} // namespace Model::Automaton
