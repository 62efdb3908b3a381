// A grid whose first row stays on top while the others scroll under it, as
// the heading row of a fixed-row grid does.
#pragma once

class QTableView;

namespace norvela {

// Keeps row 0 of `rejilla` on top. The grid's column header becomes the
// strip that makes room for the row, and a one-row view of the same model,
// drawn by the grid's own delegate, covers it; row 0 leaves the scrolling
// rows, so scrolling to a row puts that row just under the fixed one. The
// view is a sibling of the grid (accessibility tools read its cells) that
// follows the grid's place, visibility, stacking, palette, font and column
// widths; clicks and drags on it reach the strip, where the columns are
// resized. Call it once the grid has its delegate and its row height.
QTableView *FijarPrimeraFila(QTableView *rejilla);

} // namespace norvela
