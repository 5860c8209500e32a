#pragma once

#include "Model/Persistence/ObjectArchiver.h"

#include <memory>

namespace Model::Automaton {
class TotalVolume;
struct Voxel;
} // namespace Model::Automaton

namespace Model::Persistence {

// Writes and reads the "Object" element of a cell volume: its sizes and cell sizes as
// attributes, a "State" element with every cell's material id in cell-array order, and a
// "Position" element. Reading checks the sizes before allocating and reports what it refuses
// through the reader's error (QXmlStreamReader::raiseError).
class TotalVolumeArchiver : public ObjectArchiver {
public:
    void setWriter(QXmlStreamWriter *writer) override { this->writer = writer; }
    void setReader(QXmlStreamReader *reader) override { this->reader = reader; }
    void setMaterialIdMap(const MaterialIdMap *map) override { idMap = map; }
    void setPlainStateTexts(const PlainStateTexts *texts) override { plainTexts = texts; }
    bool write(const std::shared_ptr<Model::Object> &object) override;
    // Positioned on the Object start element; leaves the reader on its end element.
    std::shared_ptr<Model::Object> read() override;

    // Sizes and cell sizes from an Object element's attributes.
    struct Shape {
        uint32_t sizes[3] = {0, 0, 0};
        float cellSizes[3] = {1.0f, 1.0f, 1.0f};
        uint64_t cellCount() const { return uint64_t(sizes[0]) * sizes[1] * sizes[2]; }
    };

private:
    void writeState(Model::Automaton::TotalVolume &volume);
    bool readSizes(Shape &shape);
    bool readContent(const Shape &shape, Model::Automaton::Voxel *cells, double position[3]);
    void readState(Model::Automaton::Voxel *cells, uint64_t count);
    bool readPosition(double position[3]);

    QXmlStreamWriter *writer = nullptr;
    QXmlStreamReader *reader = nullptr;
    const MaterialIdMap *idMap = nullptr;
    const PlainStateTexts *plainTexts = nullptr;
};

} // namespace Model::Persistence
