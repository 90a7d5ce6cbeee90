#pragma once

// For start-up measurements only: with CORVANE_EXIT_AFTER_FIRST_PAINT set in
// the environment, the program ends as soon as its first window has been
// painted, so that a benchmark has a fixed end point. Without it, nothing
// changes.
#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstdlib>

namespace corvane {

class FirstPaintExit : public QObject {
public:
    static void InstallIfAsked(QCoreApplication& app)
    {
        if (qEnvironmentVariableIsSet("CORVANE_EXIT_AFTER_FIRST_PAINT"))
            app.installEventFilter(new FirstPaintExit(&app));
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !seen_) {
            auto* widget = qobject_cast<QWidget*>(watched);
            if (widget != nullptr && widget->isWindow()) {
                seen_ = true;
                // The whole window paints in this same pass: end right after
                // it, before the event loop does anything else. Tear-down is
                // no part of start-up, so skip it.
                QTimer::singleShot(0, [] {
                    std::fflush(nullptr);
                    std::_Exit(0);
                });
            }
        }
        return false;
    }

private:
    using QObject::QObject;
    bool seen_ = false;
};

} // namespace corvane
