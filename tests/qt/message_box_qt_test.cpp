#include "fit_check.h"
#include "qt_fixture.h"
#include "ui/qt/message_box.h"

#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QStyleFactory>

using namespace corvane;
using namespace corvane::test;

Q_DECLARE_METATYPE(corvane::Buttons)
Q_DECLARE_METATYPE(corvane::Answer)

// Every button set of the message boxes through the real toolkit: each way of
// answering reaches the handler as the button it stands for.
class MessageBoxQtTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion"))); }
    void init() { calc_ = std::make_unique<QtCalculator>(); }
    void cleanup() { calc_.reset(); }

    void everyAnswer_data();
    void everyAnswer();
    void trappedFailureBoxLooksLikeTheOthers();
    void linesWholeOrEvenlyWrapped_data();
    void linesWholeOrEvenlyWrapped();

private:
    std::unique_ptr<QtCalculator> calc_;
};

namespace {

constexpr int kEscape = 0;
constexpr int kCloseBox = -1;

// The label that shows the box's text.
QLabel* TextLabel(const QMessageBox* box)
{
    for (QLabel* label : box->findChildren<QLabel*>())
        if (label->text() == box->text())
            return label;
    return nullptr;
}

struct Seen {
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList families;
    QString title;
    Qt::TextFormat format = Qt::AutoText;
    bool closeButton = false;
};

// Answers the next message box as asked and notes how it looked.
void AnswerNextBox(ModalDriver& driver, int how, Seen& seen)
{
    driver.Then([how, &seen](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        if (box == nullptr)
            return false;
        const QLabel* label = TextLabel(box);
        seen = {box->icon(), label != nullptr ? label->font().families() : QStringList(), box->windowTitle(),
                box->textFormat(), box->windowFlags().testFlag(Qt::WindowCloseButtonHint)};
        if (how == kEscape)
            QTest::keyClick(box, Qt::Key_Escape);
        else if (how == kCloseBox)
            box->close();
        else
            QTest::mouseClick(box->button(QMessageBox::StandardButton(how)), Qt::LeftButton);
        // A box that is still open is answered Yes, so that the row shows it.
        QTest::qWait(20);
        if (box->isVisible())
            QTest::mouseClick(box->button(QMessageBox::Yes), Qt::LeftButton);
        return true;
    });
}

} // namespace

void MessageBoxQtTest::everyAnswer_data()
{
    QTest::addColumn<Buttons>("buttons");
    QTest::addColumn<int>("how");
    QTest::addColumn<Answer>("answer");
    QTest::addColumn<int>("icon");
    const int none = QMessageBox::NoIcon;
    const int warning = QMessageBox::Warning;
    QTest::newRow("OK: OK") << Buttons::Ok << int(QMessageBox::Ok) << Answer::Ok << none;
    QTest::newRow("OK: Esc") << Buttons::Ok << kEscape << Answer::Ok << none;
    QTest::newRow("OK: close box") << Buttons::Ok << kCloseBox << Answer::Ok << none;
    QTest::newRow("exclamation: OK") << Buttons::OkExclamation << int(QMessageBox::Ok) << Answer::Ok << warning;
    QTest::newRow("exclamation: Esc") << Buttons::OkExclamation << kEscape << Answer::Ok << warning;
    QTest::newRow("exclamation: close box") << Buttons::OkExclamation << kCloseBox << Answer::Ok << warning;
    QTest::newRow("OK/Cancel: OK") << Buttons::OkCancel << int(QMessageBox::Ok) << Answer::Ok << none;
    QTest::newRow("OK/Cancel: Cancel") << Buttons::OkCancel << int(QMessageBox::Cancel) << Answer::Cancel << none;
    QTest::newRow("OK/Cancel: Esc") << Buttons::OkCancel << kEscape << Answer::Cancel << none;
    QTest::newRow("OK/Cancel: close box") << Buttons::OkCancel << kCloseBox << Answer::Cancel << none;
    QTest::newRow("Yes/No: Yes") << Buttons::YesNo << int(QMessageBox::Yes) << Answer::Yes << none;
    QTest::newRow("Yes/No: No") << Buttons::YesNo << int(QMessageBox::No) << Answer::No << none;
    // Only Yes or No answers a question: Esc and the close box leave it open.
    QTest::newRow("Yes/No: Esc stays") << Buttons::YesNo << kEscape << Answer::Yes << none;
    QTest::newRow("Yes/No: close box stays") << Buttons::YesNo << kCloseBox << Answer::Yes << none;
}

void MessageBoxQtTest::everyAnswer()
{
    QFETCH(Buttons, buttons);
    QFETCH(int, how);
    QFETCH(Answer, answer);
    QFETCH(int, icon);
    Seen seen;
    AnswerNextBox(calc_->driver, how, seen);
    const corvane::Answer got =
        ShowMessageBox(calc_->view(), QStringLiteral("Note"), QStringLiteral("Line one\r\n<b>not markup</b>"), buttons);
    QVERIFY(calc_->driver.Done());
    QCOMPARE(int(got), int(answer));
    QCOMPARE(int(seen.icon), icon);
    QCOMPARE(seen.title, QStringLiteral("Note"));
    QCOMPARE(int(seen.format), int(Qt::PlainText));
    // Where the window system allows it, a question offers no close button.
    QCOMPARE(seen.closeButton, buttons != Buttons::YesNo);
    // The windows' typeface, as the entry labels draw it.
    QCOMPARE(seen.families, FontFamilies("MS Sans Serif"));
    QCOMPARE(seen.families.first(), calc_->find<QLabel>("lblpres_0")->font().families().first());
}

void MessageBoxQtTest::trappedFailureBoxLooksLikeTheOthers()
{
    Seen seen;
    AnswerNextBox(calc_->driver, int(QMessageBox::Ok), seen);
    Guarded(calc_->view(), [] { throw std::runtime_error("broken"); });
    QVERIFY(calc_->driver.Done());
    QCOMPARE(seen.title, QStringLiteral("Corvane"));
    QCOMPARE(int(seen.icon), int(QMessageBox::Warning));
    QCOMPARE(seen.families, FontFamilies("MS Sans Serif"));
}

// A message keeps each line whole where the screen has room, wider than a
// message box makes itself; else it wraps into lines of even length, none
// of them a word alone.
void MessageBoxQtTest::linesWholeOrEvenlyWrapped_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("whole");
    QTest::newRow("short") << "Error 6\r\nOverflow" << true;
    QTest::newRow("one line wider than half the screen")
        << "The order could not be saved as a PDF: /home/dr/Order.pdf is a folder." << true;
    QTest::newRow("question wider than the room")
        << "Error 482\r\nThe order for Jane Doe (P-77) did not come out: the print job failed on the printer "
           "CorvaneJam (paper jam).\r\n\r\nSave that order as a PDF?"
        << false;
    QTest::newRow("one long line") << QString(QStringLiteral("The special order does not fit on the order form: ")
                                                  .repeated(3)
                                                  .append(QStringLiteral("shorten it ?")))
                                   << false;
}

void MessageBoxQtTest::linesWholeOrEvenlyWrapped()
{
    QFETCH(QString, text);
    QFETCH(bool, whole);
    // A line is kept whole where the screen has room for it, three quarters
    // of its width; a scaled test screen (800 pixels at 1.5x is 533) may not.
    const int screenWidth = calc_->view()->screen()->availableGeometry().width();
    if (whole && QFontMetrics(QApplication::font()).horizontalAdvance(text) > screenWidth * 3 / 4)
        QSKIP("the screen has no room for the line at this scale");
    QList<QStringList> shown;
    QStringList lone;
    int boxWidth = 0;
    calc_->driver.Then([&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        if (box == nullptr)
            return false;
        if (const QLabel* label = TextLabel(box))
            shown = LinesShown(label);
        lone = LoneWords(box);
        boxWidth = box->frameGeometry().width();
        QTest::keyClick(box, Qt::Key_Escape);
        return true;
    });
    ShowMessageBox(calc_->view(), QStringLiteral("Order Form"), text, Buttons::OkExclamation);
    QVERIFY(calc_->driver.Done());
    const QStringList paragraphs = QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")).split('\n');
    QCOMPARE(shown.size(), paragraphs.size());
    QVERIFY2(lone.isEmpty(), qPrintable(lone.join('\n')));
    QVERIFY(boxWidth <= screenWidth);
    bool wrapped = false;
    for (qsizetype i = 0; i < shown.size(); ++i) {
        QVERIFY2(shown[i].join(' ') == paragraphs[i].trimmed(), qPrintable(shown[i].join('|')));
        wrapped = wrapped || shown[i].size() > 1;
        // Even lines: none much shorter than the longest of its paragraph.
        QFontMetrics metrics(QApplication::font());
        int longest = 0;
        int shortest = INT_MAX;
        for (const QString& line : shown[i]) {
            longest = std::max(longest, metrics.horizontalAdvance(line));
            shortest = std::min(shortest, metrics.horizontalAdvance(line));
        }
        if (shown[i].size() > 1)
            QVERIFY2(shortest * 3 >= longest * 2, qPrintable(shown[i].join('|')));
    }
    QCOMPARE(wrapped, !whole);
}

QTEST_MAIN(MessageBoxQtTest)
#include "message_box_qt_test.moc"
