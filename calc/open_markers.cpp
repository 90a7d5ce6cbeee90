#include "calc/open_markers.h"

#include "ui/sections.h"

namespace corvane {

OpenMarkers::OpenMarkers(const Form1Controls& controls, Toolkit& toolkit) : k_(controls), toolkit_(toolkit)
{
    WireFocus();
}

std::array<OpenMarkers::Marker, 6> OpenMarkers::Markers() const
{
    return {{{k_.lblResFinalBC[0], "Base Curve", &lens::BaseCurveOpen},
             {k_.lblResFinalPow[0], "Power", &lens::PowerOpen},
             {k_.lblResFinalSerie[0], "Series", &lens::SeriesOpen},
             {k_.lblResFinalBC[1], "Base Curve", &lens::BaseCurveOpen},
             {k_.lblResFinalPow[1], "Power", &lens::PowerOpen},
             {k_.lblResFinalSerie[1], "Series", &lens::SeriesOpen}}};
}

void OpenMarkers::WireFocus()
{
    for (const Marker& m : Markers()) {
        Control* label = m.label;
        const std::string hint = std::string("Enter or click on the ??? to choose the ") + m.value;
        label->onGotFocus = [this, label, hint] {
            focused_ = label;
            label->SetBackColor(kFocusColor);
            k_.lblhelp->SetCaption(hint);
            hint_ = hint;
        };
        label->onLostFocus = [this, label] {
            if (focused_ == label)
                focused_ = nullptr;
            label->SetBackColor(kSystemWindow);
        };
    }
}

void OpenMarkers::Update(const std::array<lens::EyeResult, 2>& eyes, bool moveOn)
{
    Control* leaving = nullptr;
    for (std::size_t i = 0; i < Markers().size(); ++i) {
        const Marker m = Markers()[i];
        const bool open = m.label->Visible() && m.open(eyes[i / 3]);
        m.label->SetTakesFocus(open);
        m.label->SetAccessibleDescription(open ? std::string("Not chosen yet: Enter or Space chooses the ") + m.value
                                               : std::string());
        if (!open && m.label == focused_)
            leaving = m.label;
    }
    UpdateHelp(eyes);
    if (moveOn && leaving != nullptr)
        if (Control* next = k_.form->NextInTabOrder(leaving))
            toolkit_.SetFocus(*next);
}

// A hint that names a value to click goes once that value is settled: it
// names the next open value that has one, or the line is emptied.
void OpenMarkers::UpdateHelp(const std::array<lens::EyeResult, 2>& eyes)
{
    // The focused marker that is still open keeps its own hint.
    if (hint_.empty() || k_.lblhelp->Caption() != hint_ || (focused_ != nullptr && focused_->TakesFocus()))
        return;
    std::string line;
    for (const lens::EyeResult& eye : eyes) {
        if (!eye.suggested || !eye.pres || !eye.cur)
            continue;
        if (const std::optional<std::string> help = lens::HelpLine(*eye.suggested)) {
            line = *help;
            break;
        }
    }
    if (line == hint_)
        return;
    k_.lblhelp->SetCaption(line);
    hint_ = line;
}

} // namespace corvane
