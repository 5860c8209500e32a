#pragma once

#include "Model/Export/SurfaceMesh.h"

namespace Model::Automaton {
class TotalVolume;
}

namespace Model::Export {

// The surface the volume's painter last generated, as the view draws it (cut box, cut cells
// and invisible materials left out): the marching-cubes triangles in that view, the
// particle-count faces in that view, and the direct cubic faces otherwise. The octree view
// draws the same skin as the direct cubic faces with larger quads, whose corners would not meet
// their neighbours' (T-junctions), so its export is the direct cubic skin.
SurfaceMesh drawnSurfaceMesh(Automaton::TotalVolume &volume, SurfaceMeshBuilder::Points points);

} // namespace Model::Export
