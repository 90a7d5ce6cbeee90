#include "ui/form1_controls.h"

namespace corvane {

ResultGroup Form1Controls::PresGroup() const
{
    return {lblResPres, lblResPresOS, lblResPresBC, lblResPresPow, lblResPresDiam, lblResPresSerie};
}

ResultGroup Form1Controls::CurGroup() const
{
    return {lblResCur, lblResCurOS, lblResCurBC, lblResCurPow, lblResCurDiam, lblResCurSerie};
}

ResultGroup Form1Controls::FinalGroup() const
{
    return {lblResFinal, lblResFinalOS, lblResFinalBC, lblResFinalPow, lblResFinalDiam, lblResFinalSerie};
}

EyeArray Form1Controls::*Form1Controls::EntryMember(lens::Entry entry)
{
    using lens::Entry;
    switch (entry) {
    case Entry::None:
        return nullptr;
    case Entry::Kera1:
        return &Form1Controls::txtPresKera1;
    case Entry::Kera2:
        return &Form1Controls::txtPresKera2;
    case Entry::Sphere:
        return &Form1Controls::txtPresPow;
    case Entry::Cylinder:
        return &Form1Controls::txtPresCyl;
    case Entry::Axis:
        return &Form1Controls::txtPresAxe;
    case Entry::Vertex:
        return &Form1Controls::cboPresVertex;
    case Entry::PresAdd:
        return &Form1Controls::cboPresAdd;
    case Entry::CurBC:
        return &Form1Controls::txtCurBC;
    case Entry::CurPower:
        return &Form1Controls::txtCurPow;
    case Entry::CurDiam:
        return &Form1Controls::txtCurDiam;
    case Entry::CurAdd:
        return &Form1Controls::txtCurAdd;
    }
    return nullptr;
}

Control* Form1Controls::EntryControl(lens::Entry entry, int e) const
{
    EyeArray Form1Controls::*member = EntryMember(entry);
    return member != nullptr ? (this->*member)[static_cast<std::size_t>(e)] : nullptr;
}

std::vector<Control*> Form1Controls::Entries(std::span<const lens::Entry> entries, int e) const
{
    std::vector<Control*> controls;
    for (lens::Entry entry : entries)
        controls.push_back(EntryControl(entry, e));
    return controls;
}

} // namespace corvane
