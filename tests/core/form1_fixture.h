#pragma once

#include "scripted_toolkit.h"
#include "ui/form1.h"

#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <string>

namespace corvane::test {

// The four values of a result group, in the order BC, power, diameter,
// series; empty texts when the group's labels of that eye are hidden.
struct Lens {
    std::string bc, pow, diam, serie;
    bool operator==(const Lens&) const = default;
};

inline std::ostream& operator<<(std::ostream& os, const Lens& l)
{
    return os << "{" << l.bc << ", " << l.pow << ", " << l.diam << ", " << l.serie << "}";
}

// A loaded main window on the scripted toolkit, in a point locale unless a
// test says otherwise.
class Form1Test : public testing::Test {
protected:
    explicit Form1Test(NumberFormat fmt = NumberFormat{'.'}) : fmt_(fmt)
    {
        form1_ = std::make_unique<Form1>(tk, module, fmt_);
        form1_->GetForm().onLoad();
        k = &form1_->Controls();
    }

    // Keratometry 1 and 2, sphere, cylinder, axis, vertex, add.
    void Pres(int e, const std::array<const char*, 7>& v)
    {
        Tick(e == 0 ? k->chkPres : (Tick(k->chkPres), k->chkPresOS));
        const EyeArray* entries[] = {&k->txtPresKera1, &k->txtPresKera2,  &k->txtPresPow, &k->txtPresCyl,
                                     &k->txtPresAxe,   &k->cboPresVertex, &k->cboPresAdd};
        for (int i = 0; i < 7; ++i)
            (*entries[i])[e]->SetText(v[static_cast<std::size_t>(i)]);
    }

    // Base curve, power, diameter, add.
    void Cur(int e, const std::array<const char*, 4>& v)
    {
        Tick(e == 0 ? k->chkCur : (Tick(k->chkCur), k->chkCurOS));
        const EyeArray* entries[] = {&k->txtCurBC, &k->txtCurPow, &k->txtCurDiam, &k->txtCurAdd};
        for (int i = 0; i < 4; ++i)
            (*entries[i])[e]->SetText(v[static_cast<std::size_t>(i)]);
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

    static Lens Read(const EyeArray& bc, const EyeArray& pow, const EyeArray& diam, const EyeArray& serie, int e)
    {
        auto text = [e](const EyeArray& a) { return a[e]->Visible() ? a[e]->Caption() : std::string(); };
        return {text(bc), text(pow), text(diam), text(serie)};
    }
    Lens PresLens(int e) const
    {
        return Read(k->lblResPresBC, k->lblResPresPow, k->lblResPresDiam, k->lblResPresSerie, e);
    }
    Lens CurLens(int e) const { return Read(k->lblResCurBC, k->lblResCurPow, k->lblResCurDiam, k->lblResCurSerie, e); }
    Lens FinalLens(int e) const
    {
        return Read(k->lblResFinalBC, k->lblResFinalPow, k->lblResFinalDiam, k->lblResFinalSerie, e);
    }

    std::vector<std::string> BoxTexts() const
    {
        std::vector<std::string> texts;
        for (const ShownBox& b : tk.boxes)
            texts.push_back(b.text);
        return texts;
    }

    ScriptedToolkit tk;
    Module1 module;
    NumberFormat fmt_;
    std::unique_ptr<Form1> form1_;
    const Form1Controls* k = nullptr;
};

inline const Lens kNoLens{};

} // namespace corvane::test
