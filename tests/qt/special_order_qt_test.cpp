#include "page_reader.h"
#include "qt_fixture.h"

#include "order/order_page.h"

#include <QAbstractTextDocumentLayout>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextEdit>

#include <map>

using namespace corvane;
using namespace corvane::test;

namespace {

// The lines the order window's box shows for a text.
int WindowLines(QTextEdit* box, const QString& text)
{
    box->setPlainText(text);
    box->document()->documentLayout()->documentSize();
    int lines = 0;
    for (QTextBlock b = box->document()->begin(); b.isValid(); b = b.next())
        lines += b.layout()->lineCount();
    return lines;
}

// Line `n` of a special order, one word longer than the box is wide (or
// the longest that still fits, with `fits`).
QString OrderLine(QTextEdit* box, int n, bool fits)
{
    const QStringList words = {"edge", "lift", "0.2", "mm", "wider;", "polish", "both", "sides"};
    QString line = QStringLiteral("Line %1:").arg(n);
    for (int i = 0; i < 100; ++i) {
        const QString longer = line + QLatin1Char(' ') + words[i % words.size()];
        if (WindowLines(box, longer) > 1)
            return fits ? line : longer;
        line = longer;
    }
    return line;
}

} // namespace

// The special order as typed reaches the page whole, or the order window
// says that it does not fit before anything is printed or saved.
class SpecialOrderQtTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
        QApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    }
    void init()
    {
        auto printer = std::make_unique<RecordingPrinter>();
        printer_ = printer.get();
        calc_ = std::make_unique<QtCalculator>(std::move(printer));
        calc_->CalculateForOrder(false);
    }
    void cleanup() { calc_.reset(); }

    void tooLongIsToldAndKept();
    void sixWindowLinesAreSixPrintedLines();

private:
    std::unique_ptr<QtCalculator> calc_;
    RecordingPrinter* printer_ = nullptr;
};

void SpecialOrderQtTest::tooLongIsToldAndKept()
{
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("order.pdf"));
    QString typed;
    QString kept;
    bool open = false;
    calc_->OpenOrder([&](QWidget* f) {
        auto* box = f->findChild<QTextEdit*>(QStringLiteral("txtSpecial"));
        QStringList lines;
        for (int n = 1; n <= 6; ++n)
            lines << OrderLine(box, n, false);
        lines << QStringLiteral("Line 7: thank you");
        box->clear();
        box->setFocus();
        for (const QString& line : lines) {
            QTest::keyClicks(box, line);
            if (&line != &lines.last())
                QTest::keyClick(box, Qt::Key_Return);
        }
        typed = lines.join(QLatin1Char('\n'));
        calc_->driver.PressInBox(QMessageBox::Ok);
        QTest::mouseClick(f->findChild<QWidget*>(QStringLiteral("cmdPrint")), Qt::LeftButton);
        calc_->driver.PressInBox(QMessageBox::Ok);
        calc_->driver.SaveAs(file);
        QTest::mouseClick(f->findChild<QWidget*>(QStringLiteral("cmdSavePdf")), Qt::LeftButton);
        open = f->isVisible();
        kept = box->toPlainText();
    });
    QCOMPARE(printer_->calls, 0);
    QVERIFY(!QFileInfo::exists(file));
    QVERIFY(open);
    QCOMPARE(kept, typed);
    QCOMPARE(calc_->driver.boxes.size(), 2);
    QVERIFY2(calc_->driver.boxes[0].startsWith(QStringLiteral("Special order | The special order does not fit")),
             qPrintable(calc_->driver.boxes[0]));
    QCOMPARE(calc_->driver.boxes[1], calc_->driver.boxes[0]);
}

void SpecialOrderQtTest::sixWindowLinesAreSixPrintedLines()
{
    QStringList lines;
    int shown = 0;
    calc_->OpenOrder([&](QWidget* f) {
        auto* box = f->findChild<QTextEdit*>(QStringLiteral("txtSpecial"));
        for (int n = 1; n <= 6; ++n)
            lines << OrderLine(box, n, true);
        shown = WindowLines(box, lines.join(QLatin1Char('\n')));
        // Answers a "does not fit" (a failure here) instead of waiting on it.
        calc_->driver.PressInBox(QMessageBox::Ok);
        QTest::mouseClick(f->findChild<QWidget*>(QStringLiteral("cmdPrint")), Qt::LeftButton);
    });
    QCOMPARE(shown, 6);
    QCOMPARE(printer_->calls, 1);
    const PdfPage page = ReadPdf(printer_->pages.back().pdf);
    // The printed box's lines, top to bottom, as the laboratory reads them.
    std::map<int, QStringList> rows;
    for (const PdfWord& w : page.WordsIn(page.Cell(SpecialOrderText("").box)))
        rows[qRound(w.box.top())] << w.text;
    QStringList printed;
    for (const auto& [top, words] : rows)
        printed << words.join(QLatin1Char(' '));
    QCOMPARE(printed, lines);
}

QTEST_MAIN(SpecialOrderQtTest)
#include "special_order_qt_test.moc"
