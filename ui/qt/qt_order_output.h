#pragma once

#include "order/order_output.h"
#include "ui/qt/page_printer.h"

#include <QPointer>
#include <QString>
#include <QWidget>

#include <memory>

namespace corvane {

// The order's way out on Qt: the given printer (the system's default
// printer when none is given), the file dialog, PDF files, and message
// boxes over the window in front.
class QtOrderOutput : public OrderOutput {
public:
    explicit QtOrderOutput(std::unique_ptr<PageOutput> printer = nullptr);

    // The window that the dialogs stand over when no order window is open.
    void SetHome(QWidget* window) { home_ = window; }

    PrintOutcome Print(const OrderPage& page, PrintLostHandler whenLost) override;
    std::optional<std::string> ChooseSaveFile(const Words& suggestedName) override;
    SaveOutcome SavePdf(const OrderPage& page, const std::string& path) override;
    PageLines LinesOnPage(const PageText& text) override;
    std::string Today() override;
    bool AskYesNo(const Words& text, const Words& title) override;
    void Tell(const Words& text, const Words& title) override;

private:
    QWidget* Front() const;

    std::unique_ptr<PageOutput> printer_;
    QPointer<QWidget> home_;
    // Where the last PDF of this run was written; the next one starts there.
    QString lastFolder_;
};

} // namespace corvane
