#include "Model/Geometry/BSPTree.h"

#include <QtGlobal>

#include <utility>

namespace Model::Geometry {
namespace {

constexpr float kPlaneTolerance = 1e-5f;

struct PendingNode {
    uint32_t node;
    std::vector<uint32_t> faces;
};

} // namespace

BSPTree::BSPTree(std::vector<QuadFace> faces) : faceList(std::move(faces))
{
    if (faceList.empty())
        return;
    std::vector<PendingNode> work;
    work.push_back({0, {}});
    work.back().faces.reserve(faceList.size());
    for (uint32_t i = 0; i < faceList.size(); ++i)
        work.back().faces.push_back(i);
    nodes.emplace_back();

    while (!work.empty()) {
        PendingNode pending = std::move(work.back());
        work.pop_back();
        std::vector<uint32_t> frontList;
        std::vector<uint32_t> backList;
        if (!split(pending.node, pending.faces, frontList, backList)) {
            qWarning("Method not implemented!");
            complete = false;
            return;
        }
        if (!frontList.empty()) {
            nodes[pending.node].front = int32_t(nodes.size());
            nodes.emplace_back();
            work.push_back({uint32_t(nodes.size() - 1), std::move(frontList)});
        }
        if (!backList.empty()) {
            nodes[pending.node].back = int32_t(nodes.size());
            nodes.emplace_back();
            work.push_back({uint32_t(nodes.size() - 1), std::move(backList)});
        }
    }
}

bool BSPTree::split(uint32_t nodeIndex, std::vector<uint32_t> &faceIndices, std::vector<uint32_t> &frontList,
                    std::vector<uint32_t> &backList)
{
    Node &node = nodes[nodeIndex];
    const QuadFace &first = faceList[faceIndices.front()];
    double d = 0.0;
    for (int axis = 0; axis < 3; ++axis) {
        node.normal[axis] = first.normal()[axis];
        d -= node.normal[axis] * double(first.corners[0][axis]);
    }
    node.offset = d;
    node.coplanarBegin = uint32_t(coplanarIndices.size());
    coplanarIndices.push_back(faceIndices.front());
    for (size_t i = 1; i < faceIndices.size(); ++i) {
        const uint32_t index = faceIndices[i];
        switch (classify(node, faceList[index])) {
        case Side::Coplanar: coplanarIndices.push_back(index); break;
        case Side::Front: frontList.push_back(index); break;
        case Side::Back: backList.push_back(index); break;
        case Side::Straddling: node.coplanarEnd = uint32_t(coplanarIndices.size()); return false;
        }
    }
    node.coplanarEnd = uint32_t(coplanarIndices.size());
    return true;
}

BSPTree::Side BSPTree::classify(const Node &node, const QuadFace &face) const
{
    int front = 0;
    int behind = 0;
    for (const Point3 &corner : face.corners) {
        const double exact = node.normal[0] * corner[0] + node.normal[1] * corner[1]
                             + node.normal[2] * corner[2] + node.offset;
        const float distance = float(exact);
        if (distance < -kPlaneTolerance)
            ++behind;
        else if (distance > kPlaneTolerance)
            ++front;
    }
    if (front == 0 && behind == 0)
        return Side::Coplanar;
    if (front == 0)
        return Side::Back;
    if (behind == 0)
        return Side::Front;
    return Side::Straddling;
}

std::vector<uint32_t> BSPTree::backToFrontOrder(const Util::Vector4D &eye) const
{
    std::vector<uint32_t> order;
    if (nodes.empty())
        return order;
    order.reserve(coplanarIndices.size());
    // Explicit stack: a negative entry -(n + 1) means "emit node n's own faces".
    std::vector<int64_t> stack{0};
    while (!stack.empty()) {
        const int64_t entry = stack.back();
        stack.pop_back();
        if (entry < 0) {
            const Node &node = nodes[size_t(-entry - 1)];
            order.insert(order.end(), coplanarIndices.begin() + node.coplanarBegin,
                         coplanarIndices.begin() + node.coplanarEnd);
            continue;
        }
        const Node &node = nodes[size_t(entry)];
        const double side =
            node.normal[0] * eye.x + node.normal[1] * eye.y + node.normal[2] * eye.z + node.offset;
        // The far side first, then the plane, then the near side (pushed in reverse).
        const int32_t nearChild = side > 0.0 ? node.front : node.back;
        const int32_t farChild = side > 0.0 ? node.back : node.front;
        if (nearChild >= 0)
            stack.push_back(nearChild);
        stack.push_back(-entry - 1);
        if (farChild >= 0)
            stack.push_back(farChild);
    }
    return order;
}

} // namespace Model::Geometry
