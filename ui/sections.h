#pragma once

#include "ui/base/toolkit.h"
#include "ui/form1_controls.h"
#include "views/main_view.h"

#include <span>
#include <vector>

namespace corvane {

inline constexpr Color kFocusColor = 0xC0FFFF;
inline constexpr Color kRestColor = 0xFFFFFF;

// The four entry sections of the main window, the focus feedback of its
// fields and Enter moving on like Tab.
class Sections {
public:
    Sections(const Form1Controls& controls, Toolkit& toolkit);

private:
    // A method's section: its boxes, headings, the left eye's separator
    // (if any) and its entries.
    struct Section {
        Control* box;
        Control* boxOS;
        std::vector<Control*> heads;
        Control* separator;
        std::span<const lens::Entry> entries;
    };
    Section Of(Method method) const;
    void RightClicked(const Section& s);
    void LeftClicked(const Section& s);
    void WireFocus();
    void WireEnter();

    const Form1Controls& k_;
    Toolkit& toolkit_;
};

} // namespace corvane
