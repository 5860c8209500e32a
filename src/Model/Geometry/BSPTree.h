#pragma once

#include "Model/Geometry/QuadFace.h"
#include "Util/Vector4D.h"

#include <cstdint>
#include <vector>

namespace Model::Geometry {

// A binary space partition of planar faces, for drawing translucent faces back to front.
// Each node splits space by the plane of the first face of its list; faces on that plane stay
// in the node, faces wholly in front of or behind it go to the front or back child.
// The tree keeps the faces in the order it was given them; nodes refer to them by index.
class BSPTree {
public:
    BSPTree() = default;
    // Builds the tree without recursion. Faces that straddle a splitting plane cannot be
    // split: the build then logs "Method not implemented!" and keeps the nodes built so far.
    explicit BSPTree(std::vector<QuadFace> faces);

    const std::vector<QuadFace> &faces() const { return faceList; }
    // Colours may change after the build (selection highlight); the geometry must not.
    std::vector<QuadFace> &facesForRecolouring() { return faceList; }

    size_t nodeCount() const { return nodes.size(); }
    // False when the build stopped at a straddling face.
    bool isComplete() const { return complete; }

    // Indices into faces() ordered from the farthest to the nearest as seen from `eye`
    // (in the faces' coordinates). Faces left out by an incomplete build are not listed.
    std::vector<uint32_t> backToFrontOrder(const Util::Vector4D &eye) const;

private:
    struct Node {
        double normal[3] = {0.0, 0.0, 0.0};
        double offset = 0.0;
        uint32_t coplanarBegin = 0; // range in coplanarIndices
        uint32_t coplanarEnd = 0;
        int32_t front = -1;
        int32_t back = -1;
    };
    enum class Side { Coplanar, Front, Back, Straddling };

    Side classify(const Node &node, const QuadFace &face) const;
    bool split(uint32_t nodeIndex, std::vector<uint32_t> &faceIndices, std::vector<uint32_t> &frontList,
               std::vector<uint32_t> &backList);

    std::vector<QuadFace> faceList;
    std::vector<Node> nodes;
    std::vector<uint32_t> coplanarIndices;
    bool complete = true;
};

} // namespace Model::Geometry
