#pragma once

#include "Model/Automaton/MaterialColorMap.h"
#include "Model/Geometry/QuadFace.h"

#include <vector>

namespace Model::Automaton {

// The selection highlight: every R, G, B channel c of the face and edge colours becomes c - 0.7
// when c >= 0.7, else c + 0.3; alpha is kept.
void highlightFaces(std::vector<Geometry::QuadFace> &faces);

// Face and edge colours back to the colour of each face's material.
void resetFaceColors(std::vector<Geometry::QuadFace> &faces, const MaterialColorMap &colors);

} // namespace Model::Automaton
