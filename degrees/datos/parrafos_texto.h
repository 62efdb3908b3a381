// Lays out the outlets and masters paragraphs in a rich-text document: the
// colours, weights and bullets of each kind, then the red words.
#pragma once

#include "salidas_grado.h"

#include <QColor>

class QTextDocument;

namespace norvela {

enum class VistaTexto {
    Salidas,   // "Arial" 10; title maroon bold, headings green bold
    Master,    // "Arial" 9; headings maroon bold, bullets navy
};

inline const QColor kColorResalte{255, 0, 0};

// Replaces the document's contents.
void EscribirParrafos(QTextDocument &documento, const std::vector<Parrafo> &parrafos, VistaTexto vista,
                      const std::vector<Resalte> &resaltes = {});

} // namespace norvela
