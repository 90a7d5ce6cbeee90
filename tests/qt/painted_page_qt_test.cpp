#include "order/order_page.h"
#include "print/artwork.h"
#include "print/page_painter.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QStyleFactory>
#include <QTest>

// The page and the pictures as the painter draws them on the screen.
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
    void everyTextIsDrawnInItsBox();
    void everyPictureIsDrawn_data();
    void everyPictureIsDrawn();
};

void PaintedPageQtTest::everyTextIsDrawnInItsBox()
{
    OrderRecord order;
    order.orderLeftEye = true;
    order.orderBC = {7.7, 7.1};
    order.orderPower = {{-2.5}, {0.5}};
    order.orderAccName = "Vision Care";
    order.orderAccNum = "AC-1";
    order.orderAccFax = "(555) 010-9999";
    order.orderPatName = "J. Doe";
    order.orderPatNum = "P-77";
    order.orderMaterial = "Comfort 02";
    order.orderColor = "Blue";
    order.orderEdgeThick = {EdgeThickness::Thin, EdgeThickness::Standard};
    order.orderCenterThick = {CenterThickness::Thick, CenterThickness::Standard};
    order.orderSpecial = "Polish both sides";
    const OrderPage page = MakeOrderPage(order, "10/12/2026", NumberFormat{'.'});
    constexpr double kScale = 1.0 / 15;
    QImage shot(static_cast<int>(page.width * kScale), static_cast<int>(page.height * kScale), QImage::Format_RGB32);
    QPainter painter(&shot);
    PaintPage(painter, page, kScale);
    painter.end();
    for (const PageText& text : page.texts) {
        const Box& b = text.box;
        const QRect box(static_cast<int>(b.left * kScale), static_cast<int>(b.top * kScale),
                        static_cast<int>(b.width * kScale), static_cast<int>(b.height * kScale));
        QVERIFY2(Marks(shot, box) > 10, text.name.c_str());
    }
}

void PaintedPageQtTest::everyPictureIsDrawn_data()
{
    using Paint = std::function<void(QPainter&, const QRectF&)>;
    QTest::addColumn<Paint>("paint");
    auto picture = [](PagePicture p) {
        return Paint([p](QPainter& painter, const QRectF& r) { PaintPicture(painter, p, r); });
    };
    QTest::newRow("logo") << picture(PagePicture::Logo);
    QTest::newRow("Corvane lens") << picture(PagePicture::CorvaneLens);
    QTest::newRow("Velto lens") << picture(PagePicture::VeltoLens);
    QTest::newRow("backdrop") << Paint(PaintBackdrop);
}

void PaintedPageQtTest::everyPictureIsDrawn()
{
    QFETCH(std::function<void(QPainter&, const QRectF&)>, paint);
    QImage shot(307, 108, QImage::Format_RGB32);
    shot.fill(Qt::white);
    QPainter painter(&shot);
    paint(painter, shot.rect());
    painter.end();
    QVERIFY(Marks(shot, shot.rect()) > 100);
}

} // namespace corvane::test

QTEST_MAIN(corvane::test::PaintedPageQtTest)
#include "painted_page_qt_test.moc"
