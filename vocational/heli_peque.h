// The small helicopter that tows the questionnaire's help line across the
// intermediate-cycle screen.
#pragma once

#include <QPixmap>

namespace norvela {

constexpr int kAnchoHeliPeque = 80;
constexpr int kAltoHeliPeque = 30;

// The helicopter flying left, nose first, with the tow rope hanging from its
// tail to the right edge of the picture, where the line it tows begins. The
// rest of the picture is transparent. Draw it once and keep it.
QPixmap DibujoHeliPeque();

} // namespace norvela
