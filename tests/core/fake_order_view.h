#pragma once

#include "order/order_presenter.h"
#include "order/order_view.h"
#include "scripted_toolkit.h"

#include <array>
#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace corvane::test {

// The order window as values: what its presenter showed last, and what the
// practitioner has typed (the shown material and colour, as in the window).
class FakeOrderView : public OrderView {
public:
    void ShowLensType(std::size_t type) override { typed.lensType = type; }
    void ShowEye(int eye, const EyeTexts& texts) override { eyes[eye] = texts; }
    void ShowThicknesses(int eye, const Thicknesses& chosen) override
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
    bool AskOkCancel(const std::string& text, const std::string& title) override
    {
        asked.push_back(title + ": " + text);
        const bool ok = answers.empty() || answers.front();
        if (!answers.empty())
            answers.pop_front();
        return ok;
    }
    void ShowMessage(const std::string& text, const std::string& title) override
    {
        messages.push_back(title + ": " + text);
    }
    OrderTyped Typed() const override { return typed; }
    void Close() override { closed = true; }

    std::array<std::optional<EyeTexts>, 2> eyes;
    std::array<std::optional<Thicknesses>, 2> thick;
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

// The order window's presenter on a fake view and the scripted toolkit.
struct PresentedOrder {
    ScriptedToolkit tk;
    OrderRecord order;
    FakeOrderView view;
    OrderPresenter presenter{view, tk, order, NumberFormat{'.'}};
};

} // namespace corvane::test
