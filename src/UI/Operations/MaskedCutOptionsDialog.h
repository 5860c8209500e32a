#pragma once

#include "Model/Automaton/ImageMask.h"

#include <QDialog>

namespace Ui::Operations {

class MaskFileField;

// "Masked Cell Cut Options": the top-down mask image whose open (not red, not black) pixels
// choose the cell columns that the cut hides.
class MaskedCutOptionsDialog : public QDialog {
    Q_OBJECT
public:
    explicit MaskedCutOptionsDialog(QWidget *parent = nullptr);

    const Model::Automaton::ImageMask &getMask() const;

public slots:
    // Loads a mask file named but not applied yet before closing; stays open when it fails.
    void accept() override;

signals:
    void maskChanged(const Model::Automaton::ImageMask &mask);

private:
    MaskFileField *maskField = nullptr;
};

} // namespace Ui::Operations
