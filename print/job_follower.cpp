#include "print/job_follower.h"

#include <QApplication>

namespace corvane {

JobFollower::JobFollower(std::unique_ptr<PrintJob> job, QDeadlineTimer moment, FollowPace pace, QObject* parent)
    : QObject(parent), job_(std::move(job)), moment_(moment), pace_(pace)
{
    connect(&timer_, &QTimer::timeout, this, &JobFollower::Poll);
    timer_.start(pace_.watch);
}

void JobFollower::Poll()
{
    if (!fate_)
        fate_ = job_->Fate();
    if (!answered_)
        Answer();
    else if (fate_)
        TellFate();
}

void JobFollower::Answer()
{
    // One more look fits in the moment: wait for it.
    if (!fate_ && moment_.remainingTimeAsDuration() >= pace_.watch)
        return;
    answered_ = true;
    // The timer is set before anyone hears the answer: a handler may open a
    // modal window, whose event loop runs this timer meanwhile.
    if (fate_)
        timer_.stop();
    else
        timer_.start(pace_.follow);
    emit answered(fate_.value_or(PrintOutcome{}));
    if (fate_)
        emit finished();
}

void JobFollower::TellFate()
{
    const bool failed = fate_->fault != PrintFault::None;
    if (failed && QApplication::activeModalWidget() != nullptr)
        return;
    timer_.stop();
    if (failed)
        emit lost(*fate_);
    emit finished();
}

void FollowJob(QObject* owner, std::unique_ptr<PrintJob> job, QDeadlineTimer moment, FollowPace pace,
               PrintAnswer answer, PrintLostHandler whenLost)
{
    auto* follower = new JobFollower(std::move(job), moment, pace, owner);
    QObject::connect(follower, &JobFollower::answered, follower, [answer = std::move(answer)](const PrintOutcome& o) {
        if (answer)
            answer(o);
    });
    QObject::connect(follower, &JobFollower::lost, follower, [whenLost = std::move(whenLost)](const PrintOutcome& o) {
        if (whenLost)
            whenLost(o);
    });
    QObject::connect(follower, &JobFollower::finished, follower, &QObject::deleteLater);
}

} // namespace corvane
