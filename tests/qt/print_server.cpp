#include "print_server.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <pwd.h>
#include <unistd.h>

#include <algorithm>

namespace corvane::test {
namespace {

const QString kBackends = QStringLiteral("/usr/lib/cups/backend/");
// Every queue that a fault adds, and the devices they print on.
const QStringList kQueues{QStringLiteral("CorvaneBroken"), QStringLiteral("CorvaneJam"), QStringLiteral("CorvaneHold"),
                          QStringLiteral("CorvaneMargins")};
const QStringList kDevices{QStringLiteral("corvane-fail"), QStringLiteral("corvane-jam")};

QString Script(const char* name) { return QStringLiteral(CORVANE_SOURCE_DIR "/scripts/") + QLatin1String(name); }

void Admin(const char* command, const QString& args) { Run(QLatin1String(command), args.split(QLatin1Char(' '))); }

// A device that takes the job, waits, then fails it with the printer's own
// words.
bool WriteDevice(const QString& name, int seconds, const char* said)
{
    QFile backend(kBackends + name);
    if (!backend.open(QIODevice::WriteOnly))
        return false;
    backend.write(
        QStringLiteral("#!/bin/sh\n[ $# -eq 0 ] && { echo 'direct %1 \"Unknown\" \"Failing printer\"'; exit 0; "
                       "}\ncat >/dev/null\nsleep %2\necho 'ERROR: %3' >&2\nexit 1\n")
            .arg(name)
            .arg(seconds)
            .arg(QLatin1String(said))
            .toUtf8());
    backend.close();
    return backend.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup |
                                  QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther);
}

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

QString Run(const QString& program, const QStringList& args)
{
    QProcess p;
    p.start(program, args);
    p.waitForFinished(30000);
    return QString::fromLocal8Bit(p.readAllStandardOutput());
}

bool Running() { return Run(QStringLiteral("lpstat"), {QStringLiteral("-r")}).contains(QStringLiteral("is running")); }

// Where the virtual printer may write: the home folder of the account (as
// the password file has it, which need not be $HOME) or the anonymous one.
QFileInfoList PrintedFiles()
{
    QStringList dirs{QDir::homePath() + QStringLiteral("/PDF"), QStringLiteral("/var/spool/cups-pdf/ANONYMOUS")};
    if (const passwd* pw = getpwuid(getuid()))
        dirs << QString::fromLocal8Bit(pw->pw_dir) + QStringLiteral("/PDF");
    QFileInfoList all;
    for (const QString& d : dirs)
        all << QDir(d).entryInfoList({QStringLiteral("*.pdf")}, QDir::Files);
    std::sort(all.begin(), all.end(),
              [](const QFileInfo& a, const QFileInfo& b) { return a.lastModified() > b.lastModified(); });
    return all;
}

QString WaitForPdf(const QDateTime& since)
{
    for (int i = 0; i < 300; ++i) {
        QTest::qWait(100);
        if (!Run(QStringLiteral("lpstat"), {QStringLiteral("-o")}).trimmed().isEmpty())
            continue;
        const QFileInfoList files = PrintedFiles();
        if (files.isEmpty() || files.front().lastModified() < since)
            continue;
        QFile f(files.front().absoluteFilePath());
        if (!f.open(QIODevice::ReadOnly))
            continue;
        if (f.readAll().trimmed().endsWith("%%EOF"))
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
        Run(QStringLiteral("bash"), {Script("printer.sh"), QStringLiteral("stop")});
        for (int i = 0; i < 50 && Running(); ++i)
            QTest::qWait(100);
        return Running() ? QStringLiteral("the print service was not started by scripts/printer.sh and cannot be "
                                          "stopped")
                         : QString();
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
        if (!WriteDevice(device, jam ? 3 : 0, jam ? "paper jam" : "the test printer fails every job"))
            return QStringLiteral("cannot write the backend ") + device;
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
        Admin("lpadmin", QStringLiteral("-p %1 -E -v cups-pdf:/ -P %2 -o pdftops-renderer-default=pdftocairo -o "
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
        Run(QStringLiteral("bash"), {Script("printer.sh"), QStringLiteral("start")});
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
        QFile::remove(kBackends + device);
}

} // namespace corvane::test
