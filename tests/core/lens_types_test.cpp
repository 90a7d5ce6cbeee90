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
    int materialIndex;
    int colorIndex;
    // The first material of "Other Material".
    const char* otherMaterial;
    Picture picture;
    const char* image;
} kRows[] = {
    {"Corvane", "Corvane", "Comfort 02", "Blue", 0xFF8080, 0, 0, "Boston XO", Picture::CorvaneLens, "imgCOR"},
    {"Velto", "Corvane Velto", "Boston XO", "Ice blue", 0xFFC0C0, 2, 1, "Paragon HDS", Picture::VeltoLens, "imgVelto"},
};

class LensTypeTest : public Form1Test {
protected:
    OrderDetailsForm& Open()
    {
        details_ = std::make_unique<OrderDetailsForm>(tk, module.order, fmt_);
        details_->GetForm().onLoad();
        return *details_;
    }
    // Chooses the type as a click does: from another type, so that the
    // button's Click runs even for the type chosen on loading.
    void Choose(OrderDetailsForm& d, std::size_t type)
    {
        d.Controls().optType[(type + 1) % LensTypes().size()]->SetValue(1);
        d.Controls().optType[type]->SetValue(1);
    }

    std::unique_ptr<OrderDetailsForm> details_;
};

TEST_F(LensTypeTest, EveryTypeSelectsItsMaterialAndPrintsOnlyItsPicture)
{
    // A new type needs its row here.
    ASSERT_EQ(LensTypes().size(), std::size(kRows));
    for (std::size_t i = 0; i < std::size(kRows); ++i) {
        const Row& row = kRows[i];
        SCOPED_TRACE(row.name);
        tk.printed.clear();
        OrderDetailsForm& d = Open();
        Choose(d, i);
        EXPECT_EQ(d.Controls().optType[i]->Caption(), row.caption);
        EXPECT_EQ(d.Controls().txtMat->Text(), row.material);
        EXPECT_EQ(d.Controls().txtCol->Text(), row.colour);
        EXPECT_EQ(d.Controls().txtCol->BackColor(), row.colourBack);
        EXPECT_TRUE(d.Controls().txtCol->Locked());
        EXPECT_EQ(d.materialIndex, row.materialIndex);
        EXPECT_EQ(d.colorIndex, row.colorIndex);
        d.Controls().cmdChgMat->RaiseClick();
        EXPECT_EQ(d.Controls().txtMat->Text(), row.otherMaterial);

        Choose(d, i);
        d.Controls().cmdPrint->RaiseClick();
        ASSERT_EQ(tk.printed.size(), 1u);
        for (const Row& other : kRows)
            EXPECT_EQ(tk.printed[0].count(other.image), &other == &row ? 1u : 0u) << other.image;
        EXPECT_EQ(tk.printed[0].at("lblMat"), row.material);
        EXPECT_EQ(module.order.orderLensType, i);
        EXPECT_EQ(module.order.orderVelto, i == kVeltoType);

        // The picture each image control draws is its type's own.
        OrderPageForm page(tk, module.order, fmt_);
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
    OrderPageForm page(tk, module.order, fmt_);
    EXPECT_TRUE(page.GetForm().PaintedPage());
    EXPECT_EQ(page.Controls().Image1->GetStyle().picture, Picture::Logo);
    EXPECT_FALSE(Open().GetForm().PaintedPage());
    EXPECT_FALSE(form1_->GetForm().PaintedPage());
    EXPECT_EQ(form1_->GetForm().BackPicture(), Picture::Background);
}

} // namespace
} // namespace corvane::test
