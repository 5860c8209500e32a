#pragma once

#include "Model/Automaton/ImageMask.h"

#include <QDialog>
#include <QMap>
#include <QVariant>

class QComboBox;

namespace Ui::Operations {

class MaskFileField;

// "Photolithography Options": the top and bottom mask images and the photoresist material.
class PhotolithographyDialog : public QDialog {
    Q_OBJECT
public:
    explicit PhotolithographyDialog(QWidget *parent = nullptr);

    const Model::Automaton::ImageMask &getTopMask() const;
    const Model::Automaton::ImageMask &getBottomMask() const;
    QString getTopMaskFile() const;
    QString getBottomMaskFile() const;
    uint32_t getMaterialId() const;

    // Fills the dialog from a process-list entry: each mask from its stored bits, or, when
    // those are missing or do not match the stored size, from its file (when its width is not
    // 0); the material from "Material_Id" or "Material".
    void loadParameters(const QMap<QString, QVariant> &parameters);

public slots:
    // Loads a mask file named but not applied yet before closing; stays open when it fails.
    void accept() override;

signals:
    void topMaskChanged(const Model::Automaton::ImageMask &mask);
    void bottomMaskChanged(const Model::Automaton::ImageMask &mask);

private:
    MaskFileField *topField = nullptr;
    MaskFileField *bottomField = nullptr;
    QComboBox *materialBox = nullptr;
};

} // namespace Ui::Operations
