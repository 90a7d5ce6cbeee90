#include "print/artwork.h"

#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <array>
#include <cmath>

namespace corvane {
namespace {

// One row of faint ones and zeros, drawn once into a picture of its own in
// the painter's font, at the painter's resolution. Spaces as wide as digits
// keep the columns of a fixed-pitch face.
QImage DigitRow(const QPainter& p, int pattern, double width, double step)
{
    QString row;
    for (int i = 0; i < static_cast<int>(width / (step * 0.8)); ++i)
        row += ((pattern * 7 + i * 13 + (i * i) % 5) % 3 == 0) ? QStringLiteral("1 ") : QStringLiteral("0 ");
    const QFontMetricsF metrics(p.font(), p.device());
    QFont font = p.font();
    font.setWordSpacing(metrics.horizontalAdvance(QLatin1Char('0')) - metrics.horizontalAdvance(QLatin1Char(' ')));
    const double ratio = p.device()->devicePixelRatioF();
    QImage image(static_cast<int>(std::ceil(width * ratio)), static_cast<int>(std::ceil(metrics.height() * ratio)),
                 QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.setDotsPerMeterX(static_cast<int>(std::lround(p.device()->logicalDpiX() / 0.0254)));
    image.setDotsPerMeterY(static_cast<int>(std::lround(p.device()->logicalDpiY() / 0.0254)));
    image.fill(Qt::transparent);
    QPainter ink(&image);
    ink.setFont(font);
    ink.setPen(QColor(26, 50, 108));
    ink.drawText(QPointF(0, metrics.ascent()), row);
    return image;
}

// Faint rows of ones and zeros, in the painter's font (the window's own,
// whose glyphs are loaded already). Every third row is the same: three rows
// are drawn once and copied down the picture.
void PaintDigits(QPainter& p, const QRectF& r)
{
    const double step = std::max(6, static_cast<int>(r.height() / 40)) * 1.6;
    const std::array<QImage, 3> rows = {DigitRow(p, 0, r.width(), step), DigitRow(p, 1, r.width(), step),
                                        DigitRow(p, 2, r.width(), step)};
    const double ascent = QFontMetricsF(p.font(), p.device()).ascent();
    int n = 0;
    for (double y = r.top() + step; y < r.bottom(); y += step, ++n)
        p.drawImage(QPointF(r.left() + (n % 2) * step * 0.4, y - ascent), rows.at(n % 3));
}

// Dark blue, with faint ones and zeros and a column of five portraits, from
// a baby to an elderly woman, down the left edge.
void PaintBackground(QPainter& p, const QRectF& r)
{
    // Top to bottom: each line is one colour, filled at once.
    QLinearGradient sky(r.topLeft(), r.bottomLeft());
    sky.setColorAt(0.0, QColor(8, 24, 72));
    sky.setColorAt(1.0, QColor(4, 12, 44));
    p.fillRect(r, sky);
    PaintDigits(p, r);

    p.setRenderHint(QPainter::Antialiasing);
    const double column = r.width() * 0.16;
    const double slot = r.height() * 0.85 / 5;
    for (int i = 0; i < 5; ++i) {
        const double scale = 0.55 + 0.1 * i;
        const double cx = r.left() + column / 2;
        const double top = r.top() + slot * i + slot * 0.1;
        const double head = slot * 0.32 * scale;
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(44 + 10 * i, 76 + 8 * i, 150));
        p.drawEllipse(QPointF(cx, top + head), head, head * 1.15);
        QPainterPath shoulders;
        shoulders.moveTo(cx - head * 1.9, top + slot * 0.9);
        shoulders.quadTo(cx, top + head * 1.8, cx + head * 1.9, top + slot * 0.9);
        shoulders.closeSubpath();
        p.drawPath(shoulders);
        if (i == 4) {
            // Grey hair for the eldest.
            p.setBrush(QColor(150, 156, 176));
            p.drawChord(QRectF(cx - head, top - head * 0.1, head * 2, head * 1.4), 0, 180 * 16);
        }
    }
}

// A lens seen from the side: a thin meniscus.
void PaintLens(QPainter& p, const QRectF& r, const QColor& color)
{
    QPainterPath lens;
    lens.moveTo(r.left(), r.bottom());
    lens.quadTo(r.center().x(), r.top() - r.height() * 0.6, r.right(), r.bottom());
    lens.quadTo(r.center().x(), r.top() + r.height() * 0.1, r.left(), r.bottom());
    p.setPen(QPen(color.darker(140), std::max(1.0, r.height() / 30)));
    p.setBrush(color);
    p.drawPath(lens);
}

void PaintLogo(QPainter& p, const QRectF& r)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(16, 48, 120));
    p.drawRoundedRect(r, r.height() * 0.2, r.height() * 0.2);
    PaintLens(p, QRectF(r.left() + r.width() * 0.04, r.top() + r.height() * 0.3, r.height() * 0.9, r.height() * 0.45),
              QColor(120, 190, 255));
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(std::max(4, static_cast<int>(r.height() * 0.42)));
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(r.adjusted(r.height() * 1.05, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft, QStringLiteral("BRENWICK"));
}

void PaintLensType(QPainter& p, const QRectF& r, bool velto)
{
    p.setRenderHint(QPainter::Antialiasing);
    const QColor ink = velto ? QColor(120, 40, 140) : QColor(20, 70, 150);
    PaintLens(p, QRectF(r.left(), r.top() + r.height() * 0.2, r.height() * 1.1, r.height() * 0.5), ink.lighter(170));
    const QRectF text = r.adjusted(r.height() * 1.2, 0, 0, 0);
    const QString words = velto ? QStringLiteral("CORVANE VELTO\nRGP multifocal") : QStringLiteral("CORVANE");
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setItalic(true);
    // The largest size at which the words fit the picture.
    for (int px = std::max(4, static_cast<int>(r.height() * (velto ? 0.3 : 0.5))); px > 4; --px) {
        font.setPixelSize(px);
        const QRectF need = QFontMetricsF(font, p.device()).boundingRect(text, Qt::AlignLeft, words);
        if (need.width() <= text.width() * 0.95 && need.height() <= text.height())
            break;
    }
    p.setFont(font);
    p.setPen(ink);
    p.drawText(text, Qt::AlignVCenter | Qt::AlignLeft, words);
}

} // namespace

void PaintBackdrop(QPainter& painter, const QRectF& rect)
{
    painter.save();
    PaintBackground(painter, rect);
    painter.restore();
}

void PaintPicture(QPainter& painter, PagePicture picture, const QRectF& rect)
{
    painter.save();
    if (picture == PagePicture::Logo)
        PaintLogo(painter, rect);
    else
        PaintLensType(painter, rect, picture == PagePicture::VeltoLens);
    painter.restore();
}

} // namespace corvane
