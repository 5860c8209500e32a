#include "UI/Operations/ExtractFilmDialog.h"

#include "UI/Operations/MaterialComboBox.h"
#include "UI/Operations/OptionsForm.h"

#include <QCheckBox>
#include <QComboBox>

namespace Ui::Operations {
namespace {
constexpr uint32_t kSilicon = 1;
}

ExtractFilmDialog::ExtractFilmDialog(const std::set<uint32_t> &present, QWidget *parent) : QDialog(parent)
{
    OptionsForm form(this, QStringLiteral("ExtractFilmForm"), QStringLiteral("Extract Film"));
    materialBox = new QComboBox(this);
    materialBox->setObjectName(QStringLiteral("cbxFilmMaterial"));
    MaterialComboBox::fill(materialBox, MaterialOffer::wholeCatalogue());
    for (const uint32_t id : present) {
        if (id != kSilicon || present.size() == 1) {
            MaterialComboBox::selectId(materialBox, id);
            break;
        }
    }
    invertBox = new QCheckBox(QStringLiteral("Invert film after extraction"), this);
    invertBox->setObjectName(QStringLiteral("chkInvertFilm"));
    form.addRow(QStringLiteral("Select Film to Extract"), materialBox);
    form.addWidget(invertBox);
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
