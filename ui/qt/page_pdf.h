#pragma once

#include "ui/base/toolkit.h"

#include <QByteArray>
#include <QPageSize>
#include <QString>

namespace corvane {

class Form;

// The paper of the user's region: Letter in the US, A4 elsewhere.
QPageSize RegionalPageSize();

// The page form as a one-page PDF on paper of the given size, drawn by the
// page painter (text stays text): centred across the sheet, half an inch
// from its top. Printing sends exactly these bytes.
QByteArray PagePdf(const Form& page, const QPageSize& size);

// Writes the page as a PDF file; the reason when the file cannot be written.
SaveOutcome WritePagePdf(const Form& page, const QString& path);

} // namespace corvane
