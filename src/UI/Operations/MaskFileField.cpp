#include "UI/Operations/MaskFileField.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QToolButton>

namespace Ui::Operations {

const char *const MaskFileField::kTopMaskWarning = "Top Mask file not found!<br/>Please verify the filename "
                                                   "is correct and you have the correct permissions.";
const char *const MaskFileField::kBottomMaskWarning =
    "Bottom mask not found error!<br/>Please verify if the filename is correct and you have the correct "
    "permissions.";

MaskFileField::MaskFileField(const Texts &texts, QWidget *parent) : QWidget(parent), texts(texts)
{
    fileField = new QLineEdit(this);
    fileField->setObjectName(QStringLiteral("lie") + texts.objectStem);
    auto *browseButton = new QToolButton(this);
    browseButton->setObjectName(QStringLiteral("tbt") + texts.objectStem);
    browseButton->setText(QStringLiteral("..."));
    auto *applyButton = new QPushButton(QStringLiteral("Apply"), this);
    applyButton->setObjectName(QStringLiteral("btnApply") + texts.objectStem);
    auto *removeButton = new QPushButton(QStringLiteral("Remove"), this);
    removeButton->setObjectName(QStringLiteral("btnRemove") + texts.objectStem);

    auto *label = new QLabel(texts.label, this);
    label->setBuddy(fileField);
    auto *layout = new QHBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(fileField, 1);
    layout->addWidget(browseButton);
    layout->addWidget(applyButton);
    layout->addWidget(removeButton);

    connect(browseButton, &QToolButton::clicked, this, &MaskFileField::browse);
    connect(applyButton, &QPushButton::clicked, this, &MaskFileField::applyFile);
    connect(removeButton, &QPushButton::clicked, this, &MaskFileField::removeMask);
}

void MaskFileField::setMask(const Model::Automaton::ImageMask &value, const QString &name)
{
    mask = value;
    fileName = name;
    fileField->setText(name);
}

bool MaskFileField::applyPendingFile()
{
    const QString typed = fileField->text().trimmed();
    if (typed.isEmpty() || typed == fileName)
        return true;
    return applyFile();
}

bool MaskFileField::applyFile()
{
    const QString name = fileField->text().trimmed();
    const auto loaded = Model::Automaton::ImageMask::fromFile(name);
    if (name.isEmpty() || !loaded) {
        QMessageBox::warning(this, QStringLiteral("Mask File"), texts.loadWarning);
        return false;
    }
    mask = *loaded;
    fileName = name;
    emit maskChanged(mask);
    return true;
}

void MaskFileField::removeMask()
{
    mask = Model::Automaton::ImageMask();
    fileName.clear();
    fileField->clear();
    emit maskChanged(mask);
}

void MaskFileField::browse()
{
    const QString start = fileName.isEmpty() ? QDir::homePath() : QFileInfo(fileName).absolutePath();
    const QString chosen = QFileDialog::getOpenFileName(this, QStringLiteral("Choose Mask File"), start,
                                                        QStringLiteral("Image Files (*.png *.jpg *.bmp)"));
    if (chosen.isEmpty())
        return;
    fileField->setText(chosen);
    applyFile();
}

} // namespace Ui::Operations
