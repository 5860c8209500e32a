#pragma once

#include "UI/Operations/MaterialOffer.h"

#include <QString>

class QComboBox;
class QWidget;

namespace Ui::Operations {

// The material box of the doping dialogs: the doped material, with the tool tip that tells it
// from the materials being doped; N-doped silicon is chosen when it is offered.
QComboBox *dopedMaterialBox(QWidget *parent, const QString &objectName, const MaterialOffer &materials);

} // namespace Ui::Operations
