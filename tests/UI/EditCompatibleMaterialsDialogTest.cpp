#include "UI/EditCompatibleMaterialsDialog.h"
#include "Model/Materials/MaterialFactory.h"
#include "Model/Process/ProcessFactory.h"

#include <QComboBox>
#include <QListWidget>
#include <QPushButton>

#include <gtest/gtest.h>

using Model::Materials::Material;
using Model::Process::Process;

namespace {

struct DialogParts {
    QComboBox *process;
    QListWidget *available;
    QListWidget *compatible;
    QPushButton *insert;
    QPushButton *remove;
};

DialogParts parts(Ui::EditCompatibleMaterialsDialog &dialog)
{
    return {dialog.findChild<QComboBox *>("cbxProcess"),
            dialog.findChild<QListWidget *>("lstAvailableMaterials"),
            dialog.findChild<QListWidget *>("lstCompatibleMaterials"),
            dialog.findChild<QPushButton *>("btnInsert"), dialog.findChild<QPushButton *>("btnRemove")};
}

QStringList texts(const QListWidget *list)
{
    QStringList result;
    for (int i = 0; i < list->count(); ++i)
        result << list->item(i)->text();
    return result;
}

std::vector<Material> materials()
{
    return {{1, "Si", 1, 1, 0}, {3, "Oxide", 1, 1, 0}, {4, "Al", 1, 1, 0}};
}

} // namespace

TEST(EditCompatibleMaterialsDialog, InsertAndRemoveEditCopiesOfTheChosenProcess)
{
    Ui::EditCompatibleMaterialsDialog dialog({Process("CVD", 3, {3}), Process("PVD", 4, {4, 77})},
                                             materials());
    const DialogParts p = parts(dialog);
    ASSERT_TRUE(p.process && p.available && p.compatible && p.insert && p.remove);
    EXPECT_EQ(texts(p.available), (QStringList{"Si", "Oxide", "Al"}));
    EXPECT_EQ(texts(p.compatible), (QStringList{"Oxide"}));

    // Insert every selected material; one already listed is listed twice.
    p.available->item(0)->setSelected(true);
    p.available->item(1)->setSelected(true);
    p.insert->click();
    EXPECT_EQ(texts(p.compatible), (QStringList{"Oxide", "Si", "Oxide"}));

    // Switching the process refills the list; an id the catalogue does not know shows as its number.
    p.process->setCurrentIndex(1);
    EXPECT_EQ(texts(p.compatible), (QStringList{"Al", "77"}));
    p.compatible->item(1)->setSelected(true);
    p.remove->click();
    EXPECT_EQ(texts(p.compatible), (QStringList{"Al"}));

    p.process->setCurrentIndex(0);
    p.compatible->item(2)->setSelected(true);
    p.remove->click();
    EXPECT_EQ(texts(p.compatible), (QStringList{"Si", "Oxide"}));

    EXPECT_EQ(dialog.getProcesses(),
              (std::vector<Process>{Process("CVD", 3, {1, 3}), Process("PVD", 4, {4})}));
}

TEST(EditCompatibleMaterialsDialog, StartsFromTheCataloguesWithoutChangingThem)
{
    Model::Materials::MaterialFactory::instance()->createDefaultMaterials();
    auto catalogue = Model::Process::ProcessFactory::instance();
    catalogue->createDefaultProcesses();
    const auto before = catalogue->getProcesses();
    Ui::EditCompatibleMaterialsDialog dialog;
    const DialogParts p = parts(dialog);
    const int compatible = p.compatible->count();
    p.available->item(2)->setSelected(true);
    p.insert->click();
    EXPECT_EQ(p.compatible->count(), compatible + 1);
    EXPECT_EQ(catalogue->getProcesses(), before);
}
