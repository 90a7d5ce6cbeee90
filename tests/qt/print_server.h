#pragma once

#include <QDateTime>
#include <QFileInfoList>
#include <QRect>
#include <QString>
#include <QStringList>

// The real print service of the printing tests, a CUPS server of their own
// (tests/qt/print_server.sh): its commands, the files its virtual printer
// writes, and the faults brought about on it.
namespace corvane::test {

// Starts the server in a temporary folder and points this process and the
// commands it runs at it (CUPS_SERVER, CUPS_SERVERROOT); what went wrong,
// or empty. StopPrintServer() ends it and removes the folder.
QString StartPrintServer();
void StopPrintServer();

QString Run(const QString& program, const QStringList& args);
bool Running();
// The PDF that the virtual printer wrote for the last job, once complete;
// empty when none came.
QString WaitForPdf(const QDateTime& since);
// Every PDF the virtual printer wrote, newest first.
QFileInfoList PrintedFiles();
QString PdfText(const QString& pdf);
// The box around everything drawn on the first page, in points (a
// rendering at one pixel a point), and as text for a message.
QRect InkBox(const QString& pdf);
QString Shown(const QRect& r);

// Brings the server into a state named by `fault` and makes the queue that
// shows it the default printer; what went wrong, or empty.
//   stop, nodefault, disable, reject: no service, no default printer, the
//     PDF printer stopped or rejecting jobs;
//   broken: a queue whose device fails every job at once;
//   jam: one whose device fails each job 3 s after taking it;
//   hold: one that holds every job, as a paused office printer;
//   margins: the PDF printer with 6 mm hardware margins.
QString BreakPrinter(const QString& fault);
// Undoes every fault: the PDF printer is the default and takes jobs.
void RestorePrinter();

} // namespace corvane::test
