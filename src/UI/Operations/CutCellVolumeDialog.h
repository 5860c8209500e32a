#pragma once

#include "Model/Automaton/CutBox.h"

#include <QDialog>

#include <array>

class QCheckBox;
class QSlider;
class QSpinBox;

namespace Ui::Operations {

// "Cut Cell Volume": the box of cells drawn, as a lower and an upper limit per axis, each a
// slider coupled both ways with a spin box. A lower limit never reaches its upper limit: setting
// one pushes the other away by one. Typed values apply when the typing ends. While "Preview" is
// checked every change is announced at once.
class CutCellVolumeDialog : public QDialog {
    Q_OBJECT
public:
    explicit CutCellVolumeDialog(QWidget *parent = nullptr);

    // The axis sizes bound the limits (lower 0..size − 1, upper 1..size); `box` is shown first.
    void setVolume(const std::array<uint32_t, 3> &sizes, const Model::Automaton::CutBox &box);
    Model::Automaton::CutBox getCutBox() const;
    bool isPreviewing() const;

signals:
    void previewChanged(const Model::Automaton::CutBox &box);

private slots:
    void on_btnReset_clicked();

private:
    // One limit: its slider and spin box.
    struct Limit {
        QSlider *slider = nullptr;
        QSpinBox *box = nullptr;
        void show(int value) const;
    };
    struct Axis {
        Limit lower;
        Limit upper;
    };

    Limit createLimit(int axis, bool upper);
    void lowerChanged(int axis, int value);
    void upperChanged(int axis, int value);
    void announce();

    std::array<Axis, 3> axes;
    std::array<uint32_t, 3> sizes{1, 1, 1};
    QCheckBox *previewBox = nullptr;
};

} // namespace Ui::Operations
