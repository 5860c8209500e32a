#include "Support/Volumes.h"
#include "Support/WorkspaceHarness.h"

#include "Core/Operations/ExtractFilm/ExtractFilm.h"
#include "Core/Operations/ExtractFilm/FilmExtraction.h"
#include "Model/Materials/MaterialFactory.h"

#include <gtest/gtest.h>

using Core::Operations::ExtractFilm;
using Core::Operations::FilmExtraction;
using namespace TestSupport;

namespace {

constexpr uint32_t kFilm = 3;

// Film cells of material 3 at the listed (x, y, z); silicon below z = 1 elsewhere.
std::shared_ptr<TotalVolume> volumeWithFilm(const std::vector<std::array<uint32_t, 3>> &film)
{
    return makeVolume(6, 5, 6, [&](uint32_t x, uint32_t y, uint32_t z) {
        for (const auto &cell : film)
            if (cell == std::array<uint32_t, 3>{x, y, z})
                return kFilm;
        return z < 1 ? 1u : 0u;
    });
}

std::vector<std::array<uint32_t, 3>> filmCells(const TotalVolume &volume, const std::vector<uint32_t> &ids)
{
    std::vector<std::array<uint32_t, 3>> cells;
    for (uint32_t x = 0; x < volume.getSizeX(); ++x)
        for (uint32_t y = 0; y < volume.getSizeY(); ++y)
            for (uint32_t z = 0; z < volume.getSizeZ(); ++z)
                if (ids[volume.cellIndex(x, y, z)] != 0) {
                    EXPECT_EQ(ids[volume.cellIndex(x, y, z)], kFilm);
                    cells.push_back({x, y, z});
                }
    return cells;
}

} // namespace

TEST(FilmExtraction, TakesOnlyTheFaceConnectedIslandOfTheFirstFilmCell)
{
    // Island A (first in array order): an L at z 2..3; island B far away; C touches A along an
    // edge only, D at a corner only.
    const auto volume = volumeWithFilm({{1, 1, 2},
                                        {1, 1, 3},
                                        {1, 2, 3},   // A
                                        {4, 3, 1},   // B
                                        {2, 2, 2},   // C: edges with A only
                                        {2, 3, 4}}); // D: a corner with A
    const auto ids = FilmExtraction(kFilm, false).extract(*volume);
    // Shifted down by its lowest layer, 2.
    EXPECT_EQ(filmCells(*volume, ids),
              (std::vector<std::array<uint32_t, 3>>{{1, 1, 0}, {1, 1, 1}, {1, 2, 1}}));
}

TEST(FilmExtraction, InvertedFilmIsTurnedOverAndStillStartsAtTheBottom)
{
    // A step: two cells at z = 3 (y 1..2) and one on top of y = 2 at z = 4.
    const auto volume = volumeWithFilm({{2, 1, 3}, {2, 2, 3}, {2, 2, 4}});
    const auto ids = FilmExtraction(kFilm, true).extract(*volume);
    // Turned over about x: y -> 4 - y, z -> 5 - z; the former top (z = 4) is now lowest.
    EXPECT_EQ(filmCells(*volume, ids),
              (std::vector<std::array<uint32_t, 3>>{{2, 2, 0}, {2, 2, 1}, {2, 3, 1}}));
    EXPECT_TRUE(FilmExtraction(16, false).extract(*volume).empty());
}

TEST(ExtractFilmOperation, PlacesTheFilmBesideTheSourceWithUndo)
{
    Model::Materials::MaterialFactory::instance()->createDefaultMaterials();
    WorkspaceHarness harness;
    const auto source = volumeWithFilm({{0, 0, 1}, {1, 0, 1}});
    source->translate(Util::Vector3D(5, 0, 0));
    harness.workspace.getScene().addObject(source);
    uint32_t material = kFilm;
    harness.add<ExtractFilm>(8, [&material](ExtractFilm &op) { op.setFilm(material, false); });

    harness.workspace.activate(8);
    EXPECT_EQ(harness.lastMessage(), "Extract Film: film extracted.");
    const auto objects = harness.workspace.getScene().getObjects();
    ASSERT_EQ(objects.size(), 2u);
    const auto film = std::dynamic_pointer_cast<TotalVolume>(objects.back());
    ASSERT_TRUE(film);
    EXPECT_EQ(film->getPosition(), Util::Vector3D(5 + 16, 0, 0)); // (6 + 10) cells of size 1
    EXPECT_EQ(materialAt(*film, 1, 0, 0), kFilm);
    harness.workspace.undo();
    EXPECT_EQ(harness.workspace.getScene().getObjects().size(), 1u);
    harness.workspace.redo();
    EXPECT_EQ(harness.workspace.getScene().getObjects().back(), film);

    // A material the volume does not hold extracts nothing and leaves nothing to undo.
    material = 9;
    harness.workspace.getSelection().toggle(source);
    harness.workspace.activate(8);
    EXPECT_EQ(harness.lastMessage(),
              "Extract Film: there is no Au (bulk) in the cell volume; nothing was extracted.");
    EXPECT_EQ(harness.workspace.getScene().getObjects().size(), 2u);
    EXPECT_EQ(harness.workspace.getUndoRedoStacks().undoCount(), 1u);
}
