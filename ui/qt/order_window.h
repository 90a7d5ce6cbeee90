#pragma once

#include "order/order_view.h"

#include "ui/qt/form_window.h"

#include <array>
#include <cstddef>
#include <memory>

class QComboBox;

namespace Ui {
class OrderWindow;
}

namespace corvane {

class ValueLabel;

// "Additionnal information": account, patient, lens type, material, colour,
// thicknesses, dot and special order, shown and walked by its presenter,
// which hears the practitioner's commands through the signals.
class OrderWindow : public FormWindow, public OrderView {
    Q_OBJECT
public:
    explicit OrderWindow(QWidget* parent = nullptr);
    ~OrderWindow() override;

    void ShowLensType(LensType type) override;
    void ShowEye(Eye eye, const EyeTexts& texts) override;
    void ShowThicknesses(Eye eye, const Thicknesses& chosen) override;
    void ShowMaterial(const EntryShown& material) override;
    void ShowColor(const ColorShown& color) override;
    void EnableOtherColor(bool enabled) override;
    void FocusMaterial() override;
    void FocusColor() override;
    void FocusSpecialOrder() override;
    bool AskOkCancel(const Words& text, const Words& title) override;
    void ShowMessage(const Words& text, const Words& title) override;
    OrderTyped Typed() const override;
    void Close() override;

signals:
    void lensTypeChosen(LensType type);
    void otherMaterialRequested();
    void otherColorRequested();
    void printRequested();
    void savePdfRequested();
    void cancelRequested();
    // Esc or the close box.
    void closeRequested();

protected:
    // Esc and the close box ask before an order with anything typed is
    // dropped.
    void reject() override;

private:
    void ConnectCommands();

    // What the window shows of one eye.
    struct EyeWidgets {
        std::array<ValueLabel*, 4> lens;
        QComboBox* edge;
        QComboBox* center;
    };

    std::unique_ptr<Ui::OrderWindow> ui_;
    PerEye<EyeWidgets> eyes_{};
};

} // namespace corvane
