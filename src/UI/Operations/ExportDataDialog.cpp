#include "UI/Operations/ExportDataDialog.h"

#include "UI/Operations/OptionsForm.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QToolButton>

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
    OptionsForm form(this, QStringLiteral("ExportDataForm"), QStringLiteral("Export Data"));
    dataBox = new QComboBox(this);
    dataBox->setObjectName(QStringLiteral("cbxDataToExport"));
    dataBox->addItems(dataNames);
    dataBox->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    auto *fileRow = new QWidget(this);
    fileEdit = new QLineEdit(
        QDir::toNativeSeparators(directory() + QDir::separator() + QStringLiteral("output.csv")), fileRow);
    fileEdit->setObjectName(QStringLiteral("lieOutputFilename"));
    fileEdit->setMinimumWidth(fileEdit->fontMetrics().horizontalAdvance(QLatin1Char('x')) * 40);
    auto *chooseButton = new QToolButton(fileRow);
    chooseButton->setObjectName(QStringLiteral("tbtOutputFile"));
    chooseButton->setText(QStringLiteral("..."));
    auto *rowLayout = new QHBoxLayout(fileRow);
    rowLayout->setContentsMargins(0, 0, 0, 0);
    rowLayout->addWidget(fileEdit);
    rowLayout->addWidget(chooseButton);
    form.addRow(QStringLiteral("Data to Export"), dataBox);
    form.addRow(QStringLiteral("Output filename"), fileRow);
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
