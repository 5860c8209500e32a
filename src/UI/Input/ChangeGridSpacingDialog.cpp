#include "UI/Input/ChangeGridSpacingDialog.h"
#include "UI/DialogButtons.h"

#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>

namespace Ui::Input {

ChangeGridSpacingDialog::ChangeGridSpacingDialog(double spacing, QWidget *parent)
    : QDialog(parent), dbxSpacing(new QDoubleSpinBox)
{
    setWindowTitle(QStringLiteral("Set Grid Spacing"));
    dbxSpacing->setObjectName(QStringLiteral("dbxSpacing"));
    // A grid finer than 0.01 units or coarser than the view's ±300 extent shows nothing useful.
    dbxSpacing->setRange(0.01, 600.0);
    dbxSpacing->setDecimals(2);
    dbxSpacing->setValue(spacing);
    auto *buttons = okCancelButtons(this);
    auto *layout = new QFormLayout(this);
    layout->addRow(QStringLiteral("Spacing"), dbxSpacing);
    layout->addRow(buttons);
}

double ChangeGridSpacingDialog::getSpacing() const
{
    return dbxSpacing->value();
}

} // namespace Ui::Input
