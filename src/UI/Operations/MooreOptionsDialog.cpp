#include "UI/Operations/MooreOptionsDialog.h"

#include "UI/Operations/MaterialComboBox.h"
#include "UI/Operations/OptionsForm.h"

#include <QComboBox>
#include <QLabel>
#include <QSpinBox>

namespace Ui::Operations {

MooreOptionsDialog::MooreOptionsDialog(QWidget *parent) : QDialog(parent)
{
    OptionsForm form(this, QStringLiteral("MooreOptionsBaseDialog"), QStringLiteral("Operation Options"));
    filmBox =
        MaterialComboBox::create(this, QStringLiteral("cbxSelectFilm"), MaterialOffer::wholeCatalogue());
    valueBox = OptionsForm::layerBox(this, QStringLiteral("sbxSelectValue"));
    form.addRow(QStringLiteral("Select Film"), filmBox);
    form.addRow(QStringLiteral("Select Value"), valueBox);
}

// The label of the value row: the form gave it the value box as its buddy.
void MooreOptionsDialog::setValueLabel(const QString &text)
{
    for (QLabel *label : findChildren<QLabel *>()) {
        if (label->buddy() == valueBox)
            label->setText(text);
    }
}

uint32_t MooreOptionsDialog::getMaterialId() const
{
    return MaterialComboBox::selectedMaterialId(filmBox);
}

uint32_t MooreOptionsDialog::getValue() const
{
    return uint32_t(valueBox->value());
}

void MooreOptionsDialog::loadParameters(const QMap<QString, QVariant> &parameters, const QString &valueKey)
{
    OptionsForm::preset(valueBox, parameters, valueKey);
    MaterialComboBox::selectStored(filmBox, parameters, QStringLiteral("Material"));
}

} // namespace Ui::Operations
