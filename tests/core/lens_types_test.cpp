#include "fake_order_view.h"

#include "order/lens_types.h"

#include <gtest/gtest.h>

#include <iterator>

// Each lens type of the table: what choosing it selects in the order window,
// and that the page shows its picture and no other.
namespace corvane::test {
namespace {

const struct Row {
    const char* name;
    LensType type;
    const char* material;
    const char* colour;
    RgbColor colourBack;
    PagePicture picture;
    const char* image;
} kRows[] = {
    {"Corvane", LensType::Corvane, "Comfort 02", "Blue", 0x8080FF, PagePicture::CorvaneLens, "imgCOR"},
    {"Velto", LensType::Velto, "Boston XO", "Ice blue", 0xC0C0FF, PagePicture::VeltoLens, "imgVelto"},
};

TEST(LensTypesTest, EveryTypeSelectsItsMaterialAndPrintsOnlyItsPicture)
{
    // A new type needs its row here.
    ASSERT_EQ(LensTypes().size(), std::size(kRows));
    for (std::size_t i = 0; i < std::size(kRows); ++i) {
        const Row& row = kRows[i];
        SCOPED_TRACE(row.name);
        EXPECT_EQ(LensTypes()[i].type, row.type);
        PresentedOrder w;
        w.presenter.Load();
        w.presenter.LensTypeChosen(row.type);
        w.view.typed.lensType = row.type;
        EXPECT_EQ(w.view.material.text, row.material);
        EXPECT_EQ(w.view.color.text, row.colour);
        EXPECT_EQ(w.view.color.background, row.colourBack);
        EXPECT_TRUE(w.view.color.locked);

        w.presenter.Print();
        ASSERT_EQ(w.out.printed.size(), 1u);
        for (const Row& other : kRows)
            EXPECT_EQ(w.out.printed[0].count(other.image), &other == &row ? 1u : 0u) << other.image;
        EXPECT_EQ(w.out.printed[0].at("lblMat"), row.material);
        EXPECT_EQ(w.order.orderLensType, row.type);
        EXPECT_TRUE(w.view.closed);

        // The picture on the page is its type's own, beside the logo.
        const OrderPage page = MakeOrderPage(w.order, "", NumberFormat{'.'});
        ASSERT_EQ(page.pictures.size(), 2u);
        EXPECT_EQ(page.pictures[0].picture, PagePicture::Logo);
        EXPECT_EQ(page.pictures[1].picture, row.picture);
        EXPECT_EQ(page.pictures[1].name, row.image);
    }
}

} // namespace
} // namespace corvane::test
