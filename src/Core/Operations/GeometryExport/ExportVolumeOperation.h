#pragma once

#include "Core/Operations/GeometryExport/ExportFileOperation.h"

namespace Core::Operations {

// Writes the cells of a cell volume as VTK ImageData (material ids and particle counts).
class ExportVolumeOperation : public ExportFileOperation {
public:
    static constexpr uint32_t kId = 102;

    explicit ExportVolumeOperation(Core::Workspace &workspace);
    std::vector<FileType> fileTypes() const override;

protected:
    bool write(Model::Automaton::TotalVolume &volume, const QString &path, QString &summary,
               QString &error) override;
};

} // namespace Core::Operations
