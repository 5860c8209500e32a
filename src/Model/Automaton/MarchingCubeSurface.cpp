#include "Model/Automaton/MarchingCubeSurface.h"

#include "Model/Automaton/MarchingCubeBuilder.h"
#include "Model/Automaton/TotalVolume.h"

#include <QMutexLocker>

namespace Model::Automaton {

MarchingCubeSurface::MarchingCubeSurface(TotalVolume &volume)
    : volume(volume), sizeX(volume.getSizeX()), sizeY(volume.getSizeY()), sizeZ(volume.getSizeZ())
{
}

void MarchingCubeSurface::build(const CutBox &box)
{
    QMutexLocker lock(&surfaceMutex);
    colorMap = MaterialColorMap::fromCatalogue();
    CellsLocker cells(volume);
    // The new triangles overwrite the old ones in place: no fresh memory to touch.
    MarchingCubeBuilder(cells.get(), CellGrid::of(volume), box.clampedTo(sizeX, sizeY, sizeZ))
        .buildInto(triangleList);
    arrays.invalidate();
}

void MarchingCubeSurface::clear()
{
    QMutexLocker lock(&surfaceMutex);
    std::vector<Triangle>().swap(triangleList);
    arrays.invalidate();
}

std::vector<Triangle> MarchingCubeSurface::generate(const Voxel *cells, const CellGrid &grid,
                                                    const CutBox &box)
{
    std::vector<Triangle> triangles;
    MarchingCubeBuilder(cells, grid, box).buildInto(triangles);
    return triangles;
}

void MarchingCubeSurface::draw()
{
    QMutexLocker lock(&surfaceMutex);
    arrays.draw(triangleList, colorMap);
}

} // namespace Model::Automaton
