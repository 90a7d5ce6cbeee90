// The face, size and weight each control is drawn with, as the font system
// resolved them on the real widgets, and the main window's background.
#include "qt_fixture.h"
#include "ui/qt/appearance.h"

#include <QFontInfo>
#include <QImage>
#include <QPushButton>
#include <QStyleFactory>

#include <algorithm>
#include <cmath>
#include <iterator>

using namespace corvane;
using namespace corvane::test;

// The sizes of the windows' texts, in points.
constexpr double kDesignPoints[] = {9.75, 12, 24};

class FontsQtTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion"))); }
    void cleanup()
    {
        calc_.reset();
        QApplication::setFont(QFont());
    }

    void everyControlIsDrawnInItsStyle_data();
    void everyControlIsDrawnInItsStyle();
    void boldFollowsTheFocusOfAButton();
    void backgroundShowsItsDigits();

private:
    // Every control of the main window whose widget shows text, against the
    // face, size and weight its style and boldness ask for.
    void CheckEveryControl() const;

    std::unique_ptr<QtCalculator> calc_;
};

void FontsQtTest::everyControlIsDrawnInItsStyle_data()
{
    QTest::addColumn<bool>("applicationFont");
    QTest::newRow("system font for the application") << false;
    QTest::newRow("window's face for the application, as the program sets") << true;
}

// Every control in the windows' face, at one of the sizes the form gives.
// Every control in the windows' face, at one of the sizes the form gives.
void FontsQtTest::CheckEveryControl() const
{
    calc_->view()->BuildHiddenParts();
    int checked = 0;
    for (QWidget* w : calc_->view()->findChildren<QWidget*>()) {
        const QString what = w->objectName();
        if (what.isEmpty() || what.endsWith(QLatin1String("Part")) || what == QLatin1String("Line1"))
            continue;
        const QFontInfo info(w->font());
        QVERIFY2(info.family() == QStringLiteral("Liberation Sans"),
                 qPrintable(what + QLatin1Char(' ') + info.family()));
        const bool designSize = std::any_of(std::begin(kDesignPoints), std::end(kDesignPoints), [&](double points) {
            return info.pixelSize() == static_cast<int>(std::lround(points * w->logicalDpiY() / 72.0));
        });
        QVERIFY2(designSize, qPrintable(what + QStringLiteral(" %1 px").arg(info.pixelSize())));
        ++checked;
    }
    QVERIFY(checked > 80);
}

void FontsQtTest::everyControlIsDrawnInItsStyle()
{
    QFETCH(bool, applicationFont);
    if (applicationFont)
        QApplication::setFont(WindowFont());
    calc_ = std::make_unique<QtCalculator>();
    CheckEveryControl();
}

void FontsQtTest::boldFollowsTheFocusOfAButton()
{
    calc_ = std::make_unique<QtCalculator>();
    auto* quit = calc_->find<QPushButton>("cmdQuit");
    QVERIFY(quit != nullptr);
    QVERIFY(!QFontInfo(quit->font()).bold());
    quit->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(QFontInfo(quit->font()).bold());
    calc_->find("chkPres")->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(!QFontInfo(quit->font()).bold());
    // Back in the window's own face and size, not some other regular font.
    QCOMPARE(QFontInfo(quit->font()).family(), QFontInfo(calc_->view()->font()).family());
    QCOMPARE(QFontInfo(quit->font()).pixelSize(), QFontInfo(calc_->view()->font()).pixelSize());
    CheckEveryControl();
}

// Faint digits on the dark sky, where no control covers it: a fair share of
// ink, but far from all of it.
void FontsQtTest::backgroundShowsItsDigits()
{
    calc_ = std::make_unique<QtCalculator>();
    MainWindow* view = calc_->view();
    const QImage shot = view->grab().toImage();
    const double ratio = shot.devicePixelRatio();
    int sky = 0;
    int ink = 0;
    // Right of the portraits, which take the left sixth.
    for (int y = 0; y < view->height(); ++y) {
        for (int x = view->width() / 5; x < view->width(); ++x) {
            if (view->childAt(x, y) != nullptr)
                continue;
            const QColor c = shot.pixelColor(static_cast<int>(x * ratio), static_cast<int>(y * ratio));
            (c.blue() >= 80 && c.red() < 40 ? ink : sky)++;
        }
    }
    QVERIFY2(sky > 10000, qPrintable(QString::number(sky)));
    const double share = static_cast<double>(ink) / (ink + sky);
    QVERIFY2(share > 0.02 && share < 0.4, qPrintable(QString::number(share)));
}

QTEST_MAIN(FontsQtTest)
#include "fonts_qt_test.moc"
