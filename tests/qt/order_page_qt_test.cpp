#include "page_reader.h"
#include "qt_fixture.h"

#include "order/lens_types.h"
#include "order/order_page.h"

#include <QComboBox>
#include <QDate>
#include <QDir>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QStandardPaths>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <QTextEdit>

#include <vector>

using namespace corvane;
using namespace corvane::test;

namespace {

// Every field of the order window at its longest, in wide letters; the
// fax number has no limit.
const QString kAccName = QStringLiteral("WWWWWWWWWWWWWWWWWWWWWWW");
const QString kAccNum = QStringLiteral("MWMWMWMWMWMWMWMWMWMWMW1");
const QString kAccFax = QStringLiteral("+44 (0)20 7946 0958 ext. 12345 or 12346");
const QString kPatName = QStringLiteral("Wilhelmina Montgomery-W");
const QString kPatNum = QStringLiteral("WWMM-0042-9876-5432-MMW");
const QString kMaterial = QStringLiteral("Menicon WMW 14");
const QString kColour = QStringLiteral("Misty Mauve 14");

void Click(QWidget* f, const char* name) { QTest::mouseClick(f->findChild<QWidget*>(name), Qt::LeftButton); }
void TypeInto(QWidget* f, const char* name, const QString& text)
{
    QTest::keyClicks(f->findChild<QWidget*>(QString::fromLatin1(name)), text);
}

} // namespace

// The order window and the page it prints, on a recording printer: no print
// service is needed.
class OrderPageQtTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup() { calc_.reset(); }

    void everyFieldReachesTheRecordAndThePage();
    void printFailureAnswers_data();
    void printFailureAnswers();
    void saveAsPdfWritesThePageWithoutPrinting();

private:
    // Fills every field of the order window (the note is answered OK).
    void FillEveryField(QWidget* f);
    // Opens the order window and runs `act` in it; cancels it if left open.
    void InOrderWindow(const std::function<void(QWidget*)>& act);
    // Checks that every value of the printed page stands whole in its cell.
    void CheckPage(const PdfPage& page, const OrderRecord& record);

    QTemporaryDir home_;
    RecordingPrinter* printer_ = nullptr;
    std::unique_ptr<QtCalculator> calc_;
};

void OrderPageQtTest::initTestCase()
{
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    qputenv("HOME", home_.path().toLocal8Bit());
    QDir(home_.path()).mkpath(QStringLiteral("Documents"));
}

void OrderPageQtTest::init()
{
    auto printer = std::make_unique<RecordingPrinter>();
    printer_ = printer.get();
    calc_ = std::make_unique<QtCalculator>(std::move(printer));
    calc_->CalculateForOrder(true);
    QVERIFY(calc_->find("cmdPrint")->isEnabled());
}

void OrderPageQtTest::InOrderWindow(const std::function<void(QWidget*)>& act)
{
    calc_->OpenOrder(act);
    QVERIFY(calc_->driver.Done());
}

void OrderPageQtTest::FillEveryField(QWidget* f)
{
    TypeInto(f, "txtAccName", kAccName + QStringLiteral("xyz"));
    TypeInto(f, "txtAccNum", kAccNum);
    TypeInto(f, "txtAccFax", kAccFax);
    TypeInto(f, "txtPatName", kPatName);
    TypeInto(f, "txtPatNum", kPatNum);
    Click(f, "optType_1");
    calc_->driver.PressInBox(QMessageBox::Ok);
    // Corvane Velto: Paragon HDS, four times Comfort 02, then Specify.
    for (int i = 0; i < 6; ++i)
        Click(f, "cmdChgMat");
    auto* mat = f->findChild<QLineEdit*>(QStringLiteral("txtMat"));
    mat->selectAll();
    QTest::keyClicks(mat, kMaterial);
    auto* col = f->findChild<QLineEdit*>(QStringLiteral("txtCol"));
    col->selectAll();
    QTest::keyClicks(col, kColour);
    f->findChild<QComboBox*>(QStringLiteral("cboEdgeThod"))->setCurrentIndex(2);
    f->findChild<QComboBox*>(QStringLiteral("cboEdgeThos"))->setCurrentIndex(0);
    f->findChild<QComboBox*>(QStringLiteral("cboCenterThod"))->setCurrentIndex(1);
    Click(f, "optDot_1");
    auto* special = f->findChild<QTextEdit*>(QStringLiteral("txtSpecial"));
    special->setFocus();
    QTest::keyClicks(special, QStringLiteral("First line"));
    QTest::keyClick(special, Qt::Key_Return);
    QTest::keyClicks(special, QStringLiteral("Second line"));
    for (int i = 3; i <= 6; ++i) {
        QTest::keyClick(special, Qt::Key_Return);
        QTest::keyClicks(special, QStringLiteral("Line %1").arg(i));
    }
}

void OrderPageQtTest::CheckPage(const PdfPage& page, const OrderRecord& o)
{
    QCOMPARE(page.pages, 1);
    const OrderPage form = MakeOrderPage(o, calc_->app.Today(), NumberFormat{'.'});
    // Each value with the caption of its row.
    const std::pair<const char*, const char*> values[] = {
        {"lblAccName", "Label14"},  {"lblAccNum", "Label13"},     {"lblAccfax", "Label16"},
        {"lblPatName", "Label12"},  {"lblPatNum", "Label18"},     {"lblMat", "Label22"},
        {"lblCol", "Label23"},      {"lblDot", "Label2"},         {"lblDate", "lblDate"},
        {"lblBC_0", "Label8"},      {"lblBC_1", "Label8"},        {"lblPow_0", "Label9"},
        {"lblPow_1", "Label9"},     {"lblDiam_0", "Label10"},     {"lblDiam_1", "Label10"},
        {"lblSeries_0", "Label11"}, {"lblSeries_1", "Label11"},   {"lblEdgeth_0", "Label26"},
        {"lblEdgeth_1", "Label26"}, {"lblCenterth_0", "Label27"}, {"lblCenterth_1", "Label27"}};
    // Where a word's baseline is in its box: the PDF gives the font's ascent
    // and descent.
    const QFontMetricsF font(QFont(QStringLiteral("Liberation Sans")));
    const double ascent = font.ascent() / (font.ascent() + font.descent());
    for (const auto& [name, captionName] : values) {
        const PageText& c = TextNamed(form, name);
        // A value that does not fit on one line wraps inside its row: its
        // cell reaches down to the next row (the rows are 360 twips apart).
        Box row = c.box;
        row.height = 360;
        QStringList crossing;
        const QString text = page.TextIn(page.Cell(row), &crossing);
        QVERIFY2(QString(text).remove(QLatin1Char(' ')) == QString::fromStdString(c.text).remove(QLatin1Char(' ')),
                 qPrintable(QStringLiteral("%1: \"%2\" in its row").arg(QLatin1String(name), text)));
        QVERIFY2(crossing.isEmpty(), qPrintable(QLatin1String(name) + QStringLiteral(" crosses its cell: ") +
                                                crossing.join(QLatin1Char(' '))));
        const QList<PdfWord> caption = page.WordsIn(page.Cell(TextNamed(form, captionName).box));
        const QList<PdfWord> value = page.WordsIn(page.Cell(row));
        if (caption.isEmpty() || value.isEmpty())
            continue;
        // Never below 7.5 points, its caption's 9.75 points being the measure.
        const double captionHeight = caption[0].box.height();
        const double captionBase = caption[0].box.top() + ascent * captionHeight;
        for (const PdfWord& w : value)
            QVERIFY2(
                w.box.height() >= captionHeight * 7.5 / 9.75 - 0.05,
                qPrintable(QStringLiteral("%1: \"%2\" is smaller than 7.5 points").arg(QLatin1String(name), w.text)));
        // The first line stands on the caption's baseline.
        const PdfWord& first = *std::min_element(
            value.begin(), value.end(), [](const PdfWord& a, const PdfWord& b) { return a.box.top() < b.box.top(); });
        QVERIFY2(qAbs(first.box.top() + ascent * first.box.height() - captionBase) < 0.3,
                 qPrintable(
                     QStringLiteral("%1: \"%2\" is off its caption's baseline").arg(QLatin1String(name), first.text)));
    }
    QCOMPARE(page.TextIn(page.Cell(TextNamed(form, "lblSpecial").box)),
             QString::fromStdString(o.orderSpecial).replace(QLatin1Char('\n'), QLatin1Char(' ')));
}

void OrderPageQtTest::everyFieldReachesTheRecordAndThePage()
{
    InOrderWindow([this](QWidget* f) {
        FillEveryField(f);
        Click(f, "cmdPrint");
    });
    QVERIFY(calc_->driver.boxes.size() == 1); // the note only
    QCOMPARE(printer_->pages.size(), std::size_t{1});
    const OrderRecord& o = calc_->app.Order();
    QVERIFY(o.orderLeftEye);
    QCOMPARE(o.orderBC, (PerEye<double>{7.7, 7.1}));
    QCOMPARE(o.orderPower, (PerEye<OrderPower>{{-2.5}, {0.5}}));
    QCOMPARE(o.orderDiam, (PerEye<double>{9.2, 9.2}));
    QCOMPARE(o.orderSeries, (PerEye<int>{2, 3}));
    QCOMPARE(QString::fromStdString(o.orderAccName), kAccName);
    QCOMPARE(QString::fromStdString(o.orderAccNum), kAccNum);
    QCOMPARE(QString::fromStdString(o.orderAccFax), kAccFax);
    QCOMPARE(QString::fromStdString(o.orderPatName), kPatName);
    QCOMPARE(QString::fromStdString(o.orderPatNum), kPatNum);
    QCOMPARE(QString::fromStdString(o.orderMaterial), kMaterial);
    QCOMPARE(QString::fromStdString(o.orderColor), kColour);
    QCOMPARE(o.orderLensType, LensType::Velto);
    QCOMPARE(o.orderEdgeThick, (PerEye<EdgeThickness>{EdgeThickness::MinusCarrier, EdgeThickness::Thin}));
    QCOMPARE(o.orderCenterThick, (PerEye<CenterThickness>{CenterThickness::Thick, CenterThickness::Standard}));
    QVERIFY(!o.orderDot);
    QCOMPARE(o.orderSpecial, std::string("First line\nSecond line\nLine 3\nLine 4\nLine 5\nLine 6"));

    const auto& texts = printer_->pages[0].texts;
    QCOMPARE(texts.at(QStringLiteral("lblDate")),
             QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat));
    QVERIFY(texts.count(QStringLiteral("imgVelto")) == 1 && texts.count(QStringLiteral("imgCOR")) == 0);
    CheckPage(ReadPdf(printer_->pages[0].pdf), o);
}

void OrderPageQtTest::printFailureAnswers_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("saved");
    QTest::newRow("No stays") << "No" << false;
    QTest::newRow("Esc, then No, stays") << "Esc" << false;
    QTest::newRow("close box, then No, stays") << "close" << false;
    QTest::newRow("Yes, then Cancel in the file dialog, stays") << "Yes-cancel" << false;
    QTest::newRow("Yes saves the PDF and ends the order") << "Yes" << true;
}

void OrderPageQtTest::printFailureAnswers()
{
    QFETCH(QString, answer);
    QFETCH(bool, saved);
    printer_->outcome = {PrintFault::NotAccepting, "Front desk", ""};
    const QString file = home_.filePath(QStringLiteral("failed-print.pdf"));
    QFile::remove(file);
    QString box;
    QString kept;
    bool open = false;
    InOrderWindow([&](QWidget* f) {
        TypeInto(f, "txtPatName", QStringLiteral("Jane Doe"));
        calc_->driver.Then([&](QWidget* modal) {
            auto* msg = qobject_cast<QMessageBox*>(modal);
            if (msg == nullptr)
                return false;
            box = msg->text();
            if (answer == QStringLiteral("Esc"))
                QTest::keyClick(msg, Qt::Key_Escape);
            else if (answer == QStringLiteral("close"))
                msg->close();
            else
                QTest::mouseClick(msg->button(answer == QStringLiteral("No") ? QMessageBox::No : QMessageBox::Yes),
                                  Qt::LeftButton);
            // Esc and the close box leave a Yes/No question open; No ends it.
            if (msg->isVisible())
                QTest::mouseClick(msg->button(QMessageBox::No), Qt::LeftButton);
            return true;
        });
        if (answer.startsWith(QStringLiteral("Yes")))
            calc_->driver.SaveAs(answer == QStringLiteral("Yes") ? file : QString());
        Click(f, "cmdPrint");
        open = f->isVisible();
        kept = f->findChild<QLineEdit*>(QStringLiteral("txtPatName"))->text();
    });
    QCOMPARE(box, QStringLiteral("Error 482\nThe order could not be printed: the printer Front desk is not accepting "
                                 "jobs.\n\nSave the order as a PDF instead?"));
    QCOMPARE(open, !saved);
    QCOMPARE(kept, QStringLiteral("Jane Doe"));
    QCOMPARE(QFile::exists(file), saved);
    QVERIFY(printer_->pages.empty());
    if (saved)
        CheckPage(ReadPdf(file), calc_->app.Order());
}

void OrderPageQtTest::saveAsPdfWritesThePageWithoutPrinting()
{
    const QString file = home_.filePath(QStringLiteral("Documents/order.pdf"));
    bool open = true;
    InOrderWindow([&](QWidget* f) {
        FillEveryField(f);
        calc_->driver.SaveAs(file);
        Click(f, "cmdSavePdf");
        open = f->isVisible();
    });
    QVERIFY(!open);
    QCOMPARE(printer_->calls, 0);
    QCOMPARE(calc_->driver.offers.size(), 1);
    QCOMPARE(calc_->driver.offers[0].folder, QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    const QString date = QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat);
    QCOMPARE(
        calc_->driver.offers[0].name,
        QStringLiteral("Order %1 %2.pdf").arg(kPatName, QString(date).replace(QLatin1Char('/'), QLatin1Char('-'))));
    CheckPage(ReadPdf(file), calc_->app.Order());
}

QTEST_MAIN(OrderPageQtTest)
#include "order_page_qt_test.moc"
