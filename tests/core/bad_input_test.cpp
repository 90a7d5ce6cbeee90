#include "form1_fixture.h"

#include <cctype>

namespace corvane::test {
namespace {

// Texts a practitioner can type or paste into any entry.
const char* const kBadTexts[] = {
    "",          " ",      "abc",    "1e308", "-1e308", "-0",   "1e999", "inf",  "nan",
    "0.0000001", "1e-308", "1e-400", "99999", "-99999", "1e20", "0",     "180",  "-4",
    "50",        "+",      ".",      "12.",   "4e2",    "7,8",  "0x1A",  "1e15", "-1e15",
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

bool Digits(const std::string& s, std::size_t from, std::size_t to)
{
    if (from >= to)
        return false;
    for (std::size_t i = from; i < to; ++i)
        if (!std::isdigit(static_cast<unsigned char>(s[i])))
            return false;
    return true;
}

// "-12.34" and the like: an optional minus, digits, a point, two digits.
bool TwoDecimals(const std::string& s)
{
    const std::size_t start = !s.empty() && s[0] == '-' ? 1 : 0;
    const std::size_t point = s.find('.');
    return point != std::string::npos && Digits(s, start, point) && s.size() == point + 3 &&
           Digits(s, point + 1, s.size());
}

// "Error 601" CR LF and a description.
bool Numbered(const std::string& s)
{
    const std::size_t crlf = s.find("\r\n");
    return s.rfind("Error ", 0) == 0 && crlf != std::string::npos && Digits(s, 6, crlf) && s.size() > crlf + 2;
}

bool IsToleranceMessage(const std::string& text)
{
    return text.find("outside of the recommended tolerances. Please consult") != std::string::npos;
}

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
        const bool numbered = Numbered(box.text) && box.title == "Error for OD";
        EXPECT_TRUE(numbered || (IsToleranceMessage(box.text) && box.title == "Error")) << box.text;
    }
    auto check = [&](const Lens& l, bool markers) {
        if (l == kNoLens)
            return;
        auto open = [&](const std::string& s) { return markers && s == "???"; };
        EXPECT_TRUE(TwoDecimals(l.bc) || open(l.bc)) << l;
        EXPECT_TRUE(TwoDecimals(l.pow) || open(l.pow)) << l;
        EXPECT_TRUE(l.diam == "9.0" || l.diam == "9.2" || l.diam == "9.5") << l;
        EXPECT_TRUE(l.serie == "1" || l.serie == "2" || l.serie == "3" || open(l.serie)) << l;
    };
    check(PresLens(0), false);
    check(CurLens(0), false);
    check(FinalLens(0), true);

    // The suggestion comes from what this calculation produced, nothing else.
    const CalcState& s = form1_->Calc().State();
    if (!s.presLensDone[0] && !s.curLensDone[0]) {
        EXPECT_EQ(FinalLens(0), kNoLens);
    } else if (s.presLensDone[0] && !s.curLensDone[0]) {
        EXPECT_EQ(FinalLens(0), PresLens(0));
    } else if (!s.presLensDone[0] && s.curLensDone[0]) {
        EXPECT_EQ(FinalLens(0), CurLens(0));
    }
    EXPECT_EQ(PresLens(0) != kNoLens, s.presLensDone[0]);
    EXPECT_EQ(CurLens(0) != kNoLens, s.curLensDone[0]);

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
