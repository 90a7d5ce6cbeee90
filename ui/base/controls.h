#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace corvane {

class Control;
class Form;

enum class Kind { Label, TextBox, ComboBox, CheckBox, OptionButton, CommandButton, Frame, Image, Line };

// The pictures that the program draws itself: the main window's background,
// the laboratory's logo and one picture per lens type.
enum class Picture { None, Background, Logo, CorvaneLens, VeltoLens };

// Colours are 0xBBGGRR; the values with the high bit set name system colours.
using Color = std::uint32_t;
constexpr Color kWhite = 0xFFFFFF;
constexpr Color kBlack = 0x000000;
constexpr Color kSystemWindow = 0x80000005;
constexpr Color kSystemButtonFace = 0x8000000F;
constexpr Color kSystemButtonHighlight = 0x80000014;
constexpr Color kTransparent = 0xFF000000; // no background of its own
constexpr Color Rgb(int r, int g, int b)
{
    return static_cast<Color>(r) | (static_cast<Color>(g) << 8) | (static_cast<Color>(b) << 16);
}

enum class Prop {
    Text,
    Visible,
    Enabled,
    Locked,
    BackColor,
    ForeColor,
    FontBold,
    Value,
    Selection,
    Items,
    TakesFocus,
    Spoken
};

class ControlObserver {
public:
    virtual ~ControlObserver() = default;
    virtual void PropertyChanged(Control& control, Prop prop) = 0;
};

// Position and size in twips (1440 a logical inch).
struct Geometry {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

enum class Align { Left, Center, Right };

// Design-time appearance, read by the toolkit when it builds the widget.
struct Style {
    std::string fontName = "MS Sans Serif";
    double fontSize = 9.75;
    Align align = Align::Left;
    bool border = false;             // single border around a label
    bool multiLine = false;          // text box with line breaks
    int lineWidth = 0;               // multi-line box: its lines wrap at this width (twips)
    bool wordWrap = false;           // label text wraps in its box
    bool editable = true;            // combo box that accepts typed text
    bool plainValue = false;         // label showing a value (never markup, no access key)
    Picture picture = Picture::None; // what an image control shows
};

// One control of a form: the properties that the form logic reads and
// writes, and the handlers that the toolkit raises. Setters tell the
// observer (the widget binding); the User* setters are for the binding
// itself, reporting what the practitioner did.
class Control {
public:
    Control(Form* form, std::string name, Kind kind);
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    const std::string& Name() const { return name_; }
    Kind GetKind() const { return kind_; }
    Form* Owner() const { return form_; }

    // Caption of labels, buttons, check boxes and frames; Text of entries.
    const std::string& Text() const { return text_; }
    void SetText(std::string text);
    const std::string& Caption() const { return text_; }
    void SetCaption(std::string text) { SetText(std::move(text)); }

    bool Visible() const { return visible_; }
    void SetVisible(bool v);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool v);
    bool Locked() const { return locked_; }
    void SetLocked(bool v);
    Color BackColor() const { return backColor_; }
    void SetBackColor(Color c);
    Color ForeColor() const { return foreColor_; }
    void SetForeColor(Color c);
    bool FontBold() const { return fontBold_; }
    void SetFontBold(bool v);

    // Check box: 0 unticked, 1 ticked; option button: 1 selected. A change
    // raises the Click handler, as a click would.
    int Value() const { return value_; }
    void SetValue(int v);

    int SelStart() const { return selStart_; }
    int SelLength() const { return selLength_; }
    void SetSelStart(int s);
    void SetSelLength(int n);

    const std::vector<std::string>& Items() const { return items_; }
    void AddItem(std::string item);

    // Limits what the practitioner types, never what the program writes.
    int MaxLength() const { return maxLength_; }
    void SetMaxLength(int n) { maxLength_ = n; }

    // What a screen reader calls the control ("Keratometry 1, right eye").
    const std::string& AccessibleName() const { return accessibleName_; }
    void SetAccessibleName(std::string n) { accessibleName_ = std::move(n); }
    // What a screen reader adds about it ("Enter chooses it").
    const std::string& AccessibleDescription() const { return accessibleDescription_; }
    void SetAccessibleDescription(std::string d);

    // A label that is a stop of the tab order for now (it takes the focus
    // when it also has a tab index); other kinds follow their tab index.
    bool TakesFocus() const { return takesFocus_; }
    void SetTakesFocus(bool v);

    const std::string& Hint() const { return hint_; }
    void SetHint(std::string h) { hint_ = std::move(h); }
    int TabIndex() const { return tabIndex_; }
    void SetTabIndex(int i) { tabIndex_ = i; }
    const Geometry& Geom() const { return geometry_; }
    void SetGeom(Geometry g) { geometry_ = g; }
    Style& GetStyle() { return style_; }
    const Style& GetStyle() const { return style_; }
    Control* Container() const { return container_; }
    void SetContainer(Control* frame) { container_ = frame; }
    // The control that the access key of this caption label moves to.
    Control* Buddy() const { return buddy_; }
    void SetBuddy(Control* c) { buddy_ = c; }

    bool CanTakeFocus() const;
    bool EffectivelyVisible() const;

    void SetObserver(ControlObserver* o) { observer_ = o; }

    // Reported by the toolkit binding: no echo back to the widget.
    void UserSetText(std::string text);
    void UserSetValue(int v);
    void UserSetSelection(int start, int length);

    // Event handlers, set by the form logic.
    std::function<void()> onClick;
    std::function<void()> onGotFocus;
    std::function<void()> onLostFocus;
    std::function<void(int& key)> onKeyPress;
    // The practitioner changed the text (typed, pasted, chose from a list);
    // never raised by what the program writes.
    std::function<void()> onEdited;

    void RaiseClick() const;
    void RaiseGotFocus() const;
    void RaiseLostFocus() const;
    // Returns the key after the handler: 0 when it discarded the key.
    int RaiseKeyPress(int key) const;

private:
    void Notify(Prop p);
    void ChangeValue(int v, bool echo);

    Form* form_;
    std::string name_;
    Kind kind_;
    std::string text_;
    bool visible_ = true;
    bool enabled_ = true;
    bool locked_ = false;
    Color backColor_ = kTransparent;
    Color foreColor_ = kBlack;
    bool fontBold_ = false;
    int value_ = 0;
    int selStart_ = 0;
    int selLength_ = 0;
    std::vector<std::string> items_;
    int maxLength_ = 0;
    std::string hint_;
    std::string accessibleName_;
    std::string accessibleDescription_;
    bool takesFocus_ = false;
    int tabIndex_ = -1;
    Geometry geometry_;
    Style style_;
    Control* container_ = nullptr;
    Control* buddy_ = nullptr;
    ControlObserver* observer_ = nullptr;
};

// Two members of a per-eye control array, index 0 right eye, 1 left eye.
using EyeArray = std::array<Control*, 2>;

} // namespace corvane
