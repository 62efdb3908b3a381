// Panels that cover others. While a cover shows, what lies wholly under it
// is hidden, so the keyboard cannot reach it and screen readers do not read
// it; it comes back as it was once the cover hides, shrinks or moves off it.
#pragma once

class QWidget;

namespace norvela {

// Makes `tapa` a cover of what lies under it among its siblings (and,
// inside a sibling it covers in part, of that sibling's controls it covers
// whole). Only controls lower in the stack are covered.
void HacerTapa(QWidget *tapa);

} // namespace norvela
