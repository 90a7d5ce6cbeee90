#include "modal_driver.h"

#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
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

void ModalDriver::AnswerBox(int answer, QString* title)
{
    Then([answer, title](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        if (box == nullptr)
            return false;
        *title = box->windowTitle();
        if (answer == kEsc)
            QTest::keyClick(box, Qt::Key_Escape);
        else if (answer == kCloseBox)
            box->close();
        else
            QTest::mouseClick(box->button(static_cast<QMessageBox::StandardButton>(answer)), Qt::LeftButton);
        return true;
    });
}

void ModalDriver::SaveAs(const QString& path)
{
    Then([this, path](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        if (dialog == nullptr)
            return false;
        auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        offers.append({dialog->directory().absolutePath(), name->text()});
        if (path.isEmpty()) {
            QTest::keyClick(dialog, Qt::Key_Escape);
        } else {
            name->setText(path);
            QTest::keyClick(name, Qt::Key_Return);
        }
        return true;
    });
}

void ModalDriver::Poll()
{
    QWidget* modal = QApplication::activeModalWidget();
    if (busy_ || modal == nullptr || steps_.empty() || !modal->isVisible())
        return;
    // The step runs from a timer of its own: Qt does not run this poller
    // again while its slot is busy, and a step's click may open another
    // window that the next step must answer.
    busy_ = true;
    Step step = std::move(steps_.front());
    steps_.pop_front();
    QPointer<QWidget> target(modal);
    QTimer::singleShot(0, this, [this, step = std::move(step), target]() mutable {
        busy_ = false;
        if (target == nullptr || !step(target))
            steps_.push_front(std::move(step));
    });
}

} // namespace corvane::test
