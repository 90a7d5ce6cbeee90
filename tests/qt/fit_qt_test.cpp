#include "fit_check.h"
#include "qt_fixture.h"
#include "ui/qt/message_box.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyleFactory>

using namespace corvane;
using namespace corvane::test;

// Every text of every window is readable whole. ctest runs this binary at
// 100 %, 150 % and 200 % (QT_SCALE_FACTOR).
class FitQtTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion"))); }
    void init() { calc_ = std::make_unique<QtCalculator>(); }
    void cleanup() { calc_.reset(); }

    void mainWindow();
    void everyHelpLine();
    void widestLensValues();
    void refinementDialogs();
    void orderWindow();
    void messageBoxTitles_data();
    void messageBoxTitles();

private:
    // Both methods for both eyes, disagreeing, so that every result shows.
    void Calculated() const
    {
        calc_->Fill({"chkPres", "chkCur"}, {{"txtPresKera1_0", "43"},
                                            {"txtPresKera2_0", "44"},
                                            {"txtPresPow_0", "-2"},
                                            {"txtPresCyl_0", "-0.75"},
                                            {"txtPresAxe_0", "180"},
                                            {"cboPresAdd_0", "2"},
                                            {"txtCurBC_0", "8.20"},
                                            {"txtCurPow_0", "-2.50"},
                                            {"txtCurDiam_0", "9.2"},
                                            {"txtCurAdd_0", "1.5"}});
        // The left eye starts as a copy of the right.
        calc_->Fill({"chkPresOS", "chkCurOS"}, {});
        QTest::mouseClick(calc_->find("btnGo"), Qt::LeftButton);
        calc_->Reactivate();
    }
    static QString Problems(const QStringList& list) { return list.join(QStringLiteral("\n")); }

    std::unique_ptr<QtCalculator> calc_;
};

void FitQtTest::mainWindow()
{
    Calculated();
    QCOMPARE(calc_->find<QLabel>("lblResFinalPow_1")->text(), QStringLiteral("???"));
    QStringList problems =
        TextsThatDoNotFit(calc_->view()) + TitleThatDoesNotFit(calc_->view()) + CutBorders(calc_->view());
    // A focused button shows its caption in bold.
    for (const char* name : {"btnGo", "cmdClear", "cmdQuit"}) {
        calc_->find(name)->setFocus(Qt::TabFocusReason);
        QVERIFY(calc_->find(name)->font().bold());
        problems << TextsThatDoNotFit(calc_->view());
    }
    problems.removeDuplicates();
    QVERIFY2(problems.isEmpty(), qPrintable(Problems(problems)));
}

// The widest text the engine lets a lens value have ("-12.50") is read
// whole in every value of the results.
void FitQtTest::widestLensValues()
{
    Calculated();
    const QString widest =
        QLatin1Char('-') + QString(int(lens::kValueDigits), QLatin1Char('8')).insert(2, QLatin1Char('.'));
    QCOMPARE(std::size_t(widest.size()), lens::kValueRoom);
    const QList<QLabel*> values = calc_->view()->findChildren<QLabel*>(
        QRegularExpression(QStringLiteral("^lblRes(Pres|Cur|Final)(BC|Pow|Diam|Serie)_[01]$")));
    QCOMPARE(values.size(), 3 * 4 * 2);
    for (QLabel* value : values)
        value->setText(widest);
    const QStringList problems = TextsThatDoNotFit(calc_->view());
    QVERIFY2(problems.isEmpty(), qPrintable(Problems(problems)));
}

void FitQtTest::everyHelpLine()
{
    Calculated();
    auto* help = calc_->find<QLabel>("lblhelp");
    QStringList hints = {"Click on the ??? to choose the Power", "Click on the ??? to choose the Base Curve"};
    // Every hint the fields write, by visiting each of them.
    calc_->find("chkPres")->setFocus(Qt::TabFocusReason);
    for (int i = 0; i < 40; ++i) {
        hints << help->text();
        calc_->Key(Qt::Key_Tab);
    }
    hints.removeDuplicates();
    QVERIFY(hints.size() >= 18);
    QStringList problems;
    for (const QString& hint : hints) {
        help->setText(hint);
        problems << TextsThatDoNotFit(calc_->view());
    }
    problems.removeDuplicates();
    QVERIFY2(problems.isEmpty(), qPrintable(Problems(problems)));
}

void FitQtTest::refinementDialogs()
{
    Calculated();
    QStringList problems;
    auto check = [&problems](QWidget* modal) {
        problems << TextsThatDoNotFit(modal) + TitleThatDoesNotFit(modal) + CutBorders(modal);
        QTest::keyClick(modal, Qt::Key_Escape);
        return true;
    };
    calc_->driver.PressInBox(QMessageBox::No);
    calc_->driver.Then(
        [&check](QWidget* modal) { return modal->objectName() == QStringLiteral("Form2") && check(modal); });
    QTest::mouseClick(calc_->find("lblResFinalPow_0"), Qt::LeftButton);
    calc_->driver.Then(
        [&check](QWidget* modal) { return modal->objectName() == QStringLiteral("Form3") && check(modal); });
    QTest::mouseClick(calc_->find("lblResFinalSerie_0"), Qt::LeftButton);
    QVERIFY(calc_->driver.Done());
    QVERIFY2(problems.isEmpty(), qPrintable(Problems(problems)));
}

void FitQtTest::orderWindow()
{
    calc_->Fill({"chkPres"},
                {{"txtPresKera1_0", "43"}, {"txtPresKera2_0", "44"}, {"txtPresPow_0", "-2"}, {"cboPresAdd_0", "2"}});
    calc_->Fill({"chkPresOS"}, {});
    QTest::mouseClick(calc_->find("btnGo"), Qt::LeftButton);
    QVERIFY(calc_->find("cmdPrint")->isEnabled());
    QStringList problems;
    QStringList materials;
    calc_->driver.Then([&](QWidget* f) {
        if (f->objectName() != QStringLiteral("Form4"))
            return false;
        problems << TextsThatDoNotFit(f) + TitleThatDoesNotFit(f) + CutBorders(f);
        // The widest lens value the engine lets through.
        for (QLabel* value :
             f->findChildren<QLabel*>(QRegularExpression(QStringLiteral("^lbl(BC|Pow|Diam|Series)o[ds]$"))))
            value->setText(QStringLiteral("-88.88"));
        problems << TextsThatDoNotFit(f);
        // Each material of "Other Material" must be read whole.
        calc_->driver.PressInBox(QMessageBox::Ok);
        auto* other = f->findChild<QPushButton*>(QStringLiteral("cmdChgMat"));
        for (int i = 0; i < 9; ++i) {
            QTest::mouseClick(other, Qt::LeftButton);
            materials << f->findChild<QLineEdit*>(QStringLiteral("txtMat"))->text();
            problems << TextsThatDoNotFit(f);
        }
        QTest::mouseClick(f->findChild<QPushButton*>(QStringLiteral("cmdCancel")), Qt::LeftButton);
        return true;
    });
    QTest::mouseClick(calc_->find("cmdPrint"), Qt::LeftButton);
    QVERIFY(calc_->driver.Done());
    QVERIFY(materials.contains(QStringLiteral("Paragon HDS")));
    problems.removeDuplicates();
    QVERIFY2(problems.isEmpty(), qPrintable(Problems(problems)));
}

void FitQtTest::messageBoxTitles_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("text");
    QTest::newRow("right eye") << "Error for OD"
                               << "Error 601\r\nK1";
    QTest::newRow("left eye") << "Error for OS"
                              << "Error 13\r\nType mismatch";
    QTest::newRow("tolerance") << "Error"
                               << "Too flat";
    QTest::newRow("dialog") << "Corvane"
                            << "Error 6\r\nOverflow";
    QTest::newRow("note") << "Note"
                          << "Other Material and/or colors available on request. ";
    QTest::newRow("base curve") << "Base Curve"
                                << "Does the current spherical base curve provide an alignment fitting ?";
    QTest::newRow("power") << "Power"
                           << "Does the current lens' power Provide best distance vision accuity ?";
    QTest::newRow("printing") << "Order Form"
                              << "No";
}

void FitQtTest::messageBoxTitles()
{
    QFETCH(QString, title);
    QFETCH(QString, text);
    QStringList problems;
    calc_->driver.Then([&problems](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        if (box == nullptr)
            return false;
        problems << TitleThatDoesNotFit(box) + TextsThatDoNotFit(box) + LoneWords(box);
        QTest::keyClick(box, Qt::Key_Escape);
        return true;
    });
    ShowMessageBox(calc_->view(), title, text, Buttons::OkExclamation);
    QVERIFY(calc_->driver.Done());
    QVERIFY2(problems.isEmpty(), qPrintable(Problems(problems)));
}

QTEST_MAIN(FitQtTest)
#include "fit_qt_test.moc"
