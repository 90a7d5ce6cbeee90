#include "ui/qt/calculator_app.h"

#include <QApplication>
#include <QStyleFactory>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    corvane::CalculatorApp calculator;
    return QApplication::exec();
}
