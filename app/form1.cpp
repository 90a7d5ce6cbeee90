#include "app/form1.h"

#include "order/copy_lens.h"

namespace corvane {

Form1::Form1(Toolkit& toolkit, OrderRecord& order, NumberFormat fmt)
    : toolkit_(toolkit), order_(order), fmt_(fmt), form_("Form1", kForm1Caption, 9525, 7605), k_(BuildForm1(form_)),
      view_(k_, toolkit), calc_(view_, fmt), refine_(view_, calc_, fmt), sections_(k_, toolkit)
{
    form_.onLoad = [this] { Form_Load(); };
    k_.btnGo->onClick = [this] { calc_.Calculate(); };
    k_.cmdClear->onClick = [this] { cmdClear_Click(); };
    k_.cmdQuit->onClick = [this] { cmdQuit_Click(); };
    k_.cmdPrint->onClick = [this] { cmdPrint_Click(); };
    for (int e = 0; e < 2; ++e) {
        k_.lblResFinalBC[e]->onClick = [this, e] { refine_.BaseCurveClicked(e); };
        k_.lblResFinalPow[e]->onClick = [this, e] { refine_.PowerClicked(e); };
        k_.lblResFinalSerie[e]->onClick = [this, e] { refine_.SeriesClicked(e); };
        for (Control* c : k_.PresEntries(e))
            c->onEdited = [this] { calc_.EntryEdited(); };
        for (Control* c : k_.CurEntries(e))
            c->onEdited = [this] { calc_.EntryEdited(); };
    }
}

void Form1::Form_Load()
{
    for (int i = 0; i <= 8; ++i) {
        const std::string item = Format((75 + 25 * i) / 100.0, "0.00", fmt_);
        k_.cboPresAdd[1]->AddItem(item);
        k_.cboPresAdd[0]->AddItem(item);
    }
}

void Form1::cmdClear_Click()
{
    calc_.Clear();
    k_.chkPres->SetValue(0);
    k_.chkCur->SetValue(0);
    toolkit_.SetFocus(*k_.chkPres);
}

void Form1::cmdQuit_Click() { toolkit_.Unload(form_); }

void Form1::cmdPrint_Click()
{
    // Only settled lenses, while the entries are those of the lens shown.
    const std::optional<lens::LensOrder> order = calc_.Order();
    if (!order)
        return;
    CopySuggestedLens(*order, order_, fmt_);
    if (onOrder)
        onOrder();
}

} // namespace corvane
