#pragma once

#include "ui/base/toolkit.h"
#include "ui/form1_controls.h"
#include "views/main_view.h"

#include <array>
#include <string>

namespace corvane {

// The "???" of the suggested lens as keyboard stops: while a value is open
// its marker takes the focus in its place in the tab order, shows it as an
// entry does, names itself in the help line and tells a screen reader that
// Enter chooses it. A settled value leaves the tab order, and no hint of a
// settled value stays in the help line.
class OpenMarkers {
public:
    OpenMarkers(const Form1Controls& controls, Toolkit& toolkit);

    // The help line shows this hint of a value to click.
    void HintShown(std::string hint) { hint_ = std::move(hint); }
    // Follows what is open on both eyes. After a settling (`moveOn`) the
    // focus of a marker that is no longer open goes on in tab order.
    void Update(const std::array<OpenValues, 2>& open, const std::string& clickLine, bool moveOn);

private:
    struct Marker {
        Control* label;
        const char* value;
        bool OpenValues::*open;
    };
    std::array<Marker, 6> Markers() const;
    void WireFocus();
    void UpdateHelp(const std::string& clickLine);

    const Form1Controls& k_;
    Toolkit& toolkit_;
    Control* focused_ = nullptr;
    // The marker hint the help line shows, if it still shows one.
    std::string hint_;
};

} // namespace corvane
