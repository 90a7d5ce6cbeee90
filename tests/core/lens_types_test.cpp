#include "fake_order_view.h"
#include "form1_fixture.h"

#include "order/lens_types.h"
#include "order/order_forms.h"

#include <iterator>

// Each lens type of the table: what choosing it selects in the order window,
// and that the page shows its picture and no other.
namespace corvane::test {
namespace {

const struct Row {
    const char* name;
    const char* caption;
    const char* material;
    const char* colour;
    Color colourBack;
    Picture picture;
    const char* image;
} kRows[] = {
    {"Corvane", "Corvane", "Comfort 02", "Blue", 0xFF8080, Picture::CorvaneLens, "imgCOR"},
    {"Velto", "Corvane Velto", "Boston XO", "Ice blue", 0xFFC0C0, Picture::VeltoLens, "imgVelto"},
};

class LensTypeTest : public Form1Test {
protected:
    OrderDetailsForm& Open()
    {
        details_ = std::make_unique<OrderDetailsForm>(tk, order, fmt_);
        details_->GetForm().onLoad();
        return *details_;
    }

    std::unique_ptr<OrderDetailsForm> details_;
};

TEST(LensTypesTest, EveryTypeSelectsItsMaterialAndPrintsOnlyItsPicture)
{
    // A new type needs its row here.
    ASSERT_EQ(LensTypes().size(), std::size(kRows));
    for (std::size_t i = 0; i < std::size(kRows); ++i) {
        const Row& row = kRows[i];
        SCOPED_TRACE(row.name);
        PresentedOrder w;
        w.presenter.Load();
        w.presenter.LensTypeChosen(i);
        w.view.typed.lensType = i;
        EXPECT_EQ(LensTypes()[i].caption, std::string(row.caption));
        EXPECT_EQ(w.view.material.text, row.material);
        EXPECT_EQ(w.view.color.text, row.colour);
        EXPECT_EQ(w.view.color.background, row.colourBack);
        EXPECT_TRUE(w.view.color.locked);

        w.presenter.Print();
        ASSERT_EQ(w.tk.printed.size(), 1u);
        for (const Row& other : kRows)
            EXPECT_EQ(w.tk.printed[0].count(other.image), &other == &row ? 1u : 0u) << other.image;
        EXPECT_EQ(w.tk.printed[0].at("lblMat"), row.material);
        EXPECT_EQ(w.order.orderLensType, i);
        EXPECT_TRUE(w.view.closed);

        // The picture each image control draws is its type's own.
        OrderPageForm page(w.tk, w.order, NumberFormat{'.'});
        page.Form_Load();
        for (std::size_t j = 0; j < std::size(kRows); ++j) {
            const Row& other = kRows[j];
            const Control& image = *page.Controls().images[j];
            // The name is what the printed page is read by.
            EXPECT_EQ(image.Name(), other.image);
            EXPECT_EQ(image.Visible(), &other == &row) << other.image;
            EXPECT_EQ(image.GetStyle().picture, other.picture) << other.image;
        }
    }
}

TEST_F(LensTypeTest, OnlyTheOrderPageIsAPaintedPage)
{
    OrderPageForm page(tk, order, fmt_);
    EXPECT_TRUE(page.GetForm().PaintedPage());
    EXPECT_EQ(page.Controls().Image1->GetStyle().picture, Picture::Logo);
    EXPECT_FALSE(Open().GetForm().PaintedPage());
    EXPECT_FALSE(form1_->GetForm().PaintedPage());
    EXPECT_EQ(form1_->GetForm().BackPicture(), Picture::Background);
}

} // namespace
} // namespace corvane::test
