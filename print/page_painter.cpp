#include "print/page_painter.h"

#include "print/artwork.h"
#include "print/typefaces.h"

#include <QPainter>
#include <QTextLayout>

#include <algorithm>
#include <vector>

namespace corvane {
namespace {

QRectF Place(const Box& b, double s) { return QRectF(b.left * s, b.top * s, b.width * s, b.height * s); }

QFont FontOf(const PageFont& f)
{
    QFont font;
    font.setFamilies(FontFamilies(f.face));
    font.setPointSizeF(f.points);
    font.setBold(f.bold);
    return font;
}

// Wraps the text in its box, paragraph by paragraph, and draws on `p` (when
// given) the lines that stand wholly inside the box; lines that would reach
// below it are not drawn at all. Design metrics: a line breaks at the same
// word on the screen as on paper.
PageLines Wrap(const PageText& t, const QRectF& r, QPaintDevice* device, QPainter* p)
{
    const QFont font = FontOf(t.font);
    const QFontMetricsF metrics(font, device);
    PageLines lines;
    lines.room = std::max(0, static_cast<int>((r.height() - metrics.height()) / metrics.lineSpacing()) + 1);
    double y = 0;
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    option.setUseDesignMetrics(true);
    const QStringList paragraphs = QString::fromStdString(t.text).split(QLatin1Char('\n'));
    for (const QString& paragraph : paragraphs) {
        QTextLayout layout(QString(paragraph).remove(QLatin1Char('\r')), font, device);
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(r.width());
            line.setPosition(QPointF(0, y));
            y += metrics.lineSpacing();
        }
        layout.endLayout();
        lines.needed += layout.lineCount();
        for (int i = 0; i < layout.lineCount() && p != nullptr; ++i) {
            const QTextLine line = layout.lineAt(i);
            if (line.y() + metrics.height() <= r.height())
                line.draw(p, r.topLeft());
        }
    }
    return lines;
}

// The smallest size a value is drawn at: it still reads on a fax.
constexpr double kSmallestPoints = 7.5;

// The text's font, made smaller (not below the smallest size) until the
// text fits its cell on one line, if it can.
QFont FittedFont(const PageFont& f, const QString& text, double width, QPaintDevice* device)
{
    QFont font = FontOf(f);
    for (double size = font.pointSizeF(); size > kSmallestPoints;) {
        if (QFontMetricsF(font, device).horizontalAdvance(text) <= width)
            break;
        size = std::max(kSmallestPoints, size - 0.25);
        font.setPointSizeF(size);
    }
    return font;
}

// Every box drawn on the page.
std::vector<Box> Boxes(const OrderPage& page)
{
    std::vector<Box> boxes;
    for (const PageText& t : page.texts)
        boxes.push_back(t.box);
    for (const PageFrame& f : page.frames)
        boxes.push_back(f.box);
    for (const PagePictureAt& p : page.pictures)
        boxes.push_back(p.box);
    return boxes;
}

// How far down a text may write: to the top of the next box below it in
// its column, or to the page's bottom.
double RoomBelow(const OrderPage& page, const QRectF& r, double s)
{
    double bottom = page.height * s;
    for (const Box& box : Boxes(page)) {
        const QRectF o = Place(box, s);
        if (o.top() > r.top() && o.left() < r.right() && o.right() > r.left())
            bottom = std::min(bottom, o.top());
    }
    return bottom - r.top();
}

// A text on one line, or, when it does not fit its cell even at the
// smallest size, wrapped onto as many lines as its row holds (the last one
// elided if that is not enough). Whatever its size, the first line stands
// on the baseline that the text's own size gives, as its caption does.
void PaintLine(QPainter& p, const PageText& t, const QRectF& r, double room)
{
    const QString text = QString::fromStdString(t.text);
    const QFont font = FittedFont(t.font, text, r.width(), p.device());
    p.setFont(font);
    const QFontMetricsF metrics(font, p.device());
    const QFontMetricsF own(FontOf(t.font), p.device());
    const double baseline = r.top() + own.ascent();
    const double width = metrics.horizontalAdvance(text);
    if (width <= r.width()) {
        const double x = t.centred ? r.left() + (r.width() - width) / 2 : r.left();
        p.drawText(QPointF(x, baseline), text);
        return;
    }
    QTextLayout layout(text, font, p.device());
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine())
        line.setLineWidth(r.width());
    layout.endLayout();
    for (int i = 0; i < layout.lineCount(); ++i) {
        const double y = baseline + i * metrics.lineSpacing();
        const bool last = i + 1 == layout.lineCount();
        // The next row's letters start below its top, as far as that of the
        // line above: descenders may reach there.
        const bool roomForNext =
            y + metrics.lineSpacing() + metrics.descent() <= r.top() + room + own.ascent() - 1.05 * own.capHeight();
        const QTextLine line = layout.lineAt(i);
        if (last || roomForNext) {
            p.drawText(QPointF(r.left(), y), text.mid(line.textStart(), line.textLength()).trimmed());
            continue;
        }
        p.drawText(QPointF(r.left(), y), metrics.elidedText(text.mid(line.textStart()), Qt::ElideRight, r.width()));
        return;
    }
}

void PaintText(QPainter& p, const PageText& t, const QRectF& r, double room)
{
    p.setPen(Qt::black);
    if (t.wrapped) {
        p.setFont(FontOf(t.font));
        Wrap(t, r, p.device(), &p);
        return;
    }
    PaintLine(p, t, r, room);
}

void PaintFrame(QPainter& p, const PageFrame& f, const QRectF& r)
{
    const QFont font = FontOf(PageFont{});
    p.setFont(font);
    const QFontMetricsF m(font, p.device());
    const double half = m.height() / 2;
    p.setPen(QPen(Qt::black, std::max(1.0, r.height() / 300)));
    p.setBrush(Qt::NoBrush);
    p.drawRect(r.adjusted(0, half, 0, 0));
    const QString caption = QString::fromStdString(f.caption);
    const QRectF text(r.left() + m.averageCharWidth(), r.top(), m.horizontalAdvance(caption) + m.averageCharWidth(),
                      m.height());
    p.fillRect(text, Qt::white);
    p.drawText(text, Qt::AlignCenter | Qt::TextDontClip, caption);
}

} // namespace

PageLines WrappedLines(const PageText& text, QPaintDevice* device, double s)
{
    return Wrap(text, Place(text.box, s), device, nullptr);
}

QRectF DrawnArea(const OrderPage& page)
{
    QRectF area;
    for (const Box& box : Boxes(page))
        area |= Place(box, 1.0);
    return area;
}

void PaintPage(QPainter& p, const OrderPage& page, double s)
{
    p.save();
    p.fillRect(QRectF(0, 0, page.width * s, page.height * s), Qt::white);
    for (const PagePictureAt& picture : page.pictures)
        PaintPicture(p, picture.picture, Place(picture.box, s));
    for (const PageFrame& frame : page.frames)
        PaintFrame(p, frame, Place(frame.box, s));
    for (const PageText& text : page.texts) {
        const QRectF r = Place(text.box, s);
        PaintText(p, text, r, RoomBelow(page, r, s));
    }
    p.restore();
}

} // namespace corvane
