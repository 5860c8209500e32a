#pragma once

#include "Model/Automaton/CutBox.h"
#include "Model/Automaton/FaceVertexArrays.h"
#include "Model/Automaton/FieldPainter.h"
#include "Model/Automaton/MarchingCubeSurface.h"
#include "Model/Automaton/MaterialColorMap.h"
#include "Model/Automaton/OctreeSurface.h"
#include "Model/Automaton/SiLatticePainter.h"
#include "Model/Automaton/VisualizationOptions.h"
#include "Model/Geometry/BSPTree.h"
#include "Model/Geometry/QuadFace.h"
#include "Util/Vector4D.h"

#include <QMutex>

#include <array>
#include <memory>
#include <vector>

namespace Model::Automaton {

class TotalVolume;

// Generates a cell volume's drawable surface from its cells and draws it. Generation (update)
// runs when the cells, the cut box or an option change; drawing reads the last lists.
class TotalVolumePainter {
public:
    // The "Surface Generation Algorithm" choices, in dialog order.
    enum SurfaceAlgorithm : uint32_t {
        DirectCubic = 0,
        MarchingCubes = 1,
        Octree = 2,
        ParticleCountField = 3
    };
    static constexpr uint32_t kAlgorithmCount = 4;

    explicit TotalVolumePainter(TotalVolume &volume);
    ~TotalVolumePainter();
    TotalVolumePainter(const TotalVolumePainter &) = delete;
    TotalVolumePainter &operator=(const TotalVolumePainter &) = delete;

    // Rebuilds the direct cubic faces (always), then the chosen algorithm's geometry, then the
    // empty-cell outlines when they are shown.
    void update();
    // Draws the volume at its position: opaque faces, edges when shown, translucent faces back
    // to front from `eye` (world coordinates), then the mask overlays. Needs a current GL context.
    void draw(bool solidsShown, bool edgesShown, const Util::Vector4D &eye);

    // Unchanged or unknown values are ignored; a change rebuilds the direct cubic faces (the
    // caller then calls update).
    void setSurfaceAlgorithm(uint32_t algorithm);
    uint32_t getSurfaceAlgorithm() const { return surfaceAlgorithm; }

    // The drawn part of the volume, in cells (lower inclusive, upper exclusive; limited to the
    // volume), and the six clip planes that bound it.
    void setCutLimits(uint32_t lowerX, uint32_t lowerY, uint32_t lowerZ, uint32_t upperX, uint32_t upperY,
                      uint32_t upperZ);
    CutBox getCutBox() const;
    std::array<ClipPlane, 6> getClipPlanes() const;

    void setRenderEmptyVoxelOutlines(bool value) { renderEmptyVoxelOutlines = value; }
    bool getRenderEmptyVoxelOutlines() const { return renderEmptyVoxelOutlines; }
    void setHidden(bool value) { hidden = value; }
    bool isHidden() const { return hidden; }
    void setParticleDistribution(uint32_t value) { fieldPainter.setDistribution(value); }
    uint32_t getParticleDistribution() const { return fieldPainter.getDistribution(); }
    void setColorScale(uint32_t type) { fieldPainter.setColorScaleType(type); }
    uint32_t getColorScale() const { return fieldPainter.colorScale().getType(); }
    // How the silicon lattice is drawn (the caller then calls update).
    void setAtomisticFlags(const AtomisticRenderFlags &flags) { latticePainter.setFlags(flags); }
    const AtomisticRenderFlags &getAtomisticFlags() const { return latticePainter.getFlags(); }
    const SiLatticePainter &getLatticePainter() const { return latticePainter; }

    // All user-chosen options at once; applying them does not regenerate (call update).
    VisualizationOptions getVisualizationOptions() const;
    void setVisualizationOptions(const VisualizationOptions &options);

    const std::vector<Geometry::QuadFace> &getOpaqueFaces() const { return opaqueFaces; }
    const std::vector<Geometry::QuadFace> &getTransparentFaces() const;
    const std::vector<Geometry::QuadFace> &getOutlineFaces() const { return outlineFaces; }
    std::shared_ptr<const Geometry::BSPTree> getBspTree() const { return bspTree; }
    const MaterialColorMap &getColorMap() const { return colorMap; }
    const MarchingCubeSurface &getMarchingCubeSurface() const { return marchingCubes; }
    const OctreeSurface &getOctreeSurface() const { return octree; }
    const FieldPainter &getFieldPainter() const { return fieldPainter; }

private:
    // Runs a generation step; a failure (memory) leaves every list empty instead of escaping.
    void generateSafely(void (TotalVolumePainter::*generation)());
    void rebuildAll();
    void clearAll();
    void buildDirectCubicFaces();
    void buildEmptyCellOutlines();
    void buildParticleCountFaces();
    void invalidateArrays();

    void refreshSelectionColors();
    void highlightCurrentFaces();
    void resetCurrentFaceColors();
    void drawOpaquePass(bool edgesShown);
    void drawEdgePass(FaceVertexArrays &opaqueArrays, const std::vector<Geometry::QuadFace> &opaque,
                      FaceVertexArrays &transparentArrays,
                      const std::vector<Geometry::QuadFace> &transparent);
    void drawTransparentPass(const Util::Vector4D &localEye);
    void drawMaskOverlays();

    TotalVolume &volume;
    bool renderEmptyVoxelOutlines = false;
    bool hidden = false;
    // Whether the face colours currently carry the selection highlight.
    bool highlighted;
    uint32_t surfaceAlgorithm = DirectCubic;
    float sx;
    float sy;
    float sz;
    mutable QMutex cutBoxMutex;
    CutBox cutBox;
    mutable QMutex clipPlanesMutex;
    std::array<ClipPlane, 6> clipPlanes;
    MarchingCubeSurface marchingCubes;
    OctreeSurface octree;
    FieldPainter fieldPainter;
    SiLatticePainter latticePainter;
    MaterialColorMap colorMap;
    std::vector<Geometry::QuadFace> opaqueFaces;
    std::vector<Geometry::QuadFace> outlineFaces;
    std::shared_ptr<Geometry::BSPTree> bspTree;
    uint32_t sizeY;
    uint32_t sizeZ;

    // Client-side vertex arrays, rebuilt on the first draw after a change.
    FaceVertexArrays opaqueArrays;
    FaceVertexArrays transparentArrays;
    FaceVertexArrays outlineArrays;
    FaceVertexArrays alternativeOpaqueArrays;      // octree or particle-count faces
    FaceVertexArrays alternativeTransparentArrays; // octree or particle-count faces
};

} // namespace Model::Automaton
