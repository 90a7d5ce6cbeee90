#include "qt_fixture.h"

#include <QComboBox>
#include <QDate>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStyleFactory>
#include <QTemporaryDir>

#include <pwd.h>
#include <unistd.h>

#include <algorithm>

using namespace corvane;
using namespace corvane::test;

namespace {

QString Run(const QString& program, const QStringList& args)
{
    QProcess p;
    p.start(program, args);
    p.waitForFinished(30000);
    return QString::fromLocal8Bit(p.readAllStandardOutput());
}

// Where the virtual printer may write: the home folder of the account (as
// the password file has it, which need not be $HOME) or the anonymous one.
QFileInfoList PrintedFiles()
{
    QStringList dirs{QDir::homePath() + QStringLiteral("/PDF"), QStringLiteral("/var/spool/cups-pdf/ANONYMOUS")};
    if (const passwd* pw = getpwuid(getuid()))
        dirs << QString::fromLocal8Bit(pw->pw_dir) + QStringLiteral("/PDF");
    QFileInfoList all;
    for (const QString& d : dirs)
        all << QDir(d).entryInfoList({QStringLiteral("*.pdf")}, QDir::Files);
    std::sort(all.begin(), all.end(),
              [](const QFileInfo& a, const QFileInfo& b) { return a.lastModified() > b.lastModified(); });
    return all;
}

// The PDF that the virtual printer wrote for the last job, once complete.
QString WaitForPdf(const QDateTime& since)
{
    for (int i = 0; i < 300; ++i) {
        QTest::qWait(100);
        if (!Run(QStringLiteral("lpstat"), {QStringLiteral("-o")}).trimmed().isEmpty())
            continue;
        const QFileInfoList files = PrintedFiles();
        if (files.isEmpty() || files.front().lastModified() < since)
            continue;
        QFile f(files.front().absoluteFilePath());
        if (!f.open(QIODevice::ReadOnly))
            continue;
        if (f.readAll().trimmed().endsWith("%%EOF"))
            return files.front().absoluteFilePath();
    }
    return {};
}

const QString kFailBackend = QStringLiteral("/usr/lib/cups/backend/corvane-fail");

bool Running() { return Run(QStringLiteral("lpstat"), {QStringLiteral("-r")}).contains(QStringLiteral("is running")); }

QString Script(const char* name) { return QStringLiteral(CORVANE_SOURCE_DIR "/scripts/") + QLatin1String(name); }

QString PdfText(const QString& pdf)
{
    return Run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
}

} // namespace

class PrintQtTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init() { calc_ = std::make_unique<QtCalculator>(); }
    void cleanup()
    {
        calc_.reset();
        Restore();
    }

    void twoEyeOrderArrivesOnPaper();
    void rightEyeOnlyOrderPrintsDashes();
    void printingFailureKeepsTheOrder_data();
    void printingFailureKeepsTheOrder();
    void rejectedOrderLeavesAsPdf();
    void cancelPrintsNothing();

private:
    // Brings the server into a failing state; Restore() undoes every one.
    void Break(const QString& fault);
    static void Restore();
    static int CompletedJobs();
    void Calculate(bool leftEye);

    std::unique_ptr<QtCalculator> calc_;
};

void PrintQtTest::initTestCase()
{
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    // These tests print for real: without the server they fail, never skip.
    QVERIFY2(Run(QStringLiteral("lpstat"), {QStringLiteral("-r")}).contains(QStringLiteral("is running")),
             "no CUPS server: start one with scripts/printer.sh");
    QVERIFY2(Run(QStringLiteral("lpstat"), {QStringLiteral("-d")}).contains(QStringLiteral("PDF")),
             "the default printer is not the virtual PDF printer");
}

void PrintQtTest::Break(const QString& fault)
{
    auto admin = [](const char* command, const char* args) {
        Run(QLatin1String(command), QString::fromLatin1(args).split(QLatin1Char(' ')));
    };
    if (fault == QStringLiteral("stop")) {
        Run(QStringLiteral("bash"), {Script("printer.sh"), QStringLiteral("stop")});
        for (int i = 0; i < 50 && Running(); ++i)
            QTest::qWait(100);
        QVERIFY2(!Running(), "the print service was not started by scripts/printer.sh and cannot be stopped");
    } else if (fault == QStringLiteral("nodefault")) {
        // A printer removed while it is the default leaves none.
        admin("lpadmin", "-p CorvaneSpare -E -v file:/dev/null");
        admin("lpadmin", "-d CorvaneSpare");
        admin("lpadmin", "-x CorvaneSpare");
        QVERIFY(Run(QStringLiteral("lpstat"), {QStringLiteral("-d")}).contains(QStringLiteral("no system default")));
    } else if (fault == QStringLiteral("disable")) {
        admin("cupsdisable", "PDF");
    } else if (fault == QStringLiteral("reject")) {
        admin("cupsreject", "PDF");
    } else if (fault == QStringLiteral("broken")) {
        // A queue whose device fails every job, and gives the job up.
        QFile backend(kFailBackend);
        QVERIFY(backend.open(QIODevice::WriteOnly));
        backend.write(
            "#!/bin/sh\n[ $# -eq 0 ] && { echo 'direct corvane-fail \"Unknown\" \"Failing printer\"'; exit 0; }\n"
            "echo 'ERROR: the test printer fails every job' >&2\nexit 1\n");
        backend.close();
        backend.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup |
                               QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther);
        admin("lpadmin", "-p CorvaneBroken -E -v corvane-fail:/ -o printer-error-policy=abort-job");
        admin("lpadmin", "-d CorvaneBroken");
    }
}

// Leaves the shared server as the printing tests found it.
void PrintQtTest::Restore()
{
    if (!Running())
        Run(QStringLiteral("bash"), {Script("printer.sh"), QStringLiteral("start")});
    for (const char* command : {"cupsenable", "cupsaccept"})
        Run(QLatin1String(command), {QStringLiteral("PDF")});
    Run(QStringLiteral("lpadmin"), {QStringLiteral("-d"), QStringLiteral("PDF")});
    if (Run(QStringLiteral("lpstat"), {QStringLiteral("-p")}).contains(QStringLiteral("CorvaneBroken")))
        Run(QStringLiteral("lpadmin"), {QStringLiteral("-x"), QStringLiteral("CorvaneBroken")});
    QFile::remove(kFailBackend);
}

int PrintQtTest::CompletedJobs()
{
    return static_cast<int>(
        Run(QStringLiteral("lpstat"), {QStringLiteral("-W"), QStringLiteral("completed"), QStringLiteral("-o")})
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
        auto* special = f->findChild<QPlainTextEdit*>(QStringLiteral("txtSpecial"));
        special->setFocus();
        QTest::keyClicks(special, QStringLiteral("First line"));
        QTest::keyClick(special, Qt::Key_Return);
        QTest::keyClicks(special, QStringLiteral("Second line"));
        for (int i = 3; i <= 8; ++i) {
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
    QVERIFY2(!text.contains(QStringLiteral("Line 7")), "the special order runs past its box");
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
    Restore();
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
        calc_->driver.Then([file](QWidget* modal) {
            auto* dialog = qobject_cast<QFileDialog*>(modal);
            if (dialog == nullptr)
                return false;
            auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            name->setText(file);
            QTest::keyClick(name, Qt::Key_Return);
            return true;
        });
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

QTEST_MAIN(PrintQtTest)
#include "print_qt_test.moc"
