#include "page_reader.h"

#include "print/page_pdf.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QThread>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

#include <algorithm>

namespace corvane::test {
namespace {

QString Unescaped(QString s)
{
    s.replace(QStringLiteral("&lt;"), QStringLiteral("<"));
    s.replace(QStringLiteral("&gt;"), QStringLiteral(">"));
    s.replace(QStringLiteral("&quot;"), QStringLiteral("\""));
    s.replace(QStringLiteral("&#39;"), QStringLiteral("'"));
    s.replace(QStringLiteral("&amp;"), QStringLiteral("&"));
    return s;
}

// The path that pdftotext understands. Under Wine it is the Linux program,
// which knows nothing of drive letters.
QString ReaderPath(const QString& path)
{
#ifdef Q_OS_WIN
    using UnixName = char*(__cdecl*)(const wchar_t*);
    const auto unixName = reinterpret_cast<UnixName>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32"), "wine_get_unix_file_name")));
    if (unixName != nullptr) {
        const std::wstring native = QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath()).toStdWString();
        if (char* name = unixName(native.c_str())) {
            const QString converted = QString::fromLocal8Bit(name);
            HeapFree(GetProcessHeap(), 0, name);
            return converted;
        }
    }
#endif
    return path;
}

// pdftotext's page, words and places, as HTML. It writes into a file: under
// Wine a Windows program can neither wait for a Linux program's end nor
// read its output, so the file is read once it is whole.
QString BoxedWords(const QString& path)
{
    QTemporaryDir dir;
    const QString html = dir.filePath(QStringLiteral("page.html"));
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), ReaderPath(path), ReaderPath(html)});
    p.waitForFinished(30000);
    for (int i = 0; i < 300; ++i) {
        QFile file(html);
        if (file.open(QIODevice::ReadOnly)) {
            QString text = QString::fromUtf8(file.readAll());
            if (text.contains(QStringLiteral("</html>")))
                return text;
        }
        QThread::msleep(100);
    }
    return {};
}

} // namespace

PdfPage ReadPdf(const QString& path)
{
    const QString html = BoxedWords(path);
    PdfPage page;
    static const QRegularExpression pageTag(QStringLiteral("<page width=\"([0-9.]+)\" height=\"([0-9.]+)\">"));
    static const QRegularExpression wordTag(QStringLiteral(
        "<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" xMax=\"([0-9.]+)\" yMax=\"([0-9.]+)\">([^<]*)</word>"));
    const qsizetype second = html.indexOf(pageTag, html.indexOf(pageTag) + 1);
    for (auto it = pageTag.globalMatch(html); it.hasNext(); it.next())
        ++page.pages;
    const QRegularExpressionMatch first = pageTag.match(html);
    if (first.hasMatch())
        page.size = QSizeF(first.captured(1).toDouble(), first.captured(2).toDouble());
    for (auto it = wordTag.globalMatch(html.left(second < 0 ? html.size() : second)); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        const QPointF topLeft(m.captured(1).toDouble(), m.captured(2).toDouble());
        const QPointF bottomRight(m.captured(3).toDouble(), m.captured(4).toDouble());
        page.words.append({Unescaped(m.captured(5)), QRectF(topLeft, bottomRight)});
    }
    return page;
}

PdfPage ReadPdf(const QByteArray& pdf)
{
    QTemporaryFile file;
    file.open();
    file.write(pdf);
    file.flush();
    return ReadPdf(file.fileName());
}

QRectF PdfPage::Cell(const Box& g) const
{
    const double left = (size.width() - 11430 / 20.0) / 2;
    return QRectF(left + g.left / 20.0, 36 + g.top / 20.0, g.width / 20.0, g.height / 20.0);
}

QString PdfPage::TextIn(const QRectF& cell, QStringList* outside) const
{
    QList<PdfWord> in;
    for (const PdfWord& w : words) {
        const QPointF c = w.box.center();
        if (c.y() < cell.top() || c.y() > cell.bottom())
            continue;
        const bool inside = c.x() >= cell.left() && c.x() <= cell.right();
        const bool crosses = w.box.left() < cell.left() - 0.5 || w.box.right() > cell.right() + 0.5;
        if (inside)
            in.append(w);
        if (outside != nullptr && crosses && w.box.right() > cell.left() && w.box.left() < cell.right())
            outside->append(w.text);
    }
    std::sort(in.begin(), in.end(), [](const PdfWord& a, const PdfWord& b) {
        return qAbs(a.box.top() - b.box.top()) > 2 ? a.box.top() < b.box.top() : a.box.left() < b.box.left();
    });
    QStringList texts;
    for (const PdfWord& w : in)
        texts << w.text;
    return texts.join(QLatin1Char(' '));
}

QList<PdfWord> PdfPage::WordsIn(const QRectF& cell) const
{
    QList<PdfWord> in;
    for (const PdfWord& w : words)
        if (cell.contains(w.box.center()))
            in << w;
    return in;
}

QString PdfPage::AllText() const
{
    QStringList texts;
    for (const PdfWord& w : words)
        texts << w.text;
    return texts.join(QLatin1Char(' '));
}

void RecordingPrinter::Print(const OrderPage& page, PrintAnswer answer, PrintLostHandler /*whenLost*/)
{
    ++calls;
    if (outcome.fault != PrintFault::None) {
        answer(outcome);
        return;
    }
    Page printed;
    for (const PageText& t : page.texts)
        printed.texts[QString::fromStdString(t.name)] = QString::fromStdString(t.text);
    for (const PagePictureAt& p : page.pictures)
        printed.texts[QString::fromStdString(p.name)] = QString();
    printed.pdf = PagePdf(page, RegionalPageSize());
    pages.push_back(std::move(printed));
    answer({});
}

} // namespace corvane::test
