#include "order/order_forms.h"
#include "ui/base/form.h"
#include "ui/qt/form_view.h"
#include "ui/qt/qt_toolkit.h"

#include <QApplication>
#include <QImage>
#include <QStyleFactory>
#include <QTest>

Q_DECLARE_METATYPE(corvane::Picture)

// The Qt layer asks the form and its controls what to draw, never their
// names: a form that is a painted page gets no widgets, and an image control
// draws the picture it carries.
namespace corvane::test {
namespace {

// Pixels of the rectangle that differ from its top-left pixel.
int Marks(const QImage& image, const QRect& rect)
{
    const QRgb ground = image.pixel(rect.topLeft());
    int marks = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            marks += image.pixel(x, y) != ground ? 1 : 0;
    return marks;
}

} // namespace

class PaintedPageQtTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion"))); }
    void pageWindowIsPaintedNotBuilt();
    void imageDrawsThePictureItCarries_data();
    void imageDrawsThePictureItCarries();
};

void PaintedPageQtTest::pageWindowIsPaintedNotBuilt()
{
    QtToolkit toolkit;
    OrderRecord order;
    order.orderPatName = "J. Doe";
    OrderPageForm page(toolkit, order, NumberFormat{'.'});
    page.Form_Load();
    FormView view(page.GetForm(), nullptr);
    QVERIFY(view.findChildren<QWidget*>().isEmpty());
    const QImage shot = view.grab().toImage();
    QVERIFY(Marks(shot, shot.rect()) > 1000);

    // The same page as a plain form is built from widgets.
    page.GetForm().SetPaintedPage(false);
    FormView built(page.GetForm(), nullptr);
    QVERIFY(built.findChild<QWidget*>(QStringLiteral("lblPatName")) != nullptr);
}

void PaintedPageQtTest::imageDrawsThePictureItCarries_data()
{
    QTest::addColumn<Picture>("picture");
    QTest::addColumn<bool>("drawn");
    QTest::newRow("none") << Picture::None << false;
    QTest::newRow("logo") << Picture::Logo << true;
    QTest::newRow("Corvane lens") << Picture::CorvaneLens << true;
    QTest::newRow("Velto lens") << Picture::VeltoLens << true;
    QTest::newRow("background") << Picture::Background << true;
}

void PaintedPageQtTest::imageDrawsThePictureItCarries()
{
    QFETCH(Picture, picture);
    QFETCH(bool, drawn);
    // A name that no picture is known by: only the property decides.
    Form form("Test", "Test", 6000, 2400);
    form.SetBackColor(kWhite);
    Control& image = form.Add("imgAny", Kind::Image);
    image.SetGeom({240, 240, 4605, 1620});
    image.GetStyle().picture = picture;
    FormView view(form, nullptr);
    QWidget* widget = view.findChild<QWidget*>(QStringLiteral("imgAny"));
    QVERIFY(widget != nullptr);
    const QImage shot = widget->grab().toImage();
    QCOMPARE(Marks(shot, shot.rect()) > 100, drawn);
}

} // namespace corvane::test

QTEST_MAIN(corvane::test::PaintedPageQtTest)
#include "painted_page_qt_test.moc"
