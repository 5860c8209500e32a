#pragma once

#include "Model/Persistence/ObjectArchiver.h"

namespace Model::Automaton {
class TotalVolume;
}

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
    bool write(const std::shared_ptr<Model::Object> &object) override;
    // Positioned on the Object start element; leaves the reader on its end element.
    std::shared_ptr<Model::Object> read() override;

private:
    void writeState(Model::Automaton::TotalVolume &volume);
    bool readSizes(uint32_t sizes[3], float cellSizes[3]);
    void readState(std::vector<uint32_t> &ids);
    bool readPosition(double position[3]);

    QXmlStreamWriter *writer = nullptr;
    QXmlStreamReader *reader = nullptr;
    const MaterialIdMap *idMap = nullptr;
};

} // namespace Model::Persistence
