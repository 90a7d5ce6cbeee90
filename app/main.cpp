#include "ui/qt/calculator_app.h"

#include <QApplication>
#include <QStyleFactory>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    corvane::CalculatorApp calculator;
    calculator.Toolkit().onMainUnloaded = [] { QCoreApplication::exit(0); };
    return QApplication::exec();
}
