#pragma once

#include "Model/Materials/Material.h"
#include "Util/Vector3D.h"

#include <QDialog>
#include <QVariantMap>

#include <vector>

class QCheckBox;
class QComboBox;
class QDialogButtonBox;
class QDoubleSpinBox;
class QLabel;
class QSpinBox;

namespace Ui::Operations {

// Options of Create Substrate: the volume's size and position, and a block or ball of one
// material inside it. The block's limits follow the volume's size as the user types.
class CreateSubstrateDialog : public QDialog {
    Q_OBJECT
public:
    explicit CreateSubstrateDialog(QWidget *parent = nullptr);

    void setMaterials(const std::vector<Model::Materials::Material> &materials);
    // Presets the controls from stored batch parameters; absent keys are left alone.
    void loadParameters(const QVariantMap &parameters);

    uint32_t getMaterial() const;
    uint32_t getTotalWidth() const;
    uint32_t getTotalLength() const;
    uint32_t getTotalHeight() const;
    uint32_t getSubstrateX() const;
    uint32_t getSubstrateY() const;
    uint32_t getSubstrateZ() const;
    uint32_t getSubstrateWidth() const;
    uint32_t getSubstrateLength() const;
    uint32_t getSubstrateHeight() const;
    uint32_t getRadius() const;
    uint32_t getCenterX() const;
    uint32_t getCenterY() const;
    uint32_t getCenterZ() const;
    bool isSpherical() const;
    Util::Vector3D getPosition() const;

public slots:
    void updateLimitX(int newValue);
    void updateLimitY(int newValue);
    void updateLimitZ(int newValue);
    void updateSubstrateDispX(int newValue);
    void updateSubstrateDispY(int newValue);
    void updateSubstrateDispZ(int newValue);
    void toggleSubsShape(bool checked);

private:
    void buildForm();
    void connectLimits();

    QSpinBox *sbxTotalWidth = nullptr;
    QSpinBox *sbxTotalLength = nullptr;
    QSpinBox *sbxTotalHeight = nullptr;
    QSpinBox *sbxSubsWidth = nullptr;
    QSpinBox *sbxSubsLength = nullptr;
    QSpinBox *sbxSubsHeight = nullptr;
    QSpinBox *sbxSubsX = nullptr;
    QSpinBox *sbxSubsY = nullptr;
    QSpinBox *sbxSubsZ = nullptr;
    QCheckBox *cbxSubsSphere = nullptr;
    QSpinBox *sbxSubsRadius = nullptr;
    QSpinBox *sbxSubsCenterX = nullptr;
    QSpinBox *sbxSubsCenterY = nullptr;
    QSpinBox *sbxSubsCenterZ = nullptr;
    QComboBox *cbxFilm = nullptr;
    QDoubleSpinBox *dblVolumeX = nullptr;
    QDoubleSpinBox *dblVolumeY = nullptr;
    QDoubleSpinBox *dblVolumeZ = nullptr;
    QDialogButtonBox *buttonBox = nullptr;
    std::vector<QWidget *> blockControls;
    std::vector<QWidget *> ballControls;
};

} // namespace Ui::Operations
