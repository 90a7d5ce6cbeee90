#include "page_reader.h"
#include "qt_fixture.h"

#include <QDir>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <QTextEdit>

using namespace corvane;
using namespace corvane::test;

// The order details window driven through the real toolkit: message box
// answers and keys, without printing anything.
class OrderWindowQtTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion"))); }
    void init();
    void cleanup() { calc_.reset(); }

    void noteAnswerReachesTheHandler_data();
    void noteAnswerReachesTheHandler();
    void enterNeverPrints_data();
    void enterNeverPrints();
    void enterMovesOnInTheListedFieldsOnly();
    void lockedBoxesRefuseTyping();
    void specifyShowsTheWindowColour_data();
    void specifyShowsTheWindowColour();
    void closingAsksBeforeDroppingWhatWasTyped_data();
    void closingAsksBeforeDroppingWhatWasTyped();
    void mainWindowBackAsItWas_data();
    void mainWindowBackAsItWas();
    void focusShowsFromTheStart_data();
    void focusShowsFromTheStart();

private:
    // Opens the order window for a right-eye lens and runs `act` in it; the
    // window is cancelled afterwards if `act` left it open.
    void InOrderWindow(const std::function<void(QWidget*)>& act);

    std::unique_ptr<QtCalculator> calc_;
    RecordingPrinter* printer_ = nullptr;
};

void OrderWindowQtTest::init()
{
    auto printer = std::make_unique<RecordingPrinter>();
    printer_ = printer.get();
    calc_ = std::make_unique<QtCalculator>(std::move(printer));
    calc_->CalculateForOrder(false);
    QVERIFY(calc_->find("cmdPrint")->isEnabled());
}

void OrderWindowQtTest::InOrderWindow(const std::function<void(QWidget*)>& act)
{
    calc_->OpenOrder(act);
    QVERIFY(calc_->driver.Done());
}

void OrderWindowQtTest::noteAnswerReachesTheHandler_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("answer"); // 0 means Esc
    QTest::addColumn<QString>("material");
    QTest::addColumn<QString>("colour");
    QTest::newRow("OK on Other Material") << "cmdChgMat" << int(QMessageBox::Ok) << "Boston XO"
                                          << "Blue";
    QTest::newRow("Cancel on Other Material") << "cmdChgMat" << int(QMessageBox::Cancel) << "Comfort 02"
                                              << "Blue";
    QTest::newRow("Esc on Other Material") << "cmdChgMat" << 0 << "Comfort 02"
                                           << "Blue";
    QTest::newRow("OK on Other Color") << "cmdChgCol" << int(QMessageBox::Ok) << "Comfort 02"
                                       << "Specify";
    QTest::newRow("Cancel on Other Color") << "cmdChgCol" << int(QMessageBox::Cancel) << "Comfort 02"
                                           << "Blue";
}

void OrderWindowQtTest::noteAnswerReachesTheHandler()
{
    QFETCH(QString, button);
    QFETCH(int, answer);
    QFETCH(QString, material);
    QFETCH(QString, colour);
    QString title;
    QString mat;
    QString col;
    InOrderWindow([&](QWidget* f) {
        calc_->driver.AnswerBox(answer, &title);
        QTest::mouseClick(f->findChild<QPushButton*>(button), Qt::LeftButton);
        mat = f->findChild<QLineEdit*>(QStringLiteral("txtMat"))->text();
        col = f->findChild<QLineEdit*>(QStringLiteral("txtCol"))->text();
    });
    QCOMPARE(title, QStringLiteral("Note"));
    QCOMPARE(mat, material);
    QCOMPARE(col, colour);
}

void OrderWindowQtTest::enterNeverPrints_data()
{
    QTest::addColumn<QString>("control");
    for (const char* name : {"optType_0", "optType_1", "optDot_0", "optDot_1", "txtMat", "txtCol"})
        QTest::newRow(name) << name;
}

void OrderWindowQtTest::enterNeverPrints()
{
    QFETCH(QString, control);
    bool open = false;
    InOrderWindow([&](QWidget* f) {
        QWidget* w = f->findChild<QWidget*>(control);
        w->setFocus();
        QTest::keyClick(w, Qt::Key_Return);
        QTest::keyClick(w, Qt::Key_Enter, Qt::KeypadModifier);
        QTest::qWait(20);
        open = f->isVisible();
    });
    QVERIFY2(open, "Enter closed the order window");
    QVERIFY(calc_->driver.boxes.isEmpty());
}

void OrderWindowQtTest::enterMovesOnInTheListedFieldsOnly()
{
    QStringList next;
    QString special;
    bool selected = true;
    InOrderWindow([&](QWidget* f) {
        // Tab leaves a filled entry's text unselected: typing adds to it.
        auto* fax = f->findChild<QLineEdit*>(QStringLiteral("txtAccFax"));
        fax->setText(QStringLiteral("0123"));
        f->findChild<QWidget*>(QStringLiteral("txtAccNum"))->setFocus();
        calc_->Key(Qt::Key_Tab);
        selected = fax->hasSelectedText();
        f->findChild<QWidget*>(QStringLiteral("txtPatNum"))->setFocus();
        // The left eye's lists are hidden: the right eye only is ordered.
        for (int i = 0; i < 2; ++i) {
            calc_->Key(Qt::Key_Return);
            next << calc_->Focused();
        }
        auto* box = f->findChild<QTextEdit*>(QStringLiteral("txtSpecial"));
        box->setFocus();
        QTest::keyClicks(box, QStringLiteral("a"));
        QTest::keyClick(box, Qt::Key_Return);
        QTest::keyClicks(box, QStringLiteral("b"));
        special = box->toPlainText();
    });
    QCOMPARE(next, (QStringList{QStringLiteral("cboEdgeThod"), QStringLiteral("cboCenterThod")}));
    QCOMPARE(special, QStringLiteral("a\nb"));
    QVERIFY(!selected);
}

void OrderWindowQtTest::lockedBoxesRefuseTyping()
{
    QString material;
    QString colour;
    QString specified;
    InOrderWindow([&](QWidget* f) {
        auto* mat = f->findChild<QLineEdit*>(QStringLiteral("txtMat"));
        auto* col = f->findChild<QLineEdit*>(QStringLiteral("txtCol"));
        for (QLineEdit* box : {mat, col}) {
            box->setFocus(Qt::MouseFocusReason);
            box->selectAll();
            QTest::keyClicks(box, QStringLiteral("Typed"));
        }
        material = mat->text();
        colour = col->text();
        // "Specify" unlocks the colour, focused with its text selected.
        calc_->driver.PressInBox(QMessageBox::Ok);
        QTest::mouseClick(f->findChild<QPushButton*>(QStringLiteral("cmdChgCol")), Qt::LeftButton);
        QTest::keyClicks(col, QStringLiteral("Amber"));
        specified = col->text();
    });
    QCOMPARE(material, QStringLiteral("Comfort 02"));
    QCOMPARE(colour, QStringLiteral("Blue"));
    QCOMPARE(specified, QStringLiteral("Amber"));
}

void OrderWindowQtTest::specifyShowsTheWindowColour_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("presses");
    QTest::addColumn<QString>("box"); // where "Specify" is typed over
    QTest::newRow("Other Color on Comfort 02") << "cmdChgCol" << 1 << "txtCol";
    QTest::newRow("Other Material to Specify") << "cmdChgMat" << 8 << "txtMat";
}

void OrderWindowQtTest::specifyShowsTheWindowColour()
{
    QFETCH(QString, button);
    QFETCH(int, presses);
    QFETCH(QString, box);
    QColor blue;
    QColor shown;
    QColor system;
    QString text;
    QString typed;
    InOrderWindow([&](QWidget* f) {
        auto* col = f->findChild<QLineEdit*>(QStringLiteral("txtCol"));
        // Right of the text, inside the frame: the box's own background.
        const QPoint inside(col->width() - 8, col->height() / 2);
        blue = col->grab().toImage().pixelColor(inside);
        calc_->driver.PressInBox(QMessageBox::Ok);
        for (int i = 0; i < presses; ++i)
            QTest::mouseClick(f->findChild<QPushButton*>(button), Qt::LeftButton);
        text = col->text();
        shown = col->grab().toImage().pixelColor(inside);
        system = QApplication::palette(col).color(QPalette::Base);
        // Typing replaces "Specify"; the material's comes with the colour's,
        // which takes the focus, so the practitioner clicks into it.
        f->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f));
        auto* entry = f->findChild<QLineEdit*>(box);
        if (QApplication::focusWidget() != entry)
            entry->setFocus(Qt::MouseFocusReason);
        QTest::keyClicks(entry, QStringLiteral("Pink"));
        typed = entry->text();
    });
    QCOMPARE(text, QStringLiteral("Specify"));
    QCOMPARE(typed, QStringLiteral("Pink"));
    QCOMPARE(blue, QColor(128, 128, 255));
    QCOMPARE(shown, system);
}

// Esc or the close box drop an order with anything typed only when the
// practitioner says so; "&Cancel" drops it at once.
void OrderWindowQtTest::closingAsksBeforeDroppingWhatWasTyped_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("leave");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("asked");
    QTest::addColumn<bool>("closed");
    QTest::newRow("Esc, nothing typed") << ""
                                        << "Esc" << 0 << false << true;
    QTest::newRow("Esc, kept") << "Smith"
                               << "Esc" << int(QMessageBox::Cancel) << true << false;
    QTest::newRow("Esc, dropped") << "Smith"
                                  << "Esc" << int(QMessageBox::Ok) << true << true;
    QTest::newRow("close box, kept") << "Smith"
                                     << "close" << int(QMessageBox::Cancel) << true << false;
    QTest::newRow("Cancel button") << "Smith"
                                   << "cmdCancel" << 0 << false << true;
}

void OrderWindowQtTest::closingAsksBeforeDroppingWhatWasTyped()
{
    QFETCH(QString, typed);
    QFETCH(QString, leave);
    QFETCH(int, answer);
    QFETCH(bool, asked);
    QFETCH(bool, closed);
    bool open = false;
    QString kept;
    InOrderWindow([&](QWidget* f) {
        auto* patient = f->findChild<QLineEdit*>(QStringLiteral("txtPatName"));
        QTest::keyClicks(patient, typed);
        if (asked)
            calc_->driver.PressInBox(answer);
        if (leave == QStringLiteral("Esc"))
            QTest::keyClick(f, Qt::Key_Escape);
        else if (leave == QStringLiteral("close"))
            f->close();
        else
            QTest::mouseClick(f->findChild<QWidget*>(leave), Qt::LeftButton);
        open = f->isVisible();
        kept = patient->text();
    });
    QCOMPARE(calc_->driver.boxes.size(), asked ? 1 : 0);
    QCOMPARE(open, !closed);
    if (!closed)
        QCOMPARE(kept, typed);
}

void OrderWindowQtTest::mainWindowBackAsItWas_data()
{
    QTest::addColumn<QString>("leave");
    QTest::newRow("Print") << "cmdPrint";
    QTest::newRow("Cancel") << "cmdCancel";
    QTest::newRow("close box") << "close";
    QTest::newRow("Esc") << "Esc";
}

void OrderWindowQtTest::mainWindowBackAsItWas()
{
    QFETCH(QString, leave);
    // Alt+I opens the order and leaves the main window's focus where it is.
    calc_->find("txtPresKera1_0")->setFocus(Qt::MouseFocusReason);
    calc_->driver.Then([&leave](QWidget* modal) {
        if (modal->objectName() != QStringLiteral("Form4"))
            return false;
        if (leave == QStringLiteral("close"))
            modal->close();
        else if (leave == QStringLiteral("Esc"))
            QTest::keyClick(modal, Qt::Key_Escape);
        else
            QTest::mouseClick(modal->findChild<QWidget*>(leave), Qt::LeftButton);
        return true;
    });
    calc_->Key(Qt::Key_I, Qt::AltModifier);
    QTRY_VERIFY(calc_->driver.Done());
    QCOMPARE(printer_->calls, leave == QStringLiteral("cmdPrint") ? 1 : 0);
    // No window manager here: the program itself gives the keyboard back.
    QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget*>(calc_->view()));
    QCOMPARE(calc_->Focused(), QStringLiteral("txtPresKera1_0"));
    calc_->Key(Qt::Key_Tab);
    QCOMPARE(calc_->Focused(), QStringLiteral("txtPresKera2_0"));
}

void OrderWindowQtTest::focusShowsFromTheStart_data()
{
    QTest::addColumn<QString>("from"); // empty: where the window opens it
    QTest::addColumn<QString>("to");
    QTest::addColumn<QColor>("against"); // what the focus must stand out from
    QTest::newRow("Corvane as the window opens") << ""
                                                 << "optType_0" << QColor();
    QTest::newRow("Tab onto the blue colour box") << "cmdCancel"
                                                  << "txtCol" << QColor(128, 128, 255);
}

void OrderWindowQtTest::focusShowsFromTheStart()
{
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(QColor, against);
    QString focused;
    int marks = 0;
    InOrderWindow([&](QWidget* f) {
        if (!from.isEmpty()) {
            f->findChild<QWidget*>(from)->setFocus(Qt::OtherFocusReason);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        focused = calc_->Focused();
        marks = FocusMarks(f->findChild<QWidget*>(to), against);
    });
    QCOMPARE(focused, to);
    QVERIFY2(marks >= 20, qPrintable(QStringLiteral("%1 pixels show the focus").arg(marks)));
}

QTEST_MAIN(OrderWindowQtTest)
#include "order_window_qt_test.moc"
