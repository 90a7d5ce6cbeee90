// Feeds arbitrary texts into every entry of both eyes, ticks the sections,
// runs Calculate and clicks every marker with scripted answers, and checks
// that each outcome is a numbered message or a well-formed result of this
// very calculation.
//
// Input: byte 0 ticks the sections (bits 0..3: chkPres, chkPresOS, chkCur,
// chkCurOS) and picks the locale (bit 4: comma); byte 1 gives the answers
// of the message boxes, one bit each; the rest, split at line feeds, is the
// eleven entries of the right eye, the eleven of the left eye, then the
// over-refractions typed into "Power Correction".

#include "../core/scripted_toolkit.h"
#include "ui/form1.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

using namespace corvane;

[[noreturn]] void Fail(const std::string& why)
{
    std::fprintf(stderr, "invariant broken: %s\n", why.c_str());
    std::abort();
}

bool HasNonFinite(const std::string& s)
{
    for (const char* w : {"inf", "nan", "INF", "NAN", "Inf", "NaN"})
        if (s.find(w) != std::string::npos)
            return true;
    return false;
}

bool TwoDecimals(const std::string& s, char sep)
{
    std::size_t i = !s.empty() && s[0] == '-' ? 1 : 0;
    const std::size_t digitsFrom = i;
    while (i < s.size() && s[i] >= '0' && s[i] <= '9')
        ++i;
    return i > digitsFrom && i + 3 == s.size() && s[i] == sep && s[i + 1] >= '0' && s[i + 1] <= '9' &&
           s[i + 2] >= '0' && s[i + 2] <= '9';
}

struct Lens {
    std::string bc, pow, diam, serie;
    bool operator==(const Lens&) const = default;
};

Lens Read(const EyeArray& bc, const EyeArray& pow, const EyeArray& diam, const EyeArray& serie, int e)
{
    auto t = [e](const EyeArray& a) { return a[e]->Visible() ? a[e]->Caption() : std::string(); };
    return {t(bc), t(pow), t(diam), t(serie)};
}

void CheckLens(const Lens& l, const NumberFormat& fmt, bool markers, bool refined, const char* what)
{
    if (l == Lens{})
        return;
    auto open = [&](const std::string& s) { return markers && s == "???"; };
    // A settled power is written as general number text.
    auto power = [&](const std::string& s) { return TwoDecimals(s, fmt.decimal) || (refined && IsNumeric(s, fmt)); };
    const std::string d90 = std::string("9") + fmt.decimal + "0";
    const std::string d92 = std::string("9") + fmt.decimal + "2";
    const std::string d95 = std::string("9") + fmt.decimal + "5";
    if (!(TwoDecimals(l.bc, fmt.decimal) || open(l.bc)))
        Fail(std::string(what) + " base curve " + l.bc);
    if (!(power(l.pow) || open(l.pow)))
        Fail(std::string(what) + " power " + l.pow);
    if (l.diam != d90 && l.diam != d92 && l.diam != d95)
        Fail(std::string(what) + " diameter " + l.diam);
    if (!(l.serie == "1" || l.serie == "2" || l.serie == "3" || open(l.serie)))
        Fail(std::string(what) + " series " + l.serie);
}

void CheckBoxes(const test::ScriptedToolkit& tk)
{
    for (const test::ShownBox& box : tk.boxes) {
        const std::string& t = box.text;
        const std::size_t crlf = t.find("\r\n");
        const bool numbered = t.rfind("Error ", 0) == 0 && crlf != std::string::npos && crlf > 6 &&
                              t.find_first_not_of("0123456789", 6) == crlf && t.size() > crlf + 2;
        const bool tolerance =
            box.title == "Error" && t.find("recommended tolerances. Please consult") != std::string::npos;
        const bool question = box.buttons == Buttons::YesNo || box.buttons == Buttons::OkCancel;
        if (!numbered && !tolerance && !question)
            Fail("message " + t);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 2)
        return 0;
    const std::uint8_t flags = data[0];
    const std::uint8_t answers = data[1];
    std::vector<std::string> fields(1);
    for (std::size_t i = 2; i < size; ++i) {
        if (data[i] == '\n')
            fields.emplace_back();
        else
            fields.back().push_back(static_cast<char>(data[i]));
    }
    auto field = [&](std::size_t i) { return i < fields.size() ? fields[i] : std::string(); };

    const NumberFormat fmt{(flags & 0x10) != 0 ? ',' : '.'};
    test::ScriptedToolkit tk;
    for (int i = 0; i < 32; ++i)
        tk.answers.push_back(((answers >> (i % 8)) & 1) != 0 ? Answer::Yes : Answer::No);
    Module1 module;
    Form1 form1(tk, module, fmt);
    form1.GetForm().onLoad();
    const Form1Controls& k = form1.Controls();

    std::size_t nextOver = 22;
    tk.onShow["Form2"] = [&](Form& f) {
        f["txtRefra"].UserSetText(field(nextOver++));
        f["cmdOK"].RaiseClick();
    };
    tk.onShow["Form3"] = [&](Form& f) {
        if ((nextOver & 1) != 0)
            f["cmd1"].RaiseClick();
        else if ((nextOver & 2) != 0)
            f["cmd2"].RaiseClick();
        ++nextOver;
    };

    // Ticking the left eye copies the right one: the texts come after.
    if ((flags & 1) != 0) {
        k.chkPres->SetValue(1);
        if ((flags & 2) != 0)
            k.chkPresOS->SetValue(1);
    }
    if ((flags & 4) != 0) {
        k.chkCur->SetValue(1);
        if ((flags & 8) != 0)
            k.chkCurOS->SetValue(1);
    }
    const EyeArray* entries[] = {&k.txtPresKera1, &k.txtPresKera2,  &k.txtPresPow, &k.txtPresCyl,
                                 &k.txtPresAxe,   &k.cboPresVertex, &k.cboPresAdd, &k.txtCurBC,
                                 &k.txtCurPow,    &k.txtCurDiam,    &k.txtCurAdd};
    for (int e = 0; e < 2; ++e)
        for (std::size_t i = 0; i < 11; ++i)
            (*entries[i])[e]->SetText(field(static_cast<std::size_t>(e) * 11 + i));

    auto checkAll = [&](bool afterCalculate, bool refined) {
        CheckBoxes(tk);
        const CalcState& s = form1.Calc().State();
        for (int e = 0; e < 2; ++e) {
            const Lens pres = Read(k.lblResPresBC, k.lblResPresPow, k.lblResPresDiam, k.lblResPresSerie, e);
            const Lens cur = Read(k.lblResCurBC, k.lblResCurPow, k.lblResCurDiam, k.lblResCurSerie, e);
            const Lens fin = Read(k.lblResFinalBC, k.lblResFinalPow, k.lblResFinalDiam, k.lblResFinalSerie, e);
            CheckLens(pres, fmt, false, false, "keratometry design");
            CheckLens(cur, fmt, false, refined, "current-lens design");
            CheckLens(fin, fmt, true, refined, "suggested lens");
            if (!afterCalculate)
                continue;
            if ((pres != Lens{}) != s.presLensDone[e] || (cur != Lens{}) != s.curLensDone[e])
                Fail("a design is shown that did not come out of this calculation");
            if (!s.presLensDone[e] && !s.curLensDone[e] && fin != Lens{})
                Fail("a suggestion without a design");
            if (s.presLensDone[e] && !s.curLensDone[e] && !(fin == pres))
                Fail("the suggestion is not the keratometry design");
            if (!s.presLensDone[e] && s.curLensDone[e] && !(fin == cur))
                Fail("the suggestion is not the current-lens design");
        }
        for (const auto& c : form1.GetForm().Controls()) {
            if (HasNonFinite(c->Text())) {
                bool typed = false;
                for (const std::string& f : fields)
                    typed = typed || HasNonFinite(f);
                if (!typed)
                    Fail(c->Name() + " shows " + c->Text());
            }
        }
    };

    form1.Calc().btnGo_Click();
    checkAll(true, false);
    for (int e = 0; e < 2; ++e) {
        k.lblResFinalBC[e]->RaiseClick();
        k.lblResFinalPow[e]->RaiseClick();
        k.lblResFinalSerie[e]->RaiseClick();
    }
    checkAll(false, true);
    // A second calculation starts from the entries as written back.
    form1.Calc().btnGo_Click();
    checkAll(true, false);
    return 0;
}
