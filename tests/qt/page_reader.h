#pragma once

#include "order/order_page.h"
#include "print/page_printer.h"

#include <QList>
#include <QRectF>
#include <QString>
#include <QStringList>

#include <map>
#include <vector>

namespace corvane::test {

// A word of a PDF page as pdftotext finds it, in points from the top left.
struct PdfWord {
    QString text;
    QRectF box;
};

// The first page of a PDF read back as a laboratory would: its size and
// words.
struct PdfPage {
    QSizeF size;
    QList<PdfWord> words;
    int pages = 0;

    // Where a box of the order page (twips) lies on this sheet: the page is
    // centred across it, half an inch from the top.
    QRectF Cell(const Box& g) const;
    // The words standing in a cell, in reading order; `outside` gets those
    // whose centre is in the cell's row but which cross its left or right
    // edge.
    QString TextIn(const QRectF& cell, QStringList* outside = nullptr) const;
    QString AllText() const;
    // The words whose centre is in the cell, as they come.
    QList<PdfWord> WordsIn(const QRectF& cell) const;
};

PdfPage ReadPdf(const QString& path);
PdfPage ReadPdf(const QByteArray& pdf);

// A printer that prints nothing: it records each page (its texts and
// pictures by name, and the PDF that would go to the printer) or fails as
// told, and answers at once.
class RecordingPrinter : public Printer {
public:
    struct Page {
        std::map<QString, QString> texts;
        QByteArray pdf;
    };
    void Print(const OrderPage& page, PrintAnswer answer, PrintLostHandler whenLost) override;

    PrintOutcome outcome;
    std::vector<Page> pages;
    int calls = 0;
};

} // namespace corvane::test
