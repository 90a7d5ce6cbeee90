#include "print_server.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <memory>

namespace corvane::test {
namespace {

// Every queue that a fault adds, and the devices they print on.
const QStringList kQueues{QStringLiteral("CorvaneBroken"), QStringLiteral("CorvaneJam"), QStringLiteral("CorvaneHold"),
                          QStringLiteral("CorvaneMargins")};
const QStringList kDevices{QStringLiteral("corvane-fail"), QStringLiteral("corvane-jam")};

std::unique_ptr<QTemporaryDir>& Folder()
{
    static std::unique_ptr<QTemporaryDir> folder;
    return folder;
}

QString Server(const QString& command, QStringList args = {})
{
    args.prepend(Folder()->path());
    args.prepend(command);
    args.prepend(QStringLiteral(CORVANE_SOURCE_DIR "/tests/qt/print_server.sh"));
    QProcess p;
    p.start(QStringLiteral("bash"), args);
    if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        return QString::fromLocal8Bit(p.readAllStandardError()) + QStringLiteral("print_server.sh ") + command +
               QStringLiteral(" failed");
    return {};
}

void Admin(const char* command, const QString& args) { Run(QLatin1String(command), args.split(QLatin1Char(' '))); }

// The PDF printer's description with 17 pt (6 mm) that it cannot print on
// along every edge of every sheet.
QString MarginsPpd(const QString& folder)
{
    QProcess awk;
    awk.setStandardOutputFile(folder + QStringLiteral("/margins.ppd"));
    awk.start(QStringLiteral("awk"),
              {QStringLiteral("/^\\*HWMargins:/ { print \"*HWMargins: 17 17 17 17\"; next }"
                              "/^\\*ImageableArea / { split($0, q, \"\\\"\"); split(q[2], a, \" \");"
                              "  print q[1] \"\\\"17 17 \" a[3] - 17 \" \" a[4] - 17 \"\\\"\"; next } { print }"),
               QStringLiteral("/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd")});
    return awk.waitForFinished(30000) && awk.exitCode() == 0 ? folder + QStringLiteral("/margins.ppd") : QString();
}

} // namespace

QString StartPrintServer()
{
    Folder() = std::make_unique<QTemporaryDir>();
    if (!Folder()->isValid())
        return QStringLiteral("no temporary folder for the print server");
    // Nothing of the machine's printing set-up may choose another printer.
    qunsetenv("PRINTER");
    qunsetenv("LPDEST");
    qputenv("CUPS_SERVER", Folder()->filePath(QStringLiteral("cups.sock")).toLocal8Bit());
    qputenv("CUPS_SERVERROOT", Folder()->filePath(QStringLiteral("etc")).toLocal8Bit());
    return Server(QStringLiteral("start"));
}

void StopPrintServer()
{
    if (Folder() != nullptr)
        Server(QStringLiteral("stop"));
    Folder().reset();
}

QString Run(const QString& program, const QStringList& args)
{
    QProcess p;
    p.start(program, args);
    p.waitForFinished(30000);
    return QString::fromLocal8Bit(p.readAllStandardOutput());
}

bool Running() { return Run(QStringLiteral("lpstat"), {QStringLiteral("-r")}).contains(QStringLiteral("is running")); }

QFileInfoList PrintedFiles()
{
    QFileInfoList all =
        QDir(Folder()->filePath(QStringLiteral("printed"))).entryInfoList({QStringLiteral("*.pdf")}, QDir::Files);
    std::sort(all.begin(), all.end(),
              [](const QFileInfo& a, const QFileInfo& b) { return a.lastModified() > b.lastModified(); });
    return all;
}

// The printer writes each page under a name of its own and renames it when
// complete.
QString WaitForPdf(const QDateTime& since)
{
    for (int i = 0; i < 300; ++i) {
        QTest::qWait(100);
        if (!Run(QStringLiteral("lpstat"), {QStringLiteral("-o")}).trimmed().isEmpty())
            continue;
        const QFileInfoList files = PrintedFiles();
        if (!files.isEmpty() && files.front().lastModified() >= since)
            return files.front().absoluteFilePath();
    }
    return {};
}

QString PdfText(const QString& pdf)
{
    return Run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
}

QRect InkBox(const QString& pdf)
{
    QTemporaryDir dir;
    const QString png = dir.filePath(QStringLiteral("page"));
    Run(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QStringLiteral("72"), QStringLiteral("-gray"),
                                     QStringLiteral("-png"), QStringLiteral("-singlefile"), pdf, png});
    const QImage image(png + QStringLiteral(".png"));
    QRect ink;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 128)
                ink |= QRect(x, y, 1, 1);
    return ink;
}

QString Shown(const QRect& r)
{
    return QStringLiteral("%1,%2 %3x%4").arg(r.left()).arg(r.top()).arg(r.width()).arg(r.height());
}

QString BreakPrinter(const QString& fault)
{
    QString queue;
    if (fault == QStringLiteral("stop")) {
        const QString failed = Server(QStringLiteral("stop"));
        return failed.isEmpty() && Running() ? QStringLiteral("the print service is still running") : failed;
    }
    if (fault == QStringLiteral("nodefault")) {
        // A printer removed while it is the default leaves none.
        Admin("lpadmin", QStringLiteral("-p CorvaneSpare -E -v file:/dev/null"));
        Admin("lpadmin", QStringLiteral("-d CorvaneSpare"));
        Admin("lpadmin", QStringLiteral("-x CorvaneSpare"));
        return Run(QStringLiteral("lpstat"), {QStringLiteral("-d")}).contains(QStringLiteral("no system default"))
                   ? QString()
                   : QStringLiteral("a default printer is left");
    }
    if (fault == QStringLiteral("disable") || fault == QStringLiteral("reject")) {
        Admin(fault == QStringLiteral("disable") ? "cupsdisable" : "cupsreject", QStringLiteral("PDF"));
        return {};
    }
    if (fault == QStringLiteral("broken") || fault == QStringLiteral("jam")) {
        const bool jam = fault == QStringLiteral("jam");
        const QString device = jam ? QStringLiteral("corvane-jam") : QStringLiteral("corvane-fail");
        QString failed = Server(QStringLiteral("device"), {device, QString::number(jam ? 3 : 0),
                                                           jam ? QStringLiteral("paper jam")
                                                               : QStringLiteral("the test printer fails every job")});
        if (!failed.isEmpty())
            return failed;
        queue = jam ? QStringLiteral("CorvaneJam") : QStringLiteral("CorvaneBroken");
        Admin("lpadmin", QStringLiteral("-p %1 -E -v %2:/ -o printer-error-policy=abort-job").arg(queue, device));
    } else if (fault == QStringLiteral("hold")) {
        queue = QStringLiteral("CorvaneHold");
        Admin("lpadmin", QStringLiteral("-p %1 -E -v file:/dev/null -o job-hold-until-default=indefinite").arg(queue));
    } else if (fault == QStringLiteral("margins")) {
        QTemporaryDir folder;
        const QString ppd = MarginsPpd(folder.path());
        if (ppd.isEmpty())
            return QStringLiteral("cannot write the PPD with margins");
        queue = QStringLiteral("CorvaneMargins");
        Admin("lpadmin", QStringLiteral("-p %1 -E -v corvane-pdf:/ -P %2 -o pdftops-renderer-default=pdftocairo -o "
                                        "TitlePref=1")
                             .arg(queue, ppd));
    } else {
        return QStringLiteral("no such fault: ") + fault;
    }
    Admin("lpadmin", QStringLiteral("-d ") + queue);
    return Run(QStringLiteral("lpstat"), {QStringLiteral("-d")}).contains(queue)
               ? QString()
               : queue + QStringLiteral(" is not set up");
}

void RestorePrinter()
{
    if (!Running())
        Server(QStringLiteral("start"));
    for (const char* command : {"cupsenable", "cupsaccept"})
        Run(QLatin1String(command), {QStringLiteral("PDF")});
    Run(QStringLiteral("lpadmin"), {QStringLiteral("-d"), QStringLiteral("PDF")});
    const QString printers = Run(QStringLiteral("lpstat"), {QStringLiteral("-p")});
    for (const QString& queue : kQueues) {
        if (!printers.contains(queue))
            continue;
        Run(QStringLiteral("cancel"), {QStringLiteral("-a"), queue});
        Run(QStringLiteral("lpadmin"), {QStringLiteral("-x"), queue});
    }
    for (const QString& device : kDevices)
        QFile::remove(Folder()->filePath(QStringLiteral("lib/backend/")) + device);
}

} // namespace corvane::test
