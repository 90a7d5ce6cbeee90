#pragma once

#include "lens/words.h"

#include <QString>

namespace corvane {

// The words in the practitioner's language: each text of the catalogue
// through Qt's translation, then its values, words among them rendered
// likewise.
QString Tr(const Words& words);

} // namespace corvane
