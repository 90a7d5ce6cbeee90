#include "qt_fixture.h"

#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QStyleFactory>

#include <array>
#include <random>
#include <string>
#include <vector>

using namespace corvane;
using namespace corvane::test;
using lens::Entry;

namespace {

// Walks of this many steps; CORVANE_WALKS and CORVANE_WALK_SEED change the
// count and the first seed (a soak, or the replay of a failure).
#ifdef _WIN32
constexpr int kWalks = 20;
#else
constexpr int kWalks = 100;
#endif
constexpr int kSteps = 40;

int FromEnv(const char* name, int fallback)
{
    const QByteArray value = qgetenv(name);
    return value.isEmpty() ? fallback : value.toInt();
}

// Each entry with what a practitioner may type there: the values of a lens,
// and slips.
struct EntryPool {
    Entry entry;
    const char* name;
    std::vector<const char*> good;
    std::vector<const char*> bad;
};
const std::vector<EntryPool> kPools = {
    {Entry::Kera1, "txtPresKera1", {"43", "44", "7.8", "4350", "780", "43.25"}, {"39", "49", "", "abc", "0"}},
    {Entry::Kera2, "txtPresKera2", {"44", "43.5", "7.7", "4400", "44.25"}, {"47.5", "", "k"}},
    {Entry::Sphere, "txtPresPow", {"-2", "-2.00", "+1.00", "-350", "-4"}, {"", "x"}},
    {Entry::Cylinder, "txtPresCyl", {"", "", "-0.75", "+0.50"}, {"-3", "q"}},
    {Entry::Axis, "txtPresAxe", {"", "", "90", "180"}, {"45", "200"}},
    {Entry::Vertex, "cboPresVertex", {"12", "10", "8"}, {"", "100"}},
    {Entry::PresAdd, "cboPresAdd", {"2.00", "1.50", "2.75", "125"}, {"", "z"}},
    {Entry::CurBC, "txtCurBC", {"7.85", "7.70", "8.20", "43"}, {"", "y"}},
    {Entry::CurPower, "txtCurPow", {"-2.00", "-2.50", "-250", "1.5", "-4"}, {"-1e308", "", "p"}},
    {Entry::CurDiam, "txtCurDiam", {"9.2", "9.0", "9.5", "92"}, {"", "d"}},
    {Entry::CurAdd, "txtCurAdd", {"2.00", "1.5", "2.5", ""}, {"a"}},
};
const std::vector<const char*> kOverRefractions = {"0.25", "-0.50", "+1", "0", "0.125", "", "abc"};
const std::array<const char*, 4> kBoxes = {"chkPres", "chkPresOS", "chkCur", "chkCurOS"};
const std::array<const char*, 4> kFinal = {"lblResFinalBC", "lblResFinalPow", "lblResFinalDiam", "lblResFinalSerie"};
const std::array<const char*, 4> kOrdered = {"lblBC", "lblPow", "lblDiam", "lblSeries"};

bool Prescription(Entry entry) { return entry <= Entry::PresAdd; }

QString Name(const char* name, int eye) { return QLatin1String(name) + u'_' + QString::number(eye); }

} // namespace

// Random walks of a practitioner's steps through the real main window:
// whenever "Pr&int Order" is enabled, Calculate would give the lens shown
// now, and the order window opens on that lens.
class WalkQtTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion"))); }
    void orderableLensIsTheLensOfTheScreen();

private:
    // One step of the walk, chosen at random.
    void Step();
    void FillSection();
    void TypeOne();
    void Toggle();
    void ListKey();
    void Settle();
    void Click(const char* name, const QString& log);
    // The rule, checked after every step.
    void Check();
    // Answers every box and dialog as a practitioner may.
    void Answer();

    int Pick(std::size_t n) { return static_cast<int>(std::uniform_int_distribution<std::size_t>(0, n - 1)(rng_)); }
    template <class T>
    const T& Any(const std::vector<T>& v)
    {
        return v[static_cast<std::size_t>(Pick(v.size()))];
    }
    QWidget* Shown(const QString& name) const
    {
        QWidget* w = calc_->view()->findChild<QWidget*>(name);
        return w != nullptr && w->isVisible() && w->isEnabled() ? w : nullptr;
    }
    QString LabelText(QWidget* root, const QString& name) const { return root->findChild<QLabel*>(name)->text(); }
    void Fail(const QString& why) { failure_ = failure_.isEmpty() ? why : failure_; }

    std::unique_ptr<QtCalculator> calc_;
    std::mt19937 rng_;
    QStringList log_;
    QString failure_;
    // What the order window must show: [eye][value], "-" for no left lens.
    std::array<std::array<QString, 4>, 2> expected_{};
    QTimer answerer_;
    bool answering_ = false;
    // How often the rule was put to the test, for the soak's report.
    int orderable_ = 0;
    int ordersOpened_ = 0;
};

void WalkQtTest::orderableLensIsTheLensOfTheScreen()
{
    const int walks = FromEnv("CORVANE_WALKS", kWalks);
    const int first = FromEnv("CORVANE_WALK_SEED", 1);
    connect(&answerer_, &QTimer::timeout, this, &WalkQtTest::Answer);
    answerer_.start(5);
    for (int seed = first; seed < first + walks; ++seed) {
        rng_.seed(static_cast<unsigned>(seed));
        log_.clear();
        calc_ = std::make_unique<QtCalculator>();
        for (int i = 0; i < kSteps && failure_.isEmpty(); ++i) {
            Step();
            calc_->Reactivate();
            Check();
        }
        calc_.reset();
        if (failure_.isEmpty())
            continue;
        QFAIL(qPrintable(QStringLiteral("seed %1 (CORVANE_WALK_SEED=%1 CORVANE_WALKS=1 to replay): %2\nsteps:\n  %3")
                             .arg(seed)
                             .arg(failure_, log_.join(QStringLiteral("\n  ")))));
    }
    qInfo("%d walks of %d steps: the order was open to %d steps, its window checked %d times", walks, kSteps,
          orderable_, ordersOpened_);
    QVERIFY2(orderable_ > walks, "the walks seldom reach an order");
}

void WalkQtTest::Step()
{
    switch (Pick(20)) {
    case 0:
    case 1:
    case 2:
        return FillSection();
    case 3:
    case 4:
    case 5:
    case 6:
        return TypeOne();
    case 7:
    case 8:
    case 9:
        return Toggle();
    case 10:
        return ListKey();
    case 11:
    case 12:
    case 13:
        return Click("btnGo", QStringLiteral("Calculate"));
    case 14:
    case 15:
    case 16:
    case 17:
        return Settle();
    case 18:
        return Click("cmdClear", QStringLiteral("Clear"));
    default:
        return Click("cmdPrint", QStringLiteral("Print Order"));
    }
}

void WalkQtTest::Click(const char* name, const QString& log)
{
    if (QWidget* w = Shown(QLatin1String(name))) {
        log_ << log;
        QTest::mouseClick(w, Qt::LeftButton);
    }
}

// One method of one eye: its box ticked if need be, then every entry typed.
void WalkQtTest::FillSection()
{
    const bool pres = Pick(2) == 0;
    const int eye = Pick(2);
    const std::size_t first = pres ? 0 : 2;
    const char* box = kBoxes[first + static_cast<std::size_t>(eye)];
    QWidget* tick = Shown(QLatin1String(box));
    if (tick == nullptr)
        return;
    log_ << QStringLiteral("fill %1 of eye %2").arg(QLatin1String(pres ? "K's and Rx" : "current lens")).arg(eye);
    if (!static_cast<QCheckBox*>(tick)->isChecked())
        QTest::mouseClick(tick, Qt::LeftButton);
    for (const EntryPool& pool : kPools)
        if (Prescription(pool.entry) == pres)
            if (QWidget* field = Shown(Name(pool.name, eye))) {
                const char* text = Pick(8) == 0 ? Any(pool.bad) : Any(pool.good);
                log_ << QStringLiteral("  %1 = \"%2\"").arg(field->objectName(), QLatin1String(text));
                calc_->TypeOver(field, QLatin1String(text));
            }
}

void WalkQtTest::TypeOne()
{
    const EntryPool& pool = Any(kPools);
    const int eye = Pick(2);
    if (QWidget* field = Shown(Name(pool.name, eye))) {
        const char* text = Pick(3) == 0 ? Any(pool.bad) : Any(pool.good);
        log_ << QStringLiteral("type \"%1\" into %2").arg(QLatin1String(text), field->objectName());
        calc_->TypeOver(field, QLatin1String(text));
    }
}

void WalkQtTest::Toggle()
{
    const char* box = kBoxes[static_cast<std::size_t>(Pick(kBoxes.size()))];
    Click(box, QStringLiteral("click ") + QLatin1String(box));
}

void WalkQtTest::ListKey()
{
    const bool vertex = Pick(2) == 0;
    QWidget* list = Shown(Name(vertex ? "cboPresVertex" : "cboPresAdd", Pick(2)));
    if (list == nullptr)
        return;
    const Qt::Key key = Pick(2) == 0 ? Qt::Key_Up : Qt::Key_Down;
    log_ << QStringLiteral("%1 in %2").arg(QLatin1String(key == Qt::Key_Up ? "Up" : "Down"), list->objectName());
    list->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(QApplication::focusWidget(), key);
}

void WalkQtTest::Settle()
{
    std::vector<QWidget*> open;
    for (int eye = 0; eye < 2; ++eye)
        for (const char* value : kFinal)
            if (auto* marker = static_cast<QLabel*>(Shown(Name(value, eye)));
                marker != nullptr && marker->text() == QStringLiteral("???"))
                open.push_back(marker);
    if (open.empty())
        return Click("btnGo", QStringLiteral("Calculate"));
    QWidget* marker = Any(open);
    log_ << QStringLiteral("settle ") + marker->objectName();
    QTest::mouseClick(marker, Qt::LeftButton);
}

// The rule: an enabled "Pr&int Order" means that Calculate, run now on
// the ticks and entries on screen, gives the lens shown (a value that it
// leaves open excepted), and the order window shows that lens.
void WalkQtTest::Check()
{
    if (!failure_.isEmpty() || !calc_->find("cmdPrint")->isEnabled())
        return;
    const NumberFormat fmt{'.'};
    for (int eye = 0; eye < 2; ++eye) {
        auto ticked = [&](const char* box) {
            return calc_->find<QCheckBox>(QLatin1String(box) + QLatin1String(eye == 0 ? "" : "OS"))->isChecked();
        };
        const lens::EyeEntries entries = lens::EntriesFrom([&](Entry entry) {
            for (const EntryPool& pool : kPools)
                if (pool.entry == entry) {
                    QWidget* field = calc_->find(Name(pool.name, eye));
                    auto* list = qobject_cast<QComboBox*>(field);
                    return (list != nullptr ? list->currentText() : static_cast<QLineEdit*>(field)->text())
                        .toStdString();
                }
            return std::string();
        });
        const lens::EyeCalculation again = lens::CalculateEye({ticked("chkPres"), ticked("chkCur"), entries}, fmt);
        const QWidget* bc = calc_->find(Name(kFinal[0], eye));
        if (again.result.suggested.has_value() != bc->isVisible())
            return Fail(
                QStringLiteral("eye %1: Calculate now gives %2 lens").arg(eye).arg(bc->isVisible() ? "no" : "a"));
        if (!again.result.suggested) {
            expected_[static_cast<std::size_t>(eye)] = {"-", "-", "-", "-"};
            continue;
        }
        const lens::LensTexts now = lens::Texts(*again.result.suggested, "???", fmt);
        const std::array<std::string, 4> values = {now.bc, now.pow, now.diam, now.serie};
        for (std::size_t v = 0; v < values.size(); ++v) {
            const QString shown = calc_->find<QLabel>(Name(kFinal[v], eye))->text();
            expected_[static_cast<std::size_t>(eye)][v] = shown;
            const bool same = values[v] == "???" || (IsNumeric(shown.toStdString(), fmt) &&
                                                     ToNumber(shown.toStdString(), fmt) == ToNumber(values[v], fmt));
            if (!same)
                return Fail(QStringLiteral("eye %1 shows %2 where Calculate now gives %3")
                                .arg(eye)
                                .arg(shown, QString::fromStdString(values[v])));
        }
    }
    ++orderable_;
    log_ << QStringLiteral("  (order window opened)");
    QTest::mouseClick(calc_->find("cmdPrint"), Qt::LeftButton);
    calc_->Reactivate();
}

void WalkQtTest::Answer()
{
    QWidget* modal = QApplication::activeModalWidget();
    if (answering_ || modal == nullptr || !modal->isVisible())
        return;
    // Answered from a timer of its own: the answer may open another box.
    answering_ = true;
    QPointer<QWidget> target(modal);
    QTimer::singleShot(0, this, [this, target] {
        answering_ = false;
        if (target == nullptr || !target->isVisible())
            return;
        if (auto* box = qobject_cast<QMessageBox*>(target.data())) {
            QAbstractButton* yes = box->button(QMessageBox::Yes);
            QAbstractButton* answer = yes != nullptr && Pick(2) == 0 ? box->button(QMessageBox::No) : yes;
            if (answer == nullptr)
                answer = box->buttons().first();
            log_ << QStringLiteral("  box \"%1\": %2").arg(box->text().simplified(), answer->text());
            QTest::mouseClick(answer, Qt::LeftButton);
        } else if (target->objectName() == QStringLiteral("Form2") && Pick(4) != 0) {
            const char* typed = Any(kOverRefractions);
            log_ << QStringLiteral("  over-refraction \"%1\"").arg(QLatin1String(typed));
            calc_->TypeOver(target->findChild<QWidget*>(QStringLiteral("txtRefra")), QLatin1String(typed));
            QTest::mouseClick(target->findChild<QWidget*>(QStringLiteral("cmdOK")), Qt::LeftButton);
        } else if (target->objectName() == QStringLiteral("Form3") && Pick(4) != 0) {
            const char* button = Pick(2) == 0 ? "cmd1" : "cmd2";
            log_ << QStringLiteral("  add chosen: ") + QLatin1String(button);
            QTest::mouseClick(target->findChild<QWidget*>(QLatin1String(button)), Qt::LeftButton);
        } else if (target->objectName() == QStringLiteral("Form4")) {
            for (int eye = 0; eye < 2; ++eye)
                for (std::size_t v = 0; v < kOrdered.size(); ++v) {
                    const QString name = QLatin1String(kOrdered[v]) + QLatin1String(eye == 0 ? "od" : "os");
                    const QString shown = LabelText(target, name);
                    if (shown != expected_[static_cast<std::size_t>(eye)][v])
                        Fail(QStringLiteral("the order window shows %1 = %2, the main window %3")
                                 .arg(name, shown, expected_[static_cast<std::size_t>(eye)][v]));
                }
            ++ordersOpened_;
            QTest::mouseClick(target->findChild<QWidget*>(QStringLiteral("cmdCancel")), Qt::LeftButton);
        } else {
            log_ << QStringLiteral("  closed: ") + target->objectName();
            QTest::keyClick(target, Qt::Key_Escape);
        }
    });
}

QTEST_MAIN(WalkQtTest)
#include "walk_qt_test.moc"
