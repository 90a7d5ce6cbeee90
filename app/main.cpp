#include "app/calculator_app.h"
#include "app/first_paint_exit.h"
#include "ui/qt/appearance.h"

#include <QApplication>
#include <QStyleFactory>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    corvane::FirstPaintExit::InstallIfAsked(app);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setFont(corvane::WindowFont());
    corvane::CalculatorApp calculator;
    QObject::connect(calculator.Window(), &QDialog::finished, &app, &QCoreApplication::quit);
    return QApplication::exec();
}
