#pragma once

#include <QDialog>

#include <cstdint>
#include <set>

class QCheckBox;
class QComboBox;

namespace Ui::Operations {

// Asks which material's film to extract and whether to turn it over afterwards.
class ExtractFilmDialog : public QDialog {
    Q_OBJECT
public:
    // Lists the catalogue's materials.
    explicit ExtractFilmDialog(QWidget *parent = nullptr);

    // Preselects the first of the materials found in the volume other than silicon, so the usual
    // choice, a film on a substrate, is one click.
    void preselect(const std::set<uint32_t> &present);

    uint32_t getMaterialId() const;
    bool isInverted() const;

private:
    QComboBox *materialBox = nullptr;
    QCheckBox *invertBox = nullptr;
};

} // namespace Ui::Operations
