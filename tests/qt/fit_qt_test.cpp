#include "fit_check.h"
#include "order/order_output.h"
#include "qt_fixture.h"
#include "ui/qt/message_box.h"
#include "ui/qt/qt_words.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyleFactory>
#include <QTranslator>

using namespace corvane;
using namespace corvane::test;

// Every text of every window is readable whole. ctest runs this binary at
// 100 %, 150 % and 200 % (QT_SCALE_FACTOR), and in a pseudo-translation
// (CORVANE_TRANSLATION, every text longer and accented) at 100 % and 150 %:
// there what would be cut in a longer language is reported, for the
// translators and the forms' next layout, and a text that stayed English
// fails, since no translator could mend it.
class FitQtTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
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
        // The help line says which value to click, until the focus moves.
        AllTranslated(calc_->view());
        calc_->Reactivate();
    }
    static QString Problems(const QStringList& list) { return list.join(QStringLiteral("\n")); }
    // Texts cut in English fail; in the pseudo-translation they are told.
    void Judge(const QString& window, QStringList problems);
    // In the pseudo-translation, every word of the window was translated.
    void AllTranslated(QWidget* window) const;

    std::unique_ptr<QtCalculator> calc_;
    QTranslator translator_;
    bool pseudo_ = false;
    QStringList cut_;
};

void FitQtTest::initTestCase()
{
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    const QString translation = qEnvironmentVariable("CORVANE_TRANSLATION");
    if (translation.isEmpty())
        return;
    QVERIFY2(translator_.load(translation), qPrintable(translation));
    QVERIFY(QCoreApplication::installTranslator(&translator_));
    pseudo_ = true;
}

void FitQtTest::cleanupTestCase()
{
    if (!pseudo_)
        return;
    cut_.removeDuplicates();
    qInfo("In a language about 40 %% longer, %d texts would be cut:\n%s", int(cut_.size()), qPrintable(Problems(cut_)));
}

void FitQtTest::Judge(const QString& window, QStringList problems)
{
    problems.removeDuplicates();
    if (!pseudo_) {
        QVERIFY2(problems.isEmpty(), qPrintable(Problems(problems)));
        return;
    }
    for (const QString& problem : problems)
        cut_ << window + QStringLiteral(": ") + problem;
}

void FitQtTest::AllTranslated(QWidget* window) const
{
    if (!pseudo_)
        return;
    const QStringList plain = Untranslated(window);
    QVERIFY2(plain.isEmpty(), qPrintable(Problems(plain)));
}

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
    Judge(QStringLiteral("main window"), problems);
    AllTranslated(calc_->view());
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
    Judge(QStringLiteral("main window, widest values"), TextsThatDoNotFit(calc_->view()));
}

void FitQtTest::everyHelpLine()
{
    Calculated();
    auto* help = calc_->find<QLabel>("lblhelp");
    QStringList hints = {Tr(Say::ClickForPower), Tr(Say::ClickForBaseCurve), Tr(Say::EntriesChanged)};
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
    Judge(QStringLiteral("main window, help line"), problems);
}

void FitQtTest::refinementDialogs()
{
    Calculated();
    QStringList problems;
    auto check = [&problems, this](QWidget* modal) {
        problems << TextsThatDoNotFit(modal) + TitleThatDoesNotFit(modal) + CutBorders(modal);
        if (pseudo_)
            problems << Untranslated(modal);
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
    const QStringList plain = problems.filter(QStringLiteral("is not translated"));
    QVERIFY2(plain.isEmpty(), qPrintable(Problems(plain)));
    Judge(QStringLiteral("refinement dialogs"), problems);
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
    QStringList thicknesses;
    QStringList plain;
    calc_->driver.Then([&](QWidget* f) {
        if (f->objectName() != QStringLiteral("Form4"))
            return false;
        problems << TextsThatDoNotFit(f) + TitleThatDoesNotFit(f) + CutBorders(f);
        if (pseudo_)
            plain << Untranslated(f);
        // The laboratory's words, whatever the practitioner's language.
        for (const char* list : {"cboEdgeThod", "cboCenterThod", "cboEdgeThos", "cboCenterThos"})
            thicknesses << f->findChild<QComboBox*>(QString::fromLatin1(list))->currentText();
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
    QCOMPARE(thicknesses, QStringList(4, QStringLiteral("Standard")));
    QVERIFY2(plain.isEmpty(), qPrintable(Problems(plain)));
    Judge(QStringLiteral("order window"), problems);
}

void FitQtTest::messageBoxTitles_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("text");
    // The titles the main window gives its error boxes.
    auto window = [](const char* title) { return QCoreApplication::translate("corvane::MainWindow", title); };
    QTest::newRow("right eye") << window("Error for OD") << Tr({Say::ErrorNumbered, {"601", "K1"}});
    QTest::newRow("left eye") << window("Error for OS") << Tr(ErrorMessage(RuntimeError(13, Say::TypeMismatch)));
    QTest::newRow("tolerance") << window("Error") << "Too flat";
    QTest::newRow("dialog") << Tr(Say::ProgramTitle) << Tr(ErrorMessage(RuntimeError(6, Say::Overflow)));
    QTest::newRow("note") << Tr(Say::NoteTitle) << Tr(Say::OtherOnRequest);
    QTest::newRow("base curve") << Tr(Say::BaseCurveTitle) << Tr(Say::BaseCurveQuestion);
    QTest::newRow("power") << Tr(Say::PowerTitle) << Tr(Say::PowerQuestion);
    QTest::newRow("printing") << Tr(Say::OrderFormTitle) << "No";
    QTest::newRow("printer stopped") << Tr(Say::OrderFormTitle)
                                     << Tr(PrintFailureMessage({PrintFault::PrinterStopped, "PDF", "Paused"}));
    QTest::newRow("special order") << Tr(Say::SpecialOrderTitle) << Tr({Say::SpecialOrderTooLong, {"7", "6"}});
    QTest::newRow("close") << Tr(Say::CloseTitle) << Tr(Say::CloseUnprinted);
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
    Judge(QStringLiteral("message box \"%1\"").arg(title), problems);
}

QTEST_MAIN(FitQtTest)
#include "fit_qt_test.moc"
