#include "print/job_follower.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QTest>

#include <chrono>
#include <memory>
#include <optional>
#include <vector>

using namespace corvane;
using namespace std::chrono_literals;

Q_DECLARE_METATYPE(corvane::PrintFault)

namespace {

// A job whose printer knows its fate once `after` has passed, or never.
class ScriptedJob : public PrintJob {
public:
    ScriptedJob(std::optional<PrintFault> fate, std::chrono::milliseconds after) : fate_(fate), after_(after)
    {
        clock_.start();
    }
    std::optional<PrintOutcome> Fate() override
    {
        if (!fate_ || clock_.elapsed() < after_.count())
            return std::nullopt;
        return PrintOutcome{*fate_, "PDF", ""};
    }

private:
    std::optional<PrintFault> fate_;
    std::chrono::milliseconds after_;
    QElapsedTimer clock_;
};

// What a follower told, in order.
struct Told {
    std::vector<PrintFault> answers;
    std::vector<PrintFault> lost;
    qint64 answeredAfterMs = -1;
    bool finished = false;
};

constexpr FollowPace kPace{.watch = 10ms, .follow = 20ms};

} // namespace

class JobFollowerQtTest : public QObject {
    Q_OBJECT
private slots:
    void answersOnceAndTellsALaterLoss_data();
    void answersOnceAndTellsALaterLoss();
    void lossWaitsForTheModalWindow();

private:
    // Follows a scripted job, watched for `moment`, and returns what it
    // told within `wait`.
    static Told Follow(std::optional<PrintFault> fate, std::chrono::milliseconds after,
                       std::chrono::milliseconds moment, std::chrono::milliseconds wait);
};

Told JobFollowerQtTest::Follow(std::optional<PrintFault> fate, std::chrono::milliseconds after,
                               std::chrono::milliseconds moment, std::chrono::milliseconds wait)
{
    Told told;
    QObject owner;
    QElapsedTimer clock;
    clock.start();
    FollowJob(
        &owner, std::make_unique<ScriptedJob>(fate, after), QDeadlineTimer(moment), kPace,
        [&told, &clock](const PrintOutcome& o) {
            told.answers.push_back(o.fault);
            told.answeredAfterMs = clock.elapsed();
        },
        [&told](const PrintOutcome& o) { told.lost.push_back(o.fault); });
    auto* follower = owner.findChild<JobFollower*>();
    QObject::connect(follower, &JobFollower::finished, &owner, [&told] { told.finished = true; });
    QTest::qWait(static_cast<int>(wait.count()));
    return told;
}

// The printer answers once: with the job's fate when it comes within the
// moment, else "taken"; a taken job that fails later is told once as lost,
// one that prints or never ends is not.
void JobFollowerQtTest::answersOnceAndTellsALaterLoss_data()
{
    QTest::addColumn<bool>("ends");
    QTest::addColumn<PrintFault>("fate");
    QTest::addColumn<int>("afterMs");
    QTest::addColumn<int>("momentMs");
    QTest::addColumn<PrintFault>("answer");
    QTest::addColumn<bool>("toldLost");
    QTest::newRow("fails at once") << true << PrintFault::JobFailed << 0 << 1000 << PrintFault::JobFailed << false;
    QTest::newRow("stopped at once") << true << PrintFault::PrinterStopped << 0 << 1000 << PrintFault::PrinterStopped
                                     << false;
    QTest::newRow("printed at once") << true << PrintFault::None << 0 << 1000 << PrintFault::None << false;
    QTest::newRow("fails after the moment") << true << PrintFault::JobFailed << 300 << 100 << PrintFault::None << true;
    QTest::newRow("printed after the moment") << true << PrintFault::None << 300 << 100 << PrintFault::None << false;
    QTest::newRow("held for ever") << false << PrintFault::None << 0 << 100 << PrintFault::None << false;
}

void JobFollowerQtTest::answersOnceAndTellsALaterLoss()
{
    QFETCH(bool, ends);
    QFETCH(PrintFault, fate);
    QFETCH(int, afterMs);
    QFETCH(int, momentMs);
    QFETCH(PrintFault, answer);
    QFETCH(bool, toldLost);
    const Told told = Follow(ends ? std::optional(fate) : std::nullopt, std::chrono::milliseconds(afterMs),
                             std::chrono::milliseconds(momentMs), 800ms);
    QCOMPARE(told.answers, std::vector<PrintFault>{answer});
    // A fate known within the moment is answered at once; "taken" only
    // once the moment has been watched.
    if (ends && afterMs < momentMs)
        QVERIFY2(told.answeredAfterMs < momentMs / 2, qPrintable(QString::number(told.answeredAfterMs)));
    else
        QVERIFY2(told.answeredAfterMs >= momentMs - kPace.watch.count(),
                 qPrintable(QString::number(told.answeredAfterMs)));
    QCOMPARE(told.lost, toldLost ? std::vector<PrintFault>{fate} : std::vector<PrintFault>{});
    QCOMPARE(told.finished, ends);
}

// A loss is told over the main window, not over a window that the
// practitioner is busy with.
void JobFollowerQtTest::lossWaitsForTheModalWindow()
{
    QDialog busy;
    busy.setModal(true);
    busy.show();
    QVERIFY(QApplication::activeModalWidget() == &busy);
    QTimer::singleShot(400, &busy, &QDialog::accept);
    QObject owner;
    std::vector<bool> modalWhenTold;
    FollowJob(&owner, std::make_unique<ScriptedJob>(PrintFault::JobFailed, 100ms), QDeadlineTimer(50ms), kPace, nullptr,
              [&modalWhenTold](const PrintOutcome&) {
                  modalWhenTold.push_back(QApplication::activeModalWidget() != nullptr);
              });
    QTRY_COMPARE_WITH_TIMEOUT(modalWhenTold.size(), std::size_t(1), 2000);
    QCOMPARE(modalWhenTold, std::vector<bool>{false});
    QVERIFY(busy.result() == QDialog::Accepted);
}

QTEST_MAIN(JobFollowerQtTest)
#include "job_follower_qt_test.moc"
