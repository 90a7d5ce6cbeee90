#include "ui/qt/page_painter.h"

#include "ui/base/form.h"
#include "ui/qt/appearance.h"
#include "ui/qt/artwork.h"

#include <QPainter>
#include <QTextLayout>

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

// Wraps the text in its box, paragraph by paragraph; lines that would reach
// below the box are not drawn at all.
void PaintWrapped(QPainter& p, const Control& c, const QRectF& r)
{
    const QFont font = FontOf(c);
    const QFontMetricsF metrics(font, p.device());
    double y = 0;
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    const QStringList paragraphs = QString::fromStdString(c.Caption()).split(QLatin1Char('\n'));
    for (const QString& paragraph : paragraphs) {
        QTextLayout layout(QString(paragraph).remove(QLatin1Char('\r')), font, p.device());
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(r.width());
            line.setPosition(QPointF(0, y));
            y += metrics.lineSpacing();
        }
        layout.endLayout();
        for (int i = 0; i < layout.lineCount(); ++i) {
            const QTextLine line = layout.lineAt(i);
            if (line.y() + metrics.height() > r.height())
                return;
            line.draw(&p, r.topLeft());
        }
    }
}

// The smallest size a value is drawn at: 23 of the widest letters still fit
// a name cell, and it still reads on a fax.
constexpr double kSmallestPoints = 5.0;

// A value wider than its cell is drawn smaller until it fits, so that it
// never runs into the next column.
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

void PaintLabel(QPainter& p, const Control& c, const QRectF& r)
{
    const Style& s = c.GetStyle();
    p.setPen(Qt::black);
    if (s.wordWrap) {
        p.setFont(FontOf(c));
        PaintWrapped(p, c, r);
        return;
    }
    const QString text = QString::fromStdString(c.Caption());
    const QFont font = FittedFont(c, text, r.width(), p.device());
    p.setFont(font);
    const bool fits = QFontMetricsF(font, p.device()).horizontalAdvance(text) <= r.width();
    int flags = !fits                      ? Qt::AlignLeft
                : s.align == Align::Center ? Qt::AlignHCenter
                : s.align == Align::Right  ? Qt::AlignRight
                                           : Qt::AlignLeft;
    flags |= Qt::AlignTop | Qt::TextSingleLine;
    // Even at the smallest size a text that is still too wide (the fax
    // number has no length limit) ends at its cell's edge.
    p.save();
    if (!fits)
        p.setClipRect(r.adjusted(0, -r.height(), 0, r.height()));
    p.drawText(r, flags | Qt::TextDontClip, text);
    p.restore();
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
            PaintLabel(p, c, r);
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
