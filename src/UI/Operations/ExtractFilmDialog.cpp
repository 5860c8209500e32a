#include "UI/Operations/ExtractFilmDialog.h"

#include "UI/Operations/MaterialComboBox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace Ui::Operations {

ExtractFilmDialog::ExtractFilmDialog(const std::set<uint32_t> &present, QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("ExtractFilmForm"));
    setWindowTitle(QStringLiteral("Extract Film"));
    materialBox = new QComboBox(this);
    materialBox->setObjectName(QStringLiteral("cbxFilmMaterial"));
    MaterialComboBox::fillWithAllMaterials(materialBox);
    for (const uint32_t id : present) {
        const int index = materialBox->findData(id);
        if (index >= 0 && (id != 1 || present.size() == 1)) {
            materialBox->setCurrentIndex(index);
            break;
        }
    }
    invertBox = new QCheckBox(QStringLiteral("Invert film after extraction"), this);
    invertBox->setObjectName(QStringLiteral("chkInvertFilm"));

    auto *form = new QFormLayout;
    form->addRow(new QLabel(QStringLiteral("Select Film to Extract"), this), materialBox);
    form->addRow(invertBox);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
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
