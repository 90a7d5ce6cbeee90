#include "ui/qt/page_painter.h"

#include "ui/base/form.h"
#include "ui/qt/appearance.h"
#include "ui/qt/artwork.h"

#include <QPainter>
#include <QTextLayout>

#include <algorithm>

namespace corvane {
namespace {

QRectF Place(const Control& c, double s)
{
    double left = c.Geom().left;
    double top = c.Geom().top;
    for (const Control* f = c.Container(); f != nullptr; f = f->Container()) {
        left += f->Geom().left;
        top += f->Geom().top;
    }
    return QRectF(left * s, top * s, c.Geom().width * s, c.Geom().height * s);
}

QFont FontOf(const Control& c)
{
    const Style& s = c.GetStyle();
    QFont font;
    font.setFamilies(FontFamilies(s.fontName));
    font.setPointSizeF(s.fontSize);
    font.setBold(c.FontBold() || s.fontName == "Arial Black");
    return font;
}

// Wraps the text in its box, paragraph by paragraph, and draws on `p` (when
// given) the lines that stand wholly inside the box; lines that would reach
// below it are not drawn at all. Design metrics: a line breaks at the same
// word on the screen as on paper.
PageLines Wrap(const Control& c, const QRectF& r, QPaintDevice* device, QPainter* p)
{
    const QFont font = FontOf(c);
    const QFontMetricsF metrics(font, device);
    PageLines lines;
    lines.room = std::max(0, static_cast<int>((r.height() - metrics.height()) / metrics.lineSpacing()) + 1);
    double y = 0;
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    option.setUseDesignMetrics(true);
    const QStringList paragraphs = QString::fromStdString(c.Caption()).split(QLatin1Char('\n'));
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

// The control's font, made smaller (not below the smallest size) until the
// text fits its cell on one line, if it can.
QFont FittedFont(const Control& c, const QString& text, double width, QPaintDevice* device)
{
    QFont font = FontOf(c);
    for (double size = font.pointSizeF(); size > kSmallestPoints;) {
        if (QFontMetricsF(font, device).horizontalAdvance(text) <= width)
            break;
        size = std::max(kSmallestPoints, size - 0.25);
        font.setPointSizeF(size);
    }
    return font;
}

// How far down a label may write: to the top of the next control below it
// in its column, or to the page's bottom.
double RoomBelow(const Form& page, const Control& c, const QRectF& r, double s)
{
    double bottom = page.Height() * s;
    for (const auto& owned : page.Controls()) {
        const Control& d = *owned;
        if (&d == &c || !d.EffectivelyVisible())
            continue;
        const QRectF o = Place(d, s);
        if (o.top() > r.top() && o.left() < r.right() && o.right() > r.left())
            bottom = std::min(bottom, o.top());
    }
    return bottom - r.top();
}

// A label on one line, or, when it does not fit its cell even at the
// smallest size, wrapped onto as many lines as its row holds (the last one
// elided if that is not enough). Whatever its size, the first line stands
// on the baseline that the control's own size gives, as its caption does.
void PaintLine(QPainter& p, const Control& c, const QRectF& r, double room)
{
    const QString text = QString::fromStdString(c.Caption());
    const QFont font = FittedFont(c, text, r.width(), p.device());
    p.setFont(font);
    const QFontMetricsF metrics(font, p.device());
    const QFontMetricsF own(FontOf(c), p.device());
    const double baseline = r.top() + own.ascent();
    const double width = metrics.horizontalAdvance(text);
    if (width <= r.width()) {
        const Align align = c.GetStyle().align;
        const double x = align == Align::Center  ? r.left() + (r.width() - width) / 2
                         : align == Align::Right ? r.right() - width
                                                 : r.left();
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

void PaintLabel(QPainter& p, const Control& c, const QRectF& r, double room)
{
    p.setPen(Qt::black);
    if (c.GetStyle().wordWrap) {
        p.setFont(FontOf(c));
        Wrap(c, r, p.device(), &p);
        return;
    }
    PaintLine(p, c, r, room);
}

void PaintFrame(QPainter& p, const Control& c, const QRectF& r)
{
    QFont font = FontOf(c);
    p.setFont(font);
    const QFontMetricsF m(font, p.device());
    const double half = m.height() / 2;
    p.setPen(QPen(Qt::black, std::max(1.0, r.height() / 300)));
    p.setBrush(Qt::NoBrush);
    p.drawRect(r.adjusted(0, half, 0, 0));
    const QString caption = QString::fromStdString(c.Caption());
    const QRectF text(r.left() + m.averageCharWidth(), r.top(), m.horizontalAdvance(caption) + m.averageCharWidth(),
                      m.height());
    p.fillRect(text, Qt::white);
    p.drawText(text, Qt::AlignCenter | Qt::TextDontClip, caption);
}

} // namespace

PageLines WrappedLines(const Control& label, QPaintDevice* device, double s)
{
    return Wrap(label, Place(label, s), device, nullptr);
}

QRectF DrawnArea(const Form& page)
{
    QRectF area;
    for (const auto& owned : page.Controls())
        if (owned->EffectivelyVisible())
            area |= Place(*owned, 1.0);
    return area;
}

void PaintPage(QPainter& p, const Form& page, double s)
{
    p.save();
    p.fillRect(QRectF(0, 0, page.Width() * s, page.Height() * s), Qt::white);
    for (const auto& owned : page.Controls()) {
        const Control& c = *owned;
        if (!c.EffectivelyVisible())
            continue;
        const QRectF r = Place(c, s);
        switch (c.GetKind()) {
        case Kind::Label:
            PaintLabel(p, c, r, RoomBelow(page, c, r, s));
            break;
        case Kind::Frame:
            PaintFrame(p, c, r);
            break;
        case Kind::Image:
            PaintArtwork(p, c.GetStyle().picture, r);
            break;
        default:
            break;
        }
    }
    p.restore();
}

} // namespace corvane
