#include "qt_fixture.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QStyleFactory>

using namespace corvane;
using namespace corvane::test;

namespace {

const QColor kFocus(0xFF, 0xFF, 0xC0);
const QColor kRest(0xFF, 0xFF, 0xFF);

// Share of the widget's rendered pixels that have exactly this colour.
double Share(QWidget* w, const QColor& color)
{
    const QImage image = w->grab().toImage();
    qsizetype hits = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            hits += image.pixelColor(x, y).rgb() == color.rgb() ? 1 : 0;
    return double(hits) / double(image.width() * image.height());
}

bool Shows(QWidget* w, const QColor& color) { return Share(w, color) > 0.25; }

} // namespace

// Focus feedback, selection and entry texts of the main window, judged on the
// real widgets as they are drawn.
class FocusQtTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion"))); }
    void init() { calc_ = std::make_unique<QtCalculator>(); }
    void cleanup() { calc_.reset(); }

    void startUpFocusIsShown();
    void everyFocusColourAlongTheTabOrder();
    void keyboardFocusSelectsOnlyWhereItShould_data();
    void keyboardFocusSelectsOnlyWhereItShould();
    void correctionAfterAnErrorReplacesTheField();
    void longWrittenValueShowsItsStart();
    void pasteIsCutToMaxLength_data();
    void pasteIsCutToMaxLength();

private:
    void OpenAllSections() const
    {
        calc_->Fill({"chkPres", "chkPresOS", "chkCur", "chkCurOS"}, {});
        calc_->Reactivate();
    }
    std::unique_ptr<QtCalculator> calc_;
};

void FocusQtTest::startUpFocusIsShown()
{
    QCOMPARE(calc_->Focused(), QStringLiteral("chkPres"));
    QVERIFY2(Shows(calc_->find("chkPres"), kFocus), "the focused section box is not light yellow");
    QVERIFY(Shows(calc_->find("chkCur"), kRest));
    calc_->Key(Qt::Key_Tab);
    QCOMPARE(calc_->Focused(), QStringLiteral("chkCur"));
    QVERIFY(Shows(calc_->find("chkCur"), kFocus));
    QVERIFY2(Shows(calc_->find("chkPres"), kRest), "the box left is not white");
}

void FocusQtTest::everyFocusColourAlongTheTabOrder()
{
    OpenAllSections();
    calc_->find("chkPres")->setFocus(Qt::TabFocusReason);
    QStringList coloured;
    QString previous;
    for (int step = 0; step < 40 && !coloured.contains(calc_->Focused()); ++step) {
        const QString name = calc_->Focused();
        QWidget* w = calc_->find(name.toLatin1().constData());
        if (qobject_cast<QPushButton*>(w) != nullptr) {
            QVERIFY2(w->font().bold(), qPrintable(name));
        } else {
            QVERIFY2(Shows(w, kFocus), qPrintable(name + " has the focus but is not light yellow"));
            coloured << name;
        }
        if (!previous.isEmpty()) {
            QWidget* left = calc_->find(previous.toLatin1().constData());
            if (qobject_cast<QPushButton*>(left) != nullptr)
                QVERIFY2(!left->font().bold(), qPrintable(previous));
            else
                QVERIFY2(Shows(left, kRest) && Share(left, kFocus) == 0.0, qPrintable(previous + " stays yellow"));
        }
        previous = name;
        calc_->Key(Qt::Key_Tab);
    }
    // Four section boxes and the eleven entries of each eye.
    QCOMPARE(coloured.size(), 4 + 2 * 11);
}

void FocusQtTest::keyboardFocusSelectsOnlyWhereItShould_data()
{
    QTest::addColumn<QString>("from");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("to");
    QTest::addColumn<bool>("selected");
    QTest::newRow("Tab to the vertex") << "txtPresAxe_0" << int(Qt::Key_Tab) << 0 << "cboPresVertex_0" << false;
    QTest::newRow("Shift+Tab to the vertex")
        << "cboPresAdd_0" << int(Qt::Key_Backtab) << int(Qt::ShiftModifier) << "cboPresVertex_0" << false;
    QTest::newRow("Alt+V to the vertex") << "txtPresKera1_0" << int(Qt::Key_V) << int(Qt::AltModifier)
                                         << "cboPresVertex_0" << false;
    QTest::newRow("Enter to the left vertex")
        << "txtPresAxe_1" << int(Qt::Key_Return) << 0 << "cboPresVertex_1" << false;
    QTest::newRow("Tab to the add") << "cboPresVertex_0" << int(Qt::Key_Tab) << 0 << "cboPresAdd_0" << true;
    QTest::newRow("Alt+D to the add") << "txtPresKera1_0" << int(Qt::Key_D) << int(Qt::AltModifier) << "cboPresAdd_0"
                                      << true;
    QTest::newRow("Tab to a text box") << "txtPresKera1_0" << int(Qt::Key_Tab) << 0 << "txtPresKera2_0" << true;
    QTest::newRow("Shift+Tab to a text box")
        << "txtPresKera2_0" << int(Qt::Key_Backtab) << int(Qt::ShiftModifier) << "txtPresKera1_0" << true;
}

void FocusQtTest::keyboardFocusSelectsOnlyWhereItShould()
{
    QFETCH(QString, from);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, to);
    QFETCH(bool, selected);
    OpenAllSections();
    calc_->Fill({}, {{"txtPresKera1_0", "43.25"},
                     {"txtPresKera2_0", "44"},
                     {"cboPresAdd_0", "2.00"},
                     {"txtPresKera1_1", "43.25"},
                     {"txtPresKera2_1", "44"},
                     {"cboPresAdd_1", "2.00"}});
    calc_->find(from.toLatin1().constData())->setFocus(Qt::MouseFocusReason);
    calc_->Key(Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QTest::qWait(20);
    QCOMPARE(calc_->Focused(), to);
    QWidget* w = calc_->find(to.toLatin1().constData());
    auto* combo = qobject_cast<QComboBox*>(w);
    QLineEdit* edit = combo != nullptr ? combo->lineEdit() : qobject_cast<QLineEdit*>(w);
    QCOMPARE(edit->hasSelectedText(), selected);
    if (selected)
        QCOMPARE(edit->selectedText(), edit->text());
}

void FocusQtTest::correctionAfterAnErrorReplacesTheField()
{
    QTest::keyClick(calc_->find("chkPres"), Qt::Key_Space);
    calc_->Type(QStringLiteral("4x.55"));
    QCOMPARE(calc_->Focused(), QStringLiteral("txtPresKera1_0"));
    calc_->find<QLabel>("lblhelp")->clear();
    calc_->driver.PressInBox(QMessageBox::Ok);
    calc_->Key(Qt::Key_C, Qt::AltModifier);
    QTRY_VERIFY(calc_->driver.Done());
    QTest::qWait(20);
    QCOMPARE(calc_->driver.boxes.size(), 1);
    calc_->Reactivate();
    QCOMPARE(calc_->Focused(), QStringLiteral("txtPresKera1_0"));
    auto* kera = calc_->find<QLineEdit>("txtPresKera1_0");
    QCOMPARE(kera->selectedText(), QStringLiteral("4x.55"));
    QVERIFY(Shows(kera, kFocus));
    QCOMPARE(calc_->find<QLabel>("lblhelp")->text(), QStringLiteral("Enter the K then hit Enter or Tab"));
    calc_->Type(QStringLiteral("43.25"));
    QCOMPARE(kera->text(), QStringLiteral("43.25"));
}

void FocusQtTest::longWrittenValueShowsItsStart()
{
    QTest::mouseClick(calc_->find("chkPres"), Qt::LeftButton);
    calc_->Type(QStringLiteral("780"));
    calc_->Fill({}, {{"txtPresKera2_0", "44"}, {"txtPresPow_0", "-2"}, {"cboPresAdd_0", "2"}});
    QTest::mouseClick(calc_->find("btnGo"), Qt::LeftButton);
    auto* kera = calc_->find<QLineEdit>("txtPresKera1_0");
    QCOMPARE(kera->text(), QStringLiteral("43.2692307692308"));
    QCOMPARE(kera->cursorPosition(), 0);
    // Scrolled to its start: the caret sits at the box's left edge.
    QVERIFY(kera->inputMethodQuery(Qt::ImCursorRectangle).toRect().left() < kera->width() / 4);
    // Long texts written into an editable combo box show their start too.
    lens::EyeEntries entries = calc_->view()->Entries(0);
    entries.pres.add = "2.00000000000001";
    calc_->view()->ShowEntries(0, entries);
    QCOMPARE(calc_->find<QComboBox>("cboPresAdd_0")->lineEdit()->cursorPosition(), 0);
}

void FocusQtTest::pasteIsCutToMaxLength_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("before");
    QTest::addColumn<int>("cursor");
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("after");
    QTest::newRow("huge paste into a K") << "txtPresKera1_0"
                                         << "" << 0 << QString(10000, '4') << "44444";
    QTest::newRow("number and blanks") << "txtCurPow_0"
                                       << "" << 0 << "-0.25" + QString(3000, ' ') << "-0.25 ";
    QTest::newRow("paste inside a text") << "txtPresKera1_0"
                                         << "43" << 1 << "999999"
                                         << "49993";
    QTest::newRow("full box takes nothing") << "txtPresAxe_0"
                                            << "180" << 3 << "5"
                                            << "180";
    QTest::newRow("short paste is whole") << "txtPresPow_0"
                                          << "" << 0 << "-2.50"
                                          << "-2.50";
}

void FocusQtTest::pasteIsCutToMaxLength()
{
    QFETCH(QString, field);
    QFETCH(QString, before);
    QFETCH(int, cursor);
    QFETCH(QString, pasted);
    QFETCH(QString, after);
    OpenAllSections();
    auto* edit = calc_->find<QLineEdit>(field.toLatin1().constData());
    edit->setText(before);
    edit->setFocus(Qt::MouseFocusReason);
    edit->setCursorPosition(cursor);
    QApplication::clipboard()->setText(pasted);
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(edit->text(), after);
    QCOMPARE(QString::fromStdString(lens::Text(calc_->view()->Entries(0), lens::Entry::Kera1)),
             calc_->find<QLineEdit>("txtPresKera1_0")->text());
    // What the program writes is never cut.
    edit->setText("-0.25" + QString(300, ' '));
    QCOMPARE(edit->text().size(), 305);
}

QTEST_MAIN(FocusQtTest)
#include "focus_qt_test.moc"
