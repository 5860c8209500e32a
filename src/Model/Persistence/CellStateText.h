#pragma once

#include "Model/Persistence/ObjectArchiver.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <vector>

class QChar;

namespace Model::Automaton {
struct Voxel;
}

namespace Model::Persistence {

// Parses the text of a cell volume's "State" element: material ids separated by white space.
// Text may arrive in pieces (the XML reader splits long text); a number cut between two pieces
// is joined. The i-th number goes to cell i while i is below the cell count; later numbers are
// ignored. A malformed number (not decimal digits, or beyond 32 bits) reads as 0. Ids found in
// the remap table are replaced by their mapped value. Pieces come as the XML reader's characters
// or as raw bytes of the file.
class CellStateParser {
public:
    // Writes the material of cells 0 .. min(numbers read, cellCount) - 1, one per number.
    CellStateParser(Model::Automaton::Voxel *cells, uint64_t cellCount, const MaterialIdMap *remap);

    void feed(const QChar *begin, const QChar *end);
    void feed(const char *begin, const char *end);
    // Ends the last number; call once after the last piece.
    void finish();
    // Numbers read so far, including those beyond the cell count.
    uint64_t numbersRead() const { return index; }
    // Cells written so far.
    uint64_t cellsWritten() const { return index < cellCount ? index : cellCount; }

private:
    template <class Char> void feedText(const Char *begin, const Char *end);
    template <class Char> const Char *feedSingleDigits(const Char *c, const Char *end);
    void endNumber();
    uint32_t mapped(uint32_t id);

    Model::Automaton::Voxel *cells;
    uint64_t cellCount;
    MaterialIdMap remap; // only the entries that change an id
    uint64_t index = 0;
    uint64_t value = 0;
    int digits = 0;
    bool malformed = false;
    // Cells come in long runs of one material: remember the last lookup.
    uint32_t lastId = 0;
    uint32_t lastMapped = 0;
};

// Builds the "State" text in pieces: each id in decimal followed by one blank.
class CellStateText {
public:
    // Appends the text of ids [begin, end) to `text`, remapping ids found in `remap`.
    static void append(QByteArray &text, const uint32_t *begin, const uint32_t *end,
                       const MaterialIdMap *remap);
};

} // namespace Model::Persistence
