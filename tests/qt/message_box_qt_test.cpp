#include "qt_fixture.h"
#include "ui/qt/message_box.h"

#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
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

private:
    std::unique_ptr<QtCalculator> calc_;
};

namespace {

constexpr int kEscape = 0;
constexpr int kCloseBox = -1;

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
        seen = {box->icon(), box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))->font().families(),
                box->windowTitle(), box->textFormat(), box->windowFlags().testFlag(Qt::WindowCloseButtonHint)};
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

QTEST_MAIN(MessageBoxQtTest)
#include "message_box_qt_test.moc"
