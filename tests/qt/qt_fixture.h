#pragma once

#include "app/calculator_app.h"
#include "modal_driver.h"
#include "ui/qt/appearance.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QTest>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <initializer_list>
#include <memory>
#include <utility>

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
    explicit QtCalculator(std::unique_ptr<Printer> printer = nullptr) : app(NumberFormat{'.'}, std::move(printer))
    {
        view()->activateWindow();
        [[maybe_unused]] bool active = QTest::qWaitForWindowActive(view());
    }

    MainWindow* view() const { return app.Window(); }

    // The widgets of the hidden parts are built when first asked for, as
    // when first shown.
    template <class W = QWidget>
    W* find(const QString& name) const
    {
        if (view()->findChild<W*>(name) == nullptr)
            view()->BuildHiddenParts();
        return view()->findChild<W*>(name);
    }
    // Writes an entry as the program does: no edit of the practitioner's.
    void Set(const QString& name, const QString& text) const
    {
        if (auto* combo = find<QComboBox>(name)) {
            const QSignalBlocker unheard(combo);
            combo->setEditText(text);
        } else
            find<QLineEdit>(name)->setText(text);
    }

    // Focuses a field and types over its whole text, as the keyboard would.
    static void TypeOver(QWidget* field, const QString& text)
    {
        auto* list = qobject_cast<QComboBox*>(field);
        QLineEdit* edit = list != nullptr ? list->lineEdit() : qobject_cast<QLineEdit*>(field);
        field->setFocus(Qt::MouseFocusReason);
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, text);
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
        Fill({"chkPres"},
             {{"txtPresKera1_0", "43"}, {"txtPresKera2_0", "44"}, {"txtPresPow_0", "-2"}, {"cboPresAdd_0", "2"}});
        if (leftEye)
            Fill({"chkPresOS"}, {{"txtPresKera1_1", "47"},
                                 {"txtPresKera2_1", "47.5"},
                                 {"txtPresPow_1", "+1.00"},
                                 {"cboPresAdd_1", "2.75"}});
        QTest::mouseClick(find("btnGo"), Qt::LeftButton);
    }
    // The right eye by both methods: a prescription and the given current
    // lens.
    void BothMethods(const char* curBC, const char* curPow, const char* curAdd) const
    {
        Fill({"chkPres", "chkCur"}, {{"txtPresKera1_0", "43"},
                                     {"txtPresKera2_0", "44"},
                                     {"txtPresPow_0", "-2"},
                                     {"cboPresAdd_0", "2"},
                                     {"txtCurBC_0", curBC},
                                     {"txtCurPow_0", curPow},
                                     {"txtCurDiam_0", "9.2"},
                                     {"txtCurAdd_0", curAdd}});
    }
    // Ticks the boxes, then writes the entries (their names ending in
    // `suffix`) as the program does.
    void Fill(std::initializer_list<const char*> boxes,
              std::initializer_list<std::pair<const char*, const char*>> entries, const QString& suffix = {}) const
    {
        for (const char* box : boxes)
            find<QCheckBox>(QLatin1String(box))->setChecked(true);
        for (const auto& [name, text] : entries)
            Set(QLatin1String(name) + suffix, QLatin1String(text));
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
