#pragma once

#include "Core/Operations/VolumeStepOperation.h"

#include <QString>

namespace Core::Operations {

// Export Data: writes a data field of a cell volume (the random-walk particle counts) to a text
// file. The observer asks for the field and the file once a volume is chosen.
class ExportDataOperation : public VolumeStepOperation {
public:
    static constexpr uint32_t kOperationId = 37;

    explicit ExportDataOperation(Core::Workspace &workspace);

    void setFileName(const QString &name) { fileName = name; }
    void setDataType(const QString &type) { dataType = type; }

protected:
    // The last selected cell volume, or the scene's only object when nothing is selected and it
    // is a cell volume; null (after asking for one) otherwise.
    std::shared_ptr<Model::Automaton::TotalVolume> chooseVolume() override;
    bool isReady() const override { return !fileName.isEmpty() && !dataType.isEmpty(); }
    void apply(Model::Automaton::TotalVolume &volume) override;
    void abandon() override;

private:
    QString fileName;
    QString dataType;
};

} // namespace Core::Operations
