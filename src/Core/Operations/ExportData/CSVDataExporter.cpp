#include "Core/Operations/ExportData/CSVDataExporter.h"

#include "Model/Automaton/TotalVolume.h"
#include "Model/Export/SafeFileWriter.h"

#include <QLocale>
#include <QTextStream>

#include <algorithm>

namespace Core::Operations {

bool CSVDataExporter::isKnownType(const QString &dataType)
{
    return dataType == QLatin1String("Random Walk Particle Count Type P")
           || dataType == QLatin1String("Random Walk Particle Count Type N");
}

int CSVDataExporter::exportVolumeField(const Model::Automaton::TotalVolume &volume, const QString &fileName,
                                       const QString &dataType, QString *error)
{
    QString type = dataType;
    if (type.isEmpty()) {
        const QStringList names = volume.propertyNames();
        const auto known = std::find_if(names.begin(), names.end(), isKnownType);
        if (known == names.end()) {
            if (error)
                *error = QStringLiteral("the cell volume carries no particle-count field (run a random-walk "
                                        "doping step first)");
            return -1;
        }
        type = *known;
    }
    CSVDataExporter exporter(fileName);
    const int result = exporter.saveDataToFile(type, volume.getProperty(type), volume.getSizeX(),
                                               volume.getSizeY(), volume.getSizeZ());
    if (error)
        *error = exporter.errorString();
    return result;
}

int CSVDataExporter::saveDataToFile(const QString &dataType, const QVariant &data, uint64_t sizeX,
                                    uint64_t sizeY, uint64_t sizeZ)
{
    if (!isKnownType(dataType)) {
        error = QStringLiteral("\"%1\" is not a data field that can be exported.").arg(dataType);
        return -1;
    }
    const auto counts = data.value<Model::Automaton::SharedParticleCountField>();
    if (!counts || counts->size() < sizeX * sizeY * sizeZ) {
        error = QStringLiteral("The volume holds no \"%1\" field.").arg(dataType);
        return -1;
    }
    const auto write = [&](QTextStream &stream) { saveParticleData(stream, *counts, sizeX, sizeY, sizeZ); };
    return Model::Export::writeTextFileSafely(fileName, write, error) ? 0 : -1;
}

int CSVDataExporter::saveParticleData(QTextStream &stream, const Model::Automaton::ParticleCountField &counts,
                                      uint64_t sizeX, uint64_t sizeY, uint64_t sizeZ)
{
    stream.setLocale(QLocale(QLocale::English, QLocale::UnitedStates));
    stream.setRealNumberNotation(QTextStream::ScientificNotation);
    stream.setRealNumberPrecision(10);
    size_t cell = 0;
    for (uint64_t x = 0; x < sizeX; ++x) {
        stream << "X: " << x << '\n';
        for (uint64_t y = 0; y < sizeY; ++y) {
            for (uint64_t z = 0; z < sizeZ; ++z, ++cell)
                stream << double(counts[cell].total()) << " ; ";
            stream << '\n';
        }
        stream << "\n\n";
    }
    return 0;
}

} // namespace Core::Operations
