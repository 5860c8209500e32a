#pragma once

#include "Model/Materials/Material.h"
#include "Model/Persistence/MaterialConflict.h"

#include <QDialog>

#include <vector>

class QComboBox;
class QRadioButton;

namespace Ui {

// Asks what to do with a loaded material whose id is taken by a catalogue material of another
// name: use the existing one, replace it, use another catalogue material, or add the loaded
// one under a new id.
class MaterialConflictDialog : public QDialog {
    Q_OBJECT
public:
    MaterialConflictDialog(QWidget *parent, const Model::Materials::Material &loaded,
                           const Model::Materials::Material &existing,
                           const std::vector<Model::Materials::Material> &catalogue);

    // The checked choice (with the replacement's id for "another existing material").
    Model::Persistence::MaterialConflictChoice choice() const;

private slots:
    void updateReplacementEnabled();

private:
    QWidget *materialGroup(const QString &title, const Model::Materials::Material &material);

    QRadioButton *radUseExisting = nullptr;
    QRadioButton *radReplaceExisting = nullptr;
    QRadioButton *radUseAnother = nullptr;
    QRadioButton *radAddAsNew = nullptr;
    QComboBox *cbxReplacement = nullptr;
};

} // namespace Ui
