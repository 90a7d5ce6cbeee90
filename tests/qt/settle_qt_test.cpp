#include "page_reader.h"
#include "qt_fixture.h"

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QStyleFactory>

using namespace corvane;
using namespace corvane::test;

namespace {

const QColor kFocus(0xFF, 0xFF, 0xC0);

// Share of the widget's rendered pixels in the focus colour.
double FocusShare(QWidget* w)
{
    const QImage image = w->grab().toImage();
    qsizetype hits = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            hits += image.pixelColor(x, y).rgb() == kFocus.rgb() ? 1 : 0;
    return double(hits) / double(image.width() * image.height());
}

QString Spoken(QWidget* w, QAccessible::Text what)
{
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
    return a == nullptr ? QString() : a->text(what);
}

// A "???" is a button a screen reader can press; a value, text to read.
bool PressableButton(QWidget* w)
{
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
    return a->role() == QAccessible::Button &&
           a->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction());
}

} // namespace

// Settling the suggested lens from the keyboard, and what may be ordered
// once the entries no longer match it.
class SettleQtTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion"))); }
    void init() { calc_ = std::make_unique<QtCalculator>(); }
    void cleanup() { calc_.reset(); }

    void everyOpenValueSettledByKeys();
    void settledPowerLeavesNoClickHint();
    void editedEntryKeepsTheOldLensFromTheOrder();
    void lastSettlingLeavesTheFocusOnTheOrder_data();
    void lastSettlingLeavesTheFocusOnTheOrder();
    void printedPowerIsThePowerShown();

private:
    // The right eye by both methods (the left one copied when asked); the
    // current lens as given.
    void Enter(const char* curBC, const char* curPow, const char* curAdd, bool leftEye) const
    {
        calc_->BothMethods(curBC, curPow, curAdd);
        if (leftEye)
            calc_->Fill({"chkPresOS", "chkCurOS"}, {});
        calc_->Reactivate();
    }
    QString Label(const char* name) const { return calc_->find<QLabel>(name)->text(); }
    // The stops that Tab visits from the focused control.
    QStringList TabStops(int count) const
    {
        QStringList stops;
        for (int i = 0; i < count; ++i) {
            calc_->Key(Qt::Key_Tab);
            stops << calc_->Focused();
        }
        return stops;
    }

    std::unique_ptr<QtCalculator> calc_;
};

void SettleQtTest::everyOpenValueSettledByKeys()
{
    // Base curve, power and series disagree on both eyes.
    Enter("8.20", "-2.50", "1.5", true);
    calc_->find("btnGo")->setFocus(Qt::TabFocusReason);
    calc_->Key(Qt::Key_Return);
    const QStringList markers = {"lblResFinalBC_0", "lblResFinalPow_0", "lblResFinalSerie_0",
                                 "lblResFinalBC_1", "lblResFinalPow_1", "lblResFinalSerie_1"};
    for (const QString& m : markers)
        QCOMPARE(Label(m.toLatin1().constData()), QStringLiteral("???"));
    QCOMPARE(TabStops(9), QStringList({"cmdClear", "cmdQuit"}) + markers + QStringList{"chkPres"});

    QWidget* first = calc_->find("lblResFinalBC_0");
    first->setFocus(Qt::TabFocusReason);
    QVERIFY2(FocusShare(first) > 0.25, "the focused ??? does not show the focus");
    QCOMPARE(Spoken(first, QAccessible::Name), QStringLiteral("Suggested lens, base curve, right eye: ???"));
    QVERIFY(Spoken(first, QAccessible::Description).contains(QStringLiteral("Enter")));
    QVERIFY(PressableButton(first));
    QCOMPARE(calc_->find<QLabel>("lblhelp")->text(),
             QStringLiteral("Enter or click on the ??? to choose the Base Curve"));

    // Enter on a base curve, Space on a power, Enter on a series (whose
    // dialog takes the prescription's add by Enter on its first button).
    for (int e = 0; e < 2; ++e) {
        const int eye = e;
        calc_->driver.PressInBox(QMessageBox::Yes);
        calc_->Key(Qt::Key_Return);
        calc_->Reactivate();
        QCOMPARE(calc_->Focused(), markers[3 * eye + 1]);
        calc_->driver.PressInBox(QMessageBox::Yes);
        calc_->Key(Qt::Key_Space);
        calc_->Reactivate();
        QCOMPARE(calc_->Focused(), markers[3 * eye + 2]);
        calc_->driver.Then([](QWidget* modal) {
            if (modal->objectName() != QStringLiteral("Form3"))
                return false;
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            return true;
        });
        calc_->Key(Qt::Key_Return);
        calc_->Reactivate();
    }
    QVERIFY(calc_->driver.Done());
    QCOMPARE(calc_->driver.boxes.size(), 4);
    for (const QString& m : markers) {
        QWidget* w = calc_->find(m.toLatin1().constData());
        QVERIFY2(Label(m.toLatin1().constData()) != QStringLiteral("???"), qPrintable(m));
        QVERIFY2(FocusShare(w) == 0.0, qPrintable(m + " stays yellow"));
        QCOMPARE(Spoken(w, QAccessible::Description), QString());
        QVERIFY2(!PressableButton(w), qPrintable(m));
    }
    // Settled values left the tab order: from "&Quit" straight to the order.
    QCOMPARE(calc_->Focused(), QStringLiteral("cmdPrint"));
    calc_->find("cmdQuit")->setFocus(Qt::TabFocusReason);
    QCOMPARE(TabStops(1), QStringList{"cmdPrint"});
}

void SettleQtTest::settledPowerLeavesNoClickHint()
{
    Enter("7.85", "-2.50", "2", false);
    QTest::mouseClick(calc_->find("btnGo"), Qt::LeftButton);
    QCOMPARE(calc_->find<QLabel>("lblhelp")->text(), QStringLiteral("Click on the ??? to choose the Power"));
    calc_->driver.PressInBox(QMessageBox::Yes);
    QTest::mouseClick(calc_->find("lblResFinalPow_0"), Qt::LeftButton);
    QVERIFY(calc_->driver.Done());
    QVERIFY(calc_->find("cmdPrint")->isEnabled());
    QVERIFY2(!calc_->find<QLabel>("lblhelp")->text().contains(QStringLiteral("??? to choose")),
             qPrintable(calc_->find<QLabel>("lblhelp")->text()));
}

void SettleQtTest::editedEntryKeepsTheOldLensFromTheOrder()
{
    Enter("7.85", "-2.50", "2", false);
    QTest::mouseClick(calc_->find("btnGo"), Qt::LeftButton);
    auto* power = calc_->find<QLineEdit>("txtCurPow_0");
    power->setFocus(Qt::TabFocusReason);
    calc_->Type(QStringLiteral("-2.00"));
    QVERIFY(!calc_->find("cmdPrint")->isEnabled());
    // Settling the old lens does not make it orderable again.
    calc_->driver.PressInBox(QMessageBox::Yes);
    QTest::mouseClick(calc_->find("lblResFinalPow_0"), Qt::LeftButton);
    QCOMPARE(Label("lblResFinalPow_0"), QStringLiteral("-3.00"));
    calc_->Reactivate();
    QVERIFY(!calc_->find("cmdPrint")->isEnabled());
    QString ordered;
    calc_->driver.Then([&ordered](QWidget* modal) {
        if (modal->objectName() != QStringLiteral("Form4"))
            return false;
        ordered = modal->findChild<QLabel*>(QStringLiteral("lblPowod"))->text();
        modal->close();
        return true;
    });
    // An access key clicks its button a moment later.
    calc_->Key(Qt::Key_I, Qt::AltModifier);
    QTest::qWait(300);
    QCOMPARE(ordered, QString());

    calc_->Key(Qt::Key_C, Qt::AltModifier);
    QTRY_VERIFY(calc_->find("cmdPrint")->isEnabled());
    QTest::mouseClick(calc_->find("cmdPrint"), Qt::LeftButton);
    QVERIFY(calc_->driver.Done());
    QCOMPARE(ordered, Label("lblResFinalPow_0"));
    QVERIFY(ordered != QStringLiteral("-3.00"));
}

// Settled from the keyboard in the given order, the last open value hands
// the focus to "Pr&int Order", whatever came before it.
void SettleQtTest::lastSettlingLeavesTheFocusOnTheOrder_data()
{
    QTest::addColumn<QString>("curBC");
    QTest::addColumn<bool>("leftEye");
    QTest::addColumn<QStringList>("settled");
    QTest::newRow("the power alone") << "7.85" << false << QStringList{"lblResFinalPow_0"};
    QTest::newRow("power, then base curve") << "8.20" << false << QStringList{"lblResFinalPow_0", "lblResFinalBC_0"};
    QTest::newRow("left eye first, right eye last")
        << "7.85" << true << QStringList{"lblResFinalPow_1", "lblResFinalPow_0"};
}

void SettleQtTest::lastSettlingLeavesTheFocusOnTheOrder()
{
    QFETCH(QString, curBC);
    QFETCH(bool, leftEye);
    QFETCH(QStringList, settled);
    Enter(curBC.toLatin1().constData(), "-2.50", "2", leftEye);
    QTest::mouseClick(calc_->find("btnGo"), Qt::LeftButton);
    for (const QString& marker : settled) {
        QCOMPARE(Label(marker.toLatin1().constData()), QStringLiteral("???"));
        calc_->find(marker.toLatin1().constData())->setFocus(Qt::TabFocusReason);
        calc_->driver.PressInBox(QMessageBox::Yes);
        calc_->Key(Qt::Key_Return);
        calc_->Reactivate();
    }
    QVERIFY(calc_->driver.Done());
    QVERIFY(calc_->find("cmdPrint")->isEnabled());
    QCOMPARE(calc_->Focused(), QStringLiteral("cmdPrint"));
}

// A power settled by an over-refraction is shown in its general form; the
// order window and the printed page carry that very text.
void SettleQtTest::printedPowerIsThePowerShown()
{
    calc_.reset();
    auto printer = std::make_unique<RecordingPrinter>();
    RecordingPrinter* recorded = printer.get();
    calc_ = std::make_unique<QtCalculator>(std::move(printer));
    Enter("7.85", "-2.50", "2", false);
    QTest::mouseClick(calc_->find("btnGo"), Qt::LeftButton);
    calc_->driver.PressInBox(QMessageBox::No);
    calc_->driver.Then([](QWidget* modal) {
        if (modal->objectName() != QStringLiteral("Form2"))
            return false;
        QTest::keyClicks(modal->findChild<QWidget*>(QStringLiteral("txtRefra")), QStringLiteral("0.125"));
        QTest::mouseClick(modal->findChild<QWidget*>(QStringLiteral("cmdOK")), Qt::LeftButton);
        return true;
    });
    QTest::mouseClick(calc_->find("lblResFinalPow_0"), Qt::LeftButton);
    calc_->Reactivate();
    const QString shown = Label("lblResFinalPow_0");
    QCOMPARE(shown, QStringLiteral("-2.875"));
    QString ordered;
    calc_->OpenOrder([&ordered](QWidget* order) {
        ordered = order->findChild<QLabel*>(QStringLiteral("lblPowod"))->text();
        QTest::mouseClick(order->findChild<QWidget*>(QStringLiteral("cmdPrint")), Qt::LeftButton);
    });
    QVERIFY(calc_->driver.Done());
    QCOMPARE(ordered, shown);
    QCOMPARE(recorded->pages.size(), std::size_t(1));
    const PdfPage page = ReadPdf(recorded->pages[0].pdf);
    QVERIFY2(page.AllText().split(QLatin1Char(' ')).contains(shown), qPrintable(page.AllText()));
}

QTEST_MAIN(SettleQtTest)
#include "settle_qt_test.moc"
