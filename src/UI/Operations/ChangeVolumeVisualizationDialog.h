#pragma once

#include "Model/Automaton/VisualizationOptions.h"
#include "Model/Materials/Material.h"

#include <QColor>
#include <QDialog>
#include <QMap>

#include <functional>
#include <map>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;

namespace Ui::Operations {

// "Change Volume Visualization Options": how one cell volume is drawn (atoms of its silicon
// lattice, empty-cell outlines, surface algorithm, particle-count view) and the colours of the
// catalogue's materials. Film colours chosen here are kept per material until the dialog is
// accepted.
class ChangeVolumeVisualizationDialog : public QDialog {
    Q_OBJECT
public:
    // Asks for a colour: the dialog's own colour chooser unless a test replaces it. An invalid
    // colour means the choice was cancelled.
    using ColorChooser = std::function<QColor(const QColor &initial, QWidget *parent)>;

    explicit ChangeVolumeVisualizationDialog(QWidget *parent = nullptr);

    void setOptions(const Model::Automaton::VisualizationOptions &options);
    Model::Automaton::VisualizationOptions options() const;
    // The materials whose colour was changed, with their new colour.
    std::map<uint32_t, Model::Materials::RgbaColor> filmColors() const;

    void setColorChooser(ColorChooser chooser) { colorChooser = std::move(chooser); }

private slots:
    void on_btnChangeColor_clicked();
    void on_cbxMaterial_currentIndexChanged(int index);
    void on_chkRenderSiAtoms_toggled(bool checked);

private:
    void buildForm();
    QWidget *atomisticTab();
    QWidget *voxelTab();
    QWidget *filmTab();
    QWidget *surfaceTab();
    QColor shownColor() const;
    void showSwatch(const QColor &color);

    QCheckBox *chkRenderSiAtoms = nullptr;
    QCheckBox *chkRenderSurfaceAtoms = nullptr;
    QCheckBox *chkRenderSiLinks = nullptr;
    QCheckBox *chkRenderUnitCellOutlines = nullptr;
    QCheckBox *chkRenderUnitCells = nullptr;
    QCheckBox *chkRenderEmptyVoxels = nullptr;
    QComboBox *cbxMaterial = nullptr;
    QLabel *lblFilmColor = nullptr;
    QPushButton *btnChangeColor = nullptr;
    QComboBox *cbxSurfaceAlgorithm = nullptr;
    QComboBox *cbxDistribution = nullptr;
    QComboBox *cbxColorScale = nullptr;
    QMap<uint32_t, QColor> chosenColors;
    ColorChooser colorChooser;
};

} // namespace Ui::Operations
