#include "fake_main_view.h"
#include "fake_order_view.h"

#include "order/copy_lens.h"
#include "order/lens_types.h"

#include <vector>

namespace corvane::test {
namespace {

class OrderTest : public PresenterTest {
protected:
    // What Print Order puts in the record.
    OrderRecord Ordered() const
    {
        OrderRecord o;
        CopySuggestedLens(calc.Order().value(), o, fmt_);
        return o;
    }
};

TEST_F(OrderTest, PrintOrderCopiesTheSuggestedLens)
{
    Pres(0, {"43", "44", "-2", "", "", "12", "2"});
    Pres(1, {"47", "47.5", "-3", "", "", "12", "2.75"});
    Calculate();
    ASSERT_TRUE(view.printEnabled);
    const OrderRecord o = Ordered();
    EXPECT_TRUE(o.orderLeftEye);
    EXPECT_EQ(o.orderBC[0], "7.70");
    EXPECT_EQ(o.orderPower[0], "-2.50");
    EXPECT_EQ(o.orderDiam[0], 9.2);
    EXPECT_EQ(o.orderSeries[0], 2);
    EXPECT_EQ(o.orderBC[1], "7.10");
    EXPECT_EQ(o.orderDiam[1], 9.0);
    EXPECT_EQ(o.orderSeries[1], 3);

    // A new calculation for the right eye only orders the right eye only.
    view.ticked[0][1] = false;
    Calculate();
    EXPECT_FALSE(Ordered().orderLeftEye);
}

TEST(OrderWindowTest, LoadShowsTheLensAndTheDefaults)
{
    const struct {
        const char* name;
        bool leftEye;
        EyeTexts left;
    } rows[] = {
        {"right eye only", false, {"-", "-", "-", "-"}},
        // A power after an over-refraction keeps the form the main window
        // showed, which two decimals would change.
        {"both eyes", true, {"7.10", "-2.875", "9.0", "3"}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        PresentedOrder w;
        w.order.orderLeftEye = row.leftEye;
        w.order.orderBC = {"7.7", "7.10"};
        w.order.orderPower = {"-2.50", "-2.875"};
        w.order.orderDiam = {9.2, 9};
        w.order.orderSeries = {2, 3};
        w.presenter.Load();
        const FakeOrderView& v = w.view;
        EXPECT_EQ(v.typed.lensType, kCorvaneType);
        EXPECT_EQ(v.material.text, "Comfort 02");
        EXPECT_EQ(v.color.text, "Blue");
        EXPECT_EQ(v.color.background, 0x8080FFu);
        ASSERT_TRUE(v.eyes[0] && v.eyes[1]);
        auto texts = [](const EyeTexts& t) { return std::vector{t.bc, t.power, t.diam, t.series}; };
        EXPECT_EQ(texts(*v.eyes[0]), texts({"7.70", "-2.50", "9.2", "2"}));
        EXPECT_EQ(texts(*v.eyes[1]), texts(row.left));
        for (int e = 0; e < 2; ++e) {
            ASSERT_EQ(v.thick[e].has_value(), e == 0 || row.leftEye) << e;
            if (v.thick[e]) {
                EXPECT_EQ(v.thick[e]->edge, "Standard");
                EXPECT_EQ(v.thick[e]->center, "Standard");
            }
        }
        EXPECT_TRUE(v.asked.empty());
    }
}

// One press of "Other Material" or "Other Color": what the window shows then.
// An open step has both entries open, the colour's focused and selected.
struct Step {
    const char* material;
    const char* colour;
    std::optional<RgbColor> background;
    bool otherColour;
    bool open;
};
constexpr RgbColor kBlue = 0x8080FF;

void ExpectShows(const FakeOrderView& v, const Step& step)
{
    EXPECT_EQ(v.material.text, step.material);
    EXPECT_EQ(v.color.text, step.colour);
    EXPECT_EQ(v.color.background, step.background);
    EXPECT_EQ(v.otherColor, step.otherColour);
    EXPECT_EQ(v.material.locked, !step.open);
    EXPECT_EQ(v.color.locked, !step.open);
    using Focus = std::vector<std::string>;
    EXPECT_EQ(v.focused, step.open ? Focus({"material", "colour"}) : Focus());
}

TEST(OrderWindowTest, OtherMaterialWalksTheCatalogueFromEachLensType)
{
    const Step comfort{"Comfort 02", "Blue", kBlue, true, false};
    const Step comfortAlone{"Comfort 02", "Blue", kBlue, false, false};
    const Step xo{"Boston XO", "Blue", kBlue, true, false};
    const Step es{"Boston ES", "Blue", kBlue, true, false};
    const Step paragon{"Paragon HDS", "Blue", kBlue, false, false};
    const Step specify{"Specify", "Specify", std::nullopt, false, true};
    const struct {
        const char* name;
        std::size_t type;
        std::vector<Step> steps;
    } rows[] = {
        {"Corvane", kCorvaneType, {xo, es, paragon, comfortAlone, comfort, comfort, comfort, specify, comfort, xo, es}},
        {"Velto", kVeltoType, {paragon, comfortAlone, comfort, comfort, comfort, specify, comfort, xo}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        PresentedOrder w;
        w.presenter.Load();
        w.presenter.LensTypeChosen(row.type);
        for (std::size_t i = 0; i < row.steps.size(); ++i) {
            SCOPED_TRACE(i);
            w.view.focused.clear();
            w.presenter.OtherMaterial();
            ExpectShows(w.view, row.steps[i]);
        }
        EXPECT_EQ(w.view.asked, std::vector<std::string>{"Note: Other Material and/or colors available on request. "});
    }
}

TEST(OrderWindowTest, OtherColourWalksTheMaterialsCycle)
{
    const ColorShown green{"Green", 0x00C000, true}, brown{"Brown", 0xC04000, true}, grey{"Grey", 0xC0C0C0, true},
        iceBlue{"Ice blue", 0xC0C0FF, true}, blue{"Blue", kBlue, true}, violet{"Violet", 0xFF80FF, true},
        specify{"Specify", std::nullopt, false};
    const struct {
        const char* name;
        std::size_t type;
        int otherMaterials;
        const char* material;
        std::vector<ColorShown> steps;
    } rows[] = {
        {"Boston ES", kCorvaneType, 2, "Boston ES", {green, brown, grey, iceBlue, blue, green}},
        {"Boston XO from Velto's ice blue", kVeltoType, 0, "Boston XO", {violet, blue, iceBlue, violet}},
        {"Comfort 02 asks for the colour", kCorvaneType, 0, "Comfort 02", {specify, specify}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        PresentedOrder w;
        w.presenter.Load();
        w.presenter.LensTypeChosen(row.type);
        for (int i = 0; i < row.otherMaterials; ++i)
            w.presenter.OtherMaterial();
        for (std::size_t i = 0; i < row.steps.size(); ++i) {
            SCOPED_TRACE(i);
            w.view.focused.clear();
            w.presenter.OtherColor();
            const ColorShown& step = row.steps[i];
            EXPECT_EQ(w.view.color.text, step.text);
            EXPECT_EQ(w.view.color.background, step.background);
            EXPECT_EQ(w.view.color.locked, step.locked);
            EXPECT_EQ(w.view.focused, std::vector<std::string>(step.locked ? 0 : 1, "colour"));
        }
        EXPECT_EQ(w.view.material.text, row.material);
        EXPECT_EQ(w.view.asked.size(), 1u);
    }
}

TEST(OrderWindowTest, CancelInTheNoteChangesNothing)
{
    PresentedOrder w;
    w.presenter.Load();
    w.view.answers = {false, false};
    w.presenter.OtherMaterial();
    w.presenter.OtherColor();
    EXPECT_EQ(w.view.material.text, "Comfort 02");
    EXPECT_EQ(w.view.color.text, "Blue");
    EXPECT_EQ(w.view.asked.size(), 2u);
    w.presenter.OtherColor();
    EXPECT_EQ(w.view.asked.size(), 3u);
    EXPECT_EQ(w.view.color.text, "Specify");
}

TEST(OrderWindowTest, ANewLensTypeAsksTheNoteAgainAndLeavesOtherColour)
{
    PresentedOrder w;
    w.presenter.Load();
    w.presenter.LensTypeChosen(kVeltoType);
    w.presenter.OtherMaterial();
    ASSERT_FALSE(w.view.otherColor);
    w.presenter.LensTypeChosen(kCorvaneType);
    EXPECT_FALSE(w.view.otherColor);
    EXPECT_EQ(w.view.material.text, "Comfort 02");
    EXPECT_TRUE(w.view.color.locked);
    // Choosing the chosen type again is no new choice.
    w.presenter.OtherMaterial();
    w.presenter.LensTypeChosen(kCorvaneType);
    EXPECT_EQ(w.view.material.text, "Boston XO");
    EXPECT_EQ(w.view.asked.size(), 2u);
}

} // namespace
} // namespace corvane::test
