#pragma once

#include "order/order_output.h"

#include <QDeadlineTimer>
#include <QObject>
#include <QTimer>

#include <chrono>
#include <memory>
#include <optional>

namespace corvane {

// A job that a printer took, as far as the printer can be asked about it.
class PrintJob {
public:
    virtual ~PrintJob() = default;
    // What became of the job: nothing while the printer still has it in
    // hand (or cannot be asked), no fault once it is printed.
    virtual std::optional<PrintOutcome> Fate() = 0;
};

// How often a job is asked after: within Print's moment, and after it.
struct FollowPace {
    std::chrono::milliseconds watch;
    std::chrono::milliseconds follow;
};

// Follows one job on the GUI thread's event loop. Until `moment` has passed
// it asks every `pace.watch`: a queue that cannot print the job usually
// gives up at once, and that is the answer; when the moment passes first,
// the answer is that the job was taken. A taken job is asked after every
// `pace.follow` for as long as the program runs; when it fails, lost() is
// told once no modal window is open (the practitioner is back at the main
// window). finished() follows when nothing is left to tell.
class JobFollower : public QObject {
    Q_OBJECT
public:
    JobFollower(std::unique_ptr<PrintJob> job, QDeadlineTimer moment, FollowPace pace, QObject* parent = nullptr);

signals:
    void answered(const corvane::PrintOutcome& outcome);
    void lost(const corvane::PrintOutcome& outcome);
    void finished();

private:
    void Poll();
    void Answer();
    void TellFate();

    std::unique_ptr<PrintJob> job_;
    QDeadlineTimer moment_;
    FollowPace pace_;
    QTimer timer_;
    bool answered_ = false;
    std::optional<PrintOutcome> fate_;
};

// Follows a job that a printer has just taken, telling `answer` and
// `whenLost` what the follower finds. The follower is a child of `owner`
// (the printer's jobs go with it) and deletes itself once finished.
void FollowJob(QObject* owner, std::unique_ptr<PrintJob> job, QDeadlineTimer moment, FollowPace pace,
               PrintAnswer answer, PrintLostHandler whenLost);

} // namespace corvane
