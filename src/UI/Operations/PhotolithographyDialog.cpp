#include "UI/Operations/PhotolithographyDialog.h"

#include "UI/Operations/MaskFileField.h"
#include "UI/Operations/MaterialComboBox.h"
#include "UI/Operations/OptionsForm.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QTabWidget>
#include <QVBoxLayout>

namespace Ui::Operations {

using Model::Automaton::ImageMask;

namespace {

// Offered first: what is usually spun on and exposed.
constexpr uint32_t kPositiveResist = 11;

QWidget *tabHolding(QWidget *content, QWidget *parent)
{
    auto *tab = new QWidget(parent);
    auto *layout = new QVBoxLayout(tab);
    layout->addWidget(content);
    layout->addStretch();
    return tab;
}

// The mask a process-list entry keeps under `stem`, else the one its file gives.
void loadMask(MaskFileField *field, const QMap<QString, QVariant> &parameters, const QString &stem)
{
    const QString file = parameters.value(stem + QStringLiteral(" File")).toString();
    const uint32_t width = parameters.value(stem + QStringLiteral(" Width")).toUInt();
    const uint32_t height = parameters.value(stem + QStringLiteral(" Height")).toUInt();
    const ImageMask stored(parameters.value(stem).toBitArray(), width, height);
    if (parameters.value(stem).userType() == QMetaType::QBitArray && stored.isConsistent()) {
        field->setMask(stored, file);
        return;
    }
    field->setMask(ImageMask(), file);
    if (width != 0)
        field->applyFile();
}

} // namespace

PhotolithographyDialog::PhotolithographyDialog(QWidget *parent) : QDialog(parent)
{
    OptionsForm form(this, QStringLiteral("PhotolithographyBaseDialog"),
                     QStringLiteral("Photolithography Options"));
    topField = new MaskFileField({QStringLiteral("TopMask"), QStringLiteral("Top Mask File"),
                                  QString::fromLatin1(MaskFileField::kTopMaskWarning)},
                                 this);
    bottomField = new MaskFileField({QStringLiteral("BottomMask"), QStringLiteral("Bottom Mask File"),
                                     QString::fromLatin1(MaskFileField::kBottomMaskWarning)},
                                    this);
    connect(topField, &MaskFileField::maskChanged, this, &PhotolithographyDialog::topMaskChanged);
    connect(bottomField, &MaskFileField::maskChanged, this, &PhotolithographyDialog::bottomMaskChanged);

    materialBox =
        MaterialComboBox::create(this, QStringLiteral("cbxMaterial"), MaterialOffer::wholeCatalogue());
    MaterialComboBox::selectId(materialBox, kPositiveResist);
    auto *film = new QWidget(this);
    auto *filmForm = new QFormLayout(film);
    filmForm->addRow(new QLabel(QStringLiteral("Material"), film), materialBox);

    auto *tabs = new QTabWidget(this);
    tabs->setObjectName(QStringLiteral("tabWidget"));
    tabs->addTab(tabHolding(topField, tabs), QStringLiteral("Top Mask"));
    tabs->addTab(tabHolding(bottomField, tabs), QStringLiteral("Bottom Mask"));
    tabs->addTab(tabHolding(film, tabs), QStringLiteral("Select Film"));
    form.addWidget(tabs);
}

const ImageMask &PhotolithographyDialog::getTopMask() const
{
    return topField->getMask();
}

const ImageMask &PhotolithographyDialog::getBottomMask() const
{
    return bottomField->getMask();
}

QString PhotolithographyDialog::getTopMaskFile() const
{
    return topField->getFileName();
}

QString PhotolithographyDialog::getBottomMaskFile() const
{
    return bottomField->getFileName();
}

uint32_t PhotolithographyDialog::getMaterialId() const
{
    return MaterialComboBox::selectedMaterialId(materialBox);
}

void PhotolithographyDialog::loadParameters(const QMap<QString, QVariant> &parameters)
{
    loadMask(topField, parameters, QStringLiteral("Top Mask"));
    loadMask(bottomField, parameters, QStringLiteral("Bottom Mask"));
    MaterialComboBox::selectStored(materialBox, parameters, QStringLiteral("Material"));
}

void PhotolithographyDialog::accept()
{
    if (topField->applyPendingFile() && bottomField->applyPendingFile())
        QDialog::accept();
}

} // namespace Ui::Operations
