#pragma once

#include "order/order_output.h"

#include <QPointer>
#include <QString>
#include <QWidget>

namespace corvane {

// The parts of the order's way out that are windows or the system's: they
// stand over the window in front, or over `home` (the main window) when no
// other is open.
class QtQuestions : public Questions {
public:
    explicit QtQuestions(QWidget* home) : home_(home) {}

    bool AskYesNo(const Words& text, const Words& title) override;
    void Tell(const Words& text, const Words& title) override;

private:
    QPointer<QWidget> home_;
};

// The file dialog and PDF files.
class QtPdfFiles : public PdfFiles {
public:
    explicit QtPdfFiles(QWidget* home) : home_(home) {}

    std::optional<std::string> ChooseSaveFile(const Words& suggestedName) override;
    SaveOutcome SavePdf(const OrderPage& page, const std::string& path) override;

private:
    QPointer<QWidget> home_;
    // Where the last PDF of this run was written; the next one starts there.
    QString lastFolder_;
};

// Today in the system's short date form.
class SystemClock : public Clock {
public:
    std::string Today() override;
};

} // namespace corvane
