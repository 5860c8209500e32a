#include "Model/Export/DrawnSurface.h"

#include "Model/Automaton/TotalVolume.h"
#include "Model/Automaton/TotalVolumePainter.h"

#include <QMutexLocker>

namespace Model::Export {

using Automaton::TotalVolumePainter;

SurfaceMesh drawnSurfaceMesh(Automaton::TotalVolume &volume, SurfaceMeshBuilder::Points points)
{
    const uint32_t sizes[3] = {volume.getSizeX(), volume.getSizeY(), volume.getSizeZ()};
    const Geometry::Point3 cellSize{volume.getCellSizeX(), volume.getCellSizeY(), volume.getCellSizeZ()};
    SurfaceMeshBuilder builder(sizes, cellSize, volume.getPosition());
    const TotalVolumePainter &painter = volume.getPainter();
    switch (painter.getSurfaceAlgorithm()) {
    case TotalVolumePainter::MarchingCubes: {
        const Automaton::MarchingCubeSurface &surface = painter.getMarchingCubeSurface();
        QMutexLocker lock(&surface.mutex());
        builder.addTriangles(surface.triangles());
        break;
    }
    case TotalVolumePainter::ParticleCountField:
        builder.addFaces(painter.getFieldPainter().opaqueFaces());
        builder.addFaces(painter.getFieldPainter().transparentFaces());
        break;
    default:
        builder.addFaces(painter.getOpaqueFaces());
        builder.addFaces(painter.getTransparentFaces());
        break;
    }
    return builder.build(points);
}

} // namespace Model::Export
