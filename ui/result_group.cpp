#include "ui/result_group.h"

namespace corvane {

void ResultGroup::Show(int e, const std::optional<lens::LensTexts>& lens) const
{
    const auto i = static_cast<std::size_t>(e);
    if (lens) {
        bc[i]->SetCaption(lens->bc);
        diam[i]->SetCaption(lens->diam);
        pow[i]->SetCaption(lens->pow);
        serie[i]->SetCaption(lens->serie);
    }
    for (Control* c : {bc[i], pow[i], diam[i], serie[i]})
        c->SetVisible(lens.has_value());
    const bool any = bc[0]->Visible() || bc[1]->Visible();
    for (Control* c : rows)
        c->SetVisible(any);
    os->SetVisible(bc[1]->Visible());
}

} // namespace corvane
