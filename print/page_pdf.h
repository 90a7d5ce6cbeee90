#pragma once

#include "order/order_output.h"
#include "order/order_page.h"

#include <QByteArray>
#include <QMarginsF>
#include <QPageSize>
#include <QPointF>
#include <QSizeF>
#include <QString>

namespace corvane {

// The paper of the user's region: Letter in the US, A4 elsewhere.
QPageSize RegionalPageSize();

// Where the page's top left lands on a sheet (all in points): centred
// across the sheet, half an inch from its top, and moved as little as
// needed to bring everything drawn on it inside the margins that the
// printer cannot print on. At its own size: it is never scaled.
QPointF PagePlace(const OrderPage& page, const QSizeF& sheet, const QMarginsF& margins);

// The page as a one-page PDF on paper of the given size, drawn by the
// page painter (text stays text) at PagePlace. Printing sends exactly these
// bytes.
QByteArray PagePdf(const OrderPage& page, const QPageSize& size, const QMarginsF& margins = QMarginsF());

// How a wrapped text lies on that page.
PageLines LinesOnPdfPage(const PageText& text);

// Printing sends the PDF page: that page decides whether a text fits.
class PdfPageMeasure : public PageMeasure {
public:
    PageLines LinesOnPage(const PageText& text) override { return LinesOnPdfPage(text); }
};

// Writes the page as a PDF file; the reason when the file cannot be written.
SaveOutcome WritePagePdf(const OrderPage& page, const QString& path);

} // namespace corvane
