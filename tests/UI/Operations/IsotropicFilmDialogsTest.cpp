#include "Model/Materials/MaterialFactory.h"
#include "Model/Process/ProcessFactory.h"
#include "UI/Operations/IsotropicDepositionDialog.h"
#include "UI/Operations/IsotropicEtchingDialog.h"
#include "UI/Operations/MaterialComboBox.h"

#include <QComboBox>
#include <QImage>

#include <gtest/gtest.h>

using namespace Ui::Operations;

namespace {

class IsotropicFilmDialogs : public ::testing::Test {
protected:
    void SetUp() override
    {
        Model::Materials::MaterialFactory::instance()->createDefaultMaterials();
        Model::Process::ProcessFactory::instance()->createDefaultProcesses();
    }

    static std::vector<uint32_t> itemIds(const QComboBox *box)
    {
        std::vector<uint32_t> ids;
        for (int i = 0; i < box->count(); ++i)
            ids.push_back(box->itemData(i).toUInt());
        return ids;
    }
};

} // namespace

TEST_F(IsotropicFilmDialogs, DepositionDialogDefaultsAndCompatibleMaterials)
{
    IsotropicDepositionDialog dialog(MaterialOffer::compatibleWith(18));
    EXPECT_EQ(dialog.windowTitle(), "Isotropic Film Deposition");
    EXPECT_EQ(dialog.getThickness(), 10.0);

    const auto *box = dialog.findChild<QComboBox *>("cbxMaterial");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(itemIds(box), (std::vector<uint32_t>{1, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16}));
    EXPECT_EQ(box->itemText(0), "Si");
    EXPECT_EQ(dialog.getMaterialId(), 1u);
    // The icon is the material's colour: Cu (bulk) is (1, 0.8, 0.3) -> (255, 204, 76).
    const QImage image = box->itemIcon(3).pixmap(100, 100).toImage();
    EXPECT_EQ(image.size(), QSize(100, 100));
    EXPECT_EQ(image.pixelColor(50, 50), QColor(255, 204, 76));

    IsotropicDepositionDialog cvd(MaterialOffer::compatibleWith(3));
    EXPECT_EQ(itemIds(cvd.findChild<QComboBox *>("cbxMaterial")), (std::vector<uint32_t>{3, 16}));
}

TEST_F(IsotropicFilmDialogs, EtchingDialogDefaultsAndCompatibleMaterials)
{
    IsotropicEtchingDialog dialog(MaterialOffer::compatibleWith(10));
    EXPECT_EQ(dialog.windowTitle(), "Isotropic Film Etching");
    EXPECT_EQ(dialog.getDepth(), 10.0);
    EXPECT_EQ(itemIds(dialog.findChild<QComboBox *>("cbxMaterial")),
              (std::vector<uint32_t>{1, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13}));
}

TEST_F(IsotropicFilmDialogs, LoadParametersPresetsDistanceAndMaterial)
{
    IsotropicDepositionDialog deposition(MaterialOffer::compatibleWith(18));
    deposition.loadParameters({{"Film Thickness", 3.25}, {"Material_Id", 9}, {"Material", "Si"}});
    EXPECT_EQ(deposition.getThickness(), 3.25);
    EXPECT_EQ(deposition.getMaterialId(), 9u); // the id wins over the name

    deposition.loadParameters({{"Material", "Cu (bulk)"}});
    EXPECT_EQ(deposition.getMaterialId(), 5u);
    EXPECT_EQ(deposition.getThickness(), 3.25);

    // Out-of-range or non-numeric values: nothing crashes, ranges hold.
    deposition.loadParameters({{"Film Thickness", -7.0}});
    EXPECT_EQ(deposition.getThickness(), 0.0);
    deposition.loadParameters({{"Film Thickness", "thick"}, {"Material", "Unobtainium"}});
    EXPECT_EQ(deposition.getThickness(), 0.0);
    EXPECT_EQ(deposition.getMaterialId(), 5u);
    // A stored material the box does not offer is added as stored and stays chosen.
    auto *box = deposition.findChild<QComboBox *>("cbxMaterial");
    deposition.loadParameters(
        {{"Material_Id", 4242}, {"Material", "Oxide X"}, {"Material_Color", QColor(9, 8, 7)}});
    EXPECT_EQ(deposition.getMaterialId(), 4242u);
    EXPECT_EQ(box->currentText(), "Oxide X");
    EXPECT_EQ(box->itemIcon(box->currentIndex()).pixmap(100, 100).toImage().pixelColor(50, 50),
              QColor(9, 8, 7));

    IsotropicEtchingDialog etching(MaterialOffer::compatibleWith(10));
    etching.loadParameters({{"Depth", 1e12}, {"Film Thickness", 2.0}, {"Material_Id", "12"}});
    EXPECT_EQ(etching.getDepth(), 1e9);
    EXPECT_EQ(etching.getMaterialId(), 12u);
}

TEST_F(IsotropicFilmDialogs, MaterialsUnknownToTheCatalogueAreLeftOut)
{
    auto processes = Model::Process::ProcessFactory::instance();
    processes->setProcess(Model::Process::Process("CVD", 3, {2001, 16, 16}));
    IsotropicDepositionDialog dialog(MaterialOffer::compatibleWith(3));
    EXPECT_EQ(itemIds(dialog.findChild<QComboBox *>("cbxMaterial")), (std::vector<uint32_t>{16, 16}));
    IsotropicDepositionDialog none(MaterialOffer::compatibleWith(99));
    EXPECT_EQ(none.getMaterialId(), 0u);
}
