#include "page_painter.h"

#include "ui/form.h"
#include "ui/qt/artwork.h"
#include "ui/qt/widget_binding.h"

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

void PaintLabel(QPainter& p, const Control& c, const QRectF& r)
{
    const Style& s = c.GetStyle();
    p.setFont(FontOf(c));
    p.setPen(Qt::black);
    int flags = s.align == Align::Center ? Qt::AlignHCenter : s.align == Align::Right ? Qt::AlignRight : Qt::AlignLeft;
    if (s.wordWrap) {
        PaintWrapped(p, c, r);
        return;
    }
    flags |= Qt::AlignTop | Qt::TextDontClip | Qt::TextSingleLine;
    p.drawText(r, flags, QString::fromStdString(c.Caption()));
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
            PaintArtwork(p, c.Name(), r);
            break;
        default:
            break;
        }
    }
    p.restore();
}

} // namespace corvane
