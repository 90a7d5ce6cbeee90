#pragma once

#include "calc/calculation.h"
#include "calc/refinement.h"
#include "lens_oracle.h"
#include "views/main_view.h"

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace corvane::test {

// The main window as values: what the presenters showed, asked and focused,
// in English, and scripted answers for its questions and dialogs.
class FakeMainView : public MainView {
public:
    bool Ticked(Method method, int eye) const override { return ticked[Index(method)][Index(eye)]; }
    lens::EyeEntries Entries(int eye) const override { return entries[Index(eye)]; }
    void ShowEntries(int eye, const lens::EyeEntries& shown) override { entries[Index(eye)] = shown; }
    void ShowLens(ResultColumn column, int eye, const std::optional<lens::LensTexts>& lens) override
    {
        lenses[static_cast<std::size_t>(column)][Index(eye)] = lens;
    }
    void ShowOpenValues(const std::array<OpenValues, 2>& values, const std::optional<Words>&, bool) override
    {
        open = values;
    }
    void SetHelp(const Words& line) override { help = English(line); }
    void SetPrintEnabled(bool enabled) override { printEnabled = enabled; }
    void ShowOutdated(bool isOutdated, const std::optional<Words>& why) override
    {
        outdated = isOutdated;
        outdatedLine = why ? English(*why) : "";
    }
    void ShowEyeError(int eye, const RuntimeError& error) override
    {
        Show({English(ErrorMessage(error)), Buttons::OkExclamation, eye == 0 ? "Error for OD" : "Error for OS"});
    }
    void ShowWarning(const Words& message) override { Show({English(message), Buttons::Ok, "Error"}); }
    void FocusEntry(int eye, lens::Entry entry) override { focus.emplace_back(eye, entry); }
    bool Ask(const Words& question, const Words& title) override
    {
        Show({English(question), Buttons::YesNo, English(title)});
        if (answers.empty())
            return true;
        const bool yes = answers.front();
        answers.pop_front();
        return yes;
    }
    std::unique_ptr<PowerCorrectionView> PowerCorrection() override { return std::make_unique<Power>(*this); }
    std::unique_ptr<AddCorrectionView> AddCorrection() override { return std::make_unique<Add>(*this); }

    // "Power Correction": each scripted text typed and "Ok" pressed.
    struct Power : PowerCorrectionView {
        explicit Power(FakeMainView& v) : fake(v) {}
        void Run(const std::function<bool(const std::string&)>& accept) override
        {
            fake.dialogs.emplace_back("Power Correction");
            for (const std::string& typed : fake.overRefraction)
                if (accept(typed))
                    return;
        }
        void ShowError(const Words& message) override
        {
            fake.Show({English(message), Buttons::OkExclamation, "Corvane"});
        }
        FakeMainView& fake;
    };
    struct Add : AddCorrectionView {
        explicit Add(FakeMainView& v) : fake(v) {}
        std::optional<lens::AddChoice> Choose(const std::string& presAdd, const std::string& curAdd) override
        {
            fake.dialogs.emplace_back("Add Correction");
            fake.addsOffered = {presAdd, curAdd};
            return fake.addChoice;
        }
        FakeMainView& fake;
    };

    static std::size_t Index(Method m) { return m == Method::Prescription ? 0 : 1; }
    static std::size_t Index(int eye) { return static_cast<std::size_t>(eye); }
    void Show(const ShownBox& box)
    {
        boxes.push_back(box);
        if (onBox)
            onBox(box);
    }

    // [method][eye], methods as ordered in Method.
    std::array<std::array<bool, 2>, 2> ticked{};
    std::array<lens::EyeEntries, 2> entries;
    // [column][eye], columns as ordered in ResultColumn.
    std::array<std::array<std::optional<lens::LensTexts>, 2>, 3> lenses;
    std::array<OpenValues, 2> open{};
    std::string help;
    bool printEnabled = false;
    bool outdated = false;
    std::string outdatedLine;
    std::vector<ShownBox> boxes;
    std::function<void(const ShownBox&)> onBox;
    std::vector<std::pair<int, lens::Entry>> focus;
    // Yes/No answers in turn; Yes when none is left.
    std::deque<bool> answers;
    // "Power Correction": each text is typed and "Ok" pressed; closed once
    // none is left.
    std::vector<std::string> overRefraction;
    // "Add Correction": the button clicked, none for the close box; and the
    // two adds it offered.
    std::optional<lens::AddChoice> addChoice;
    std::pair<std::string, std::string> addsOffered;
    std::vector<std::string> dialogs;
};

// The main window's presenters on a fake view, in a point locale unless a
// test says otherwise.
class PresenterTest : public testing::Test {
protected:
    explicit PresenterTest(NumberFormat fmt = NumberFormat{'.'}) : fmt_(fmt), calc(view, fmt_), refine(view, calc, fmt_)
    {
        view.entries = {lens::ClearedEntries(), lens::ClearedEntries()};
    }

    // Ticks the method for the eye (the left eye beside the right).
    void Pres(int e, const lens::PrescriptionEntries& v)
    {
        view.ticked[0][0] = view.ticked[0][static_cast<std::size_t>(e)] = true;
        view.entries[static_cast<std::size_t>(e)].pres = v;
    }
    void Cur(int e, const lens::CurrentLensEntries& v)
    {
        view.ticked[1][0] = view.ticked[1][static_cast<std::size_t>(e)] = true;
        view.entries[static_cast<std::size_t>(e)].cur = v;
    }
    void Calculate()
    {
        view.boxes.clear();
        view.focus.clear();
        calc.Calculate();
    }
    Lens Shown(ResultColumn column, int e) const
    {
        return view.lenses[static_cast<std::size_t>(column)][static_cast<std::size_t>(e)].value_or(kNoLens);
    }
    Lens PresLens(int e) const { return Shown(ResultColumn::Prescription, e); }
    Lens CurLens(int e) const { return Shown(ResultColumn::CurrentLens, e); }
    Lens FinalLens(int e) const { return Shown(ResultColumn::Suggested, e); }
    std::vector<std::string> BoxTexts() const
    {
        std::vector<std::string> texts;
        for (const ShownBox& b : view.boxes)
            texts.push_back(b.text);
        return texts;
    }

    FakeMainView view;
    NumberFormat fmt_;
    Calculation calc;
    Refinement refine;
};

} // namespace corvane::test
