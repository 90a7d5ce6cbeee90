// A bare Qt window of the same build, the yardstick of the start-up
// benchmark: one line of text, so that it loads its fonts as any window
// with text does.
#include "app/first_paint_exit.h"

#include <QApplication>
#include <QLabel>
#include <QStyleFactory>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    corvane::FirstPaintExit::InstallIfAsked(app);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare Qt window"));
    window.resize(635, 507);
    QLabel text(QStringLiteral("Bare Qt window"), &window);
    text.move(20, 20);
    window.show();
    return QApplication::exec();
}
