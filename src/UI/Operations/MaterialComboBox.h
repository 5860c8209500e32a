#pragma once

#include "Model/Materials/Material.h"

#include <QIcon>
#include <QMap>
#include <QString>
#include <QVariant>

#include <vector>

class QComboBox;

namespace Ui::Operations {

// Fills and reads the material combo boxes of the option dialogs: each item shows the material's
// name and a 100 × 100 icon of its colour, and carries the material id as item data.
class MaterialComboBox {
public:
    static void fill(QComboBox *box, const std::vector<Model::Materials::Material> &materials);
    // The compatible materials of a process of the process catalogue that the materials
    // catalogue knows, in the process's order.
    static void fillWithProcessMaterials(QComboBox *box, uint32_t processId);
    // Every material of the materials catalogue.
    static void fillWithAllMaterials(QComboBox *box);

    // The id of the current item; 0 when the box is empty.
    static uint32_t selectedMaterialId(const QComboBox *box);
    // Makes the item with this material id current, when there is one.
    static void selectId(QComboBox *box, uint32_t materialId);
    // Makes the item current whose id is `parameters[idKey]`, or, without that key, whose
    // text is `parameters[nameKey]` (the last matching item); keeps the current item when
    // neither matches.
    static void select(QComboBox *box, const QMap<QString, QVariant> &parameters, const QString &idKey,
                       const QString &nameKey);

    // A square icon filled with the material's colour (components scaled by 255).
    static QIcon icon(const Model::Materials::Material &material);
};

} // namespace Ui::Operations
