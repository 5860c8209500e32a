#include "Model/Materials/MaterialFactory.h"
#include "Model/Process/ProcessFactory.h"
#include "UI/Operations/AnisotropicEtchingDialog.h"
#include "UI/Operations/ElectrodepositionDialog.h"
#include "UI/Operations/MooreOptionsDialog.h"
#include "UI/Operations/PVDOptionsDialog.h"

#include <QComboBox>
#include <QDoubleSpinBox>

#include <gtest/gtest.h>

using namespace Ui::Operations;

namespace {

std::vector<uint32_t> itemIds(const QDialog &dialog, const char *boxName)
{
    const auto *box = dialog.findChild<QComboBox *>(QLatin1String(boxName));
    std::vector<uint32_t> ids;
    for (int i = 0; box && i < box->count(); ++i)
        ids.push_back(box->itemData(i).toUInt());
    return ids;
}

} // namespace

TEST(FilmFamilyDialogs, MaterialChoicesRatioLimitsAndStoredMaterials)
{
    Model::Materials::MaterialFactory::instance()->createDefaultMaterials();
    Model::Process::ProcessFactory::instance()->createDefaultProcesses();
    std::vector<uint32_t> catalogue;
    for (const auto &material : Model::Materials::MaterialFactory::instance()->getMaterials())
        catalogue.push_back(material.getId());

    // The menus offer the process's compatible materials, the batch editors every material.
    PVDOptionsDialog vapour(4);
    EXPECT_EQ(vapour.windowTitle(), "PVD Options");
    EXPECT_EQ(itemIds(vapour, "cbxMaterial"), (std::vector<uint32_t>{4, 5, 6, 7, 8, 9, 10}));
    vapour.findChild<QComboBox *>("cbxMaterial")->setCurrentIndex(2);
    vapour.offerAllMaterials();
    EXPECT_EQ(itemIds(vapour, "cbxMaterial"), catalogue);
    EXPECT_EQ(vapour.getMaterialId(), 6u) << "the chosen material stays chosen";
    EXPECT_EQ(itemIds(ElectrodepositionDialog(), "cbxConductingMaterial"), catalogue);
    EXPECT_EQ(itemIds(MooreOptionsDialog(), "cbxSelectFilm"), catalogue);

    // Vapour always spreads a little sideways; anisotropic etching may be purely vertical.
    vapour.findChild<QDoubleSpinBox *>("dblHorizontalRatio")->setValue(0.0);
    EXPECT_DOUBLE_EQ(vapour.getRatio(), 0.01);
    AnisotropicEtchingDialog etching(17);
    etching.findChild<QDoubleSpinBox *>("dblHorizontalRatio")->setValue(-1.0);
    EXPECT_EQ(etching.getRatio(), 0.0);

    // A material the catalogue does not know is shown by its stored name and kept.
    etching.loadParameters({{"Material_Id", 4242u}, {"Material", "Unobtainium"}, {"Etch Depth", "deep"}});
    EXPECT_EQ(etching.getMaterialId(), 4242u);
    EXPECT_EQ(etching.findChild<QComboBox *>("cbxMaterial")->currentText(), "Unobtainium");
    EXPECT_EQ(etching.getDepth(), 10.0);
}
