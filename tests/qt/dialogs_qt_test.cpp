#include "qt_fixture.h"

#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QStyleFactory>

using namespace corvane;
using namespace corvane::test;

class DialogsQtTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion"))); }
    void init() { calc_ = std::make_unique<QtCalculator>(); }
    void cleanup() { calc_.reset(); }

    void powerCorrectionTypedWithEnter();
    void powerCorrectionClosedWithEscape();
    void addCorrectionByKeyboard();
    void pastedOverRefractionIsCut();
    void questionAnswers_data();
    void questionAnswers();

private:
    // Both methods for the right eye, with the given current lens.
    void Calculated(const char* curPow, const char* curAdd, const char* curBC = "7.85")
    {
        calc_->BothMethods(curBC, curPow, curAdd);
        QTest::mouseClick(calc_->find("btnGo"), Qt::LeftButton);
    }
    QString Label(const char* name) const { return calc_->find<QLabel>(name)->text(); }

    std::unique_ptr<QtCalculator> calc_;
};

void DialogsQtTest::powerCorrectionTypedWithEnter()
{
    Calculated("-2.50", "2");
    QCOMPARE(Label("lblResFinalPow_0"), QStringLiteral("???"));
    QVERIFY(!calc_->find("cmdPrint")->isEnabled());
    ModalDriver& d = calc_->driver;
    QString title;
    d.PressInBox(QMessageBox::No);
    d.Then([&title](QWidget* modal) {
        auto* refra = modal->findChild<QLineEdit*>(QStringLiteral("txtRefra"));
        if (refra == nullptr)
            return false;
        title = modal->windowTitle() + " " + modal->objectName();
        QTest::keyClicks(refra, QStringLiteral("abc"));
        QTest::keyClick(refra, Qt::Key_Return);
        return true;
    });
    d.PressInBox(QMessageBox::Ok);
    d.Then([](QWidget* modal) {
        auto* refra = modal->findChild<QLineEdit*>(QStringLiteral("txtRefra"));
        if (refra == nullptr)
            return false;
        refra->selectAll();
        QTest::keyClicks(refra, QStringLiteral("-0.25x"));
        QTest::keyClick(refra, Qt::Key_Return);
        return true;
    });
    QTest::mouseClick(calc_->find("lblResFinalPow_0"), Qt::LeftButton);
    QVERIFY(d.Done());
    QCOMPARE(title, QStringLiteral("Power Correction Form2"));
    QCOMPARE(d.boxes.size(), 2);
    QCOMPARE(d.boxes[0], QStringLiteral("Power | Does the current lens' power Provide best distance vision accuity ?"));
    QCOMPARE(d.boxes[1], QStringLiteral("Corvane | Error 699\nThe Refraction is not a number"));
    QCOMPARE(Label("lblResFinalPow_0"), QStringLiteral("-3.25"));
    QCOMPARE(Label("lblResCurPow_0"), QStringLiteral("-3.25"));
    QCOMPARE(calc_->find<QLineEdit>("txtCurPow_0")->text(), QStringLiteral("-2.75"));
    QVERIFY(calc_->find("cmdPrint")->isEnabled());
}

void DialogsQtTest::powerCorrectionClosedWithEscape()
{
    Calculated("-2.50", "2");
    ModalDriver& d = calc_->driver;
    d.PressInBox(QMessageBox::No);
    d.Then([](QWidget* modal) {
        auto* refra = modal->findChild<QLineEdit*>(QStringLiteral("txtRefra"));
        if (refra == nullptr)
            return false;
        QTest::keyClicks(refra, QStringLiteral("-1"));
        QTest::keyClick(refra, Qt::Key_Escape);
        return true;
    });
    QTest::mouseClick(calc_->find("lblResFinalPow_0"), Qt::LeftButton);
    QVERIFY(d.Done());
    QCOMPARE(Label("lblResFinalPow_0"), QStringLiteral("???"));
    QCOMPARE(calc_->find<QLineEdit>("txtCurPow_0")->text(), QStringLiteral("-2.50"));
    QVERIFY(!calc_->find("cmdPrint")->isEnabled());
}

void DialogsQtTest::addCorrectionByKeyboard()
{
    Calculated("-2.00", "1.5");
    QCOMPARE(Label("lblResFinalSerie_0"), QStringLiteral("???"));
    QString seen;
    int marks = 0;
    calc_->driver.Then([&seen, &marks](QWidget* modal) {
        auto* cmd1 = modal->findChild<QPushButton*>(QStringLiteral("cmd1"));
        auto* cmd2 = modal->findChild<QPushButton*>(QStringLiteral("cmd2"));
        if (cmd1 == nullptr || cmd2 == nullptr || !cmd1->hasFocus())
            return false;
        seen = modal->windowTitle() + ": " + cmd1->text() + " " + cmd2->text();
        marks = FocusMarks(cmd1);
        QTest::keyClick(cmd1, Qt::Key_Tab);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        return true;
    });
    QTest::mouseClick(calc_->find("lblResFinalSerie_0"), Qt::LeftButton);
    QVERIFY(calc_->driver.Done());
    QCOMPARE(seen, QStringLiteral("Add Correction: 2.00 1.50"));
    // The focus shows on the first button as the dialog opens.
    QVERIFY2(marks >= 20, qPrintable(QStringLiteral("%1 pixels show the focus").arg(marks)));
    QCOMPARE(Label("lblResFinalSerie_0"), QStringLiteral("1"));
    QCOMPARE(Label("lblResPresSerie_0"), QStringLiteral("1"));
    QCOMPARE(calc_->find<QComboBox>("cboPresAdd_0")->currentText(), QStringLiteral("1.5"));
    QVERIFY(calc_->find("cmdPrint")->isEnabled());
}

void DialogsQtTest::pastedOverRefractionIsCut()
{
    Calculated("-2.50", "2");
    ModalDriver& d = calc_->driver;
    QString pasted;
    d.PressInBox(QMessageBox::No);
    d.Then([&pasted](QWidget* modal) {
        auto* refra = modal->findChild<QLineEdit*>(QStringLiteral("txtRefra"));
        if (refra == nullptr)
            return false;
        QApplication::clipboard()->setText(QStringLiteral("-0.25") + QString(3000, ' '));
        QTest::keyClick(refra, Qt::Key_V, Qt::ControlModifier);
        pasted = refra->text();
        QTest::keyClick(refra, Qt::Key_Return);
        return true;
    });
    QTest::mouseClick(calc_->find("lblResFinalPow_0"), Qt::LeftButton);
    QVERIFY(d.Done());
    QCOMPARE(pasted, QStringLiteral("-0.25"));
    QCOMPARE(calc_->find<QLineEdit>("txtCurPow_0")->text(), QStringLiteral("-2.75"));
    QCOMPARE(Label("lblResFinalPow_0"), QStringLiteral("-3.25"));
}

void DialogsQtTest::questionAnswers_data()
{
    QTest::addColumn<QString>("marker");
    QTest::addColumn<QString>("title");
    QTest::addColumn<int>("answer"); // 0: Esc, -1: the close box
    QTest::addColumn<QString>("from");
    const QString bc = QStringLiteral("lblResFinalBC_0");
    const QString pow = QStringLiteral("lblResFinalPow_0");
    QTest::newRow("base curve: Yes takes the current lens")
        << bc << "Base Curve" << int(QMessageBox::Yes) << "lblResCurBC_0";
    QTest::newRow("base curve: No takes the K reading")
        << bc << "Base Curve" << int(QMessageBox::No) << "lblResPresBC_0";
    // Backing out chooses nothing: the question stays until Yes (here) or No.
    QTest::newRow("base curve: Esc leaves it open") << bc << "Base Curve" << 0 << "lblResCurBC_0";
    QTest::newRow("base curve: close box leaves it open") << bc << "Base Curve" << -1 << "lblResCurBC_0";
    QTest::newRow("power: Esc leaves it open") << pow << "Power" << 0 << "lblResCurPow_0";
}

void DialogsQtTest::questionAnswers()
{
    QFETCH(QString, marker);
    QFETCH(QString, title);
    QFETCH(int, answer);
    QFETCH(QString, from);
    Calculated("-2.50", "2", "8.20");
    const QByteArray label = marker.toLatin1();
    QCOMPARE(Label(label.constData()), QStringLiteral("???"));
    QString seen;
    calc_->driver.AnswerBox(answer, &seen);
    bool stayed = false;
    QString whileOpen;
    if (answer <= 0) {
        calc_->driver.Then([&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            stayed = box != nullptr && box->windowTitle() == title;
            whileOpen = Label(label.constData());
            if (box != nullptr)
                QTest::mouseClick(box->button(QMessageBox::Yes), Qt::LeftButton);
            else
                modal->close();
            return true;
        });
    }
    QTest::mouseClick(calc_->find(label.constData()), Qt::LeftButton);
    QVERIFY(calc_->driver.Done());
    QCOMPARE(seen, title);
    if (answer <= 0) {
        QVERIFY2(stayed, "backing out answered the question");
        QCOMPARE(whileOpen, QStringLiteral("???"));
    }
    QCOMPARE(Label(label.constData()), Label(from.toLatin1().constData()));
}

QTEST_MAIN(DialogsQtTest)
#include "dialogs_qt_test.moc"
