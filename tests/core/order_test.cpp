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
    OrderRecord Ordered() const { return WithSuggestedLens({}, calc.Order().value()); }
};

TEST_F(OrderTest, PrintOrderCopiesTheSuggestedLens)
{
    Pres(0, {"43", "44", "-2", "", "", "12", "2"});
    Pres(1, {"47", "47.5", "-3", "", "", "12", "2.75"});
    Calculate();
    ASSERT_TRUE(view.printEnabled);
    const OrderRecord o = Ordered();
    EXPECT_TRUE(o.orderLeftEye);
    EXPECT_EQ(ShownEye(o, Eye::Right, fmt_), (EyeTexts{"7.70", "-2.50", "9.2", "2"}));
    EXPECT_EQ(ShownEye(o, Eye::Left, fmt_), (EyeTexts{"7.10", "-3.50", "9.0", "3"}));
    EXPECT_EQ(o.orderPower.right, (OrderPower{-2.5, lens::PowerForm::TwoDecimals}));

    // A new calculation for the right eye only orders the right eye only.
    view.ticked[0][1] = false;
    Calculate();
    EXPECT_FALSE(Ordered().orderLeftEye);
}

TEST(OrderWindowTest, LoadShowsTheLensAndTheDefaults)
{
    using lens::PowerForm;
    const struct {
        const char* name;
        bool leftEye;
        OrderPower leftPower;
        EyeTexts left;
    } rows[] = {
        {"left eye not ordered shows dashes", false, {-2.875, PowerForm::General}, {"-", "-", "-", "-"}},
        {"designed power with two decimals", true, {-2.875, PowerForm::TwoDecimals}, {"7.10", "-2.88", "9.0", "3"}},
        // Two decimals would change what the main window showed.
        {"over-refracted power in general form", true, {-2.875, PowerForm::General}, {"7.10", "-2.875", "9.0", "3"}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        PresentedOrder w;
        w.order.orderLeftEye = row.leftEye;
        w.order.orderBC = {7.7, 7.1};
        w.order.orderPower = {{-2.5}, row.leftPower};
        w.order.orderDiam = {9.2, 9};
        w.order.orderSeries = {2, 3};
        w.presenter.Load();
        const FakeOrderView& v = w.view;
        EXPECT_EQ(v.typed.lensType, LensType::Corvane);
        EXPECT_EQ(v.material.text, "Comfort 02");
        EXPECT_EQ(v.color.text, "Blue");
        EXPECT_EQ(v.color.background, 0x8080FFu);
        EXPECT_EQ(v.eyes.right, (EyeTexts{"7.70", "-2.50", "9.2", "2"}));
        EXPECT_EQ(v.eyes.left, row.left);
        EXPECT_EQ(v.thick.right, Thicknesses{});
        EXPECT_EQ(v.thick.left.has_value(), row.leftEye);
        if (v.thick.left) {
            EXPECT_EQ(v.thick.left->edge, EdgeThickness::Standard);
            EXPECT_EQ(v.thick.left->center, CenterThickness::Standard);
        }
        EXPECT_TRUE(v.asked.empty());
    }
}

// Each choice of the thickness lists, as the list and the page show it.
TEST(OrderWindowTest, ThicknessTexts)
{
    const struct {
        const char* name;
        std::string text;
        const char* shown;
    } rows[] = {
        {"edge thin", Text(EdgeThickness::Thin), "Thin"},
        {"edge standard", Text(EdgeThickness::Standard), "Standard"},
        {"edge minus carrier", Text(EdgeThickness::MinusCarrier), "Minus Carrier"},
        {"center standard", Text(CenterThickness::Standard), "Standard"},
        {"center thick", Text(CenterThickness::Thick), "Thick"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(row.text, row.shown) << row.name;
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
        LensType type;
        std::vector<Step> steps;
    } rows[] = {
        {"Corvane",
         LensType::Corvane,
         {xo, es, paragon, comfortAlone, comfort, comfort, comfort, specify, comfort, xo, es}},
        {"Velto", LensType::Velto, {paragon, comfortAlone, comfort, comfort, comfort, specify, comfort, xo}},
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
        LensType type;
        int otherMaterials;
        const char* material;
        std::vector<ColorShown> steps;
    } rows[] = {
        {"Boston ES", LensType::Corvane, 2, "Boston ES", {green, brown, grey, iceBlue, blue, green}},
        {"Boston XO from Velto's ice blue", LensType::Velto, 0, "Boston XO", {violet, blue, iceBlue, violet}},
        {"Comfort 02 asks for the colour", LensType::Corvane, 0, "Comfort 02", {specify, specify}},
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
    w.presenter.LensTypeChosen(LensType::Velto);
    w.presenter.OtherMaterial();
    ASSERT_FALSE(w.view.otherColor);
    w.presenter.LensTypeChosen(LensType::Corvane);
    EXPECT_FALSE(w.view.otherColor);
    EXPECT_EQ(w.view.material.text, "Comfort 02");
    EXPECT_TRUE(w.view.color.locked);
    // Choosing the chosen type again is no new choice.
    w.presenter.OtherMaterial();
    w.presenter.LensTypeChosen(LensType::Corvane);
    EXPECT_EQ(w.view.material.text, "Boston XO");
    EXPECT_EQ(w.view.asked.size(), 2u);
}

} // namespace
} // namespace corvane::test
