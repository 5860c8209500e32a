#include "UI/Operations/ChangeVolumeVisualizationDialog.h"
#include "UI/DialogButtons.h"

#include "Model/Materials/MaterialFactory.h"
#include "Model/Persistence/MaterialParameters.h"
#include "UI/Operations/MaterialComboBox.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace Ui::Operations {
namespace {

QCheckBox *checkBox(const char *name, const char *text)
{
    auto *box = new QCheckBox(QString::fromUtf8(text));
    box->setObjectName(QString::fromUtf8(name));
    return box;
}

QComboBox *choiceBox(const char *name, std::initializer_list<const char *> items)
{
    auto *box = new QComboBox;
    box->setObjectName(QString::fromUtf8(name));
    for (const char *item : items)
        box->addItem(QString::fromUtf8(item));
    return box;
}

QWidget *page(QLayout *layout)
{
    auto *widget = new QWidget;
    widget->setLayout(layout);
    return widget;
}

int toIndex(uint32_t value, const QComboBox *box)
{
    return value < uint32_t(box->count()) ? int(value) : 0;
}

// The catalogue colour, channels scaled by 255.
QColor catalogueColor(uint32_t materialId)
{
    return Model::Persistence::MaterialParameters::color(
        Model::Materials::MaterialFactory::instance()->getMaterialById(materialId));
}

QColor askForColor(const QColor &initial, QWidget *parent)
{
    return QColorDialog::getColor(initial, parent, QStringLiteral("Select new film color"),
                                  QColorDialog::ShowAlphaChannel);
}

} // namespace

ChangeVolumeVisualizationDialog::ChangeVolumeVisualizationDialog(QWidget *parent)
    : QDialog(parent), colorChooser(askForColor)
{
    buildForm();
    QMetaObject::connectSlotsByName(this);
    on_chkRenderSiAtoms_toggled(false);
    showSwatch(shownColor());
}

void ChangeVolumeVisualizationDialog::buildForm()
{
    setObjectName(QStringLiteral("ChangeVolumeVisualizationDialogForm"));
    setWindowTitle(QStringLiteral("Change Volume Visualization Options"));
    auto *tabs = new QTabWidget;
    tabs->setUsesScrollButtons(false); // the dialog is as wide as its four tabs
    tabs->addTab(atomisticTab(), QStringLiteral("Atomistic Visualization"));
    tabs->addTab(voxelTab(), QStringLiteral("Voxel Visualization"));
    tabs->addTab(filmTab(), QStringLiteral("Film Visualization"));
    tabs->addTab(surfaceTab(), QStringLiteral("Surface Generation"));

    auto *buttons = okCancelButtons(this);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(tabs);
    layout->addWidget(buttons);
}

QWidget *ChangeVolumeVisualizationDialog::atomisticTab()
{
    chkRenderSiAtoms = checkBox("chkRenderSiAtoms", "Render Si Atoms");
    chkRenderSurfaceAtoms = checkBox("chkRenderSurfaceAtoms", "Render surface atoms only");
    chkRenderSiLinks = checkBox("chkRenderSiLinks", "Render Si atom links");
    chkRenderUnitCellOutlines = checkBox("chkRenderUnitCellOutlines", "Render Si unit cell outlines");
    chkRenderUnitCells = checkBox("chkRenderUnitCells", "Render Si unit cells");
    auto *group = new QGroupBox(QStringLiteral("Si Visualization"));
    auto *boxes = new QVBoxLayout(group);
    for (QCheckBox *box : {chkRenderSiAtoms, chkRenderSurfaceAtoms, chkRenderSiLinks,
                           chkRenderUnitCellOutlines, chkRenderUnitCells})
        boxes->addWidget(box);
    auto *layout = new QVBoxLayout;
    layout->addWidget(group);
    layout->addStretch();
    return page(layout);
}

QWidget *ChangeVolumeVisualizationDialog::voxelTab()
{
    chkRenderEmptyVoxels = checkBox("chkRenderEmptyVoxels", "Render Empty Voxel Outlines");
    auto *layout = new QVBoxLayout;
    layout->addWidget(chkRenderEmptyVoxels);
    layout->addStretch();
    return page(layout);
}

QWidget *ChangeVolumeVisualizationDialog::filmTab()
{
    cbxMaterial = new QComboBox;
    cbxMaterial->setObjectName(QStringLiteral("cbxMaterial"));
    MaterialComboBox::fill(cbxMaterial, MaterialOffer::wholeCatalogue());
    lblFilmColor = new QLabel;
    lblFilmColor->setObjectName(QStringLiteral("lblFilmColor"));
    lblFilmColor->setFixedSize(40, 20);
    btnChangeColor = new QPushButton(QStringLiteral("Change Color"));
    btnChangeColor->setObjectName(QStringLiteral("btnChangeColor"));
    auto *colorRow = new QHBoxLayout;
    colorRow->addWidget(lblFilmColor);
    colorRow->addWidget(btnChangeColor);
    colorRow->addStretch();
    auto *layout = new QFormLayout;
    layout->addRow(QStringLiteral("Material"), cbxMaterial);
    layout->addRow(QStringLiteral("Color"), colorRow);
    return page(layout);
}

QWidget *ChangeVolumeVisualizationDialog::surfaceTab()
{
    cbxSurfaceAlgorithm =
        choiceBox("cbxSurfaceAlgorithm", {"Direct Cubic Surface Generation", "Marching Cubes",
                                          "Octree Surface Generation", "Particle Count Field View"});
    cbxDistribution = choiceBox("cbxDistribution", {"Particle Distribution for N-Type Dopants",
                                                    "Particle Distribution for P-Type Dopants",
                                                    "Particle Distribution Signed Sum of Dopants"});
    cbxColorScale = choiceBox("cbxColorScale", {"Gray Scale", "Red to Blue", "Yellow to Blue"});
    auto *layout = new QFormLayout;
    layout->addRow(QStringLiteral("Surface Generation Algorithm"), cbxSurfaceAlgorithm);
    layout->addRow(QStringLiteral("Distribution to Render"), cbxDistribution);
    layout->addRow(QStringLiteral("Color Scale"), cbxColorScale);
    return page(layout);
}

void ChangeVolumeVisualizationDialog::setOptions(const Model::Automaton::VisualizationOptions &options)
{
    chkRenderSiAtoms->setChecked(options.atoms.siAtoms);
    chkRenderSurfaceAtoms->setChecked(options.atoms.surfaceAtomsOnly);
    chkRenderSiLinks->setChecked(options.atoms.siAtomLinks);
    chkRenderUnitCells->setChecked(options.atoms.siUnitCells);
    chkRenderUnitCellOutlines->setChecked(options.atoms.siUnitCellOutlines);
    chkRenderEmptyVoxels->setChecked(options.emptyVoxelOutlines);
    cbxSurfaceAlgorithm->setCurrentIndex(toIndex(options.surfaceAlgorithm, cbxSurfaceAlgorithm));
    cbxDistribution->setCurrentIndex(toIndex(options.particleDistribution, cbxDistribution));
    cbxColorScale->setCurrentIndex(toIndex(options.colorScale, cbxColorScale));
}

Model::Automaton::VisualizationOptions ChangeVolumeVisualizationDialog::options() const
{
    Model::Automaton::VisualizationOptions options;
    options.atoms.siAtoms = chkRenderSiAtoms->isChecked();
    options.atoms.surfaceAtomsOnly = chkRenderSurfaceAtoms->isChecked();
    options.atoms.siAtomLinks = chkRenderSiLinks->isChecked();
    options.atoms.siUnitCells = chkRenderUnitCells->isChecked();
    options.atoms.siUnitCellOutlines = chkRenderUnitCellOutlines->isChecked();
    options.emptyVoxelOutlines = chkRenderEmptyVoxels->isChecked();
    options.surfaceAlgorithm = uint32_t(cbxSurfaceAlgorithm->currentIndex());
    options.particleDistribution = uint32_t(cbxDistribution->currentIndex());
    options.colorScale = uint32_t(cbxColorScale->currentIndex());
    return options;
}

std::map<uint32_t, Model::Materials::RgbaColor> ChangeVolumeVisualizationDialog::filmColors() const
{
    std::map<uint32_t, Model::Materials::RgbaColor> colors;
    for (auto it = chosenColors.constBegin(); it != chosenColors.constEnd(); ++it)
        colors[it.key()] = {float(it->redF()), float(it->greenF()), float(it->blueF()), float(it->alphaF())};
    return colors;
}

void ChangeVolumeVisualizationDialog::on_btnChangeColor_clicked()
{
    if (cbxMaterial->currentIndex() < 0)
        return;
    const QColor chosen = colorChooser(shownColor(), this);
    if (!chosen.isValid())
        return;
    chosenColors.insert(MaterialComboBox::selectedMaterialId(cbxMaterial), chosen);
    showSwatch(chosen);
}

void ChangeVolumeVisualizationDialog::on_cbxMaterial_currentIndexChanged(int)
{
    showSwatch(shownColor());
}

// Surface atoms can only be singled out among atoms that are drawn.
void ChangeVolumeVisualizationDialog::on_chkRenderSiAtoms_toggled(bool checked)
{
    chkRenderSurfaceAtoms->setEnabled(checked);
}

// The colour chosen for the current material in this dialog, else its catalogue colour.
QColor ChangeVolumeVisualizationDialog::shownColor() const
{
    const uint32_t id = MaterialComboBox::selectedMaterialId(cbxMaterial);
    return chosenColors.value(id, catalogueColor(id));
}

void ChangeVolumeVisualizationDialog::showSwatch(const QColor &color)
{
    const auto hex = [](int channel) { return QStringLiteral("%1").arg(channel, 2, 16, QLatin1Char('0')); };
    lblFilmColor->setStyleSheet(QStringLiteral("background-color : #%1%2%3")
                                    .arg(hex(color.red()), hex(color.green()), hex(color.blue())));
}

} // namespace Ui::Operations
