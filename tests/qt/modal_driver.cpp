#include "modal_driver.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

namespace corvane::test {

ModalDriver::ModalDriver()
{
    connect(&timer_, &QTimer::timeout, this, &ModalDriver::Poll);
    timer_.start(10);
}

void ModalDriver::PressInBox(int standardButton)
{
    Then([this, standardButton](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        if (box == nullptr)
            return false;
        boxes << box->windowTitle() + QStringLiteral(" | ") + box->text();
        QAbstractButton* button = box->button(static_cast<QMessageBox::StandardButton>(standardButton));
        if (button == nullptr)
            return false;
        QTest::mouseClick(button, Qt::LeftButton);
        return true;
    });
}

void ModalDriver::Poll()
{
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr || steps_.empty() || !modal->isVisible())
        return;
    // Taken off first: a step whose click opens another window runs this
    // poller again from inside that window's event loop.
    Step step = std::move(steps_.front());
    steps_.pop_front();
    if (!step(modal))
        steps_.push_front(std::move(step));
}

} // namespace corvane::test
