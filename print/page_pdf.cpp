#include "print/page_pdf.h"

#include "lens/words.h"
#include "print/page_painter.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <cerrno>
#include <initializer_list>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace corvane {
namespace {

constexpr double kTwipsPerPoint = 20.0;
constexpr double kTopTwips = 720.0;

// The system's error codes behind each fault Qt can report by its text only.
struct FaultCodes {
    SaveFault fault;
    std::initializer_list<int> codes;
};

#ifdef Q_OS_WIN
const std::initializer_list<FaultCodes> kFaultCodes = {
    {SaveFault::NoPermission, {ERROR_ACCESS_DENIED, ERROR_WRITE_PROTECT, ERROR_SHARING_VIOLATION}},
    {SaveFault::DiskFull, {ERROR_DISK_FULL, ERROR_HANDLE_DISK_FULL}},
    {SaveFault::IsFolder, {ERROR_DIRECTORY}},
};
#else
const std::initializer_list<FaultCodes> kFaultCodes = {
    {SaveFault::NoPermission, {EACCES, EPERM, EROFS}},
    {SaveFault::DiskFull, {ENOSPC, EDQUOT}},
    {SaveFault::IsFolder, {EISDIR}},
};
#endif

SaveOutcome Failure(const QFile& file)
{
    const QString said = file.errorString();
    for (const FaultCodes& row : kFaultCodes)
        for (const int code : row.codes)
            if (said == qt_error_string(code))
                return {row.fault, said.toStdString()};
    return {SaveFault::Failed, said.toStdString()};
}

} // namespace

QPageSize RegionalPageSize()
{
    return QPageSize(QLocale::system().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter
                                                                                        : QPageSize::A4);
}

QPointF PagePlace(const OrderPage& page, const QSizeF& sheet, const QMarginsF& margins)
{
    const QRectF drawn = DrawnArea(page);
    const double width = page.width / kTwipsPerPoint;
    double left = std::max(0.0, (sheet.width() - width) / 2);
    left = std::min(left, sheet.width() - margins.right() - drawn.right() / kTwipsPerPoint);
    // Where the page is wider than the printable area its left side wins:
    // the captions stand there.
    left = std::max(left, margins.left() - drawn.left() / kTwipsPerPoint);
    const double top = std::max(kTopTwips / kTwipsPerPoint, margins.top() - drawn.top() / kTwipsPerPoint);
    return {left, top};
}

QByteArray PagePdf(const OrderPage& page, const QPageSize& size, const QMarginsF& margins)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setTitle(QString::fromStdString(English(Say::OrderDocument)));
        writer.setCreator(QString::fromStdString(English(Say::DocumentCreator)));
        writer.setPageLayout(QPageLayout(size, QPageLayout::Portrait, QMarginsF()));
        const double s = writer.resolution() / 1440.0;
        const QPointF place = PagePlace(page, size.size(QPageSize::Point), margins) * kTwipsPerPoint;
        QPainter painter(&writer);
        painter.translate(place * s);
        PaintPage(painter, page, s);
    }
    return bytes;
}

PageLines LinesOnPdfPage(const PageText& text)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    return WrappedLines(text, &writer, writer.resolution() / 1440.0);
}

SaveOutcome WritePagePdf(const OrderPage& page, const QString& path)
{
    const QFileInfo info(path);
    if (info.isDir())
        return {SaveFault::IsFolder, ""};
    const QByteArray pdf = PagePdf(page, RegionalPageSize());
    const bool existed = info.exists();
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return Failure(file);
    if (file.write(pdf) == pdf.size() && file.flush()) {
        file.close();
        if (file.error() == QFileDevice::NoError)
            return {};
    }
    SaveOutcome failed = Failure(file);
    file.close();
    // Leave no half-written order behind; a file that was there stays.
    if (!existed)
        QFile::remove(path);
    return failed;
}

} // namespace corvane
