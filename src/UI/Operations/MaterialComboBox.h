#pragma once

#include "Model/Materials/Material.h"
#include "UI/Operations/MaterialOffer.h"

#include <QIcon>
#include <QMap>
#include <QString>
#include <QVariant>

#include <vector>

class QComboBox;
class QWidget;

namespace Ui::Operations {

// Fills and reads the material combo boxes of the option dialogs: each item shows the material's
// name and a 100 × 100 icon of its colour, and carries the material id as item data.
class MaterialComboBox {
public:
    static void fill(QComboBox *box, const std::vector<Model::Materials::Material> &materials);
    static void fill(QComboBox *box, const MaterialOffer &offer) { fill(box, offer.materials()); }
    // A new box with this object name, filled with the offered materials.
    static QComboBox *create(QWidget *parent, const QString &objectName, const MaterialOffer &offer);

    // The id of the current item; 0 when the box is empty.
    static uint32_t selectedMaterialId(const QComboBox *box);

    // Makes the item with this material id current, when there is one.
    static void selectId(QComboBox *box, uint32_t materialId);
    // Shows the material a stored process step names through the parameters stem + "_Id",
    // stem and stem + "_Color" (stem "Material", "Doped Material", ...). By id when the id is
    // stored: when no item carries it (a material the box does not offer, or one the catalogue
    // no longer has) an item is added for it, named and coloured as stored, so that accepting
    // the dialog keeps the step's material exactly. Without an id, the last item whose text
    // is the stored name. Otherwise the current item stays.
    static void selectStored(QComboBox *box, const QMap<QString, QVariant> &parameters, const QString &stem);

    // A square icon filled with the material's colour (components scaled by 255).
    static QIcon icon(const Model::Materials::Material &material);
};

} // namespace Ui::Operations
