#include "UI/Operations/MaskedCutOptionsDialog.h"

#include "UI/Operations/MaskFileField.h"
#include "UI/Operations/OptionsForm.h"

#include <QGroupBox>
#include <QVBoxLayout>

namespace Ui::Operations {

MaskedCutOptionsDialog::MaskedCutOptionsDialog(QWidget *parent) : QDialog(parent)
{
    OptionsForm form(this, QStringLiteral("MaskedCutOptionsBaseDialog"),
                     QStringLiteral("Masked Cell Cut Options"));
    auto *group = new QGroupBox(QStringLiteral("Top Down Cut Mask"), this);
    maskField = new MaskFileField({QStringLiteral("TopMask"), QStringLiteral("Mask File"),
                                   QString::fromLatin1(MaskFileField::kTopMaskWarning)},
                                  group);
    auto *groupLayout = new QVBoxLayout(group);
    groupLayout->addWidget(maskField);
    form.addWidget(group);
    connect(maskField, &MaskFileField::maskChanged, this, &MaskedCutOptionsDialog::maskChanged);
}

const Model::Automaton::ImageMask &MaskedCutOptionsDialog::getMask() const
{
    return maskField->getMask();
}

void MaskedCutOptionsDialog::accept()
{
    if (maskField->applyPendingFile())
        QDialog::accept();
}

} // namespace Ui::Operations
