#include "form1.h"

#include "../order/order_forms.h"

namespace corvane {

Form1::Form1(Toolkit& toolkit, Module1& module, NumberFormat fmt)
    : toolkit_(toolkit), module_(module), fmt_(fmt), form_("Form1", kForm1Caption, 9525, 7605), k_(BuildForm1(form_)),
      calc_(k_, toolkit, fmt), refine_(k_, calc_, toolkit, module, fmt), sections_(k_, toolkit)
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
        for (const EyeArray* a : {&k_.txtCurAdd, &k_.txtCurBC, &k_.txtCurDiam, &k_.txtCurPow, &k_.cboPresAdd,
                                  &k_.txtPresAxe, &k_.txtPresCyl, &k_.txtPresKera1, &k_.txtPresKera2, &k_.txtPresPow})
            (*a)[e]->SetText("");
        k_.cboPresVertex[e]->SetText(IntToText(12));
        for (const EyeArray* a : {&k_.lblResCurBC, &k_.lblResCurDiam, &k_.lblResCurPow, &k_.lblResCurSerie,
                                  &k_.lblResFinalBC, &k_.lblResFinalDiam, &k_.lblResFinalPow, &k_.lblResFinalSerie,
                                  &k_.lblResPresBC, &k_.lblResPresDiam, &k_.lblResPresPow, &k_.lblResPresSerie})
            (*a)[e]->SetVisible(false);
        k_.lblResPresOS->SetVisible(false);
        k_.lblResCurOS->SetVisible(false);
        k_.lblResFinalOS->SetVisible(false);
    }
    for (int i = 0; i < 5; ++i) {
        k_.lblResPres[i]->SetVisible(false);
        k_.lblResCur[i]->SetVisible(false);
        k_.lblResFinal[i]->SetVisible(false);
    }
    k_.chkPres->SetValue(0);
    k_.chkCur->SetValue(0);
    k_.cmdPrint->SetEnabled(false);
    toolkit_.SetFocus(*k_.chkPres);
}

void Form1::cmdQuit_Click() { toolkit_.Unload(form_); }

void Form1::cmdPrint_Click()
{
    CopySuggestedLens(k_, module_.order, fmt_);
    OrderDetailsForm details(toolkit_, module_.order, fmt_);
    LoadAndShowModal(toolkit_, details.GetForm());
}

} // namespace corvane
