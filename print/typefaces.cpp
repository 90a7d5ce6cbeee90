#include "print/typefaces.h"

namespace corvane {

QStringList FontFamilies(const std::string& designFace)
{
    // The design's face is a Windows bitmap font; Liberation Sans has close
    // metrics. Naming only faces that exist keeps font matching quick.
    if (designFace == "MS Sans Serif")
        return {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")};
    return {QString::fromStdString(designFace), QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")};
}

} // namespace corvane
