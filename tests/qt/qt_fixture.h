#pragma once

#include "app/calculator_app.h"
#include "modal_driver.h"
#include "ui/qt/appearance.h"
#include "ui/qt/form_view.h"

#include <QApplication>
#include <QTest>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <memory>

namespace corvane::test {

// How many pixels of a focused widget's rendering the focus changes: the
// widget is drawn with the focus, then without it (the focus is given back).
// With `against`, only changes that stand out from that colour (contrast 3:1)
// count.
inline int FocusMarks(QWidget* w, const QColor& against = QColor())
{
    const QImage focused = w->grab().toImage();
    w->clearFocus();
    const QImage plain = w->grab().toImage();
    w->setFocus(Qt::OtherFocusReason);
    int marks = 0;
    for (int y = 0; y < focused.height(); ++y)
        for (int x = 0; x < focused.width(); ++x) {
            const QColor a = focused.pixelColor(x, y);
            const QColor b = plain.pixelColor(x, y);
            const int diff =
                std::max({std::abs(a.red() - b.red()), std::abs(a.green() - b.green()), std::abs(a.blue() - b.blue())});
            marks += diff >= 48 && (!against.isValid() || Contrast(a, against) >= 3.0) ? 1 : 0;
        }
    return marks;
}

// A fresh calculator on screen for one test, with a modal driver; both are
// gone when the test ends.
struct QtCalculator {
    explicit QtCalculator(std::unique_ptr<PageOutput> printer = nullptr) : app(NumberFormat{'.'}, std::move(printer))
    {
        view()->activateWindow();
        [[maybe_unused]] bool active = QTest::qWaitForWindowActive(view());
    }

    FormView* view() const { return app.MainView(); }

    // The widget of a hidden control is built when first asked for, as when
    // it is first shown.
    template <class W = QWidget>
    W* find(const char* name) const
    {
        if (Control* control = view()->GetForm().Find(name))
            view()->Realize(*control);
        return view()->findChild<W*>(QString::fromLatin1(name));
    }

    // Types into the widget that has the focus, as the keyboard would.
    static void Type(const QString& text) { QTest::keyClicks(QApplication::focusWidget(), text); }
    static void Key(Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier)
    {
        QTest::keyClick(QApplication::focusWidget(), key, mods);
        QTest::qWait(5);
    }
    void Reactivate() const
    {
        view()->activateWindow();
        [[maybe_unused]] bool active = QTest::qWaitForWindowActive(view());
    }
    QString Focused() const
    {
        QWidget* w = QApplication::focusWidget();
        // The line edit inside an editable combo box stands for the box.
        while (w != nullptr && w->objectName().isEmpty())
            w = w->parentWidget();
        return w == nullptr ? QString() : w->objectName();
    }

    // A complete suggested lens for the right eye, and for the left one when
    // asked, so that the order can be opened.
    void CalculateForOrder(bool leftEye)
    {
        const Form1Controls& k = app.Main().Controls();
        k.chkPres->SetValue(1);
        const EyeArray* entries[] = {&k.txtPresKera1, &k.txtPresKera2,  &k.txtPresPow, &k.txtPresCyl,
                                     &k.txtPresAxe,   &k.cboPresVertex, &k.cboPresAdd};
        const char* right[] = {"43", "44", "-2", "", "", "12", "2"};
        for (int i = 0; i < 7; ++i)
            (*entries[i])[0]->SetText(right[i]);
        if (leftEye) {
            k.chkPresOS->SetValue(1);
            const char* left[] = {"47", "47.5", "+1.00", "", "", "12", "2.75"};
            for (int i = 0; i < 7; ++i)
                (*entries[i])[1]->SetText(left[i]);
        }
        QTest::mouseClick(find("btnGo"), Qt::LeftButton);
    }
    // Opens the order window and runs `act` in it while it is shown; a
    // window that `act` left open is cancelled.
    void OpenOrder(const std::function<void(QWidget*)>& act)
    {
        driver.Then([act](QWidget* modal) {
            if (modal->objectName() != QStringLiteral("Form4"))
                return false;
            act(modal);
            if (modal->isVisible())
                QTest::mouseClick(modal->findChild<QWidget*>(QStringLiteral("cmdCancel")), Qt::LeftButton);
            return true;
        });
        QTest::mouseClick(find("cmdPrint"), Qt::LeftButton);
    }

    CalculatorApp app;
    ModalDriver driver;
};

} // namespace corvane::test
