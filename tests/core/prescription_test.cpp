#include "fake_main_view.h"

namespace corvane::test {
namespace {

constexpr const char* kLowerL = "The Lower keratometry is outside of the recommended tolerances. Please consult";
constexpr const char* kKerato = "The keratometry is outside of the recommended tolerances. Please consult";
constexpr const char* kCylinder = "The cylinder is outside of the recommended tolerances. Please consult";

struct DesignCase {
    const char* name;
    lens::PrescriptionEntries entries;
    Lens lens;                         // kNoLens when the design withholds it
    std::vector<std::string> messages; // tolerance messages, in order
    std::array<const char*, 5> after;  // K1, K2, sphere, cyl, axis as written back
};

// The wiring through the window on a few rows: the rules are rows of the
// engine's tables.
const DesignCase kDesignCases[] = {
    {"hundredths_and_vertex",
     {"4300", "4400", "-500", "", "", "12", "2.00"},
     {"7.70", "-5.25", "9.2", "2"},
     {},
     {"43", "44", "-5", "", ""}},
    {"plus_cylinder_transposed",
     {"43", "44", "-2.00", "+1.00", "90", "12", "2.00"},
     {"7.70", "-1.50", "9.2", "2"},
     {},
     {"43", "44", "-1", "-1", "180"}},
    {"three_messages_in_order",
     {"3800", "4200", "-2", "-3", "20", "12", "2"},
     kNoLens,
     {kLowerL, kKerato, kCylinder},
     {"38", "42", "-2", "-3", "20"}},
};

class DesignFromPrescriptionTest : public PresenterTest, public testing::WithParamInterface<DesignCase> {};

TEST_P(DesignFromPrescriptionTest, ThroughTheCalculateCommand)
{
    const DesignCase& c = GetParam();
    Pres(0, c.entries);
    std::vector<std::string> kera1AtBox;
    view.onBox = [&](const ShownBox&) { kera1AtBox.push_back(view.entries[0].pres.kera1); };
    Calculate();
    EXPECT_EQ(PresLens(0), c.lens);
    // Each warning comes after the entries were rewritten.
    EXPECT_EQ(kera1AtBox, std::vector<std::string>(view.boxes.size(), c.after[0]));
    EXPECT_EQ(BoxTexts(), c.messages);
    for (const ShownBox& box : view.boxes)
        EXPECT_EQ(box.title, "Error");
    const lens::PrescriptionEntries& after = view.entries[0].pres;
    EXPECT_EQ((std::array{after.kera1, after.kera2, after.sphere, after.cylinder, after.axis}),
              (std::array<std::string, 5>{c.after[0], c.after[1], c.after[2], c.after[3], c.after[4]}));
    // A prescription-only eye suggests exactly its "From K Reading" column.
    EXPECT_EQ(FinalLens(0), c.lens);
    EXPECT_EQ(view.printEnabled, c.lens != kNoLens);
}

INSTANTIATE_TEST_SUITE_P(Cases, DesignFromPrescriptionTest, testing::ValuesIn(kDesignCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(PresenterTest, ToleranceMessagesMoveTheFocusInTurn)
{
    Pres(0, {"39.5", "35", "-2", "-3", "20", "12", "2"});
    Calculate();
    // Lower reading box, then K1 for the toricity, then the cylinder.
    using lens::Entry;
    EXPECT_EQ(view.focus,
              (std::vector<std::pair<int, Entry>>{{0, Entry::Kera2}, {0, Entry::Kera1}, {0, Entry::Cylinder}}));
}

struct ValidationCase {
    const char* name;
    lens::Entry field;
    const char* text;
    const char* otherCyl; // the cylinder and axis beside it (nullptr: keep)
    const char* otherAxe;
    int number;
    const char* message;
    lens::Entry focus;
};

// One row for each entry a check names; the checks themselves are the
// engine's.
const ValidationCase kValidationCases[] = {
    {"k1_letters", lens::Entry::Kera1, "abc", nullptr, nullptr, 602, "The first keratometry is not numeric",
     lens::Entry::Kera1},
    {"k2_empty", lens::Entry::Kera2, "", nullptr, nullptr, 604, "The second keratometry is needed", lens::Entry::Kera2},
    {"power_blank", lens::Entry::Sphere, " ", nullptr, nullptr, 608, "The power is not numeric", lens::Entry::Sphere},
    {"axis_without_cyl", lens::Entry::Axis, "90", "", nullptr, 609, "The cylinder is needed", lens::Entry::Cylinder},
    {"axis_above_180", lens::Entry::Axis, "180.5", "-1", nullptr, 612, "The axis must range between 1 and 180",
     lens::Entry::Axis},
    {"vertex_100", lens::Entry::Vertex, "100", nullptr, nullptr, 615, "The vertex must be between 0 and 99",
     lens::Entry::Vertex},
    {"add_empty", lens::Entry::PresAdd, "", nullptr, nullptr, 616, "The add is needed", lens::Entry::PresAdd},
};

class ValidatePrescriptionTest : public PresenterTest,
                                 public testing::WithParamInterface<std::tuple<ValidationCase, int>> {};

TEST_P(ValidatePrescriptionTest, FirstFailingCheckWins)
{
    const auto& [c, e] = GetParam();
    const lens::EyeEntries valid{{"43", "44", "-2", "", "", "12", "2"}, {}};
    const lens::Entry bad = c.field;
    const std::string badText = c.text;
    lens::EyeEntries entries =
        lens::EntriesFrom([&](lens::Entry f) { return f == bad ? badText : lens::Text(valid, f); });
    if (c.otherCyl != nullptr)
        entries.pres.cylinder = c.otherCyl;
    if (c.otherAxe != nullptr)
        entries.pres.axis = c.otherAxe;
    if (c.field == lens::Entry::Axis && c.otherCyl == nullptr)
        entries.pres.cylinder = "-1";
    if (e == 1)
        Pres(0, {"43", "44", "-2", "", "", "12", "2"});
    Pres(e, entries.pres);
    Calculate();
    ASSERT_FALSE(view.boxes.empty());
    const ShownBox& box = view.boxes.front();
    EXPECT_EQ(box.text, "Error " + std::to_string(c.number) + "\r\n" + c.message);
    EXPECT_EQ(box.title, e == 0 ? "Error for OD" : "Error for OS");
    ASSERT_FALSE(view.focus.empty());
    EXPECT_EQ(view.focus.front(), std::make_pair(e, c.focus));
    EXPECT_EQ(PresLens(e), kNoLens);
    EXPECT_EQ(FinalLens(e), kNoLens);
    EXPECT_FALSE(calc.Eye(e).pres.has_value());
}

INSTANTIATE_TEST_SUITE_P(Cases, ValidatePrescriptionTest,
                         testing::Combine(testing::ValuesIn(kValidationCases), testing::Values(0, 1)),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param).name) +
                                    (std::get<1>(info.param) == 0 ? "_OD" : "_OS");
                         });

TEST_F(PresenterTest, OnlyTheFirstFaultIsReportedThenTheNext)
{
    Pres(0, {"", "", "", "", "", "12", "2"});
    Calculate();
    ASSERT_EQ(view.boxes.size(), 1u);
    EXPECT_EQ(view.boxes[0].text, "Error 601\r\nThe first keratometry is needed");
    view.entries[0].pres.kera1 = "43";
    Calculate();
    ASSERT_EQ(view.boxes.size(), 1u);
    EXPECT_EQ(view.boxes[0].text, "Error 604\r\nThe second keratometry is needed");
}

TEST_F(PresenterTest, DivisionByZeroInTheVertexStepShowsNoStaleLens)
{
    Pres(0, {"43", "44", "-2", "", "", "12", "2"});
    Calculate();
    ASSERT_EQ(FinalLens(0), (Lens{"7.70", "-2.50", "9.2", "2"}));
    // 50 x 20 / 1000 is 1: the vertex step divides by zero.
    view.entries[0].pres.sphere = "50";
    view.entries[0].pres.vertex = "20";
    Calculate();
    ASSERT_EQ(view.boxes.size(), 1u);
    EXPECT_EQ(view.boxes[0].text, "Error 11\r\nDivision by zero");
    EXPECT_EQ(view.boxes[0].title, "Error for OD");
    EXPECT_TRUE(view.focus.empty());
    EXPECT_FALSE(calc.Eye(0).pres.has_value());
    EXPECT_EQ(PresLens(0), kNoLens);
    EXPECT_EQ(FinalLens(0), kNoLens);
    EXPECT_FALSE(view.printEnabled);
}

TEST_F(PresenterTest, OverflowInTheRadiusStepIsReported)
{
    Pres(0, {"1e-308", "44", "-2", "", "", "12", "2"});
    Calculate();
    ASSERT_EQ(view.boxes.size(), 1u);
    EXPECT_EQ(view.boxes[0].text, "Error 6\r\nOverflow");
    EXPECT_EQ(FinalLens(0), kNoLens);
}

TEST_F(PresenterTest, SecondCalculateSeesTheNormalisedEntries)
{
    Pres(0, {"780", "4400", "-500", "+1.00", "90", "12", "200"});
    Calculate();
    const Lens first = PresLens(0);
    const lens::PrescriptionEntries normalised = view.entries[0].pres;
    Calculate();
    EXPECT_EQ(PresLens(0), first);
    EXPECT_EQ(view.entries[0].pres, normalised);
    EXPECT_EQ(normalised.sphere, "-4");
    EXPECT_EQ(normalised.cylinder, "-1");
    EXPECT_EQ(normalised.axis, "180");
    EXPECT_EQ(normalised.add, "2");
}

TEST_F(PresenterTest, LeftEyeAloneKeepsTheOrderButtonDisabled)
{
    Pres(1, {"43", "44", "-2", "", "", "12", "2"});
    view.entries[0].pres = {"", "44", "-2", "", "", "12", "2"};
    // The right eye is ticked but fails; the left eye is still calculated.
    Calculate();
    EXPECT_EQ(FinalLens(0), kNoLens);
    EXPECT_EQ(PresLens(0), kNoLens);
    EXPECT_EQ(PresLens(1), (Lens{"7.70", "-2.50", "9.2", "2"}));
    EXPECT_EQ(FinalLens(1), (Lens{"7.70", "-2.50", "9.2", "2"}));
    EXPECT_FALSE(view.printEnabled);
}

TEST_F(PresenterTest, NothingTickedShowsNothing)
{
    Pres(0, {"43", "44", "-2", "", "", "12", "2"});
    Calculate();
    ASSERT_TRUE(view.printEnabled);
    view.ticked[0][0] = false;
    Calculate();
    for (const auto& column : view.lenses)
        for (const std::optional<lens::LensTexts>& eye : column)
            EXPECT_FALSE(eye.has_value());
    EXPECT_FALSE(view.printEnabled);
}

class CommaLocaleTest : public PresenterTest {
protected:
    CommaLocaleTest() : PresenterTest(NumberFormat{','}) {}
};

TEST_F(CommaLocaleTest, TypedAndShownWithCommas)
{
    Pres(0, {"7,80", "44", "-2,00", "", "", "12", "2,00"});
    Calculate();
    EXPECT_EQ(view.entries[0].pres.kera1, "43,2692307692308");
    EXPECT_EQ(PresLens(0), (Lens{"7,70", "-2,50", "9,2", "2"}));
}

} // namespace
} // namespace corvane::test
