#pragma once

#include "app/calculator_app.h"
#include "modal_driver.h"
#include "ui/qt/form_view.h"

#include <QApplication>
#include <QTest>

#include <memory>

namespace corvane::test {

// A fresh calculator on screen for one test, with a modal driver; both are
// gone when the test ends.
struct QtCalculator {
    explicit QtCalculator(std::unique_ptr<PageOutput> printer = nullptr) : app(NumberFormat{'.'}, std::move(printer))
    {
        view()->activateWindow();
        [[maybe_unused]] bool active = QTest::qWaitForWindowActive(view());
    }

    FormView* view() const { return app.MainView(); }

    template <class W = QWidget>
    W* find(const char* name) const
    {
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

    CalculatorApp app;
    ModalDriver driver;
};

} // namespace corvane::test
