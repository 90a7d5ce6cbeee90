#include "ui/form1_controls.h"

namespace corvane {
namespace {

template <std::size_t N>
std::array<Control*, N> Members(const std::array<const EyeArray*, N>& arrays, int e)
{
    std::array<Control*, N> members{};
    for (std::size_t i = 0; i < N; ++i)
        members[i] = (*arrays[i])[e];
    return members;
}

} // namespace

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

void Form1Controls::HideResults() const
{
    PresGroup().HideAll();
    CurGroup().HideAll();
    FinalGroup().HideAll();
}

std::array<const EyeArray*, 7> Form1Controls::PresEntries() const
{
    return {&txtPresKera1, &txtPresKera2, &txtPresPow, &txtPresCyl, &txtPresAxe, &cboPresVertex, &cboPresAdd};
}

std::array<const EyeArray*, 4> Form1Controls::CurEntries() const
{
    return {&txtCurBC, &txtCurPow, &txtCurDiam, &txtCurAdd};
}

std::array<Control*, 7> Form1Controls::PresEntries(int e) const { return Members(PresEntries(), e); }

std::array<Control*, 4> Form1Controls::CurEntries(int e) const { return Members(CurEntries(), e); }

} // namespace corvane
