#include "page_reader.h"
#include "print_server.h"
#include "qt_fixture.h"

#include "order/order_page.h"
#include "print/page_pdf.h"

#include <QComboBox>
#include <QDate>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QTextEdit>

#include <algorithm>

using namespace corvane;
using namespace corvane::test;

class PrintQtTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase() { StopPrintServer(); }
    void init() { calc_ = std::make_unique<QtCalculator>(); }
    void cleanup()
    {
        calc_.reset();
        RestorePrinter();
    }

    void twoEyeOrderArrivesOnPaper();
    void rightEyeOnlyOrderPrintsDashes();
    void printingFailureKeepsTheOrder_data();
    void printingFailureKeepsTheOrder();
    void rejectedOrderLeavesAsPdf();
    void cancelPrintsNothing();
    void pageLandsInsidePrintableArea();
    void jobLostLaterIsToldInMainWindow_data();
    void jobLostLaterIsToldInMainWindow();

private:
    // Brings the server into a failing state; RestorePrinter() undoes every
    // one.
    void Break(const QString& fault);
    static int CompletedJobs();
    void Calculate(bool leftEye);

    std::unique_ptr<QtCalculator> calc_;
};

void PrintQtTest::initTestCase()
{
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    // These tests print for real, on a server of their own: without it they
    // fail, never skip.
    const QString failed = StartPrintServer();
    QVERIFY2(failed.isEmpty(), qPrintable(failed));
    QVERIFY(Running());
    QVERIFY2(Run(QStringLiteral("lpstat"), {QStringLiteral("-d")}).contains(QStringLiteral("PDF")),
             "the default printer is not the virtual PDF printer");
}

void PrintQtTest::Break(const QString& fault)
{
    const QString failed = BreakPrinter(fault);
    QVERIFY2(failed.isEmpty(), qPrintable(failed));
}

int PrintQtTest::CompletedJobs()
{
    return static_cast<int>(Run(QStringLiteral("lpstat"), {QStringLiteral("-W"), QStringLiteral("completed"),
                                                           QStringLiteral("-o"), QStringLiteral("PDF")})
                                .count(QLatin1Char('\n')));
}

void PrintQtTest::Calculate(bool leftEye)
{
    calc_->CalculateForOrder(leftEye);
    QVERIFY(calc_->find("cmdPrint")->isEnabled());
}

void PrintQtTest::twoEyeOrderArrivesOnPaper()
{
    Calculate(true);
    const QDateTime start = QDateTime::currentDateTime().addSecs(-1);
    calc_->OpenOrder([](QWidget* f) {
        QTest::keyClicks(f->findChild<QLineEdit*>(QStringLiteral("txtAccName")), QStringLiteral("<b>Smith</b> & Sons"));
        QTest::keyClicks(f->findChild<QLineEdit*>(QStringLiteral("txtAccNum")), QStringLiteral("AC-1042"));
        QTest::keyClicks(f->findChild<QLineEdit*>(QStringLiteral("txtAccFax")), QStringLiteral("(555) 010-9999"));
        QTest::keyClicks(f->findChild<QLineEdit*>(QStringLiteral("txtPatName")), QStringLiteral("Jane Doe"));
        QTest::keyClicks(f->findChild<QLineEdit*>(QStringLiteral("txtPatNum")), QStringLiteral("P-77"));
        QTest::mouseClick(f->findChild<QRadioButton*>(QStringLiteral("optType_1")), Qt::LeftButton);
        QTest::mouseClick(f->findChild<QRadioButton*>(QStringLiteral("optDot_1")), Qt::LeftButton);
        f->findChild<QComboBox*>(QStringLiteral("cboEdgeThos"))->setCurrentIndex(0);
        auto* special = f->findChild<QTextEdit*>(QStringLiteral("txtSpecial"));
        special->setFocus();
        QTest::keyClicks(special, QStringLiteral("First line"));
        QTest::keyClick(special, Qt::Key_Return);
        QTest::keyClicks(special, QStringLiteral("Second line"));
        for (int i = 3; i <= 6; ++i) {
            QTest::keyClick(special, Qt::Key_Return);
            QTest::keyClicks(special, QStringLiteral("Line %1").arg(i));
        }
        QTest::mouseClick(f->findChild<QPushButton*>(QStringLiteral("cmdPrint")), Qt::LeftButton);
    });
    QVERIFY(calc_->driver.Done());
    QVERIFY(calc_->driver.boxes.isEmpty());
    QVERIFY(QApplication::activeModalWidget() == nullptr);
    QVERIFY(calc_->view()->isVisible());

    const QString pdf = WaitForPdf(start);
    QVERIFY2(!pdf.isEmpty(), "no complete PDF arrived");
    const QString text = PdfText(pdf);
    for (const char* expected :
         {"Order Form", "Brenwick Contact Lenses Ltd.", "<b>Smith</b> & Sons", "AC-1042", "(555) 010-9999", "Jane Doe",
          "P-77", "Boston XO", "Ice blue", "First line", "Second line", "Line 6", "CORVANE VELTO", "(555) 014-2271"}) {
        QVERIFY2(text.contains(QString::fromUtf8(expected)), expected);
    }
    QVERIFY(text.contains(QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat)));
    QVERIFY(QRegularExpression(QStringLiteral("BC :\\s+7\\.70\\s+7\\.10")).match(text).hasMatch());
    QVERIFY(QRegularExpression(QStringLiteral("Pwr :\\s+-2\\.50\\s+0\\.50")).match(text).hasMatch());
    QVERIFY(QRegularExpression(QStringLiteral("Diam :\\s+9\\.2\\s+9\\.2")).match(text).hasMatch());
    QVERIFY(QRegularExpression(QStringLiteral("Series :\\s+2\\s+3")).match(text).hasMatch());
    QVERIFY(QRegularExpression(QStringLiteral("Edge thick. :\\s+Standard\\s+Thin")).match(text).hasMatch());
    QVERIFY(QRegularExpression(QStringLiteral("Dot :\\s+No")).match(text).hasMatch());
    QCOMPARE(Run(QStringLiteral("pdfinfo"), {pdf}).contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\b"))),
             true);
}

void PrintQtTest::rightEyeOnlyOrderPrintsDashes()
{
    Calculate(false);
    const QDateTime start = QDateTime::currentDateTime().addSecs(-1);
    calc_->OpenOrder([](QWidget* f) {
        QTest::keyClicks(f->findChild<QLineEdit*>(QStringLiteral("txtPatName")), QStringLiteral("R. Only"));
        QTest::mouseClick(f->findChild<QPushButton*>(QStringLiteral("cmdPrint")), Qt::LeftButton);
    });
    QVERIFY(calc_->driver.Done());
    const QString pdf = WaitForPdf(start);
    QVERIFY2(!pdf.isEmpty(), "no complete PDF arrived");
    const QString text = PdfText(pdf);
    QVERIFY(text.contains(QStringLiteral("R. Only")));
    for (const char* row :
         {"BC :\\s+7\\.70\\s+-", "Pwr :\\s+-2\\.50\\s+-", "Diam :\\s+9\\.2\\s+-", "Series :\\s+2\\s+-",
          "Edge thick. :\\s+Standard\\s+-", "Center thick. :\\s+Standard\\s+-"}) {
        QVERIFY2(QRegularExpression(QString::fromLatin1(row)).match(text).hasMatch(), row);
    }
    QVERIFY(text.contains(QStringLiteral("Comfort 02")));
    QVERIFY(text.contains(QStringLiteral("CORVANE")));
    QVERIFY(!text.contains(QStringLiteral("VELTO")));
    QVERIFY(QRegularExpression(QStringLiteral("Dot :\\s+Yes")).match(text).hasMatch());
}

// How each failure is brought about on the real server, and what the
// practitioner is told.
void PrintQtTest::printingFailureKeepsTheOrder_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QString>("cause");
    QTest::addColumn<bool>("esc");
    QTest::newRow("no print service") << "stop"
                                      << "the print service is not running." << false;
    QTest::newRow("no default printer") << "nodefault"
                                        << "no default printer is set up." << true;
    QTest::newRow("disabled printer") << "disable"
                                      << "the printer PDF is stopped" << false;
    QTest::newRow("rejecting printer") << "reject"
                                       << "the printer PDF is not accepting jobs" << true;
    QTest::newRow("job that fails") << "broken"
                                    << "the print job failed on the printer CorvaneBroken" << false;
}

void PrintQtTest::printingFailureKeepsTheOrder()
{
    QFETCH(QString, fault);
    QFETCH(QString, cause);
    QFETCH(bool, esc);
    Calculate(false);
    const qsizetype before = CompletedJobs();
    Break(fault);
    const QDateTime start = QDateTime::currentDateTime();
    QString kept;
    bool stillOpen = false;
    calc_->OpenOrder([&](QWidget* f) {
        QTest::keyClicks(f->findChild<QLineEdit*>(QStringLiteral("txtAccName")), QStringLiteral("Vision Care"));
        calc_->driver.Then([this, esc](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            if (box == nullptr)
                return false;
            calc_->driver.boxes << box->windowTitle() + QStringLiteral(" | ") + box->text();
            // Esc leaves the Yes/No question open; No ends it.
            if (esc)
                QTest::keyClick(box, Qt::Key_Escape);
            if (box->isVisible())
                QTest::mouseClick(box->button(QMessageBox::No), Qt::LeftButton);
            return true;
        });
        QTest::mouseClick(f->findChild<QPushButton*>(QStringLiteral("cmdPrint")), Qt::LeftButton);
        // A job that fails at once is answered within Print's moment.
        QTRY_VERIFY_WITH_TIMEOUT(calc_->driver.Done() && QApplication::activeModalWidget() == f, 5000);
        stillOpen = f->isVisible();
        kept = f->findChild<QLineEdit*>(QStringLiteral("txtAccName"))->text();
        QTest::mouseClick(f->findChild<QPushButton*>(QStringLiteral("cmdCancel")), Qt::LeftButton);
    });
    QVERIFY(calc_->driver.Done());
    QVERIFY(stillOpen);
    QCOMPARE(kept, QStringLiteral("Vision Care"));
    QCOMPARE(calc_->driver.boxes.size(), 1);
    const QString box = calc_->driver.boxes[0];
    QVERIFY2(box.startsWith(QStringLiteral("Order Form | Error 482\nThe order could not be printed: ") + cause),
             qPrintable(box));
    QVERIFY2(box.endsWith(QStringLiteral("\n\nSave the order as a PDF instead?")), qPrintable(box));
    RestorePrinter();
    QTest::qWait(500);
    if (fault != QStringLiteral("broken"))
        QCOMPARE(CompletedJobs(), before);
    const QFileInfoList files = PrintedFiles();
    QVERIFY2(files.isEmpty() || files.front().lastModified() < start, "a page came out");
}

void PrintQtTest::rejectedOrderLeavesAsPdf()
{
    Calculate(true);
    Break(QStringLiteral("reject"));
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("order.pdf"));
    bool stillOpen = true;
    calc_->OpenOrder([&](QWidget* f) {
        QTest::keyClicks(f->findChild<QLineEdit*>(QStringLiteral("txtPatName")), QStringLiteral("Jane Doe"));
        f->findChild<QComboBox*>(QStringLiteral("cboEdgeThod"))->setCurrentIndex(2);
        calc_->driver.PressInBox(QMessageBox::Yes);
        calc_->driver.SaveAs(file);
        QTest::mouseClick(f->findChild<QPushButton*>(QStringLiteral("cmdPrint")), Qt::LeftButton);
        stillOpen = f->isVisible();
    });
    QVERIFY(calc_->driver.Done());
    QVERIFY(!stillOpen);
    const QString text = PdfText(file);
    QVERIFY(text.contains(QStringLiteral("Jane Doe")));
    QVERIFY2(QRegularExpression(QStringLiteral("Edge thick. :\\s+Minus Carrier\\s+Standard")).match(text).hasMatch(),
             qPrintable(text));
}

void PrintQtTest::cancelPrintsNothing()
{
    Calculate(false);
    const qsizetype before =
        Run(QStringLiteral("lpstat"), {QStringLiteral("-W"), QStringLiteral("completed"), QStringLiteral("-o")})
            .count(QLatin1Char('\n'));
    calc_->OpenOrder([](QWidget* f) {
        QCOMPARE(f->windowTitle(), QStringLiteral("Additionnal information"));
        QTest::mouseClick(f->findChild<QPushButton*>(QStringLiteral("cmdCancel")), Qt::LeftButton);
    });
    QVERIFY(calc_->driver.Done());
    QTest::qWait(300);
    const qsizetype after =
        Run(QStringLiteral("lpstat"), {QStringLiteral("-W"), QStringLiteral("completed"), QStringLiteral("-o")})
            .count(QLatin1Char('\n'));
    QCOMPARE(after, before);
    QVERIFY(QApplication::activeModalWidget() == nullptr);
}

// On a printer that cannot print the outer 6 mm the whole form lands inside
// that, at its own size, where the saved PDF has it.
void PrintQtTest::pageLandsInsidePrintableArea()
{
    Calculate(true);
    Break(QStringLiteral("margins"));
    const QDateTime start = QDateTime::currentDateTime().addSecs(-1);
    calc_->OpenOrder([](QWidget* f) {
        QTest::keyClicks(f->findChild<QLineEdit*>(QStringLiteral("txtPatName")), QStringLiteral("Jane Doe"));
        QTest::mouseClick(f->findChild<QPushButton*>(QStringLiteral("cmdPrint")), Qt::LeftButton);
    });
    QVERIFY(calc_->driver.Done());
    QVERIFY(calc_->driver.boxes.isEmpty());
    const QString pdf = WaitForPdf(start);
    QVERIFY2(!pdf.isEmpty(), "no complete PDF arrived");
    QCOMPARE(ReadPdf(pdf).size, QSizeF(595, 842));
    const OrderPage form = MakeOrderPage(calc_->app.Order(), calc_->app.Today(), NumberFormat{'.'});
    const QByteArray saved = PagePdf(form, QPageSize(QPageSize::A4));
    // Everything drawn, text, frames and pictures, on a rendering at one
    // pixel a point: inside the printable area, and where the saved page
    // has it, as large.
    const QRect ink = InkBox(pdf);
    QVERIFY2(QRect(17, 17, 595 - 34, 842 - 34).contains(ink), qPrintable(Shown(ink)));
    QTemporaryFile file;
    QVERIFY(file.open());
    file.write(saved);
    file.flush();
    QCOMPARE(Shown(ink), Shown(InkBox(file.fileName())));
}

// A job that the printer takes and loses later, after the order window has
// gone: the main window names the order and why, and offers its PDF.
void PrintQtTest::jobLostLaterIsToldInMainWindow_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QString>("cause");
    QTest::addColumn<bool>("save");
    QTest::newRow("held, then cancelled") << "hold"
                                          << "on the printer CorvaneHold (the job was cancelled)." << false;
    QTest::newRow("paper jam 3 s after taking it") << "jam"
                                                   << "on the printer CorvaneJam (paper jam)." << true;
}

void PrintQtTest::jobLostLaterIsToldInMainWindow()
{
    QFETCH(QString, fault);
    QFETCH(QString, cause);
    QFETCH(bool, save);
    Calculate(false);
    Break(fault);
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("lost.pdf"));
    QWidget* over = nullptr;
    bool taken = false;
    calc_->OpenOrder([&](QWidget* f) {
        QTest::keyClicks(f->findChild<QLineEdit*>(QStringLiteral("txtPatName")), QStringLiteral("Jane Doe"));
        QTest::keyClicks(f->findChild<QLineEdit*>(QStringLiteral("txtPatNum")), QStringLiteral("P-77"));
        // Armed before the click, so that a box in the order window is
        // answered too (and the test fails instead of waiting).
        calc_->driver.Then([&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            if (box == nullptr)
                return false;
            calc_->driver.boxes << box->windowTitle() + QStringLiteral(" | ") + box->text();
            over = box->parentWidget();
            QTest::mouseClick(box->button(save ? QMessageBox::Yes : QMessageBox::No), Qt::LeftButton);
            return true;
        });
        if (save)
            calc_->driver.SaveAs(file);
        QTest::mouseClick(f->findChild<QPushButton*>(QStringLiteral("cmdPrint")), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(!f->isVisible() || !calc_->driver.boxes.isEmpty(), 5000);
        taken = !f->isVisible() && calc_->driver.boxes.isEmpty();
    });
    QVERIFY2(taken, "the job was not taken");
    QVERIFY(!Run(QStringLiteral("lpstat"), {QStringLiteral("-o")}).trimmed().isEmpty());
    if (fault == QStringLiteral("hold"))
        Run(QStringLiteral("cancel"), {QStringLiteral("-a"), QStringLiteral("CorvaneHold")});
    // A step of the driver is off its queue while it runs: the box seen
    // tells that the steps have run.
    QTRY_VERIFY_WITH_TIMEOUT(
        !calc_->driver.boxes.isEmpty() && calc_->driver.Done() && QApplication::activeModalWidget() == nullptr, 20000);
    QCOMPARE(calc_->driver.boxes.size(), 1);
    QCOMPARE(calc_->driver.boxes[0],
             QStringLiteral("Order Form | Error 482\nThe order for Jane Doe (P-77) did not come out: the print job "
                            "failed ") +
                 cause + QStringLiteral("\n\nSave that order as a PDF?"));
    QCOMPARE(over, calc_->view());
    QCOMPARE(QFile::exists(file), save);
    if (save)
        QVERIFY(PdfText(file).contains(QStringLiteral("Jane Doe")));
}

QTEST_MAIN(PrintQtTest)
#include "print_qt_test.moc"
