#include "Model/Automaton/SiLatticePainter.h"

#include "Model/Automaton/IcosphereMesh.h"
#include "Model/Automaton/SiLattice.h"
#include "Model/Automaton/TotalVolume.h"

#include <GL/gl.h>

namespace Model::Automaton {
namespace {

constexpr float kAtomRadius = 0.1f;
constexpr uint32_t kAtomMeshLevel = 2;

// The finest icosphere scaled to the atom radius, as triangle vertices, and its unit normals.
struct AtomMesh {
    std::vector<float> positions;
    std::vector<float> normals;

    static const AtomMesh &instance()
    {
        static const AtomMesh mesh = [] {
            AtomMesh m;
            const IcosphereMesh &sphere = IcosphereMesh::instance();
            for (uint32_t index : sphere.triangles(kAtomMeshLevel)) {
                const Util::Vector3D &v = sphere.vertices()[index];
                m.positions.insert(m.positions.end(), {float(v.x) * kAtomRadius, float(v.y) * kAtomRadius,
                                                       float(v.z) * kAtomRadius});
                m.normals.insert(m.normals.end(), {float(v.x), float(v.y), float(v.z)});
            }
            return m;
        }();
        return mesh;
    }
};

bool insideAll(const std::array<ClipPlane, 6> &planes, const Util::Vector3D &p)
{
    for (const ClipPlane &plane : planes)
        if (plane.normal[0] * p.x + plane.normal[1] * p.y + plane.normal[2] * p.z + plane.offset > 0.0)
            return false;
    return true;
}

void appendScaled(std::vector<float> &into, const Util::Vector3D &p, const float scale[3])
{
    into.insert(into.end(), {float(p.x) * scale[0], float(p.y) * scale[1], float(p.z) * scale[2]});
}

// The six faces of a unit cell as quads, counter-clockwise seen from outside.
void appendCellFaces(std::vector<float> &into, const Util::Vector3D &corner, const float scale[3])
{
    const double a = SiLatticeGeometry::kLatticeConstant;
    const auto point = [&](int u, int v, int w) {
        const Util::Vector3D edge = SiLatticeGeometry::turned(a * u, a * v, a * w);
        return Util::Vector3D(corner.x + edge.x, corner.y + edge.y, corner.z + edge.z);
    };
    static const int faces[6][4][3] = {
        {{0, 0, 0}, {0, 1, 0}, {1, 1, 0}, {1, 0, 0}}, {{0, 0, 1}, {1, 0, 1}, {1, 1, 1}, {0, 1, 1}},
        {{0, 0, 0}, {1, 0, 0}, {1, 0, 1}, {0, 0, 1}}, {{0, 1, 0}, {0, 1, 1}, {1, 1, 1}, {1, 1, 0}},
        {{0, 0, 0}, {0, 0, 1}, {0, 1, 1}, {0, 1, 0}}, {{1, 0, 0}, {1, 1, 0}, {1, 1, 1}, {1, 0, 1}},
    };
    for (const auto &face : faces)
        for (const auto &c : face)
            appendScaled(into, point(c[0], c[1], c[2]), scale);
}

void drawQuads(const std::vector<float> &vertices)
{
    glPushClientAttrib(GL_CLIENT_VERTEX_ARRAY_BIT);
    glEnableClientState(GL_VERTEX_ARRAY);
    glVertexPointer(3, GL_FLOAT, 0, vertices.data());
    glDrawArrays(GL_QUADS, 0, GLsizei(vertices.size() / 3));
    glPopClientAttrib();
}

} // namespace

std::array<uint8_t, 3> SiLatticePainter::atomColor(uint32_t bonded, uint32_t secondNeighbours)
{
    if (bonded == 3)
        return secondNeighbours >= 9 ? std::array<uint8_t, 3>{0, 0, 255}
                                     : std::array<uint8_t, 3>{255, 127, 0};
    if (bonded == 2)
        return {127, 255, 127};
    return {255, 255, 0};
}

void SiLatticePainter::clear()
{
    std::vector<DrawnAtom>().swap(atoms);
    std::vector<float>().swap(linkVertices);
    std::vector<float>().swap(cellFaceVertices);
}

void SiLatticePainter::refresh(TotalVolume &volume, const std::array<ClipPlane, 6> &clipPlanes)
{
    clear();
    if (!flags.siAtoms && !flags.siAtomLinks && !flags.siUnitCells && !flags.siUnitCellOutlines)
        return;
    // Engines change the lattice and replace it under the cell lock.
    CellsLocker cells(volume);
    const auto lattice = volume.getSiLattice();
    if (!lattice)
        return;
    const float scale[3] = {volume.getCellSizeX(), volume.getCellSizeY(), volume.getCellSizeZ()};
    collect(*lattice, clipPlanes, scale);
}

void SiLatticePainter::collect(const SiLattice &lattice, const std::array<ClipPlane, 6> &clipPlanes,
                               const float scale[3])
{
    const auto shown = [&](uint32_t atom) {
        return lattice.atom(atom).state != SiAtom::Removed
               && insideAll(clipPlanes, lattice.atomPosition(atom));
    };
    for (uint32_t a = 0; a < lattice.getAtomCount(); ++a) {
        if (!shown(a))
            continue;
        const Util::Vector3D p = lattice.atomPosition(a);
        const uint32_t bonded = lattice.bondedCount(a);
        const bool surface = lattice.atom(a).state == SiAtom::Present && bonded < 4;
        if (flags.siAtoms && (surface || !flags.surfaceAtomsOnly)) {
            const auto color = atomColor(bonded, bonded == 3 ? lattice.secondNeighbourCount(a) : 0);
            atoms.push_back({{float(p.x) * scale[0], float(p.y) * scale[1], float(p.z) * scale[2]},
                             {color[0], color[1], color[2]}});
        }
        if (!flags.siAtomLinks)
            continue;
        for (uint32_t other : lattice.atom(a).bonds) {
            if (other >= SiAtom::kFixedNeighbour || other < a || !shown(other))
                continue;
            appendScaled(linkVertices, p, scale);
            appendScaled(linkVertices, lattice.atomPosition(other), scale);
        }
    }
    if (!flags.siUnitCells && !flags.siUnitCellOutlines)
        return;
    for (uint32_t c = 0; c < lattice.getCellCount(); ++c) {
        const Util::Vector3D corner = lattice.cellCorner(c);
        if (insideAll(clipPlanes, corner))
            appendCellFaces(cellFaceVertices, corner, scale);
    }
}

void SiLatticePainter::drawOpaque() const
{
    if (flags.siAtoms && !atoms.empty())
        drawAtoms();
    if (flags.siAtomLinks && !linkVertices.empty())
        drawLinks();
    if (flags.siUnitCellOutlines && !cellFaceVertices.empty())
        drawCellOutlines();
}

void SiLatticePainter::drawAtoms() const
{
    const AtomMesh &mesh = AtomMesh::instance();
    glPushClientAttrib(GL_CLIENT_VERTEX_ARRAY_BIT);
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_NORMAL_ARRAY);
    glVertexPointer(3, GL_FLOAT, 0, mesh.positions.data());
    glNormalPointer(GL_FLOAT, 0, mesh.normals.data());
    const GLsizei vertexCount = GLsizei(mesh.positions.size() / 3);
    for (const DrawnAtom &atom : atoms) {
        glColor3ub(atom.color[0], atom.color[1], atom.color[2]);
        glPushMatrix();
        glTranslatef(atom.position[0], atom.position[1], atom.position[2]);
        glDrawArrays(GL_TRIANGLES, 0, vertexCount);
        glPopMatrix();
    }
    glPopClientAttrib();
}

void SiLatticePainter::drawLinks() const
{
    glPushAttrib(GL_ENABLE_BIT | GL_CURRENT_BIT);
    glDisable(GL_LIGHTING);
    glColor3ub(255, 255, 127);
    glPushClientAttrib(GL_CLIENT_VERTEX_ARRAY_BIT);
    glEnableClientState(GL_VERTEX_ARRAY);
    glVertexPointer(3, GL_FLOAT, 0, linkVertices.data());
    glDrawArrays(GL_LINES, 0, GLsizei(linkVertices.size() / 3));
    glPopClientAttrib();
    glPopAttrib();
}

void SiLatticePainter::drawCellOutlines() const
{
    glPushAttrib(GL_ALL_ATTRIB_BITS);
    glDisable(GL_LIGHTING);
    glDisable(GL_CULL_FACE);
    glPolygonMode(GL_FRONT_AND_BACK, GL_LINE);
    glEnable(GL_POLYGON_OFFSET_LINE);
    glPolygonOffset(-1.0f, -1.0f);
    glLineWidth(1.0f);
    glColor3ub(127, 127, 255);
    drawQuads(cellFaceVertices);
    glPopAttrib();
}

void SiLatticePainter::drawTransparent() const
{
    if (!flags.siUnitCells || cellFaceVertices.empty())
        return;
    glPushAttrib(GL_ALL_ATTRIB_BITS);
    glDisable(GL_LIGHTING);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glDisable(GL_CULL_FACE);
    glDepthMask(GL_FALSE);
    glColor4ub(127, 127, 255, 127);
    drawQuads(cellFaceVertices);
    glPopAttrib();
}

} // namespace Model::Automaton
