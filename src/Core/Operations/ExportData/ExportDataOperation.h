#pragma once

#include "Core/Operations/Operation.h"

#include <QString>

#include <memory>

namespace Model::Automaton {
class TotalVolume;
}

namespace Core::Operations {

// Export Data: writes a data field of a cell volume (the random-walk particle counts) to a text
// file. The observer asks for the field and the file once a volume is chosen.
class ExportDataOperation : public Operation {
public:
    static constexpr uint32_t kOperationId = 37;

    explicit ExportDataOperation(Core::Workspace &workspace);

    void execute() override;
    void cancel() override;
    void finish() override;

    std::shared_ptr<Model::Automaton::TotalVolume> getVolume() const { return volume; }
    void setFileName(const QString &name) { fileName = name; }
    void setDataType(const QString &type) { dataType = type; }

private:
    // The last selected cell volume, or the scene's only object when nothing is selected and it
    // is a cell volume; null (after asking for one) otherwise.
    std::shared_ptr<Model::Automaton::TotalVolume> chooseVolume();
    void end();

    QString fileName;
    QString dataType;
    std::shared_ptr<Model::Automaton::TotalVolume> volume;
};

} // namespace Core::Operations
