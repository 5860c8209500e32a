#include "Model/Automaton/TotalVolumePainter.h"

#include "Model/Automaton/TotalVolume.h"

namespace Model::Automaton {

TotalVolumePainter::TotalVolumePainter(TotalVolume &volume) : volume(volume) {}

void TotalVolumePainter::update() {}

void TotalVolumePainter::draw(bool, bool, const Util::Vector4D &) {}

} // namespace Model::Automaton
