#pragma once

#include "Model/Geometry/QuadFace.h"

#include <vector>

namespace Model::Automaton {

// Client-side OpenGL vertex arrays of a face list (corners, normals, face colours and, when
// first needed, edge colours), built on the first draw after a change so that a large skin is
// drawn by one call per frame. Faces are drawn as quads in list order.
class FaceVertexArrays {
public:
    // The face list or its colours changed.
    void invalidate() { geometryValid = edgeColorsValid = false; }

    // Each face with its normal, its face colour and its four corners.
    void drawFaces(const std::vector<Geometry::QuadFace> &faces);
    // Each face in its edge colour (the caller chooses line mode).
    void drawEdges(const std::vector<Geometry::QuadFace> &faces);
    // The faces listed by `order` (indices into `faces`), in that order, in face colours.
    void drawFacesInOrder(const std::vector<Geometry::QuadFace> &faces, const std::vector<uint32_t> &order);

private:
    void ensureGeometry(const std::vector<Geometry::QuadFace> &faces);
    void ensureEdgeColors(const std::vector<Geometry::QuadFace> &faces);
    void drawArrays(const float *colorArray, const std::vector<uint32_t> *indices);

    std::vector<float> positions;
    std::vector<float> normals;
    std::vector<float> faceColors;
    std::vector<float> edgeColors;
    std::vector<uint32_t> orderIndices;
    bool geometryValid = false;
    bool edgeColorsValid = false;
};

} // namespace Model::Automaton
