#pragma once

#include "order/order_output.h"
#include "order/order_presenter.h"
#include "order/order_view.h"

#include <algorithm>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace corvane {

// An eye's texts as a failing check prints them.
inline void PrintTo(const EyeTexts& t, std::ostream* os)
{
    *os << "{" << t.bc << ", " << t.power << ", " << t.diam << ", " << t.series << "}";
}

} // namespace corvane

namespace corvane::test {

// The order window as values: what its presenter showed last, and what the
// practitioner has typed (the shown material and colour, as in the window).
class FakeOrderView : public OrderView {
public:
    void ShowLensType(LensType type) override { typed.lensType = type; }
    void ShowEye(Eye eye, const EyeTexts& texts) override { eyes[eye] = texts; }
    void ShowThicknesses(Eye eye, const Thicknesses& chosen) override
    {
        thick[eye] = chosen;
        typed.thick[eye] = chosen;
    }
    void ShowMaterial(const EntryShown& shown) override
    {
        material = shown;
        typed.material = shown.text;
    }
    void ShowColor(const ColorShown& shown) override
    {
        color = shown;
        typed.color = shown.text;
    }
    void EnableOtherColor(bool enabled) override { otherColor = enabled; }
    void FocusMaterial() override { focused.push_back("material"); }
    void FocusColor() override { focused.push_back("colour"); }
    void FocusSpecialOrder() override { focused.push_back("special order"); }
    bool AskOkCancel(const Words& text, const Words& title) override
    {
        asked.push_back(English(title) + ": " + English(text));
        const bool ok = answers.empty() || answers.front();
        if (!answers.empty())
            answers.pop_front();
        return ok;
    }
    void ShowMessage(const Words& text, const Words& title) override
    {
        messages.push_back(English(title) + ": " + English(text));
    }
    OrderTyped Typed() const override { return typed; }
    void Close() override { closed = true; }

    PerEye<std::optional<EyeTexts>> eyes;
    PerEye<std::optional<Thicknesses>> thick;
    EntryShown material{};
    ColorShown color{};
    bool otherColor = true;
    // The entries focused (with their text selected), in turn.
    std::vector<std::string> focused;
    // OK or Cancel for the next questions; OK when empty.
    std::deque<bool> answers;
    std::vector<std::string> asked;
    std::vector<std::string> messages;
    bool closed = false;
    OrderTyped typed;
};

// A page as the laboratory reads it: each text and picture by name.
using ReadPage = std::map<std::string, std::string>;

inline ReadPage Read(const OrderPage& page)
{
    ReadPage read;
    for (const PageText& t : page.texts)
        read[t.name] = t.text;
    for (const PagePictureAt& p : page.pictures)
        read[p.name] = "";
    return read;
}

// Where the order goes, as values: a printer, a file dialog and a disk that
// do as told, and the questions asked on the way.
class FakeOrderOutput : public Printer, public PdfFiles, public Clock, public PageMeasure, public Questions {
public:
    OrderOutput Parts() { return {*this, *this, *this, *this, *this}; }

    // Answers at once, unless told to hold the answer.
    void Print(const OrderPage& page, PrintAnswer answer, PrintLostHandler whenLost) override
    {
        if (printOutcome.fault == PrintFault::None)
            printed.push_back(Read(page));
        lostHandlers.push_back(std::move(whenLost));
        if (holdAnswers)
            heldAnswers.push_back([answer = std::move(answer), outcome = printOutcome] { answer(outcome); });
        else
            answer(printOutcome);
    }
    std::optional<std::string> ChooseSaveFile(const Words& suggestedName) override
    {
        suggestedFiles.push_back(PdfFileName(English(suggestedName)));
        if (fileAnswers.empty())
            return std::nullopt;
        std::optional<std::string> answer = fileAnswers.front();
        fileAnswers.pop_front();
        return answer;
    }
    SaveOutcome SavePdf(const OrderPage& page, const std::string& path) override
    {
        if (saveOutcome.fault == SaveFault::None)
            saved.emplace_back(path, Read(page));
        return saveOutcome;
    }
    // A printed line holds pageLineChars characters; the box a line per 240
    // twips of its height.
    PageLines LinesOnPage(const PageText& text) override
    {
        PageLines lines{0, text.box.height / 240};
        for (std::size_t start = 0, end = 0; end != std::string::npos; start = end + 1) {
            end = text.text.find('\n', start);
            const std::size_t length = (end == std::string::npos ? text.text.size() : end) - start;
            lines.needed += std::max<int>(1, static_cast<int>((length + pageLineChars - 1) / pageLineChars));
        }
        return lines;
    }
    std::string Today() override { return today; }
    bool AskYesNo(const Words& text, const Words& title) override
    {
        asked.push_back(English(title) + ": " + English(text));
        const bool yes = yesNo.empty() || yesNo.front();
        if (!yesNo.empty())
            yesNo.pop_front();
        return yes;
    }
    void Tell(const Words& text, const Words& title) override { told.push_back(English(title) + ": " + English(text)); }

    PrintOutcome printOutcome;
    std::vector<ReadPage> printed;
    // Whether the printer answers only when the test says so, and its
    // answers not given yet, in order.
    bool holdAnswers = false;
    std::deque<std::function<void()>> heldAnswers;
    // What each Print was told to do when its job is lost later.
    std::vector<PrintLostHandler> lostHandlers;
    // The names the file dialog suggested, and its answers (a path, or
    // nullopt for Cancel); Cancel when none is left.
    std::vector<std::string> suggestedFiles;
    std::deque<std::optional<std::string>> fileAnswers;
    SaveOutcome saveOutcome;
    std::vector<std::pair<std::string, ReadPage>> saved;
    std::string today = "08/12/2026";
    int pageLineChars = 40;
    // Yes or No for the next questions; Yes when empty.
    std::deque<bool> yesNo;
    std::vector<std::string> asked;
    std::vector<std::string> told;
};

// The order window's presenter on a fake view and a fake output.
struct PresentedOrder {
    FakeOrderOutput out;
    OrderRecord order;
    FakeOrderView view;
    OrderPresenter presenter{view, out.Parts(), order, NumberFormat{'.'}};
};

} // namespace corvane::test
