#include "Model/Geometry/BSPTree.h"

#include <gtest/gtest.h>

#include <random>

using Model::Geometry::BSPTree;
using Model::Geometry::Point3;
using Model::Geometry::QuadFace;

namespace {

// Unit faces of random cells of a small grid, several materials, any side.
std::vector<QuadFace> randomCellFaces(unsigned seed, int count, int extent)
{
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> cell(0, extent - 1);
    std::uniform_int_distribution<int> side(0, 5);
    std::vector<QuadFace> faces;
    for (int i = 0; i < count; ++i)
        faces.emplace_back(side(random), uint32_t(cell(random)), uint32_t(cell(random)),
                           uint32_t(cell(random)), 1, Point3{1.0f, 1.0f, 1.0f}, Model::Materials::RgbaColor(),
                           uint32_t(i % 3 + 1));
    return faces;
}

// Whether `front` hides part of `back` from `eye`: some ray from the eye to an inner point of
// `back` passes through the inside of `front` before reaching it.
bool hides(const QuadFace &front, const QuadFace &back, const Point3 &eye)
{
    const int axis = 2 - front.direction() / 2;
    const double plane = front.corners[0][size_t(axis)];
    double low[3], high[3];
    for (int a = 0; a < 3; ++a) {
        low[a] =
            std::min({front.corners[0][a], front.corners[1][a], front.corners[2][a], front.corners[3][a]});
        high[a] =
            std::max({front.corners[0][a], front.corners[1][a], front.corners[2][a], front.corners[3][a]});
    }
    const double samples[3] = {1.0 / 6.0, 0.5, 5.0 / 6.0};
    for (double u : samples) {
        for (double v : samples) {
            double target[3];
            for (int a = 0; a < 3; ++a) {
                target[a] = back.corners[0][a] + u * (back.corners[1][a] - back.corners[0][a])
                            + v * (back.corners[3][a] - back.corners[0][a]);
            }
            const double run = target[axis] - eye[size_t(axis)];
            if (std::abs(run) < 1e-12)
                continue;
            const double t = (plane - eye[size_t(axis)]) / run;
            if (t <= 1e-9 || t >= 1.0 - 1e-9)
                continue;
            bool inside = true;
            for (int a = 0; a < 3 && inside; ++a) {
                if (a == axis)
                    continue;
                const double p = eye[size_t(a)] + t * (target[a] - eye[size_t(a)]);
                inside = p > low[a] + 1e-9 && p < high[a] - 1e-9;
            }
            if (inside)
                return true;
        }
    }
    return false;
}

// Checks that no face is drawn before a face it hides (brute force over all pairs).
void expectBackToFront(const BSPTree &tree, const Point3 &eye)
{
    const std::vector<uint32_t> order = tree.backToFrontOrder(Util::Vector4D(eye[0], eye[1], eye[2], 1.0));
    ASSERT_EQ(order.size(), tree.faces().size());
    std::vector<int> seen(tree.faces().size(), 0);
    for (uint32_t index : order)
        ++seen[index];
    for (int count : seen)
        ASSERT_EQ(count, 1);
    for (size_t earlier = 0; earlier < order.size(); ++earlier) {
        for (size_t later = earlier + 1; later < order.size(); ++later) {
            ASSERT_FALSE(hides(tree.faces()[order[earlier]], tree.faces()[order[later]], eye))
                << "face " << order[earlier] << " drawn before face " << order[later] << " which it hides";
        }
    }
}

QtMsgType lastType;
QString lastMessage;
void recordMessage(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    lastType = type;
    lastMessage = message;
}

} // namespace

TEST(BSPTree, BackToFrontOrderNeverDrawsAFaceBeforeOneItHides)
{
    std::mt19937 random(7);
    std::uniform_real_distribution<float> coordinate(-6.0f, 12.0f);
    for (unsigned seed = 1; seed <= 4; ++seed) {
        const BSPTree tree(randomCellFaces(seed, 120, 6));
        EXPECT_TRUE(tree.isComplete());
        // Eyes far outside, near, and inside the cloud of faces.
        std::vector<Point3> eyes = {{100.0f, 37.0f, -80.0f}, {-50.0f, -60.0f, 70.0f}, {3.2f, 2.7f, 2.4f}};
        for (int i = 0; i < 5; ++i)
            eyes.push_back({coordinate(random), coordinate(random), coordinate(random)});
        for (const Point3 &eye : eyes)
            expectBackToFront(tree, eye);
    }
}

TEST(BSPTree, ParallelPlanesGiveAChainCoplanarFacesShareANodeAndNoFacesNoNode)
{
    // A 3 × 3 sheet of +Z faces on each of the planes z = 1, 2, 3.
    std::vector<QuadFace> faces;
    for (uint32_t z = 0; z < 3; ++z)
        for (uint32_t x = 0; x < 3; ++x)
            for (uint32_t y = 0; y < 3; ++y)
                faces.emplace_back(1, x, y, z, 1, Point3{1.0f, 1.0f, 1.0f}, Model::Materials::RgbaColor(), 1);
    const BSPTree tree(faces);
    EXPECT_EQ(tree.nodeCount(), 3u); // their order is checked against brute force above
    const BSPTree empty{std::vector<QuadFace>()};
    EXPECT_EQ(empty.nodeCount(), 0u);
    EXPECT_TRUE(empty.backToFrontOrder(Util::Vector4D(1.0, 2.0, 3.0, 1.0)).empty());
}

TEST(BSPTree, StraddlingFaceStopsTheBuildWithAWarningAndKeepsWhatWasBuilt)
{
    std::vector<QuadFace> faces;
    faces.emplace_back(1, 0, 0, 0, 1, Point3{1.0f, 1.0f, 1.0f}, Model::Materials::RgbaColor(), 1); // z = 1
    faces.emplace_back(1, 0, 0, 4, 1, Point3{1.0f, 1.0f, 1.0f}, Model::Materials::RgbaColor(), 1); // z = 5
    QuadFace tilted(5, 0, 0, 0, 1, Point3{1.0f, 1.0f, 1.0f}, Model::Materials::RgbaColor(), 1);
    tilted.corners[0][2] = -1.0f; // crosses the plane z = 1
    tilted.corners[2][2] = 3.0f;
    faces.push_back(tilted);

    lastMessage.clear();
    const QtMessageHandler previous = qInstallMessageHandler(recordMessage);
    const BSPTree tree(faces);
    qInstallMessageHandler(previous);

    EXPECT_EQ(lastType, QtWarningMsg);
    EXPECT_EQ(lastMessage, QStringLiteral("Method not implemented!"));
    EXPECT_FALSE(tree.isComplete());
    EXPECT_EQ(tree.faces().size(), 3u);
    const auto order = tree.backToFrontOrder(Util::Vector4D(0.0, 0.0, 10.0, 1.0));
    EXPECT_EQ(order, std::vector<uint32_t>{0});
}
