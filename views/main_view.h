#pragma once

#include "lens/engine.h"

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace corvane {

// The two entry sections of the main window and its three result groups.
enum class Method { Prescription, CurrentLens };
enum class ResultColumn { Prescription, CurrentLens, Suggested };

// Which values of an eye's suggested lens are still open.
struct OpenValues {
    bool bc = false;
    bool power = false;
    bool series = false;
    bool operator==(const OpenValues&) const = default;
};

// "Power Correction": asks the over-refraction until `accept` takes what
// was typed ("Ok"), or the dialog is closed.
class PowerCorrectionView {
public:
    virtual ~PowerCorrectionView() = default;
    virtual void Run(const std::function<bool(const std::string& typed)>& accept) = 0;
    // An error box over the dialog, which stays open.
    virtual void ShowError(const Words& message) = 0;
};

// "Add Correction": the two adds as its buttons; the one clicked, or none
// when the dialog is closed.
class AddCorrectionView {
public:
    virtual ~AddCorrectionView() = default;
    virtual std::optional<lens::AddChoice> Choose(const std::string& presAdd, const std::string& curAdd) = 0;
};

// What the main window's presenters ask of the window. Eyes are 0 (right)
// and 1 (left).
class MainView {
public:
    virtual ~MainView() = default;

    virtual bool Ticked(Method method, int eye) const = 0;
    virtual lens::EyeEntries Entries(int eye) const = 0;
    // What the program writes is no edit of the practitioner's.
    virtual void ShowEntries(int eye, const lens::EyeEntries& entries) = 0;

    // A lens in one column of a result group; none hides the column.
    virtual void ShowLens(ResultColumn column, int eye, const std::optional<lens::LensTexts>& lens) = 0;
    // Every open value as a keyboard stop; after a settling (`moveOn`) the
    // focus leaves a value that is no longer open. A hint of the help line
    // that names a settled value gives way to `clickLine` (or to nothing).
    virtual void ShowOpenValues(const std::array<OpenValues, 2>& open, const std::optional<Words>& clickLine,
                                bool moveOn) = 0;
    virtual void SetHelp(const Words& line) = 0;
    virtual void SetPrintEnabled(bool enabled) = 0;
    // The lens shown is no longer that of the ticks and entries on screen:
    // its values are shown as such, and `why`, when given, is told on the
    // help line until the lens is current again.
    virtual void ShowOutdated(bool outdated, const std::optional<Words>& why) = 0;

    // "Error <n>" with the message, titled for the eye.
    virtual void ShowEyeError(int eye, const RuntimeError& error) = 0;
    virtual void ShowWarning(const Words& message) = 0;
    // Where an entry that can take the focus is.
    virtual void FocusEntry(int eye, lens::Entry entry) = 0;
    // A Yes/No question.
    virtual bool Ask(const Words& question, const Words& title) = 0;
    virtual std::unique_ptr<PowerCorrectionView> PowerCorrection() = 0;
    virtual std::unique_ptr<AddCorrectionView> AddCorrection() = 0;
};

} // namespace corvane
