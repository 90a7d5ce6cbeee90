// Printing through Windows' own printing, under Wine, whose spooler offers
// the print service's printers. scripts/windows-print-check.sh arranges the
// printer for each function and runs it alone: `printsTheOrder` on a ready
// default printer (the script reads the printed page back) and on a
// stopped one (Wine shows Windows programs no stopped state: the job waits
// in the queue), `toldWhenNoPrinter` with no printer at all.
#include "qt_fixture.h"

#include "print/page_pdf.h"
#include "print/page_printer.h"

#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QStyleFactory>

using namespace corvane;
using namespace corvane::test;

namespace {

// The system's printer, with a copy of every page it is given written where
// CORVANE_SENT_PAGE says, for the page that comes out to be compared with,
// and the time from Print to its answer.
class KeepingPrinter : public Printer {
public:
    void Print(const OrderPage& page, PrintAnswer answer, PrintLostHandler whenLost) override
    {
        QElapsedTimer clock;
        clock.start();
        QFile sent(qEnvironmentVariable("CORVANE_SENT_PAGE"));
        if (!sent.fileName().isEmpty() && sent.open(QIODevice::WriteOnly))
            sent.write(PagePdf(page, RegionalPageSize()));
        printer_->Print(
            page,
            [this, clock, answer = std::move(answer)](const PrintOutcome& outcome) {
                printMs = clock.elapsed();
                answered = true;
                answer(outcome);
            },
            std::move(whenLost));
    }
    qint64 printMs = 0;
    bool answered = false;

private:
    std::unique_ptr<Printer> printer_ = MakeDefaultPrinter();
};

// Counts the paintings of a window.
class PaintCounter : public QObject {
public:
    int paints = 0;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        paints += event->type() == QEvent::Paint ? 1 : 0;
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

class WindowsPrintQtTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion"))); }
    void init()
    {
        auto printer = std::make_unique<KeepingPrinter>();
        printer_ = printer.get();
        calc_ = std::make_unique<QtCalculator>(std::move(printer));
        calc_->CalculateForOrder(true);
        QVERIFY(calc_->find("cmdPrint")->isEnabled());
    }
    void cleanup() { calc_.reset(); }

    void printsTheOrder();
    void toldWhenNoPrinter();

private:
    // Fills the order and presses "&Print"; the box that Print shows when
    // `told` is answered No. Returns whether the order window is still open.
    bool PrintOrder(bool told);

    std::unique_ptr<QtCalculator> calc_;
    KeepingPrinter* printer_ = nullptr;
    int paintsMeanwhile_ = 0;
};

bool WindowsPrintQtTest::PrintOrder(bool told)
{
    bool open = false;
    calc_->OpenOrder([&](QWidget* f) {
        if (told)
            calc_->driver.Then([this](QWidget* modal) {
                auto* box = qobject_cast<QMessageBox*>(modal);
                if (box == nullptr)
                    return false;
                calc_->driver.boxes << box->text();
                QTest::mouseClick(box->button(QMessageBox::No), Qt::LeftButton);
                return true;
            });
        QTest::keyClicks(f->findChild<QLineEdit*>(QStringLiteral("txtAccName")), QStringLiteral("Vision Care"));
        QTest::keyClicks(f->findChild<QLineEdit*>(QStringLiteral("txtPatName")), QStringLiteral("Jane Doe"));
        QTest::keyClicks(f->findChild<QLineEdit*>(QStringLiteral("txtPatNum")), QStringLiteral("P-77"));
        // The windows are asked to repaint all along; a Print that blocks
        // the event loop lets none of it through.
        PaintCounter counter;
        f->installEventFilter(&counter);
        QTimer repaint;
        connect(&repaint, &QTimer::timeout, f, qOverload<>(&QWidget::update));
        repaint.start(50);
        QTest::mouseClick(f->findChild<QPushButton*>(QStringLiteral("cmdPrint")), Qt::LeftButton);
        // Print returns at once; the printer answers within about a second.
        [[maybe_unused]] const bool answered = QTest::qWaitFor([this] { return printer_->answered; }, 5000);
        paintsMeanwhile_ = counter.paints;
        open = f->isVisible();
        f->removeEventFilter(&counter);
    });
    return open;
}

void WindowsPrintQtTest::printsTheOrder()
{
    QVERIFY(!PrintOrder(false));
    QVERIFY(calc_->driver.Done());
    QVERIFY2(calc_->driver.boxes.isEmpty(), qPrintable(calc_->driver.boxes.join(QLatin1Char('\n'))));
    QVERIFY(calc_->view()->isVisible());
    qInfo("The printer answered after %lld ms, the order window painted %d times meanwhile",
          static_cast<long long>(printer_->printMs), paintsMeanwhile_);
    QVERIFY(printer_->answered);
    QVERIFY2(printer_->printMs < 200 || paintsMeanwhile_ > 0, "the windows did not repaint while Print ran");
}

void WindowsPrintQtTest::toldWhenNoPrinter()
{
    QVERIFY(PrintOrder(true));
    QCOMPARE(calc_->driver.boxes,
             QStringList{QStringLiteral("Error 482\nThe order could not be printed: no default printer is set up.\n\n"
                                        "Save the order as a PDF instead?")});
}

QTEST_MAIN(WindowsPrintQtTest)
#include "windows_print_qt_test.moc"
