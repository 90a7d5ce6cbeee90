#include "qt_fixture.h"

#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyleFactory>

using namespace corvane;
using namespace corvane::test;

namespace {

// Pixels of a rendering in the colour of an open or settled suggested value.
int RedPixels(QWidget* w)
{
    const QImage image = w->grab().toImage();
    int red = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            red += c.red() > 200 && c.green() < 80 && c.blue() < 80 ? 1 : 0;
        }
    return red;
}

} // namespace

// When the lens shown can be ordered, and how the main window says that it
// cannot: the lists, the values too large to show, the order's button.
class OrderStateQtTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion"))); }
    void init() { calc_ = std::make_unique<QtCalculator>(); }
    void cleanup() { calc_.reset(); }

    void anyChangeWithholdsTheOrder_data();
    void anyChangeWithholdsTheOrder();
    void outdatedLensIsGreyedAndSaysWhy();
    void upAndDownMoveFromTheItemShown_data();
    void upAndDownMoveFromTheItemShown();
    void valueTooLargeIsAnOverflowOfItsEye();
    void printOrderShowsItsFocusAndHint();

private:
    std::unique_ptr<QtCalculator> calc_;
};

// Whatever changes the ticks or entries after Calculate, by whatever hand,
// withholds the order until the next Calculate; what leaves them as they
// were does not.
void OrderStateQtTest::anyChangeWithholdsTheOrder_data()
{
    using Act = std::function<void(QtCalculator&)>;
    QTest::addColumn<Act>("act");
    QTest::addColumn<bool>("orderable");
    auto retype = [](const char* name, const char* text) {
        return Act([=](QtCalculator& c) {
            c.find<QLineEdit>(name)->selectAll();
            QTest::keyClicks(c.find(name), QLatin1String(text));
        });
    };
    auto toggle = [](const char* box) { return Act([=](QtCalculator& c) { c.find<QCheckBox>(box)->toggle(); }); };
    QTest::newRow("same keratometry typed again") << retype("txtPresKera1_0", "43") << true;
    QTest::newRow("keratometry typed anew") << retype("txtPresKera1_0", "43.5") << false;
    QTest::newRow("left current add typed anew") << retype("txtCurAdd_1", "1.5") << false;
    QTest::newRow("vertex from the list") << Act([](QtCalculator& c) {
        c.find("cboPresVertex_0")->setFocus();
        QTest::keyClick(c.find("cboPresVertex_0"), Qt::Key_Down);
    }) << false;
    QTest::newRow("Tab through the vertex") << Act([](QtCalculator& c) {
        c.find("cboPresVertex_0")->setFocus();
        QTest::keyClick(c.find("cboPresVertex_0"), Qt::Key_Tab);
    }) << true;
    QTest::newRow("power pasted") << Act([](QtCalculator& c) {
        QApplication::clipboard()->setText(QStringLiteral("-3"));
        c.find<QLineEdit>("txtPresPow_0")->selectAll();
        c.find<QLineEdit>("txtPresPow_0")->paste();
    }) << false;
    QTest::newRow("entry written by the program as it was")
        << Act([](QtCalculator& c) { c.Set(QStringLiteral("txtPresKera1_0"), QStringLiteral("43")); }) << true;
    QTest::newRow("entry written by the program otherwise")
        << Act([](QtCalculator& c) { c.Set(QStringLiteral("txtPresKera1_0"), QStringLiteral("43.00")); }) << false;
    QTest::newRow("left eye copied from the same right eye") << Act([](QtCalculator& c) {
        c.find<QCheckBox>("chkCurOS")->setChecked(false);
        c.find<QCheckBox>("chkCurOS")->setChecked(true);
    }) << true;
    // The left eye calculated from its own power, then copied over from
    // the right eye: the lens shown is no longer that of the entries.
    QTest::newRow("left eye copied over its own power") << Act([](QtCalculator& c) {
        c.find<QCheckBox>("chkCurOS")->setChecked(false);
        c.Set(QStringLiteral("txtPresPow_1"), QStringLiteral("-4.00"));
        QTest::mouseClick(c.find("btnGo"), Qt::LeftButton);
        QVERIFY(c.find("cmdPrint")->isEnabled());
        c.find<QCheckBox>("chkPresOS")->setChecked(false);
        c.find<QCheckBox>("chkPresOS")->setChecked(true);
    }) << false;
    QTest::newRow("left prescription unticked") << toggle("chkPresOS") << false;
    QTest::newRow("current lens section unticked") << toggle("chkCur") << false;
    QTest::newRow("left current lens unticked and ticked") << Act([](QtCalculator& c) {
        c.find<QCheckBox>("chkCurOS")->toggle();
        c.find<QCheckBox>("chkCurOS")->toggle();
    }) << true;
}

void OrderStateQtTest::anyChangeWithholdsTheOrder()
{
    QFETCH(std::function<void(QtCalculator&)>, act);
    QFETCH(bool, orderable);
    for (const char* eye : {"_0", "_1"}) {
        const QString e = QLatin1String(eye);
        calc_->Fill({"chkPres", "chkCur", "chkPresOS", "chkCurOS"},
                    {{"txtPresKera1", "43"},
                     {"txtPresKera2", "44"},
                     {"txtPresPow", "-2.00"},
                     {"cboPresAdd", "2.00"},
                     {"txtCurBC", "7.85"},
                     {"txtCurPow", "-2.00"},
                     {"txtCurDiam", "9.2"},
                     {"txtCurAdd", "2.00"}},
                    e);
    }
    QTest::mouseClick(calc_->find("btnGo"), Qt::LeftButton);
    auto* print = calc_->find<QPushButton>("cmdPrint");
    QVERIFY(print->isEnabled());
    act(*calc_);
    QCOMPARE(print->isEnabled(), orderable);
    // Calculate again: the order then waits on nothing but an open value.
    QTest::mouseClick(calc_->find("btnGo"), Qt::LeftButton);
    bool open = false;
    for (QLabel* value :
         calc_->view()->findChildren<QLabel*>(QRegularExpression(QStringLiteral("^lblResFinal.*_[01]$"))))
        open = open || (value->isVisible() && value->text() == QStringLiteral("???"));
    QCOMPARE(print->isEnabled(), !open);
}

// The lens of entries changed since Calculate is greyed, the help line
// says why the order waits, and the next Calculate brings both back.
void OrderStateQtTest::outdatedLensIsGreyedAndSaysWhy()
{
    calc_->CalculateForOrder(false);
    QWidget* power = calc_->find("lblResFinalPow_0");
    auto* help = calc_->find<QLabel>("lblhelp");
    QVERIFY(RedPixels(power) > 20);
    calc_->TypeOver(calc_->find("txtPresPow_0"), QStringLiteral("-3"));
    QVERIFY(!calc_->find("cmdPrint")->isEnabled());
    QCOMPARE(RedPixels(power), 0);
    QCOMPARE(help->text(), QStringLiteral("The entries have changed: press Calculate again to order"));
    // Typed back as it was: the lens is that of the entries again.
    calc_->TypeOver(calc_->find("txtPresPow_0"), QStringLiteral("-2"));
    QVERIFY(calc_->find("cmdPrint")->isEnabled());
    QVERIFY(RedPixels(power) > 20);
    QCOMPARE(help->text(), calc_->find("txtPresPow_0")->statusTip());
    calc_->TypeOver(calc_->find("txtPresPow_0"), QStringLiteral("-3"));
    QTest::mouseClick(calc_->find("btnGo"), Qt::LeftButton);
    QVERIFY(calc_->find("cmdPrint")->isEnabled());
    QVERIFY(RedPixels(power) > 20);
    QVERIFY(help->text() != QStringLiteral("The entries have changed: press Calculate again to order"));
}

// Up and Down go from the item the box shows, typed or written there.
void OrderStateQtTest::upAndDownMoveFromTheItemShown_data()
{
    QTest::addColumn<QString>("list");
    QTest::addColumn<QString>("typed"); // empty: as the program left it
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("shown");
    QTest::newRow("add typed, Down") << "cboPresAdd_0"
                                     << "2.00" << int(Qt::Key_Down) << "2.25";
    QTest::newRow("add typed, Up") << "cboPresAdd_0"
                                   << "2.00" << int(Qt::Key_Up) << "1.75";
    QTest::newRow("vertex as written, Down") << "cboPresVertex_0"
                                             << "" << int(Qt::Key_Down) << "13";
    QTest::newRow("left vertex as copied, Up") << "cboPresVertex_1"
                                               << "" << int(Qt::Key_Up) << "11";
}

void OrderStateQtTest::upAndDownMoveFromTheItemShown()
{
    QFETCH(QString, list);
    QFETCH(QString, typed);
    QFETCH(int, key);
    QFETCH(QString, shown);
    calc_->Fill({"chkPres", "chkPresOS"}, {});
    auto* box = calc_->find<QComboBox>(list);
    if (!typed.isEmpty())
        calc_->TypeOver(box, typed);
    box->setFocus(Qt::MouseFocusReason);
    calc_->Key(static_cast<Qt::Key>(key));
    QCOMPARE(box->currentText(), shown);
}

// A value whose text no box can show whole is an overflow of its eye, as a
// failed design is: no lens, nothing to order.
void OrderStateQtTest::valueTooLargeIsAnOverflowOfItsEye()
{
    calc_->Fill({"chkCur"},
                {{"txtCurBC_0", "7.85"}, {"txtCurPow_0", "-1e308"}, {"txtCurDiam_0", "9.2"}, {"txtCurAdd_0", "2"}});
    calc_->driver.PressInBox(QMessageBox::Ok);
    QTest::mouseClick(calc_->find("btnGo"), Qt::LeftButton);
    QVERIFY(calc_->driver.Done());
    QCOMPARE(calc_->driver.boxes, QStringList{QStringLiteral("Error for OD | Error 6\nOverflow")});
    QVERIFY(calc_->find("lblResFinalPow_0")->isHidden());
    QVERIFY(!calc_->find("cmdPrint")->isEnabled());
}

// "Pr&int Order" shows its focus as the other buttons do, with its hint.
void OrderStateQtTest::printOrderShowsItsFocusAndHint()
{
    calc_->CalculateForOrder(false);
    calc_->find("cmdQuit")->setFocus(Qt::TabFocusReason);
    calc_->Key(Qt::Key_Tab);
    QCOMPARE(calc_->Focused(), QStringLiteral("cmdPrint"));
    QVERIFY(calc_->find("cmdPrint")->font().bold());
    QCOMPARE(calc_->find<QLabel>("lblhelp")->text(),
             QStringLiteral("Enter to fill in and Print the Order or Tab to skip"));
}

QTEST_MAIN(OrderStateQtTest)
#include "order_state_qt_test.moc"
