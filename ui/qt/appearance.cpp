#include "ui/qt/appearance.h"

namespace corvane {

QColor ToQColor(Color c, const QPalette& palette)
{
    switch (c) {
    case kSystemWindow:
        return palette.color(QPalette::Base);
    case kSystemButtonFace:
        return palette.color(QPalette::Button);
    case kSystemButtonHighlight:
        return palette.color(QPalette::Light);
    default:
        return QColor(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF),
                      static_cast<int>((c >> 16) & 0xFF));
    }
}

QStringList FontFamilies(const std::string& designFace)
{
    // The design's face is a Windows bitmap font; Liberation Sans has close
    // metrics. Naming only faces that exist keeps font matching quick.
    if (designFace == "MS Sans Serif")
        return {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")};
    return {QString::fromStdString(designFace), QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")};
}

QFont DesignFont(const Style& style, bool bold)
{
    QFont font;
    font.setFamilies(FontFamilies(style.fontName));
    font.setPointSizeF(style.fontSize);
    font.setBold(bold);
    return font;
}

} // namespace corvane
