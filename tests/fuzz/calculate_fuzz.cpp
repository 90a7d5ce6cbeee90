// Feeds arbitrary texts into every entry of both eyes, ticks the sections,
// runs Calculate, may edit entries, clicks every marker with scripted
// answers, and checks each outcome against the shared oracle: numbered
// messages, well-formed results of this very calculation, the suggestion
// merged from both designs, and each settled marker against its source.
//
// Input: byte 0 ticks the sections (bits 0..3: chkPres, chkPresOS, chkCur,
// chkCurOS), picks the locale (bit 4: comma) and edits entries after
// Calculate (bit 5); byte 1 gives the answers to the six marker questions,
// one bit each; the rest, split at line feeds, is the eleven entries of the
// right eye, the eleven of the left eye, the edited prescription add,
// current power and current add of each eye, then the over-refractions
// typed into "Power Correction".

#include "../core/lens_oracle.h"
#include "app/form1.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

using namespace corvane;
using test::Lens;

void Require(const std::string& problem)
{
    if (problem.empty())
        return;
    std::fprintf(stderr, "invariant broken: %s\n", problem.c_str());
    std::abort();
}

struct Run {
    Run(std::vector<std::string> fields, std::uint8_t flags)
        : fields(std::move(fields)), fmt{(flags & 0x10) != 0 ? ',' : '.'}, form1(tk, module, fmt), k(form1.Controls())
    {
        form1.GetForm().onLoad();
    }

    std::string Field(std::size_t i) const { return i < fields.size() ? fields[i] : std::string(); }
    Lens Pres(int e) const { return test::Shown(k.PresGroup(), e); }
    Lens Cur(int e) const { return test::Shown(k.CurGroup(), e); }
    Lens Final(int e) const { return test::Shown(k.FinalGroup(), e); }

    void CheckAll(bool afterCalculate, bool refined)
    {
        for (const test::ShownBox& box : tk.boxes)
            Require(test::CheckBox(box, true));
        const CalcState& s = form1.Calc().State();
        for (int e = 0; e < 2; ++e) {
            Require(test::CheckLensShape(Pres(e), fmt, false, false));
            Require(test::CheckLensShape(Cur(e), fmt, false, refined));
            Require(test::CheckLensShape(Final(e), fmt, true, refined));
            if (!afterCalculate)
                continue;
            Require(test::CheckSources(Pres(e), Cur(e), Final(e), s.presLensDone[e], s.curLensDone[e]));
            if (s.presLensDone[e] && s.curLensDone[e])
                Require(test::CheckMerged(Pres(e), Cur(e), Final(e), k.txtCurDiam[e]->Text(), fmt));
        }
        bool typed = false;
        for (const std::string& f : fields)
            typed = typed || test::HasNonFinite(f);
        for (const auto& c : form1.GetForm().Controls())
            if (!typed && test::HasNonFinite(c->Text()))
                Require(c->Name() + " shows " + c->Text());
    }

    std::vector<std::string> fields;
    NumberFormat fmt;
    test::ScriptedToolkit tk;
    Module1 module;
    Form1 form1;
    const Form1Controls& k;
};

// A base-curve marker settles on the design the answer chose.
void SettleBaseCurve(Run& r, int e, Answer answer)
{
    const Lens pres = r.Pres(e);
    const Lens cur = r.Cur(e);
    const std::string before = r.k.lblResFinalBC[e]->Caption();
    r.tk.answers = {answer};
    r.k.lblResFinalBC[e]->RaiseClick();
    const std::string& after = r.k.lblResFinalBC[e]->Caption();
    if (before != "???")
        Require(after == before ? "" : "a settled base curve changed");
    else
        Require(after == (answer == Answer::Yes ? cur.bc : pres.bc) ? "" : "base curve settled on " + after);
}

// A power marker settles on the current design, or on it corrected by the
// accepted over-refraction; otherwise everything stays.
void SettlePower(Run& r, int e, Answer answer)
{
    Control* fin = r.k.lblResFinalPow[e];
    Control* label = r.k.lblResCurPow[e];
    Control* entry = r.k.txtCurPow[e];
    const std::string before = fin->Caption();
    const std::string labelBefore = label->Caption();
    const std::string entryBefore = entry->Text();
    r.module.overRefractionAccepted = false;
    r.tk.answers = {answer};
    fin->RaiseClick();
    if (before != "???") {
        Require(fin->Caption() == before ? "" : "a settled power changed");
        return;
    }
    if (answer == Answer::Yes) {
        Require(fin->Caption() == labelBefore ? "" : "power settled on " + fin->Caption());
        return;
    }
    if (fin->Caption() == "???") {
        Require(label->Caption() == labelBefore && entry->Text() == entryBefore ? "" : "an unsettled power wrote");
        const double over = r.module.overRefraction;
        const bool corrects = r.module.overRefractionAccepted && over != 0 && IsNumeric(entryBefore, r.fmt) &&
                              std::isfinite(ToNumber(entryBefore, r.fmt) + over) &&
                              std::isfinite(ToNumber(labelBefore, r.fmt) + over);
        Require(corrects ? "an accepted over-refraction left the marker" : "");
        return;
    }
    const double over = r.module.overRefraction;
    const std::string corrected = NumberToText(ToNumber(labelBefore, r.fmt) + over, r.fmt);
    Require(label->Caption() == corrected ? "" : "corrected design power " + label->Caption());
    Require(fin->Caption() == NumberToText(ToNumber(corrected, r.fmt), r.fmt) ? "" : "corrected power differs");
    Require(entry->Text() == NumberToText(ToNumber(entryBefore, r.fmt) + over, r.fmt) ? "" : "corrected entry");
}

// A series marker takes the chosen add and that side's series.
void SettleSeries(Run& r, int e)
{
    const Form1Controls& k = r.k;
    const std::string before = k.lblResFinalSerie[e]->Caption();
    const std::string presAdd = k.cboPresAdd[e]->Text();
    const std::string curAdd = k.txtCurAdd[e]->Text();
    const std::string presSerie = k.lblResPresSerie[e]->Caption();
    const std::string curSerie = k.lblResCurSerie[e]->Caption();
    r.module.addChoice = 0;
    k.lblResFinalSerie[e]->RaiseClick();
    const std::string& after = k.lblResFinalSerie[e]->Caption();
    const bool readable = IsNumeric(presAdd, r.fmt) && IsNumeric(curAdd, r.fmt);
    const bool unchanged = after == before && k.cboPresAdd[e]->Text() == presAdd && k.txtCurAdd[e]->Text() == curAdd;
    if (before != "???" || !readable || r.module.addChoice == 0) {
        Require(unchanged ? "" : "an unsettled series wrote");
    } else if (r.module.addChoice == 1) {
        Require(after == presSerie && k.lblResCurSerie[e]->Caption() == presSerie && k.txtCurAdd[e]->Text() == presAdd
                    ? ""
                    : "series settled on the prescription add wrongly");
    } else {
        Require(after == curSerie && k.lblResPresSerie[e]->Caption() == curSerie && k.cboPresAdd[e]->Text() == curAdd
                    ? ""
                    : "series settled on the current add wrongly");
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
    Run r(std::move(fields), flags);
    const Form1Controls& k = r.k;

    std::size_t nextOver = 28;
    r.tk.onShow["Form2"] = [&](Form& f) {
        f["txtRefra"].UserSetText(r.Field(nextOver++));
        f["cmdOK"].RaiseClick();
    };
    r.tk.onShow["Form3"] = [&](Form& f) {
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
    for (int e = 0; e < 2; ++e) {
        const std::size_t first = static_cast<std::size_t>(e) * 11;
        for (std::size_t i = 0; i < 7; ++i)
            k.PresEntries(e)[i]->SetText(r.Field(first + i));
        for (std::size_t i = 0; i < 4; ++i)
            k.CurEntries(e)[i]->SetText(r.Field(first + 7 + i));
    }

    k.btnGo->RaiseClick();
    r.CheckAll(true, false);
    if ((flags & 0x20) != 0) {
        // The practitioner edits entries before settling the markers.
        for (int e = 0; e < 2; ++e) {
            const std::size_t first = 22 + static_cast<std::size_t>(e) * 3;
            k.cboPresAdd[e]->SetText(r.Field(first));
            k.txtCurPow[e]->SetText(r.Field(first + 1));
            k.txtCurAdd[e]->SetText(r.Field(first + 2));
        }
    }
    for (int e = 0; e < 2; ++e) {
        auto answer = [&](int bit) { return ((answers >> (e * 3 + bit)) & 1) != 0 ? Answer::Yes : Answer::No; };
        SettleBaseCurve(r, e, answer(0));
        SettlePower(r, e, answer(1));
        SettleSeries(r, e);
    }
    r.CheckAll(false, true);
    // A second calculation starts from the entries as written back.
    r.tk.boxes.clear();
    k.btnGo->RaiseClick();
    r.CheckAll(true, false);
    return 0;
}
