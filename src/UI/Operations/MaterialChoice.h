#pragma once

#include <QString>
#include <QVariantMap>

#include <cstdint>

class QComboBox;
class QWidget;

namespace Ui::Operations::MaterialChoice {

// The "process" of the batch step editors: every material of the catalogue, since a process
// list may name any of them.
constexpr uint32_t kEveryMaterial = 0;

// The tool tip of the doping dialogs' material boxes.
inline constexpr const char *kDopedMaterialToolTip =
    "This is the doped material. Not to be confused with the materials that will be doped. All materials in "
    "the list will be doped, plus Si.";

// The compatible materials of `processId` (the interactive operation), or every material of
// the catalogue for kEveryMaterial.
void fill(QComboBox *box, uint32_t processId);
// The doped-material box of the doping dialogs, filled as `fill` does, with its tool tip.
QComboBox *dopedMaterialBox(QWidget *parent, const QString &objectName, uint32_t processId);

// Makes the stored material current: `stem` + "_Id", or without it the material named `stem`.
// A stored id the box does not list is added with the stored name and colour, so editing a
// step keeps its material as stored.
void selectStored(QComboBox *box, const QVariantMap &parameters, const QString &stem);

} // namespace Ui::Operations::MaterialChoice
