#include "ui/result_group.h"

namespace corvane {

void ResultGroup::ShowFrame(int e) const
{
    if (e == 1)
        os->SetVisible(true);
    for (Control* c : rows)
        c->SetVisible(true);
}

void ResultGroup::ShowValues(int e, bool visible) const
{
    for (Control* c : Values(e))
        c->SetVisible(visible);
}

void ResultGroup::HideAll() const
{
    for (Control* c : rows)
        c->SetVisible(false);
    os->SetVisible(false);
    ShowValues(0, false);
    ShowValues(1, false);
}

LensTexts ResultGroup::Captions(int e) const
{
    return {bc[e]->Caption(), pow[e]->Caption(), diam[e]->Caption(), serie[e]->Caption()};
}

void ResultGroup::SetCaptions(int e, const LensTexts& lens) const
{
    bc[e]->SetCaption(lens.bc);
    diam[e]->SetCaption(lens.diam);
    pow[e]->SetCaption(lens.pow);
    serie[e]->SetCaption(lens.serie);
}

bool ResultGroup::Shows(int e, std::string_view text) const
{
    for (const Control* c : Values(e))
        if (c->Caption() == text)
            return true;
    return false;
}

} // namespace corvane
