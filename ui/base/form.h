#pragma once

#include "ui/base/controls.h"

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace corvane {

// A window: its controls in creation order, its design size in twips and the
// Load and Activate handlers.
class Form {
public:
    Form(std::string name, std::string caption, int widthTwips, int heightTwips);
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    const std::string& Name() const { return name_; }
    const std::string& Caption() const { return caption_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    Color BackColor() const { return backColor_; }
    void SetBackColor(Color c) { backColor_ = c; }

    Control& Add(std::string name, Kind kind);
    // Throws std::out_of_range for an unknown name: a misspelt control is a
    // programming error, never a silent no-op.
    Control& operator[](std::string_view name) const;
    Control* Find(std::string_view name) const;
    const std::vector<std::unique_ptr<Control>>& Controls() const { return controls_; }

    // Buttons clicked by Esc and by Enter anywhere in the window.
    Control* CancelButton() const { return cancel_; }
    void SetCancelButton(Control* c) { cancel_ = c; }
    Control* DefaultButton() const { return default_; }
    void SetDefaultButton(Control* c) { default_ = c; }

    // The controls that Tab visits, in tab order.
    std::vector<Control*> TabOrder() const;
    // The next control that can take the focus after `current`, wrapping
    // around; nullptr when none can.
    Control* NextInTabOrder(const Control* current) const;

    std::function<void()> onLoad;
    std::function<void()> onActivate;

    // The picture drawn behind the controls.
    Picture BackPicture() const { return backPicture_; }
    void SetBackPicture(Picture p) { backPicture_ = p; }

    bool Unloaded() const { return unloaded_; }
    void SetUnloaded(bool u) { unloaded_ = u; }

private:
    std::string name_;
    std::string caption_;
    int width_;
    int height_;
    Color backColor_ = kSystemButtonFace;
    std::vector<std::unique_ptr<Control>> controls_;
    Control* cancel_ = nullptr;
    Control* default_ = nullptr;
    Picture backPicture_ = Picture::None;
    bool unloaded_ = false;
};

} // namespace corvane
