#include "Support/DialogDrivers.h"
#include "UI/Operations/IsotropicDepositionDialog.h"
#include "UI/Operations/IsotropicEtchingDialog.h"
#include "UI/Operations/MaterialComboBox.h"

#include <QComboBox>

using namespace Ui::Operations;

namespace {

class IsotropicFilmDialogs : public PersistenceTest::CatalogueTest {
protected:
    static std::vector<uint32_t> itemIds(const QDialog &dialog)
    {
        const auto *box = TestSupport::child<QComboBox>(dialog, "cbxMaterial");
        std::vector<uint32_t> ids;
        for (int i = 0; i < box->count(); ++i)
            ids.push_back(box->itemData(i).toUInt());
        return ids;
    }
    static QColor iconColour(const QComboBox &box, int index)
    {
        return box.itemIcon(index).pixmap(100, 100).toImage().pixelColor(50, 50);
    }
};

} // namespace

// The menus offer the process's compatible materials that the catalogue knows, in its order,
// each with an icon of its colour: Cu (bulk) is (1, 0.8, 0.3).
TEST_F(IsotropicFilmDialogs, MenusOfferTheCompatibleMaterialsOfTheCatalogue)
{
    IsotropicDepositionDialog deposition(MaterialOffer::compatibleWith(18));
    EXPECT_EQ(deposition.getMaterialId(), 1u);
    EXPECT_EQ(iconColour(*deposition.findChild<QComboBox *>("cbxMaterial"), 3), QColor(255, 204, 76));
    Model::Process::ProcessFactory::instance()->setProcess(Model::Process::Process("CVD", 3, {2001, 16, 16}));
    EXPECT_EQ(itemIds(IsotropicDepositionDialog(MaterialOffer::compatibleWith(3))),
              (std::vector<uint32_t>{16, 16}));
    EXPECT_EQ(IsotropicDepositionDialog(MaterialOffer::compatibleWith(99)).getMaterialId(), 0u);
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
    // A stored material the box does not offer: RunProcessesDialogTest.ModifyKeepsTheStoredMaterials.

    IsotropicEtchingDialog etching(MaterialOffer::compatibleWith(10));
    etching.loadParameters({{"Depth", 1e12}, {"Film Thickness", 2.0}, {"Material_Id", "12"}});
    EXPECT_EQ(etching.getDepth(), 1e9);
    EXPECT_EQ(etching.getMaterialId(), 12u);
}
