#include "qt_fixture.h"

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyleFactory>

using namespace corvane;
using namespace corvane::test;

class Form1QtTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion"))); }
    void init() { calc_ = std::make_unique<QtCalculator>(); }
    void cleanup() { calc_.reset(); }

    void startUpState();
    void clearAfterACalculation();
    void escapeEndsTheProgram();
    void enterSkipsClosedSectionsByKeyboard();
    void keyboardOnlyPrescriptionOfBothEyes();
    void mouseClickGivesColourAndHint();
    void validationBoxAndFocus();
    void maxLengthLimitsTypingOnly();
    void typedAddIsNotCompleted();
    void accessKeysReachTheFields();
    void valuesArePlainText();
    void accessibleNamesSayWhatAndWhichEye();
    void partsBuiltInAnyOrderTakeTheirPlaces();

private:
    std::unique_ptr<QtCalculator> calc_;
};

void Form1QtTest::startUpState()
{
    QCOMPARE(calc_->find<QCheckBox>("chkPres")->text(), QStringLiteral("Calculate from K's and Rx"));
    QCOMPARE(calc_->find<QCheckBox>("chkCur")->text(), QStringLiteral("Calculate from spherical lens parameters"));
    QVERIFY(calc_->find("chkPres")->isVisible());
    QVERIFY(!calc_->find("chkPresOS")->isVisible());
    QVERIFY(!calc_->find("txtPresKera1_0")->isVisible());
    QVERIFY(!calc_->find("lblResFinalBC_0")->isVisible());
    QVERIFY(calc_->find("lblsugg")->isVisible());
    QVERIFY(!calc_->find<QPushButton>("cmdPrint")->isEnabled());
    QCOMPARE(calc_->find<QPushButton>("cmdClear")->text(), QStringLiteral("Clea&r"));
    QCOMPARE(calc_->find<QPushButton>("cmdClear")->toolTip(),
             QStringLiteral("Click or press enter to clear all fields"));
    for (const char* name : {"cboPresAdd_0", "cboPresAdd_1"}) {
        auto* add = calc_->find<QComboBox>(name);
        QCOMPARE(add->count(), 9);
        QCOMPARE(add->itemText(0), QStringLiteral("0.75"));
        QCOMPARE(add->itemText(8), QStringLiteral("2.75"));
        QCOMPARE(add->currentText(), QString());
    }
    auto* vertex = calc_->find<QComboBox>("cboPresVertex_0");
    QCOMPARE(vertex->count(), 14);
    QCOMPARE(vertex->itemText(0), QStringLiteral("7"));
    QCOMPARE(vertex->itemText(13), QStringLiteral("20"));
    QCOMPARE(vertex->currentText(), QStringLiteral("12"));
    QVERIFY(calc_->find<QLabel>("lblCall")->text().startsWith(
        QStringLiteral("For Technical Advice Call Brenwick Contact Lenses Ltd On ")));
}

void Form1QtTest::clearAfterACalculation()
{
    QTest::mouseClick(calc_->find("chkPres"), Qt::LeftButton);
    QTest::mouseClick(calc_->find("chkCur"), Qt::LeftButton);
    const std::pair<const char*, const char*> entries[] = {
        {"txtPresKera1_0", "43"}, {"txtPresKera2_0", "44"}, {"txtPresPow_0", "-2"}, {"txtCurBC_0", "7.85"},
        {"txtCurPow_0", "-2"},    {"txtCurDiam_0", "9.2"},  {"txtCurAdd_0", "2"},
    };
    for (const auto& [name, text] : entries) {
        QTest::mouseClick(calc_->find(name), Qt::LeftButton);
        QTest::keyClicks(calc_->find(name), QString::fromLatin1(text));
    }
    QTest::keyClicks(calc_->find<QComboBox>("cboPresAdd_0")->lineEdit(), QStringLiteral("2"));
    calc_->find<QComboBox>("cboPresVertex_0")->setCurrentIndex(2);
    QTest::mouseClick(calc_->find("btnGo"), Qt::LeftButton);
    QVERIFY(calc_->find("lblResFinalBC_0")->isVisible());
    QVERIFY(calc_->find<QPushButton>("cmdPrint")->isEnabled());

    QTest::mouseClick(calc_->find("cmdClear"), Qt::LeftButton);
    for (const auto& [name, text] : entries) {
        QCOMPARE(calc_->find<QLineEdit>(name)->text(), QString());
        QVERIFY(!calc_->find(name)->isVisible());
    }
    QCOMPARE(calc_->find<QComboBox>("cboPresAdd_0")->currentText(), QString());
    QCOMPARE(calc_->find<QComboBox>("cboPresAdd_0")->count(), 9);
    QCOMPARE(calc_->find<QComboBox>("cboPresVertex_0")->currentText(), QStringLiteral("12"));
    QVERIFY(!calc_->find<QCheckBox>("chkPres")->isChecked());
    QVERIFY(!calc_->find<QCheckBox>("chkCur")->isChecked());
    QVERIFY(!calc_->find("lblResFinalBC_0")->isVisible());
    QVERIFY(!calc_->find("lblResFinal_0")->isVisible());
    QVERIFY(!calc_->find<QPushButton>("cmdPrint")->isEnabled());
    QCOMPARE(calc_->Focused(), QStringLiteral("chkPres"));
}

void Form1QtTest::escapeEndsTheProgram()
{
    QVERIFY(calc_->view()->isVisible());
    QTest::keyClick(calc_->find("chkPres"), Qt::Key_Escape);
    QVERIFY(!calc_->view()->isVisible());
}

void Form1QtTest::enterSkipsClosedSectionsByKeyboard()
{
    calc_->find("chkPres")->setFocus();
    QTRY_COMPARE(calc_->Focused(), QStringLiteral("chkPres"));
    calc_->Key(Qt::Key_Return);
    QTRY_COMPARE(calc_->Focused(), QStringLiteral("chkCur"));
    calc_->Key(Qt::Key_Return);
    QTRY_COMPARE(calc_->Focused(), QStringLiteral("btnGo"));
    QVERIFY(calc_->find("btnGo")->font().bold());
    QCOMPARE(calc_->find<QLabel>("lblhelp")->text(), QStringLiteral("Enter for suggested lens or Tab to quit"));
    // Nothing was ticked or calculated by these Enters.
    QVERIFY(!calc_->find<QCheckBox>("chkPres")->isChecked());
    QVERIFY(!calc_->find<QCheckBox>("chkCur")->isChecked());
}

void Form1QtTest::keyboardOnlyPrescriptionOfBothEyes()
{
    calc_->find("chkPres")->setFocus();
    QTRY_COMPARE(calc_->Focused(), QStringLiteral("chkPres"));
    calc_->Key(Qt::Key_Space);
    QTRY_COMPARE(calc_->Focused(), QStringLiteral("txtPresKera1_0"));
    auto* kera = calc_->find<QLineEdit>("txtPresKera1_0");
    QCOMPARE(kera->palette().color(QPalette::Base), QColor(0xFF, 0xFF, 0xC0));
    QCOMPARE(calc_->find<QLabel>("lblhelp")->text(), QStringLiteral("Enter the K then hit Enter or Tab"));
    QVERIFY(calc_->find("lblpres_0")->isVisible());
    QVERIFY(calc_->find("chkPresOS")->isVisible());

    const std::pair<const char*, const char*> right[] = {
        {"txtPresKera1_0", "4300"}, {"txtPresKera2_0", "4400"}, {"txtPresPow_0", "-500"}, {"txtPresCyl_0", ""},
        {"txtPresAxe_0", ""},       {"cboPresVertex_0", ""},    {"cboPresAdd_0", "2.00"},
    };
    for (const auto& [name, text] : right) {
        QTRY_COMPARE(calc_->Focused(), QString::fromLatin1(name));
        calc_->Type(QString::fromLatin1(text));
        calc_->Key(Qt::Key_Return);
    }
    QCOMPARE(kera->palette().color(QPalette::Base), QColor(Qt::white));
    QTRY_COMPARE(calc_->Focused(), QStringLiteral("chkPresOS"));
    calc_->Key(Qt::Key_Space);
    QTRY_COMPARE(calc_->Focused(), QStringLiteral("txtPresKera1_1"));
    QCOMPARE(calc_->find<QLineEdit>("txtPresPow_1")->text(), QStringLiteral("-500"));
    QCOMPARE(calc_->find<QComboBox>("cboPresAdd_1")->currentText(), QStringLiteral("2.00"));
    for (int i = 0; i < 7; ++i)
        calc_->Key(Qt::Key_Return);
    QTRY_COMPARE(calc_->Focused(), QStringLiteral("chkCur"));
    calc_->Key(Qt::Key_Return);
    QTRY_COMPARE(calc_->Focused(), QStringLiteral("btnGo"));
    calc_->Key(Qt::Key_Return);
    for (const char* eye : {"_0", "_1"}) {
        auto text = [&](const char* name) { return calc_->find<QLabel>((std::string(name) + eye).c_str())->text(); };
        QCOMPARE(text("lblResFinalBC"), QStringLiteral("7.70"));
        QCOMPARE(text("lblResFinalPow"), QStringLiteral("-5.25"));
        QCOMPARE(text("lblResFinalDiam"), QStringLiteral("9.2"));
        QCOMPARE(text("lblResFinalSerie"), QStringLiteral("2"));
    }
    QCOMPARE(calc_->find<QLineEdit>("txtPresPow_0")->text(), QStringLiteral("-5"));
    QVERIFY(calc_->find<QPushButton>("cmdPrint")->isEnabled());
}

void Form1QtTest::mouseClickGivesColourAndHint()
{
    QTest::mouseClick(calc_->find("chkCur"), Qt::LeftButton);
    auto* diam = calc_->find<QLineEdit>("txtCurDiam_0");
    QTest::mouseClick(diam, Qt::LeftButton);
    QCOMPARE(diam->palette().color(QPalette::Base), QColor(0xFF, 0xFF, 0xC0));
    QCOMPARE(calc_->find<QLabel>("lblhelp")->text(), QStringLiteral("Enter the diameter"));
    QTest::mouseClick(calc_->find("txtCurAdd_0"), Qt::LeftButton);
    QCOMPARE(diam->palette().color(QPalette::Base), QColor(Qt::white));
    QCOMPARE(calc_->find<QLabel>("lblhelp")->text(), QStringLiteral("Enter the patient's add"));
    // A label takes no focus and leaves the hint alone.
    QTest::mouseClick(calc_->find("lblsugg"), Qt::LeftButton);
    QCOMPARE(calc_->find<QLabel>("lblhelp")->text(), QStringLiteral("Enter the patient's add"));
}

void Form1QtTest::validationBoxAndFocus()
{
    QTest::mouseClick(calc_->find("chkPres"), Qt::LeftButton);
    QTest::keyClicks(calc_->find("txtPresKera1_0"), QStringLiteral("43"));
    calc_->driver.PressInBox(QMessageBox::Ok);
    QTest::mouseClick(calc_->find("btnGo"), Qt::LeftButton);
    QVERIFY(calc_->driver.Done());
    QCOMPARE(calc_->driver.boxes,
             QStringList{QStringLiteral("Error for OD | Error 604\nThe second keratometry is needed")});
    calc_->Reactivate();
    QCOMPARE(calc_->Focused(), QStringLiteral("txtPresKera2_0"));
    QCOMPARE(calc_->find<QLineEdit>("txtPresKera2_0")->palette().color(QPalette::Base), QColor(0xFF, 0xFF, 0xC0));
}

void Form1QtTest::maxLengthLimitsTypingOnly()
{
    QTest::mouseClick(calc_->find("chkPres"), Qt::LeftButton);
    auto* kera = calc_->find<QLineEdit>("txtPresKera1_0");
    QTest::keyClicks(kera, QStringLiteral("7801234"));
    QCOMPARE(kera->text(), QStringLiteral("78012"));
    kera->selectAll();
    QTest::keyClicks(kera, QStringLiteral("780"));
    QTest::keyClicks(calc_->find("txtPresKera2_0"), QStringLiteral("44"));
    QTest::keyClicks(calc_->find("txtPresPow_0"), QStringLiteral("-2"));
    QTest::keyClicks(calc_->find<QComboBox>("cboPresAdd_0")->lineEdit(), QStringLiteral("2"));
    QTest::mouseClick(calc_->find("btnGo"), Qt::LeftButton);
    // The normalised reading is written back whole.
    QCOMPARE(kera->text(), QStringLiteral("43.2692307692308"));
    QCOMPARE(calc_->find<QLabel>("lblResFinalBC_0")->text(), QStringLiteral("7.70"));
}

void Form1QtTest::typedAddIsNotCompleted()
{
    QTest::mouseClick(calc_->find("chkPres"), Qt::LeftButton);
    auto* add = calc_->find<QComboBox>("cboPresAdd_0");
    add->setFocus();
    QTest::keyClicks(add->lineEdit(), QStringLiteral("1.7"));
    QCOMPARE(add->currentText(), QStringLiteral("1.7"));
    QCOMPARE(calc_->view()->Entries(0).pres.add, std::string("1.7"));
}

void Form1QtTest::accessKeysReachTheFields()
{
    QTest::mouseClick(calc_->find("chkPres"), Qt::LeftButton);
    QTest::mouseClick(calc_->find("chkCur"), Qt::LeftButton);
    const std::pair<Qt::Key, const char*> keys[] = {
        {Qt::Key_P, "txtPresPow_0"},    {Qt::Key_Y, "txtPresCyl_0"}, {Qt::Key_A, "txtPresAxe_0"},
        {Qt::Key_V, "cboPresVertex_0"}, {Qt::Key_D, "cboPresAdd_0"}, {Qt::Key_B, "txtCurBC_0"},
        {Qt::Key_O, "txtCurPow_0"},     {Qt::Key_T, "txtCurAdd_0"},  {Qt::Key_K, "txtPresKera1_0"},
    };
    for (const auto& [key, name] : keys) {
        calc_->Key(key, Qt::AltModifier);
        QTRY_COMPARE(calc_->Focused(), QString::fromLatin1(name));
    }
}

void Form1QtTest::valuesArePlainText()
{
    QCOMPARE(calc_->find<QLabel>("lblResFinalBC_0")->textFormat(), Qt::PlainText);
    QCOMPARE(calc_->find<QLabel>("lblhelp")->textFormat(), Qt::PlainText);
    // A value inside the words, such as a typed name, is shown as typed too.
    calc_->view()->SetHelp({Say::SaveIsFolder, {"<b>bold</b> & more"}});
    QCOMPARE(calc_->find<QLabel>("lblhelp")->text(), QStringLiteral("<b>bold</b> & more is a folder."));
}

void Form1QtTest::accessibleNamesSayWhatAndWhichEye()
{
    auto name = [this](const char* widget) {
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(calc_->find(widget));
        return a == nullptr ? QString() : a->text(QAccessible::Name);
    };
    QCOMPARE(name("txtPresKera1_0"), QStringLiteral("Keratometry 1, right eye"));
    QCOMPARE(name("txtPresKera2_1"), QStringLiteral("Keratometry 2, left eye"));
    QCOMPARE(name("cboPresAdd_1"), QStringLiteral("Add, left eye"));
    // A list is named for what it is, whatever it shows.
    QCOMPARE(name("cboPresVertex_0"), QStringLiteral("Vertex, right eye"));
    QCOMPARE(name("txtCurAdd_0"), QStringLiteral("Patient's add, right eye"));
    QCOMPARE(name("lblResFinalPow_1"), QStringLiteral("Suggested lens, power, left eye"));
    QCOMPARE(name("lblResPresBC_0"), QStringLiteral("From K Reading, base curve, right eye"));
    QCOMPARE(name("lblResCurSerie_0"), QStringLiteral("From Current lens, series, right eye"));
    QCOMPARE(name("chkPres"), QStringLiteral("Calculate from K's and Rx"));
    QCOMPARE(name("chkCurOS"), QStringLiteral("Calculate from spherical lens parameters, left eye"));
    QCOMPARE(name("btnGo"), QStringLiteral("Calculate"));
    QCOMPARE(name("cmdPrint"), QStringLiteral("Print Order"));
    // Every control that takes the focus, and every value, has a name.
    const QRegularExpression value(QStringLiteral("^lblRes.*_[01]$"));
    for (QWidget* w : calc_->view()->findChildren<QWidget*>()) {
        const QString n = w->objectName();
        if ((w->focusPolicy() & Qt::TabFocus && !n.isEmpty()) || value.match(n).hasMatch())
            QVERIFY2(!name(n.toLatin1().constData()).isEmpty(), qPrintable(n));
    }
}

// Stacking, tab chain, buddies and names of a window's widgets, in order.
QStringList Layout(QWidget* window)
{
    QStringList seen;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        auto* label = qobject_cast<QLabel*>(w);
        seen << w->objectName() + QStringLiteral(" buddy ") +
                    (label != nullptr && label->buddy() != nullptr ? label->buddy()->objectName() : QString()) +
                    QStringLiteral(" name ") + w->accessibleName() + QStringLiteral(" hint ") + w->toolTip();
    }
    seen << QStringLiteral("tab chain:");
    for (QWidget* w = window->nextInFocusChain(); w != window; w = w->nextInFocusChain())
        if ((w->focusPolicy() & Qt::TabFocus) && !w->objectName().isEmpty())
            seen << w->objectName();
    return seen;
}

void Form1QtTest::partsBuiltInAnyOrderTakeTheirPlaces()
{
    MainWindow* view = calc_->view();
    QVERIFY(view->findChild<QWidget*>(QStringLiteral("txtPresKera1_0")) == nullptr);
    QTest::mouseClick(calc_->find("chkCur"), Qt::LeftButton);
    QVERIFY(view->findChild<QWidget*>(QStringLiteral("txtCurBC_0")) != nullptr);
    QVERIFY(view->findChild<QWidget*>(QStringLiteral("txtPresKera1_0")) == nullptr);
    view->BuildHiddenParts();
    MainWindow whole(NumberFormat{'.'});
    whole.BuildHiddenParts();
    QCOMPARE(Layout(view), Layout(&whole));
}

QTEST_MAIN(Form1QtTest)
#include "form1_qt_test.moc"
