#include "UI/Operations/MooreOptionsDialog.h"

#include "UI/Operations/MaterialComboBox.h"
#include "UI/Operations/OptionsForm.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QSpinBox>

namespace Ui::Operations {

MooreOptionsDialog::MooreOptionsDialog(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("MooreOptionsBaseDialog"));
    setWindowTitle(QStringLiteral("Operation Options"));
    filmBox = OptionsForm::materialBox(this, QStringLiteral("cbxSelectFilm"));
    MaterialComboBox::fillWithAllMaterials(filmBox);
    valueBox = OptionsForm::layerBox(this, QStringLiteral("sbxSelectValue"));
    valueLabel = new QLabel(QStringLiteral("Select Value"), this);
    valueLabel->setObjectName(QStringLiteral("lblSelectValue"));

    auto *form = new QFormLayout;
    form->addRow(new QLabel(QStringLiteral("Select Film"), this), filmBox);
    form->addRow(valueLabel, valueBox);
    OptionsForm::finish(this, form);
}

void MooreOptionsDialog::setValueLabel(const QString &text)
{
    valueLabel->setText(text);
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
    MaterialComboBox::selectStored(filmBox, parameters, QStringLiteral("Material_Id"),
                                   QStringLiteral("Material"));
}

} // namespace Ui::Operations
