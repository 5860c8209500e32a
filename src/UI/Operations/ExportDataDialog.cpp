#include "UI/Operations/ExportDataDialog.h"

#include "UI/Operations/OptionsDialogParts.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

namespace Ui::Operations {
namespace {

QString &directory()
{
    static QString remembered = QDir::currentPath();
    return remembered;
}

} // namespace

QString ExportDataDialog::rememberedDirectory()
{
    return directory();
}

ExportDataDialog::ExportDataDialog(const QStringList &dataNames, QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("ExportDataForm"));
    setWindowTitle(QStringLiteral("Export Data"));
    dataBox = new QComboBox(this);
    dataBox->setObjectName(QStringLiteral("cbxDataToExport"));
    dataBox->addItems(dataNames);
    fileEdit = new QLineEdit(
        QDir::toNativeSeparators(directory() + QDir::separator() + QStringLiteral("output.csv")), this);
    fileEdit->setObjectName(QStringLiteral("lieOutputFilename"));
    auto *chooseButton = new QToolButton(this);
    chooseButton->setObjectName(QStringLiteral("tbtOutputFile"));
    chooseButton->setText(QStringLiteral("..."));
    auto *fileRow = new QHBoxLayout;
    fileRow->addWidget(fileEdit);
    fileRow->addWidget(chooseButton);

    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("Data to Export"), dataBox);
    form->addRow(QStringLiteral("Output filename"), fileRow);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(OptionsDialogParts::okCancelButtons(this));
    connect(this, &QDialog::accepted, this, &ExportDataDialog::onAccepted);
    QMetaObject::connectSlotsByName(this);
}

QString ExportDataDialog::getDataType() const
{
    return dataBox->currentText();
}

QString ExportDataDialog::getFileName() const
{
    return fileEdit->text();
}

void ExportDataDialog::on_tbtOutputFile_clicked()
{
    const QString chosen = QFileDialog::getSaveFileName(this, QStringLiteral("Choose Output File"),
                                                        directory(), QStringLiteral("CSV File (*.csv)"));
    if (!chosen.isEmpty())
        fileEdit->setText(chosen);
}

void ExportDataDialog::onAccepted()
{
    if (!fileEdit->text().isEmpty())
        directory() = QFileInfo(fileEdit->text()).absolutePath();
}

} // namespace Ui::Operations
