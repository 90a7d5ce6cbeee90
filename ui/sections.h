#pragma once

#include "ui/base/toolkit.h"
#include "ui/form1_controls.h"

namespace corvane {

inline constexpr Color kFocusColor = 0xC0FFFF;
inline constexpr Color kRestColor = 0xFFFFFF;

// The four entry sections of the main window, the focus feedback of its
// fields and Enter moving on like Tab.
class Sections {
public:
    Sections(const Form1Controls& controls, Toolkit& toolkit);

    void chkPres_Click();
    void chkPresOS_Click();
    void chkCur_Click();
    void chkCurOS_Click();

private:
    void WireFocus();
    void WireEnter();

    const Form1Controls& k_;
    Toolkit& toolkit_;
};

} // namespace corvane
