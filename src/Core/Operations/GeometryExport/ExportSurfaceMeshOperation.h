#pragma once

#include "Core/Operations/GeometryExport/ExportFileOperation.h"

namespace Core::Operations {

// Writes the drawn surface of a cell volume as binary STL or VTK PolyData, by the extension of
// the chosen file.
class ExportSurfaceMeshOperation : public ExportFileOperation {
public:
    static constexpr uint32_t kId = 101;

    explicit ExportSurfaceMeshOperation(Core::Workspace &workspace);
    std::vector<FileType> fileTypes() const override;

protected:
    bool write(Model::Automaton::TotalVolume &volume, const QString &path, QString &summary,
               QString &error) override;
};

} // namespace Core::Operations
