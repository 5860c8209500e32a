#include "UI/Operations/RandomWalkDopingDialog.h"

#include "UI/Operations/DopedMaterialBox.h"
#include "UI/Operations/MaterialComboBox.h"
#include "UI/Operations/OptionsForm.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QDoubleValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <cmath>

namespace Ui::Operations {
namespace {

QString numberText(double value)
{
    return QString::number(value, 'g', 6);
}

} // namespace

RandomWalkDopingDialog::RandomWalkDopingDialog(const MaterialOffer &materials, QWidget *parent)
    : QDialog(parent)
{
    OptionsForm form(this, QStringLiteral("RandomWalkDopingBaseDialog"),
                     QStringLiteral("Random Walk Doping Options"));
    const Core::Operations::RandomWalkSettings defaults;
    timeBox = OptionsForm::doubleSpinBox(this, QStringLiteral("dblDopingTime"), QStringLiteral(" minutes"), 2,
                                         0.0, 1e9, defaults.dopingTime);
    materialBox = dopedMaterialBox(this, QStringLiteral("cbxDopingMaterial"), materials);
    diffusionEdit = numberEdit("lieDiffusionCoefficient", defaults.diffusionCoefficient);
    cellSizeEdit = numberEdit("lieCellSize", defaults.cellSize);
    timeStepEdit = numberEdit("lieTimeStepDuration", defaults.timeStep);
    concentrationEdit = numberEdit("lieDopantConcentration", defaults.concentration);
    thresholdBox = OptionsForm::doubleSpinBox(this, QStringLiteral("dblThreshold"), QStringLiteral(" %"), 2,
                                              0.0, 1e9, defaults.threshold);
    problemLabel = new QLabel(this);
    problemLabel->setObjectName(QStringLiteral("lblProblem"));
    problemLabel->setWordWrap(true);
    problemLabel->setStyleSheet(QStringLiteral("color: #b00000"));
    problemLabel->hide();

    form.addRow(QStringLiteral("Doping Time"), timeBox);
    form.addRow(QStringLiteral("Doping Material"), materialBox);
    form.addRow(QStringLiteral("Diffusion Coefficient"), diffusionEdit);
    form.addRow(QStringLiteral("Cell Size"), cellSizeEdit);
    form.addRow(QStringLiteral("Time Step Duration"), timeStepEdit);
    form.addRow(QStringLiteral("Dopant concentration"), concentrationEdit);
    form.addRow(
        QStringLiteral("Threshold"), thresholdBox,
        QStringLiteral("This informs the software of the minimum concentration in the cell to change the "
                       "cell state to the doping material."));
    form.addWidget(problemLabel);
    okButton = findChild<QDialogButtonBox *>(QStringLiteral("buttonBox"))->button(QDialogButtonBox::Ok);

    // The partner follows once an edit is finished, not at every keystroke.
    connect(diffusionEdit, &QLineEdit::editingFinished, this, &RandomWalkDopingDialog::coupleTimeStep);
    connect(cellSizeEdit, &QLineEdit::editingFinished, this, &RandomWalkDopingDialog::coupleTimeStep);
    connect(timeStepEdit, &QLineEdit::editingFinished, this,
            &RandomWalkDopingDialog::coupleDiffusionCoefficient);
    for (QLineEdit *edit : {diffusionEdit, cellSizeEdit, timeStepEdit, concentrationEdit})
        connect(edit, &QLineEdit::textChanged, this, &RandomWalkDopingDialog::checkValues);
    connect(timeBox, qOverload<double>(&QDoubleSpinBox::valueChanged), this,
            &RandomWalkDopingDialog::checkValues);
    connect(thresholdBox, qOverload<double>(&QDoubleSpinBox::valueChanged), this,
            &RandomWalkDopingDialog::checkValues);
    checkValues();
}

RandomWalkDopingDialog::RandomWalkDopingDialog(QWidget *parent)
    : RandomWalkDopingDialog(MaterialOffer::wholeCatalogue(), parent)
{
}

QLineEdit *RandomWalkDopingDialog::numberEdit(const char *name, double value)
{
    auto *edit = new QLineEdit(numberText(value), this);
    edit->setObjectName(QLatin1String(name));
    auto *validator = new QDoubleValidator(0.0, 1e120, 6, edit);
    validator->setLocale(QLocale::c());
    edit->setValidator(validator);
    return edit;
}

double RandomWalkDopingDialog::numberIn(const QLineEdit *edit) const
{
    bool ok = false;
    const double value = QLocale::c().toDouble(edit->text(), &ok);
    return ok ? value : std::nan("");
}

void RandomWalkDopingDialog::coupleTimeStep()
{
    if (!diffusionEdit->isModified() && !cellSizeEdit->isModified())
        return;
    diffusionEdit->setModified(false);
    cellSizeEdit->setModified(false);
    const double dx = numberIn(cellSizeEdit) * 1e-6;
    const double timeStep = 0.5 * dx * dx / (numberIn(diffusionEdit) * 0.0001 * 6.0);
    // A diffusion coefficient of 0 leaves any time step possible: keep the one shown.
    if (std::isfinite(timeStep) && timeStep > 0.0)
        timeStepEdit->setText(numberText(timeStep));
}

void RandomWalkDopingDialog::coupleDiffusionCoefficient()
{
    if (!timeStepEdit->isModified())
        return;
    timeStepEdit->setModified(false);
    const double dx = numberIn(cellSizeEdit) * 1e-6;
    const double diffusion = 0.5 * dx * dx * 10000.0 / (numberIn(timeStepEdit) * 6.0);
    if (std::isfinite(diffusion) && diffusion > 0.0)
        diffusionEdit->setText(numberText(diffusion));
}

void RandomWalkDopingDialog::checkValues()
{
    const QString problem = Core::Operations::RandomWalkParameters::fromSettings(getSettings()).problem();
    problemLabel->setText(problem);
    if (problemLabel->isHidden() != problem.isEmpty()) {
        problemLabel->setVisible(!problem.isEmpty());
        adjustSize(); // grows for the explanation, shrinks back without it
    }
    okButton->setEnabled(problem.isEmpty());
}

Core::Operations::RandomWalkSettings RandomWalkDopingDialog::getSettings() const
{
    Core::Operations::RandomWalkSettings settings;
    settings.dopingTime = timeBox->value();
    settings.materialId = MaterialComboBox::selectedMaterialId(materialBox);
    settings.diffusionCoefficient = numberIn(diffusionEdit);
    settings.cellSize = numberIn(cellSizeEdit);
    settings.timeStep = numberIn(timeStepEdit);
    settings.concentration = numberIn(concentrationEdit);
    settings.threshold = thresholdBox->value();
    return settings;
}

void RandomWalkDopingDialog::loadParameters(const QVariantMap &parameters)
{
    OptionsForm::preset(timeBox, parameters, QStringLiteral("Doping Time"));
    OptionsForm::preset(thresholdBox, parameters, QStringLiteral("Doping Threshold"));
    const std::pair<QLineEdit *, const char *> edits[] = {{diffusionEdit, "Diffusion Coefficient"},
                                                          {cellSizeEdit, "Cell Size"},
                                                          {timeStepEdit, "Time Step Duration"},
                                                          {concentrationEdit, "Surface Concentration"}};
    for (const auto &[edit, key] : edits) {
        bool ok = false;
        const double value = parameters.value(QLatin1String(key)).toDouble(&ok);
        if (ok)
            edit->setText(numberText(value));
    }
    MaterialComboBox::selectStored(materialBox, parameters, QStringLiteral("Material"));
}

} // namespace Ui::Operations
