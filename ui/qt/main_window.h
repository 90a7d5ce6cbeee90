#pragma once

#include "lens/numbers.h"
#include "ui/qt/form_window.h"
#include "ui/qt/main_window_fields.h"
#include "views/main_view.h"

#include <QString>

#include <memory>

class QCheckBox;
class QLabel;

namespace Ui {
class MainWindow;
class PrescriptionPart;
class CurrentLensPart;
class ResultsPart;
} // namespace Ui

namespace corvane {

// The calculator's main window: the two entry sections, each eye's entries,
// the three result groups with the open values of the suggested lens as
// keyboard stops, the help line and the commands. The sections and the
// results are built when first shown: most of the window is hidden at
// start-up.
class MainWindow : public FormWindow, public MainView {
    Q_OBJECT
public:
    explicit MainWindow(NumberFormat fmt, QWidget* parent = nullptr);
    ~MainWindow() override;

    // The hidden parts built now, as they are when first shown.
    void BuildHiddenParts();

    bool Ticked(Method method, int eye) const override;
    lens::EyeEntries Entries(int eye) const override;
    void ShowEntries(int eye, const lens::EyeEntries& entries) override;
    void ShowLens(ResultColumn column, int eye, const std::optional<lens::LensTexts>& lens) override;
    void ShowOpenValues(const std::array<OpenValues, 2>& open, const std::optional<Words>& clickLine,
                        bool moveOn) override;
    void SetHelp(const Words& line) override;
    void SetPrintEnabled(bool enabled) override;
    void ShowOutdated(bool outdated, const std::optional<Words>& why) override;
    void ShowEyeError(int eye, const RuntimeError& error) override;
    void ShowWarning(const Words& message) override;
    void FocusEntry(int eye, lens::Entry entry) override;
    bool Ask(const Words& question, const Words& title) override;
    std::unique_ptr<PowerCorrectionView> PowerCorrection() override;
    std::unique_ptr<AddCorrectionView> AddCorrection() override;

signals:
    void calculateRequested();
    void clearRequested();
    void orderRequested();
    // A tick or an entry changed, whoever changed it.
    void inputChanged();
    void valueClicked(int eye, lens::LensValue value);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QWidget* Part(Method method);
    void Results();
    void Built(QWidget* part);
    void ChainTabOrder();
    QWidget* Field(int eye, lens::Entry entry) const;
    QCheckBox* LeftBox(Method method) const;
    void RightTicked(Method method, bool on);
    void LeftTicked(Method method, bool on);
    ValueLabel* Marker(int eye, lens::LensValue value) const;
    void Entered(QWidget* field);
    void UpdateHelp(const QString& clickLine);
    QWidget* StopAfterSettling(const QWidget* settled) const;
    void Clear();

    NumberFormat fmt_;
    std::unique_ptr<Ui::MainWindow> ui_;
    // The parts' forms, each set up when the part is first shown.
    std::unique_ptr<Ui::PrescriptionPart> presUi_;
    std::unique_ptr<Ui::CurrentLensPart> curUi_;
    std::unique_ptr<Ui::ResultsPart> resultsUi_;
    // Each eye's entries (null until their section is built) and the result
    // groups by ResultColumn.
    std::array<fields::EyeFields, 2> fields_{};
    std::array<fields::ResultGroup, 3> groups_{};
    // The help line's hint of a value to click, while it shows one.
    QString hint_;
    // The help line's word that the lens shown is outdated, while it says so.
    QString outdated_;
};

} // namespace corvane
