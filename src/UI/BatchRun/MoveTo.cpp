#include "UI/BatchRun/MoveTo.h"
#include "UI/DialogButtons.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

namespace UtilDialog {

MoveTo::MoveTo(QWidget *parent, const QString &entryName, int entryCount, int currentPosition)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("MoveToBaseDialog"));
    setWindowTitle(QStringLiteral("Move To"));
    auto *layout = new QVBoxLayout(this);
    auto *form = new QFormLayout;
    sbxPosition = new QSpinBox(this);
    sbxPosition->setObjectName(QStringLiteral("sbxPosition"));
    sbxPosition->setRange(1, std::max(1, entryCount));
    sbxPosition->setValue(currentPosition);
    form->addRow(new QLabel(entryName, this), sbxPosition);
    layout->addLayout(form);
    auto *buttons = Ui::okCancelButtons(this);
    layout->addWidget(buttons);
}

int MoveTo::position() const
{
    return sbxPosition->value();
}

} // namespace UtilDialog
