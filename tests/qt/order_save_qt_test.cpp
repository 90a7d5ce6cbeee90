#include "page_reader.h"
#include "qt_fixture.h"

#include "order/order_page.h"
#include "print/page_pdf.h"

#include <QDir>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QStyleFactory>
#include <QTemporaryDir>

#include <cerrno>

using namespace corvane;
using namespace corvane::test;

// Saving the order as a PDF: where the file dialog starts, what a file that
// cannot be written leaves, and the button that asks for it.
class OrderSaveQtTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup() { calc_.reset(); }

    void saveDialogStartsWhereTheLastOrderWent();
    void pdfNotWrittenKeepsTheWindow_data();
    void pdfNotWrittenKeepsTheWindow();
    void saveButtonSitsBesideCancelAndComesLast();

private:
    // Opens the order window for a right-eye lens and runs `act` in it; the
    // window is cancelled afterwards if `act` left it open.
    void InOrderWindow(const std::function<void(QWidget*)>& act);

    QTemporaryDir home_;
    std::unique_ptr<QtCalculator> calc_;
};

void OrderSaveQtTest::initTestCase()
{
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    qputenv("HOME", home_.path().toLocal8Bit());
    QDir(home_.path()).mkpath(QStringLiteral("Documents"));
}

void OrderSaveQtTest::init()
{
    calc_ = std::make_unique<QtCalculator>(std::make_unique<RecordingPrinter>());
    calc_->CalculateForOrder(false);
    QVERIFY(calc_->find("cmdPrint")->isEnabled());
}

void OrderSaveQtTest::InOrderWindow(const std::function<void(QWidget*)>& act)
{
    calc_->OpenOrder(act);
    QVERIFY(calc_->driver.Done());
}

void OrderSaveQtTest::saveDialogStartsWhereTheLastOrderWent()
{
    QTemporaryDir scratch;
    const QString elsewhere = QDir(scratch.filePath(QStringLiteral("clinic/orders"))).absolutePath();
    QVERIFY(QDir().mkpath(elsewhere));
    QStringList offered;
    // Saves the order into `file`, or cancels the dialog when it is empty.
    auto saveOrder = [&](const QString& file) {
        InOrderWindow([&](QWidget* f) {
            calc_->driver.SaveAs(file);
            QTest::mouseClick(f->findChild<QWidget*>(QStringLiteral("cmdSavePdf")), Qt::LeftButton);
        });
        offered << calc_->driver.offers.value(calc_->driver.offers.size() - 1).folder;
    };
    saveOrder(elsewhere + QStringLiteral("/first.pdf"));
    saveOrder(QString());
    saveOrder(QString());
    // A new run starts afresh.
    cleanup();
    init();
    saveOrder(QString());
    QVERIFY(QFileInfo::exists(elsewhere + QStringLiteral("/first.pdf")));
    QCOMPARE(offered.size(), 4);
    QVERIFY(offered[0] != elsewhere);
    QCOMPARE(offered[1], elsewhere);
    QCOMPARE(offered[2], elsewhere);
    QCOMPARE(offered[3], offered[0]);
}

void OrderSaveQtTest::pdfNotWrittenKeepsTheWindow_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("message");
    // A file on a full disk: a name that leads to the device that is always
    // full (none under Windows).
#ifdef Q_OS_WIN
    const QString full;
    const QString missing = QStringLiteral("C:/no/such/folder/order.pdf");
    const QString notFound = qt_error_string(3); // ERROR_PATH_NOT_FOUND
#else
    const QString full = QStringLiteral("full.pdf");
    const QString missing = QStringLiteral("/no/such/folder/order.pdf");
    const QString notFound = qt_error_string(ENOENT);
#endif
    QTest::newRow("disk full") << full
                               << "Error 61\nThe order could not be saved as a PDF: the disk is full; %1 was not "
                                  "written.";
    QTest::newRow("missing folder") << missing
                                    << "Error 75\nThe order could not be saved as a PDF: %1 could not be written (" +
                                           notFound + ").";
}

void OrderSaveQtTest::pdfNotWrittenKeepsTheWindow()
{
    QFETCH(QString, path);
    QFETCH(QString, message);
    if (path.isEmpty())
        QSKIP("no full disk to be had: Wine writes to Linux's always-full device without an error");
    if (QFileInfo(path).isRelative()) {
        path = home_.filePath(path);
        QFile::remove(path);
        QVERIFY(QFile::link(QStringLiteral("/dev/full"), path));
    }
    message = message.arg(path);
    bool open = false;
    QString kept;
    InOrderWindow([&](QWidget* f) {
        QTest::keyClicks(f->findChild<QLineEdit*>(QStringLiteral("txtAccNum")), QStringLiteral("AC-1"));
        calc_->driver.SaveAs(path);
        if (QFileInfo::exists(path))
            calc_->driver.PressInBox(QMessageBox::Yes); // replace it?
        calc_->driver.PressInBox(QMessageBox::Ok);
        QTest::mouseClick(f->findChild<QWidget*>(QStringLiteral("cmdSavePdf")), Qt::LeftButton);
        open = f->isVisible();
        kept = f->findChild<QLineEdit*>(QStringLiteral("txtAccNum"))->text();
    });
    QVERIFY(open);
    QCOMPARE(kept, QStringLiteral("AC-1"));
    QVERIFY(!calc_->driver.boxes.isEmpty());
    QCOMPARE(calc_->driver.boxes.back(), QStringLiteral("Order Form | ") + message);
    // Nothing was made on the way.
    if (QByteArray(QTest::currentDataTag()) == "missing folder")
        QVERIFY(!QFileInfo(path).dir().exists());

    // A folder is never written over.
    QCOMPARE(WritePagePdf(MakeOrderPage({}, "", NumberFormat{'.'}), home_.path()).fault, SaveFault::IsFolder);
}

void OrderSaveQtTest::saveButtonSitsBesideCancelAndComesLast()
{
    QStringList mnemonics;
    QRect save;
    QRect cancel;
    QList<QRect> others;
    QString lastInTabOrder;
    bool altVOpensTheDialog = false;
    InOrderWindow([&](QWidget* f) {
        for (auto* w : f->findChildren<QWidget*>()) {
            const QString text = w->property("text").toString() + w->property("title").toString();
            const qsizetype amp = text.indexOf(QLatin1Char('&'));
            if (amp >= 0 && w->isVisible())
                mnemonics << text.mid(amp + 1, 1).toUpper();
        }
        auto* button = f->findChild<QPushButton*>(QStringLiteral("cmdSavePdf"));
        save = button->geometry();
        cancel = f->findChild<QWidget*>(QStringLiteral("cmdCancel"))->geometry();
        for (auto* w : f->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (w != button && w->isVisible())
                others << w->geometry();
        f->findChild<QWidget*>(QStringLiteral("cmdChgCol"))->setFocus(Qt::TabFocusReason);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        lastInTabOrder = QApplication::focusWidget()->objectName();
        calc_->driver.SaveAs(QString());
        // A button's access key clicks it a moment later, as a user sees it.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_V, Qt::AltModifier);
        for (int i = 0; i < 100 && calc_->driver.offers.isEmpty(); ++i)
            QTest::qWait(20);
        altVOpensTheDialog = !calc_->driver.offers.isEmpty();
    });
    QCOMPARE(mnemonics.count(QStringLiteral("V")), 1);
    QVERIFY(altVOpensTheDialog);
    QCOMPARE(save.top(), cancel.top());
    QCOMPARE(save.size(), cancel.size());
    QVERIFY(save.right() < cancel.left());
    for (const QRect& r : others)
        QVERIFY(!r.intersects(save));
    QCOMPARE(lastInTabOrder, QStringLiteral("cmdSavePdf"));
}

QTEST_MAIN(OrderSaveQtTest)
#include "order_save_qt_test.moc"
