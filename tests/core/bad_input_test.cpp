#include "fake_main_view.h"

namespace corvane::test {
namespace {

// Texts a practitioner can type or paste into any entry.
const char* const kBadTexts[] = {
    "",       " ",      "abc",   "1e308",  "-1e308", "-0",   "1e999", "inf",    "nan", "0.0000001",
    "1e-308", "1e-400", "99999", "-99999", "1e20",   "0",    "180",   "-4",     "50",  "+",
    ".",      "12.",    "4e2",   "7,8",    "0x1A",   "1e15", "-1e15", "-1e307",
};

struct Entry {
    const char* name;
    lens::Entry entry;
};

const Entry kEntries[] = {
    {"txtPresKera1", lens::Entry::Kera1},  {"txtPresKera2", lens::Entry::Kera2}, {"txtPresPow", lens::Entry::Sphere},
    {"txtPresCyl", lens::Entry::Cylinder}, {"txtPresAxe", lens::Entry::Axis},    {"cboPresVertex", lens::Entry::Vertex},
    {"cboPresAdd", lens::Entry::PresAdd},  {"txtCurBC", lens::Entry::CurBC},     {"txtCurPow", lens::Entry::CurPower},
    {"txtCurDiam", lens::Entry::CurDiam},  {"txtCurAdd", lens::Entry::CurAdd},
};

class BadInputTest : public PresenterTest, public testing::WithParamInterface<std::tuple<Entry, const char*>> {};

TEST_P(BadInputTest, EndsInANumberedMessageOrAResult)
{
    const auto& [entry, text] = GetParam();
    const lens::EyeEntries valid{{"43", "44", "-2", "-0.5", "90", "12", "2"}, {"7.85", "-3", "9.3", "2.5"}};
    const lens::Entry bad = entry.entry;
    const std::string badText = text;
    const lens::EyeEntries typed =
        lens::EntriesFrom([&](lens::Entry e) { return e == bad ? badText : lens::Text(valid, e); });
    Pres(0, typed.pres);
    Cur(0, typed.cur);
    // A first calculation whose lens must never come back as this one's.
    Calculate();
    Calculate();

    for (const ShownBox& box : view.boxes) {
        EXPECT_EQ(CheckBox(box, false), "");
        EXPECT_NE(box.title, "Error for OS") << box.text;
    }
    EXPECT_EQ(CheckLensShape(PresLens(0), fmt_, false, false), "");
    EXPECT_EQ(CheckLensShape(CurLens(0), fmt_, false, false), "");
    EXPECT_EQ(CheckLensShape(FinalLens(0), fmt_, true, false), "");

    // The suggestion comes from what this calculation produced, nothing else.
    const lens::EyeResult& s = calc.Eye(0);
    EXPECT_EQ(CheckSources(PresLens(0), CurLens(0), FinalLens(0), s.pres.has_value(), s.cur.has_value()), "");
    if (s.pres && s.cur && s.suggested) {
        EXPECT_EQ(CheckMerged(PresLens(0), CurLens(0), FinalLens(0), view.entries[0].cur.diam, fmt_), "");
    }
    // Only a lens on screen, whole, can be ordered.
    const Lens fin = FinalLens(0);
    EXPECT_EQ(view.printEnabled, fin != kNoLens && fin.bc != "???" && fin.pow != "???" && fin.serie != "???");

    std::vector<std::string> shown;
    shown.reserve(lens::kPrescriptionEntries.size() + lens::kCurrentLensEntries.size() + 12 + view.boxes.size());
    for (lens::Entry e : lens::kPrescriptionEntries)
        shown.push_back(lens::Text(view.entries[0], e));
    for (lens::Entry e : lens::kCurrentLensEntries)
        shown.push_back(lens::Text(view.entries[0], e));
    for (const Lens& l : {PresLens(0), CurLens(0), FinalLens(0)})
        shown.insert(shown.end(), {l.bc, l.pow, l.diam, l.serie});
    for (const ShownBox& box : view.boxes)
        shown.push_back(box.text);
    for (const std::string& t : shown) {
        for (const char* word : {"inf", "nan", "INF", "NAN"}) {
            if (std::string(text).find(word) == std::string::npos) {
                EXPECT_EQ(t.find(word), std::string::npos) << "shows " << t;
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Texts, BadInputTest,
                         testing::Combine(testing::ValuesIn(kEntries), testing::ValuesIn(kBadTexts)),
                         [](const auto& info) {
                             std::string name =
                                 std::string(std::get<0>(info.param).name) + "_" + std::to_string(info.index);
                             return name;
                         });

} // namespace
} // namespace corvane::test
