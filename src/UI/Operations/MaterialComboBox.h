#pragma once

#include "Model/Materials/Material.h"

#include <QVariantMap>

#include <vector>

class QComboBox;
class QIcon;

namespace Ui::Operations {

// A 100 × 100 swatch filled with the material's colour (each component × 255, truncated).
QIcon materialIcon(const Model::Materials::Material &material);

// Appends one item per material: colour icon, name, and the material id as item data.
void fillMaterialComboBox(QComboBox *comboBox, const std::vector<Model::Materials::Material> &materials);

// Selects the item whose id is `key`_Id in the parameters or, when that is absent, the item
// whose text is `key` (the last match wins). Returns whether an item was selected.
bool selectMaterialFromParameters(QComboBox *comboBox, const QVariantMap &parameters,
                                  const QString &key = QStringLiteral("Material"));

// The current item's material id, 0 when nothing is selected.
uint32_t selectedMaterialId(const QComboBox *comboBox);

} // namespace Ui::Operations
