#pragma once

#include <QDialog>
#include <QMap>
#include <QVariant>

class QSpinBox;

namespace Ui::Operations {

// "Planarization Options": the minimum and maximum heights, in cells, of the slab that stays.
// The minimum can never exceed the maximum; the maximum box applies a typed value only when the
// typing ends, so the minimum is not re-limited by a half-typed number.
class PlanarizationOptionsDialog : public QDialog {
    Q_OBJECT
public:
    explicit PlanarizationOptionsDialog(QWidget *parent = nullptr);

    // Limits both heights to the volume's height; the maximum starts there.
    void setVolumeHeight(uint32_t sizeZ);
    uint32_t getMaximumHeight() const;
    uint32_t getMinimumHeight() const;
    // Presets the heights from "Maximum Height" and "Minimum Height".
    void loadParameters(const QMap<QString, QVariant> &parameters);

public slots:
    void updateMinimumLimits(int maximum);

private:
    QSpinBox *minimumBox = nullptr;
    QSpinBox *maximumBox = nullptr;
};

} // namespace Ui::Operations
