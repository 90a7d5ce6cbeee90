#include "ui/qt/appearance.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFontDatabase>
#include <QLineEdit>
#include <QMetaEnum>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace corvane {

namespace {

double Luminance(const QColor& c)
{
    auto channel = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}

} // namespace

double Contrast(const QColor& a, const QColor& b)
{
    const double la = Luminance(a);
    const double lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

void LoadCarriedFonts()
{
    const QDir carried(QStringLiteral(":/fonts"));
    if (!carried.exists() || QFontDatabase::hasFamily(QStringLiteral("Liberation Sans")))
        return;
    for (const QString& file : carried.entryList(QDir::Files))
        QFontDatabase::addApplicationFont(carried.filePath(file));
}

QFont WindowFont()
{
    QFont font;
    font.setFamilies(FontFamilies("MS Sans Serif"));
    font.setPointSizeF(9.75);
    return font;
}

void PaintBackground(QWidget* field, const QColor& colour)
{
    QPalette pal = field->palette();
    const bool editor = qobject_cast<QLineEdit*>(field) != nullptr || qobject_cast<QComboBox*>(field) != nullptr;
    if (editor) {
        pal.setColor(QPalette::Base, colour);
        if (qobject_cast<QComboBox*>(field) != nullptr)
            pal.setColor(QPalette::Button, colour);
    } else {
        // Check boxes fill their background from their own role.
        pal.setColor(QPalette::Window, colour);
        pal.setColor(field->backgroundRole(), colour);
    }
    field->setAutoFillBackground(!editor);
    field->setPalette(pal);
}

void PaintDeclaredFills(QWidget* form)
{
    const QMetaEnum roles = QMetaEnum::fromType<QPalette::ColorRole>();
    for (QWidget* w : form->findChildren<QWidget*>()) {
        const QByteArray fill = w->property("fill").toByteArray();
        bool isRole = false;
        const int role = fill.isEmpty() ? 0 : roles.keyToValue(fill.constData(), &isRole);
        if (!fill.isEmpty())
            PaintBackground(w, isRole ? QApplication::palette(w).color(QPalette::ColorRole(role))
                                      : QColor(QString::fromLatin1(fill)));
    }
}

} // namespace corvane
