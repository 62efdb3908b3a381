// Rules that join two data files, which no loader can check alone: the
// parallel degree tables, the blocks of subjects per title, the certificate
// explanations, the requirement lines of the higher cycles, the offers per
// centre, the cut-off indexes and the universities' communities, the
// provinces that lead to the centre lists, the questionnaires' areas and
// items, the activities of the professions, and the lines the screens read
// by number or code (community web addresses, itineraries, requirements),
// and the statements of the intermediate-cycle questionnaire. Start-up
// runs them after the screens that load data are created; a table whose
// file is not loaded yet (count 0) is skipped.
#pragma once

#include "errores.h"

namespace norvela {

class Enlace;

// A file that disagrees with another one it points into. When the two
// disagree so that either could be the damaged one, both are named.
class ErrorCoherencia : public ErrorDatos {
public:
    using ErrorDatos::ErrorDatos;
    ErrorCoherencia(const QString &fichero, const QString &otro, const QString &detalle);
    QString Mensaje() const override;

private:
    QString otro_;
};

// Throws an ErrorCoherencia naming the file and line of the first mismatch.
void ComprobarCoherencia(const Enlace &e);

// ComprobarCoherencia for start-up: a mismatch is told to the user
// ("Error en el fichero ..., línea ...: ...") and sets ErrorFicheros, like a
// missing file. True when everything loaded so far agrees.
bool ValidarDatos(Enlace &e);

} // namespace norvela
