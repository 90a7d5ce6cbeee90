#include "app/form1.h"

#include "order/order_forms.h"

namespace corvane {

Form1::Form1(Toolkit& toolkit, Module1& module, NumberFormat fmt)
    : toolkit_(toolkit), module_(module), fmt_(fmt), form_("Form1", kForm1Caption, 9525, 7605), k_(BuildForm1(form_)),
      calc_(k_, toolkit, fmt), refine_(k_, calc_, toolkit, fmt), sections_(k_, toolkit)
{
    form_.onLoad = [this] { Form_Load(); };
    k_.btnGo->onClick = [this] { calc_.btnGo_Click(); };
    k_.cmdClear->onClick = [this] { cmdClear_Click(); };
    k_.cmdQuit->onClick = [this] { cmdQuit_Click(); };
    k_.cmdPrint->onClick = [this] { cmdPrint_Click(); };
    for (int e = 0; e < 2; ++e) {
        k_.lblResFinalBC[e]->onClick = [this, e] { refine_.lblResFinalBC_Click(e); };
        k_.lblResFinalPow[e]->onClick = [this, e] { refine_.lblResFinalPow_Click(e); };
        k_.lblResFinalSerie[e]->onClick = [this, e] { refine_.lblResFinalSerie_Click(e); };
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
    for (int e = 0; e < 2; ++e) {
        for (Control* c : k_.CurEntries(e))
            c->SetText("");
        for (Control* c : k_.PresEntries(e))
            c->SetText(c == k_.cboPresVertex[e] ? IntToText(12) : "");
    }
    k_.HideResults();
    calc_.Clear();
    k_.chkPres->SetValue(0);
    k_.chkCur->SetValue(0);
    k_.cmdPrint->SetEnabled(false);
    toolkit_.SetFocus(*k_.chkPres);
}

void Form1::cmdQuit_Click() { toolkit_.Unload(form_); }

void Form1::cmdPrint_Click()
{
    // The button is enabled only once the right eye has a suggested lens,
    // and only while the entries are those of the lens shown.
    if (!calc_.Eye(0).suggested || !k_.cmdPrint->Enabled())
        return;
    CopySuggestedLens(*calc_.Eye(0).suggested, calc_.Eye(1).suggested, module_.order, fmt_);
    OrderDetailsForm details(toolkit_, module_.order, fmt_);
    LoadAndShowModal(toolkit_, details.GetForm());
}

} // namespace corvane
