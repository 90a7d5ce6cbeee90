#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <deque>
#include <functional>

class QWidget;

namespace corvane::test {

// Answers modal windows while the code under test blocks in them: every
// 10 ms it hands the active modal window to the next scripted step. Steps
// only act; tests assert after the blocking call returns.
class ModalDriver : public QObject {
    Q_OBJECT
public:
    // A step handles the modal window it is given and returns true, or
    // returns false to wait for another window.
    using Step = std::function<bool(QWidget* modal)>;

    ModalDriver();

    void Then(Step step) { steps_.push_back(std::move(step)); }
    // Presses a message box's button (by its QMessageBox::StandardButton).
    void PressInBox(int standardButton);
    // Answers a message box as a user may: kEsc, kCloseBox or a standard
    // button; `title` receives the box's title.
    static constexpr int kEsc = 0;
    static constexpr int kCloseBox = -1;
    void AnswerBox(int answer, QString* title);
    // Types `path` into the next file dialog and accepts it; an empty path
    // cancels the dialog. What each dialog offered is kept in `offers`.
    void SaveAs(const QString& path);

    bool Done() const { return steps_.empty(); }
    // Title and text of every message box seen, in order.
    QStringList boxes;
    // The folder and file name each file dialog offered, in order.
    struct FileOffer {
        QString folder;
        QString name;
    };
    QList<FileOffer> offers;

private:
    void Poll();

    QTimer timer_;
    std::deque<Step> steps_;
    bool busy_ = false;
};

} // namespace corvane::test
