#include "Model/Materials/MaterialFactory.h"
#include "Model/Process/ProcessFactory.h"
#include "UI/Operations/AnisotropicDepositionDialog.h"
#include "UI/Operations/AnisotropicEtchingDialog.h"
#include "UI/Operations/ElectrodepositionDialog.h"
#include "UI/Operations/MooreOptionsDialog.h"
#include "UI/Operations/PVDOptionsDialog.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QRadioButton>
#include <QSpinBox>

#include <gtest/gtest.h>

using namespace Ui::Operations;
using Core::Operations::DepositSide;

namespace {

class FilmFamilyDialogs : public ::testing::Test {
protected:
    void SetUp() override
    {
        Model::Materials::MaterialFactory::instance()->createDefaultMaterials();
        Model::Process::ProcessFactory::instance()->createDefaultProcesses();
    }

    static std::vector<uint32_t> itemIds(const QDialog &dialog, const char *boxName)
    {
        const auto *box = dialog.findChild<QComboBox *>(QLatin1String(boxName));
        std::vector<uint32_t> ids;
        for (int i = 0; box && i < box->count(); ++i)
            ids.push_back(box->itemData(i).toUInt());
        return ids;
    }

    static std::vector<uint32_t> catalogueIds()
    {
        std::vector<uint32_t> ids;
        for (const auto &material : Model::Materials::MaterialFactory::instance()->getMaterials())
            ids.push_back(material.getId());
        return ids;
    }
};

} // namespace

TEST_F(FilmFamilyDialogs, DirectionalDialogsOfferTheirProcessMaterialsAndRatioRanges)
{
    AnisotropicDepositionDialog deposition(16);
    EXPECT_EQ(deposition.windowTitle(), "Anisotropic Deposition Options");
    EXPECT_EQ(itemIds(deposition, "cbxMaterial"),
              (std::vector<uint32_t>{1, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16}));
    EXPECT_EQ(deposition.getThickness(), 10.0);
    EXPECT_EQ(deposition.getRatio(), 0.5);
    AnisotropicEtchingDialog etching(17);
    EXPECT_EQ(etching.windowTitle(), "Anisotropic Etching Options");
    auto *ratio = etching.findChild<QDoubleSpinBox *>("dblHorizontalRatio");
    ratio->setValue(-1.0);
    EXPECT_EQ(etching.getRatio(), 0.0);

    PVDOptionsDialog vapour(4);
    EXPECT_EQ(itemIds(vapour, "cbxMaterial"), (std::vector<uint32_t>{4, 5, 6, 7, 8, 9, 10}));
    vapour.findChild<QDoubleSpinBox *>("dblHorizontalRatio")->setValue(0.0);
    EXPECT_DOUBLE_EQ(vapour.getRatio(), 0.01);
    EXPECT_EQ(vapour.getDepositSide(), DepositSide::Top);
    vapour.findChild<QRadioButton *>("radDepositBoth")->setChecked(true);
    EXPECT_EQ(vapour.getDepositSide(), DepositSide::Both);
    vapour.findChild<QRadioButton *>("radDepositBottom")->setChecked(true);
    EXPECT_EQ(vapour.getDepositSide(), DepositSide::Bottom);
    vapour.offerAllMaterials();
    EXPECT_EQ(itemIds(vapour, "cbxMaterial"), catalogueIds());
}

TEST_F(FilmFamilyDialogs, StoredParametersPresetTheDialogsAndStoredMaterialsAreKept)
{
    PVDOptionsDialog vapour(4);
    vapour.loadParameters({{"Thickness", 2.5},
                           {"Horizontal to Vertical Ratio", 0.25},
                           {"DepositOn", 3},
                           {"Material_Id", 1u},
                           {"Material", "Si"}});
    EXPECT_EQ(vapour.getThickness(), 2.5);
    EXPECT_EQ(vapour.getRatio(), 0.25);
    EXPECT_EQ(vapour.getDepositSide(), DepositSide::Both);
    EXPECT_EQ(vapour.getMaterialId(), 1u) << "silicon is not a PVD material, but the step stored it";
    vapour.loadParameters({{"Material_Id", 4242u}, {"Material", "Unobtainium"}, {"DepositOn", 9}});
    EXPECT_EQ(vapour.getMaterialId(), 4242u);
    EXPECT_EQ(vapour.findChild<QComboBox *>("cbxMaterial")->currentText(), "Unobtainium");
    EXPECT_EQ(vapour.getDepositSide(), DepositSide::Both);

    AnisotropicEtchingDialog etching(17);
    etching.loadParameters(
        {{"Etch Depth", "deep"}, {"Horizontal to Vertical Ratio", 1e12}, {"Material", "Cu (bulk)"}});
    EXPECT_EQ(etching.getDepth(), 10.0);
    EXPECT_EQ(etching.getRatio(), 1e9);
    EXPECT_EQ(etching.getMaterialId(), 5u);

    ElectrodepositionDialog plating;
    EXPECT_EQ(plating.windowTitle(), "Electroplating Options");
    EXPECT_EQ(itemIds(plating, "cbxMaterial"), catalogueIds());
    EXPECT_EQ(itemIds(plating, "cbxConductingMaterial"), catalogueIds());
    plating.loadParameters(
        {{"Film Thickness", 4.0}, {"Deposited Material_Id", 9u}, {"Conducting Material", "Cu (bulk)"}});
    EXPECT_EQ(plating.getThickness(), 4.0);
    EXPECT_EQ(plating.getDepositedMaterialId(), 9u);
    EXPECT_EQ(plating.getConductingMaterialId(), 5u);

    MooreOptionsDialog moore;
    EXPECT_EQ(itemIds(moore, "cbxSelectFilm"), catalogueIds());
    EXPECT_EQ(moore.getValue(), 1u);
    moore.loadParameters({{"Depth", 2.9}, {"Thickness", 7}, {"Material_Id", 3u}}, "Depth");
    EXPECT_EQ(moore.getValue(), 2u);
    EXPECT_EQ(moore.getMaterialId(), 3u);
    moore.loadParameters({{"Thickness", -4}}, "Thickness");
    EXPECT_EQ(moore.getValue(), 1u);
    moore.findChild<QSpinBox *>("sbxSelectValue")->setValue(2000000000);
    EXPECT_EQ(moore.getValue(), 999999999u);
}
