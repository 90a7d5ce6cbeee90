#pragma once

#include "app/form1.h"
#include "lens_oracle.h"
#include "scripted_toolkit.h"

#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <string>

namespace corvane::test {

// A loaded main window on the scripted toolkit, in a point locale unless a
// test says otherwise.
class Form1Test : public testing::Test {
protected:
    explicit Form1Test(NumberFormat fmt = NumberFormat{'.'}) : fmt_(fmt)
    {
        form1_ = std::make_unique<Form1>(tk, order, fmt_);
        form1_->GetForm().onLoad();
        form1_->onOrder = [this] { ++ordersOpened; };
        k = &form1_->Controls();
    }

    // Keratometry 1 and 2, sphere, cylinder, axis, vertex, add.
    void Pres(int e, const std::array<const char*, 7>& v)
    {
        Tick(e == 0 ? k->chkPres : (Tick(k->chkPres), k->chkPresOS));
        for (std::size_t i = 0; i < v.size(); ++i)
            k->PresEntries(e)[i]->SetText(v[i]);
    }

    // Base curve, power, diameter, add.
    void Cur(int e, const std::array<const char*, 4>& v)
    {
        Tick(e == 0 ? k->chkCur : (Tick(k->chkCur), k->chkCurOS));
        for (std::size_t i = 0; i < v.size(); ++i)
            k->CurEntries(e)[i]->SetText(v[i]);
    }

    static void Tick(Control* box)
    {
        if (box->Value() != 1)
            box->SetValue(1);
    }

    void Calculate()
    {
        tk.boxes.clear();
        tk.focusMoves.clear();
        k->btnGo->RaiseClick();
    }

    Lens PresLens(int e) const { return Shown(k->PresGroup(), e); }
    Lens CurLens(int e) const { return Shown(k->CurGroup(), e); }
    Lens FinalLens(int e) const { return Shown(k->FinalGroup(), e); }

    ScriptedToolkit tk;
    OrderRecord order;
    NumberFormat fmt_;
    std::unique_ptr<Form1> form1_;
    const Form1Controls* k = nullptr;
    // How often the order window was opened.
    int ordersOpened = 0;
};

} // namespace corvane::test
