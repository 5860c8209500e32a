#include "UI/MaterialConflictDialog.h"
#include "UI/DialogButtons.h"

#include "UI/Operations/MaterialComboBox.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QRadioButton>
#include <QVBoxLayout>

namespace Ui {

using Model::Persistence::MaterialConflictChoice;

MaterialConflictDialog::MaterialConflictDialog(QWidget *parent, const Model::Materials::Material &loaded,
                                               const Model::Materials::Material &existing,
                                               const std::vector<Model::Materials::Material> &catalogue)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("MaterialConflictBaseDialog"));
    setWindowTitle(QStringLiteral("Dialog"));
    auto *layout = new QVBoxLayout(this);
    auto *text =
        new QLabel(QStringLiteral("While loading the document, a material with the same identifier as an "
                                  "existing material was found, but the names are not the same. What "
                                  "would you like to do?"),
                   this);
    text->setWordWrap(true);
    layout->addWidget(text);
    auto *materials = new QHBoxLayout;
    materials->addWidget(materialGroup(QStringLiteral("Loaded Material"), loaded));
    materials->addWidget(materialGroup(QStringLiteral("Existing Material"), existing));
    layout->addLayout(materials);

    radUseExisting = new QRadioButton(QStringLiteral("Replace loaded material by existing material."), this);
    radReplaceExisting =
        new QRadioButton(QStringLiteral("Replace existing material by loaded material"), this);
    radUseAnother =
        new QRadioButton(QStringLiteral("Replace loaded material by another existing material"), this);
    radAddAsNew = new QRadioButton(QStringLiteral("Add loaded material as a new material"), this);
    radUseExisting->setObjectName(QStringLiteral("radUseExisting"));
    radReplaceExisting->setObjectName(QStringLiteral("radReplaceExisting"));
    radUseAnother->setObjectName(QStringLiteral("radUseAnother"));
    radAddAsNew->setObjectName(QStringLiteral("radAddAsNew"));
    radUseExisting->setChecked(true);
    for (QRadioButton *button : {radUseExisting, radReplaceExisting, radUseAnother, radAddAsNew}) {
        layout->addWidget(button);
        connect(button, &QRadioButton::toggled, this, &MaterialConflictDialog::updateReplacementEnabled);
    }

    auto *replacement = new QHBoxLayout;
    replacement->addWidget(new QLabel(QStringLiteral("Replacement Material"), this));
    cbxReplacement = new QComboBox(this);
    cbxReplacement->setObjectName(QStringLiteral("cbxReplacement"));
    Operations::MaterialComboBox::fill(cbxReplacement, catalogue);
    replacement->addWidget(cbxReplacement, 1);
    layout->addLayout(replacement);

    auto *buttons = okCancelButtons(this);
    layout->addWidget(buttons);
    updateReplacementEnabled();
}

QWidget *MaterialConflictDialog::materialGroup(const QString &title,
                                               const Model::Materials::Material &material)
{
    auto *group = new QGroupBox(title, this);
    auto *row = new QHBoxLayout(group);
    const auto &c = material.getColor();
    QPixmap swatch(20, 20);
    swatch.fill(QColor(int(c.r * 255), int(c.g * 255), int(c.b * 255), int(c.a * 255)));
    auto *colour = new QLabel(group);
    colour->setPixmap(swatch);
    row->addWidget(colour);
    row->addWidget(new QLabel(material.getName(), group), 1);
    return group;
}

void MaterialConflictDialog::updateReplacementEnabled()
{
    cbxReplacement->setEnabled(radUseAnother->isChecked());
}

MaterialConflictChoice MaterialConflictDialog::choice() const
{
    if (radReplaceExisting->isChecked())
        return {MaterialConflictChoice::ReplaceExisting, 0};
    if (radUseAnother->isChecked())
        return {MaterialConflictChoice::UseAnother,
                Operations::MaterialComboBox::selectedMaterialId(cbxReplacement)};
    if (radAddAsNew->isChecked())
        return {MaterialConflictChoice::AddAsNew, 0};
    return {MaterialConflictChoice::UseExisting, 0};
}

} // namespace Ui
