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
    // After a step was edited: every material whose id the edit left as it was keeps the name and
    // colour the step stored, even when the catalogue now knows that id differently or not at all.
    static void keepStored(Ui::ProcessData &edited, const Ui::ProcessData &stored);
    // The material colour with each component × 255, truncated.
    static QColor color(const Materials::Material &material);
};

} // namespace Model::Persistence
