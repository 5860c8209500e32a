#include "UI/Operations/ExtractModelDialog.h"

#include "Core/Operations/ModelExtraction/RunModelExtraction.h"
#include "Model/ModelExtraction/NetlistFile.h"
#include "UI/Input/SaveFileName.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

namespace Ui::Operations {

ExtractModelDialog::ExtractModelDialog(QWidget *mainWindow,
                                       std::weak_ptr<Core::Operations::RunModelExtraction> operation)
    : QDialog(mainWindow), operation(std::move(operation))
{
    setObjectName(QStringLiteral("ExtractModelForm"));
    setWindowTitle(QStringLiteral("Extract Model"));
    setModal(false);
    const char *rows[3] = {"Preprocessing", "Feature Detection", "Model Extraction"};
    void (ExtractModelDialog::*handlers[3])() = {&ExtractModelDialog::runStepOneClicked,
                                                 &ExtractModelDialog::runStepTwoClicked,
                                                 &ExtractModelDialog::runStepThreeClicked};
    auto *layout = new QGridLayout(this);
    for (int i = 0; i < 3; ++i) {
        stepButtons[i] = new QPushButton(QStringLiteral("Run Step %1").arg(i + 1), this);
        stepButtons[i]->setObjectName(QStringLiteral("btnRunStep%1").arg(i + 1));
        stepButtons[i]->setEnabled(i == 0);
        connect(stepButtons[i], &QPushButton::clicked, this, handlers[i]);
        layout->addWidget(new QLabel(QLatin1String(rows[i]), this), i, 0);
        layout->addWidget(stepButtons[i], i, 1);
    }
}

QString &ExtractModelDialog::lastSaveDirectory()
{
    static QString directory = QDir::currentPath();
    return directory;
}

void ExtractModelDialog::runStepOneClicked()
{
    if (const auto extraction = operation.lock())
        extraction->runPreprocessing();
    stepButtons[0]->setEnabled(false);
    stepButtons[1]->setEnabled(true);
}

void ExtractModelDialog::runStepTwoClicked()
{
    if (const auto extraction = operation.lock())
        extraction->runFeatureDetection();
    stepButtons[1]->setEnabled(false);
    stepButtons[2]->setEnabled(true);
}

void ExtractModelDialog::runStepThreeClicked()
{
    const auto extraction = operation.lock();
    const QString netlist = extraction ? extraction->modelNetlist() : QString();
    if (netlist.isEmpty()) {
        QMessageBox::information(this, QStringLiteral("No model data"),
                                 QLatin1String(Model::ModelExtraction::NetlistFile::kNoModelData));
        return;
    }
    const QString path =
        Input::SaveFileName::ask(this, QStringLiteral("Save netlist"), lastSaveDirectory(),
                                 QStringLiteral("Circuit files *.cir"), QStringLiteral("cir"));
    if (path.isEmpty())
        return;
    lastSaveDirectory() = QFileInfo(path).absolutePath();
    QString error;
    if (!Model::ModelExtraction::NetlistFile::write(path, netlist, &error))
        QMessageBox::warning(this, QStringLiteral("File Error"),
                             QStringLiteral("Unable to save to selected file!"));
}

void ExtractModelDialog::reject()
{
    close();
}

void ExtractModelDialog::closeEvent(QCloseEvent *event)
{
    if (const auto extraction = operation.lock())
        extraction->finish();
    event->accept();
}

} // namespace Ui::Operations
