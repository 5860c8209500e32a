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
    // Lists the catalogue's materials; the first of `present` (materials found in the volume)
    // other than silicon is preselected, so the usual choice, a film on a substrate, is one click.
    explicit ExtractFilmDialog(const std::set<uint32_t> &present, QWidget *parent = nullptr);

    uint32_t getMaterialId() const;
    bool isInverted() const;

private:
    QComboBox *materialBox = nullptr;
    QCheckBox *invertBox = nullptr;
};

} // namespace Ui::Operations
