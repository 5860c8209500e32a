#include "UI/Operations/ExtractFilmDialog.h"

#include "UI/Operations/MaterialComboBox.h"
#include "UI/Operations/OptionsForm.h"

#include <QCheckBox>
#include <QComboBox>

namespace Ui::Operations {
namespace {
constexpr uint32_t kSilicon = 1;
}

ExtractFilmDialog::ExtractFilmDialog(QWidget *parent) : QDialog(parent)
{
    OptionsForm form(this, QStringLiteral("ExtractFilmForm"), QStringLiteral("Extract Film"));
    materialBox =
        MaterialComboBox::create(this, QStringLiteral("cbxFilmMaterial"), MaterialOffer::wholeCatalogue());
    invertBox = new QCheckBox(QStringLiteral("Invert film after extraction"), this);
    invertBox->setObjectName(QStringLiteral("chkInvertFilm"));
    form.addRow(QStringLiteral("Select Film to Extract"), materialBox);
    form.addWidget(invertBox);
}

void ExtractFilmDialog::preselect(const std::set<uint32_t> &present)
{
    for (const uint32_t id : present) {
        if (id != kSilicon || present.size() == 1) {
            MaterialComboBox::selectId(materialBox, id);
            return;
        }
    }
}

uint32_t ExtractFilmDialog::getMaterialId() const
{
    return MaterialComboBox::selectedMaterialId(materialBox);
}

bool ExtractFilmDialog::isInverted() const
{
    return invertBox->isChecked();
}

} // namespace Ui::Operations
