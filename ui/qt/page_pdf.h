#pragma once

#include "ui/base/toolkit.h"

#include <QByteArray>
#include <QMarginsF>
#include <QPageSize>
#include <QPointF>
#include <QSizeF>
#include <QString>

namespace corvane {

class Form;

// The paper of the user's region: Letter in the US, A4 elsewhere.
QPageSize RegionalPageSize();

// Where the page form's top left lands on a sheet (all in points): centred
// across the sheet, half an inch from its top, and moved as little as
// needed to bring everything drawn on it inside the margins that the
// printer cannot print on. At its own size: it is never scaled.
QPointF PagePlace(const Form& page, const QSizeF& sheet, const QMarginsF& margins);

// The page form as a one-page PDF on paper of the given size, drawn by the
// page painter (text stays text) at PagePlace. Printing sends exactly these
// bytes.
QByteArray PagePdf(const Form& page, const QPageSize& size, const QMarginsF& margins = QMarginsF());

// How a label's wrapped text lies on that page.
PageLines LinesOnPdfPage(const Control& label);

// Writes the page as a PDF file; the reason when the file cannot be written.
SaveOutcome WritePagePdf(const Form& page, const QString& path);

} // namespace corvane
