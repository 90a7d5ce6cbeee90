#include "calc/calculation.h"

namespace corvane {
namespace {

[[noreturn]] void Fail(Control* field, int number, const char* message) { throw FieldError(field, number, message); }

} // namespace

void Calculation::CheckPrescription(int e) const
{
    const auto [kera1, kera2, pow, cyl, axe, vertex, add] = k_.PresEntries(e);
    if (kera1->Text().empty())
        Fail(kera1, 601, "The first keratometry is needed");
    if (!Numeric(kera1))
        Fail(kera1, 602, "The first keratometry is not numeric");
    if (Value(kera1) == 0)
        Fail(kera1, 603, "The keratometry can't be 0");
    if (kera2->Text().empty())
        Fail(kera2, 604, "The second keratometry is needed");
    if (!Numeric(kera2))
        Fail(kera2, 605, "The second keratometry is not numeric");
    if (Value(kera2) == 0)
        Fail(kera2, 606, "The keratometry can't be 0");
    if (pow->Text().empty())
        Fail(pow, 607, "The power is needed");
    if (!Numeric(pow))
        Fail(pow, 608, "The power is not numeric");
    if (!cyl->Text().empty() && !Numeric(cyl))
        Fail(cyl, 610, "The cylinder is not numeric");
    if (cyl->Text().empty() && !axe->Text().empty())
        Fail(cyl, 609, "The cylinder is needed");
    if (!axe->Text().empty()) {
        if (!Numeric(axe))
            Fail(axe, 612, "The axis is not numeric");
        const double axis = Value(axe);
        if (axis > 180 || !(axis > 0))
            Fail(axe, 612, "The axis must range between 1 and 180");
    }
    if (axe->Text().empty() && !cyl->Text().empty())
        Fail(axe, 611, "The axis is needed");
    if (vertex->Text().empty())
        Fail(vertex, 613, "The vetex is needed");
    if (!Numeric(vertex))
        Fail(vertex, 614, "The vertex is not numeric");
    const double d = Value(vertex);
    if (d >= 100 || d < 0)
        Fail(vertex, 615, "The vertex must be between 0 and 99");
    if (add->Text().empty())
        Fail(add, 616, "The add is needed");
    if (!Numeric(add))
        Fail(add, 617, "The add is not numeric");
}

void Calculation::CheckCurrentLens(int e) const
{
    const auto [bc, pow, diam, add] = k_.CurEntries(e);
    if (bc->Text().empty())
        Fail(bc, 618, "The current lens base curve is needed");
    if (!Numeric(bc))
        Fail(bc, 619, "The current lens base curve is not numeric");
    if (pow->Text().empty())
        Fail(pow, 620, "The current lens power is needed");
    if (!Numeric(pow))
        Fail(pow, 621, "The current lens power is not numeric");
    if (diam->Text().empty())
        Fail(diam, 622, "The current lens diameter is needed");
    if (!Numeric(diam))
        Fail(diam, 623, "The current lens diameter is not numeric");
    if (add->Text().empty()) {
        if ((e == 0 ? k_.chkPres : k_.chkPresOS)->Value() != 1)
            Fail(add, 624, "Please enter the current patient's add");
        add->SetText(k_.cboPresAdd[e]->Text());
        // The prescription add may itself be missing or wrong; a design
        // from it would fail without saying which entry is at fault.
        if (add->Text().empty())
            Fail(add, 624, "Please enter the current patient's add");
        if (!Numeric(add))
            Fail(add, 625, "The client's add is not numeric");
    } else if (!Numeric(add)) {
        Fail(add, 625, "The client's add is not numeric");
    }
}

} // namespace corvane
