#include "Model/Automaton/TotalVolumePainter.h"

#include "Model/Automaton/CubicFaceBuilder.h"
#include "Model/Automaton/FaceHighlight.h"
#include "Model/Automaton/TotalVolume.h"

#include <GL/gl.h>
#include <QMutexLocker>
#include <QtGlobal>

#include <algorithm>

namespace Model::Automaton {
namespace {

const float kWhite[4] = {1.0f, 1.0f, 1.0f, 1.0f};
const float kMaskColor[4] = {0.2f, 0.8f, 0.2f, 0.3f};

std::array<ClipPlane, 6> clipPlanesOf(const CutBox &box)
{
    std::array<ClipPlane, 6> planes;
    for (int axis = 0; axis < 3; ++axis) {
        ClipPlane &low = planes[size_t(axis * 2)];
        ClipPlane &high = planes[size_t(axis * 2 + 1)];
        low.normal[size_t(axis)] = -1.0;
        low.offset = double(box.lower[size_t(axis)]);
        high.normal[size_t(axis)] = 1.0;
        high.offset = -double(box.upper[size_t(axis)]);
    }
    return planes;
}

} // namespace

TotalVolumePainter::TotalVolumePainter(TotalVolume &volume)
    : volume(volume), highlighted(false), sx(volume.getCellSizeX()), sy(volume.getCellSizeY()),
      sz(volume.getCellSizeZ()), marchingCubes(volume), octree(volume), sizeY(volume.getSizeY()),
      sizeZ(volume.getSizeZ())
{
    cutBox.upper = {volume.getSizeX(), volume.getSizeY(), volume.getSizeZ()};
    clipPlanes = clipPlanesOf(cutBox);
}

TotalVolumePainter::~TotalVolumePainter() = default;

// ---- Generation ----

void TotalVolumePainter::update()
{
    generateSafely(&TotalVolumePainter::rebuildAll);
}

void TotalVolumePainter::generateSafely(void (TotalVolumePainter::*generation)())
{
    try {
        (this->*generation)();
    } catch (...) {
        // Out of memory on a pathological volume: show nothing rather than half a surface.
        qWarning("TotalVolumePainter: the surface could not be generated");
        clearAll();
    }
    invalidateArrays();
}

void TotalVolumePainter::rebuildAll()
{
    buildDirectCubicFaces();
    if (surfaceAlgorithm == MarchingCubes)
        marchingCubes.build(getCutBox());
    else
        marchingCubes.clear();
    if (surfaceAlgorithm == Octree)
        octree.build(getCutBox());
    else
        octree.clear();
    if (surfaceAlgorithm == ParticleCountField)
        buildParticleCountFaces();
    else
        fieldPainter.clear();
    if (renderEmptyVoxelOutlines)
        buildEmptyCellOutlines();
    else
        std::vector<Geometry::QuadFace>().swap(outlineFaces);
    latticePainter.refresh(volume, getClipPlanes());
}

void TotalVolumePainter::clearAll()
{
    std::vector<Geometry::QuadFace>().swap(opaqueFaces);
    std::vector<Geometry::QuadFace>().swap(outlineFaces);
    bspTree.reset();
    marchingCubes.clear();
    octree.clear();
    fieldPainter.clear();
    latticePainter.clear();
}

void TotalVolumePainter::setSurfaceAlgorithm(uint32_t algorithm)
{
    if (algorithm == surfaceAlgorithm || algorithm >= kAlgorithmCount)
        return;
    surfaceAlgorithm = algorithm;
    generateSafely(&TotalVolumePainter::buildDirectCubicFaces);
}

VisualizationOptions TotalVolumePainter::getVisualizationOptions() const
{
    return {getAtomisticFlags(), renderEmptyVoxelOutlines, surfaceAlgorithm, getParticleDistribution(),
            getColorScale()};
}

void TotalVolumePainter::setVisualizationOptions(const VisualizationOptions &options)
{
    setAtomisticFlags(options.atoms);
    setRenderEmptyVoxelOutlines(options.emptyVoxelOutlines);
    setSurfaceAlgorithm(options.surfaceAlgorithm);
    setParticleDistribution(options.particleDistribution);
    setColorScale(options.colorScale);
}

void TotalVolumePainter::setCutLimits(uint32_t lowerX, uint32_t lowerY, uint32_t lowerZ, uint32_t upperX,
                                      uint32_t upperY, uint32_t upperZ)
{
    CutBox box;
    box.lower = {lowerX, lowerY, lowerZ};
    box.upper = {upperX, upperY, upperZ};
    box = box.clampedTo(volume.getSizeX(), volume.getSizeY(), volume.getSizeZ());
    QMutexLocker lock(&cutBoxMutex);
    cutBox = box;
    QMutexLocker planesLock(&clipPlanesMutex);
    clipPlanes = clipPlanesOf(box);
}

CutBox TotalVolumePainter::getCutBox() const
{
    QMutexLocker lock(&cutBoxMutex);
    return cutBox;
}

std::array<ClipPlane, 6> TotalVolumePainter::getClipPlanes() const
{
    QMutexLocker lock(&clipPlanesMutex);
    return clipPlanes;
}

const std::vector<Geometry::QuadFace> &TotalVolumePainter::getTransparentFaces() const
{
    static const std::vector<Geometry::QuadFace> none;
    return bspTree ? bspTree->faces() : none;
}

void TotalVolumePainter::buildDirectCubicFaces()
{
    colorMap = MaterialColorMap::fromCatalogue();
    const CutBox box = getCutBox();
    const MaterialColorSource source(colorMap);
    CellsLocker cells(volume);
    std::vector<Geometry::QuadFace> transparent;
    // The new opaque faces overwrite the old ones in place: no fresh memory to touch.
    CubicFaceBuilder<MaterialColorSource>(cells.get(), CellGrid::of(volume), box, source)
        .buildInto(opaqueFaces, transparent);
    bspTree = std::make_shared<Geometry::BSPTree>(std::move(transparent));
}

void TotalVolumePainter::buildEmptyCellOutlines()
{
    const CutBox box = getCutBox();
    CellsLocker cells(volume);
    outlineFaces = Automaton::buildEmptyCellOutlines(cells.get(), CellGrid::of(volume), box);
}

void TotalVolumePainter::buildParticleCountFaces()
{
    const SharedParticleCountField n =
        volume.getParticleCounts(QStringLiteral("Random Walk Particle Count Type N"));
    const SharedParticleCountField p =
        volume.getParticleCounts(QStringLiteral("Random Walk Particle Count Type P"));
    const CutBox box = getCutBox();
    CellsLocker cells(volume);
    fieldPainter.build(cells.get(), CellGrid::of(volume), box, n, p, colorMap);
}

// Fresh lists carry the plain colours; the next draw highlights them again if selected.
void TotalVolumePainter::invalidateArrays()
{
    highlighted = false;
    opaqueArrays.invalidate();
    transparentArrays.invalidate();
    outlineArrays.invalidate();
    alternativeOpaqueArrays.invalidate();
    alternativeTransparentArrays.invalidate();
}

// ---- Selection colours ----

void TotalVolumePainter::refreshSelectionColors()
{
    const bool selected = volume.isSelected();
    if (selected == highlighted)
        return;
    if (selected)
        highlightCurrentFaces();
    else
        resetCurrentFaceColors();
    invalidateArrays();
    highlighted = selected;
}

void TotalVolumePainter::highlightCurrentFaces()
{
    switch (surfaceAlgorithm) {
    case DirectCubic:
        highlightFaces(opaqueFaces);
        if (bspTree)
            highlightFaces(bspTree->facesForRecolouring());
        break;
    case Octree:
        highlightFaces(octree.opaqueFacesForRecolouring());
        highlightFaces(octree.transparentFacesForRecolouring());
        break;
    case ParticleCountField:
        highlightFaces(fieldPainter.opaqueFacesForRecolouring());
        highlightFaces(fieldPainter.transparentFacesForRecolouring());
        break;
    default: break;
    }
}

void TotalVolumePainter::resetCurrentFaceColors()
{
    switch (surfaceAlgorithm) {
    case DirectCubic:
        resetFaceColors(opaqueFaces, colorMap);
        if (bspTree)
            resetFaceColors(bspTree->facesForRecolouring(), colorMap);
        break;
    case Octree: {
        const MaterialColorMap catalogue = MaterialColorMap::fromCatalogue();
        resetFaceColors(octree.opaqueFacesForRecolouring(), catalogue);
        resetFaceColors(octree.transparentFacesForRecolouring(), catalogue);
        break;
    }
    case ParticleCountField: fieldPainter.restoreBuiltColors(); break;
    default: break;
    }
}

// ---- Drawing ----

void TotalVolumePainter::draw(bool solidsShown, bool edgesShown, const Util::Vector4D &eye)
{
    if (hidden)
        return;
    refreshSelectionColors();
    const Util::Vector3D position = volume.getPosition();
    glPushMatrix();
    glTranslated(position.x, position.y, position.z);
    if (!solidsShown) {
        glPopMatrix();
        return;
    }
    drawOpaquePass(edgesShown);
    glPushAttrib(GL_ALL_ATTRIB_BITS);
    glEnable(GL_BLEND);
    glDepthMask(GL_FALSE);
    // The faces are in the volume's own coordinates; so is the eye for the depth order.
    drawTransparentPass(Util::Vector4D(eye.x - position.x, eye.y - position.y, eye.z - position.z, eye.w));
    drawMaskOverlays();
    glPopAttrib();
    glPopMatrix();
}

void TotalVolumePainter::drawOpaquePass(bool edgesShown)
{
    switch (surfaceAlgorithm) {
    case DirectCubic:
        latticePainter.drawOpaque();
        opaqueArrays.drawFaces(opaqueFaces);
        if (edgesShown)
            drawEdgePass(opaqueArrays, opaqueFaces, transparentArrays, getTransparentFaces());
        break;
    case MarchingCubes: marchingCubes.draw(); break;
    case Octree:
        alternativeOpaqueArrays.drawFaces(octree.opaqueFaces());
        if (edgesShown)
            drawEdgePass(alternativeOpaqueArrays, octree.opaqueFaces(), alternativeTransparentArrays,
                         octree.transparentFaces());
        break;
    case ParticleCountField:
        alternativeOpaqueArrays.drawFaces(fieldPainter.opaqueFaces());
        if (edgesShown)
            drawEdgePass(alternativeOpaqueArrays, fieldPainter.opaqueFaces(), alternativeTransparentArrays,
                         fieldPainter.transparentFaces());
        break;
    default: break;
    }
}

void TotalVolumePainter::drawEdgePass(FaceVertexArrays &opaqueEdgeArrays,
                                      const std::vector<Geometry::QuadFace> &opaque,
                                      FaceVertexArrays &transparentEdgeArrays,
                                      const std::vector<Geometry::QuadFace> &transparent)
{
    glPushAttrib(GL_ALL_ATTRIB_BITS);
    glDisable(GL_LIGHTING);
    glEnable(GL_POLYGON_OFFSET_LINE);
    glPolygonOffset(-1.0f, -1.0f);
    glPolygonMode(GL_FRONT_AND_BACK, GL_LINE);
    glLineWidth(1.0f);
    opaqueEdgeArrays.drawEdges(opaque);
    transparentEdgeArrays.drawEdges(transparent);
    if (renderEmptyVoxelOutlines)
        outlineArrays.drawEdges(outlineFaces);
    glPopAttrib();
}

void TotalVolumePainter::drawTransparentPass(const Util::Vector4D &localEye)
{
    latticePainter.drawTransparent();
    switch (surfaceAlgorithm) {
    case DirectCubic:
        if (bspTree && !bspTree->faces().empty()) {
            // Each face's colour becomes its front ambient and diffuse material (through colour
            // tracking, one colour per vertex), with a white specular.
            glColorMaterial(GL_FRONT, GL_AMBIENT_AND_DIFFUSE);
            glEnable(GL_COLOR_MATERIAL);
            glMaterialfv(GL_FRONT, GL_SPECULAR, kWhite);
            transparentArrays.drawFacesInOrder(bspTree->faces(), bspTree->backToFrontOrder(localEye));
        }
        break;
    case Octree: alternativeTransparentArrays.drawFaces(octree.transparentFaces()); break;
    case ParticleCountField: alternativeTransparentArrays.drawFaces(fieldPainter.transparentFaces()); break;
    default: break;
    }
}

void TotalVolumePainter::drawMaskOverlays()
{
    uint32_t width = 0;
    uint32_t height = 0;
    const uint32_t sizeX = volume.getSizeX();
    const auto drawMask = [&](const QBitArray &bits, float z) {
        const uint32_t columns = std::min(width, sizeX);
        const uint32_t rows = std::min(height, sizeY);
        glBegin(GL_QUADS);
        for (uint32_t i = 0; i < columns; ++i) {
            for (uint32_t j = 0; j < rows; ++j) {
                const uint64_t bit = uint64_t(i) * height + j;
                if (bit >= uint64_t(bits.size()) || !bits.testBit(int(bit)))
                    continue;
                glVertex3f(float(i) * sx, float(j) * sy, z);
                glVertex3f(float(i + 1) * sx, float(j) * sy, z);
                glVertex3f(float(i + 1) * sx, float(j + 1) * sy, z);
                glVertex3f(float(i) * sx, float(j + 1) * sy, z);
            }
        }
        glEnd();
    };
    glDisable(GL_CULL_FACE);
    glColor4fv(kMaskColor);
    volume.getTopMaskSize(width, height);
    drawMask(volume.getTopMask(), (float(sizeZ) + TotalVolume::kMaskDistance) * sz);
    volume.getBottomMaskSize(width, height);
    drawMask(volume.getBottomMask(), -TotalVolume::kMaskDistance * sz);
    glEnable(GL_CULL_FACE);
}

} // namespace Model::Automaton
