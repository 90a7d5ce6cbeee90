#include "form1_fixture.h"

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
    bool prescription;
    int index;
};

const Entry kEntries[] = {
    {"txtPresKera1", true, 0}, {"txtPresKera2", true, 1},  {"txtPresPow", true, 2}, {"txtPresCyl", true, 3},
    {"txtPresAxe", true, 4},   {"cboPresVertex", true, 5}, {"cboPresAdd", true, 6}, {"txtCurBC", false, 0},
    {"txtCurPow", false, 1},   {"txtCurDiam", false, 2},   {"txtCurAdd", false, 3},
};

class BadInputTest : public Form1Test, public testing::WithParamInterface<std::tuple<Entry, const char*>> {};

TEST_P(BadInputTest, EndsInANumberedMessageOrAResult)
{
    const auto& [entry, text] = GetParam();
    std::array<const char*, 7> pres = {"43", "44", "-2", "-0.5", "90", "12", "2"};
    std::array<const char*, 4> cur = {"7.85", "-3", "9.3", "2.5"};
    if (entry.prescription)
        pres[static_cast<std::size_t>(entry.index)] = text;
    else
        cur[static_cast<std::size_t>(entry.index)] = text;
    Pres(0, pres);
    Cur(0, cur);
    // A first calculation whose lens must never come back as this one's.
    Calculate();
    Calculate();

    for (const ShownBox& box : tk.boxes) {
        EXPECT_EQ(CheckBox(box, false), "");
        EXPECT_NE(box.title, "Error for OS") << box.text;
    }
    EXPECT_EQ(CheckLensShape(PresLens(0), fmt_, false, false), "");
    EXPECT_EQ(CheckLensShape(CurLens(0), fmt_, false, false), "");
    EXPECT_EQ(CheckLensShape(FinalLens(0), fmt_, true, false), "");

    // The suggestion comes from what this calculation produced, nothing else.
    const lens::EyeResult& s = form1_->Calc().Eye(0);
    EXPECT_EQ(CheckSources(PresLens(0), CurLens(0), FinalLens(0), s.pres.has_value(), s.cur.has_value()), "");
    if (s.pres && s.cur && s.suggested) {
        EXPECT_EQ(CheckMerged(PresLens(0), CurLens(0), FinalLens(0), k->txtCurDiam[0]->Text(), fmt_), "");
    }
    // Only a lens on screen, whole, can be ordered.
    const Lens fin = FinalLens(0);
    EXPECT_EQ(k->cmdPrint->Enabled(), fin != kNoLens && fin.bc != "???" && fin.pow != "???" && fin.serie != "???");

    for (const auto& c : form1_->GetForm().Controls()) {
        for (const char* word : {"inf", "nan", "INF", "NAN"}) {
            if (std::string(text).find(word) == std::string::npos) {
                EXPECT_EQ(c->Text().find(word), std::string::npos) << c->Name() << " shows " << c->Text();
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
