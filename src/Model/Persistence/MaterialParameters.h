#pragma once

#include "Model/Materials/Material.h"

#include <QColor>
#include <QString>

namespace Ui {
class ProcessData;
}

namespace Model::Persistence {

// The three parameters through which a process entry names a material: stem + "_Id" (the id,
// hidden), the stem itself (the name, shown) and stem + "_Color" (the colour, hidden).
class MaterialParameters {
public:
    static void set(Ui::ProcessData &entry, const QString &stem, const Materials::Material &material);
    // The material colour with each component × 255, truncated.
    static QColor color(const Materials::Material &material);
};

} // namespace Model::Persistence
