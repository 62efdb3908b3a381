// The intermediate-cycle questionnaire without a widget: the statements
// that match the ticked options, the titles those statements lead to, and
// the report of a run.
#pragma once

#include <QString>
#include <QStringList>

#include <array>
#include <vector>

namespace norvela {

// The code of option i of the list (1..10): i, and 0 for the tenth. The
// eleventh option is the place route and has no code.
int CodigoOpcionGM(int opcion);

// The study icon (iconos.h) drawn beside row `fila` of the option list; -1
// for a row the list does not have.
int IconoOpcionGM(int fila);

// Statement numbers (1..n) that match the ticked codes: first every
// statement whose first digit is a ticked code, then every statement whose
// second digit is a ticked code other than 0. A statement that matches on
// both digits is listed twice. `codigo1`[j - 1] and `codigo2`[j - 1] are the
// digits of statement j.
std::vector<int> LineasCoincidentesGM(const std::vector<int> &codigosMarcados, const std::vector<int> &codigo1,
                                      const std::vector<int> &codigo2);

// The titles (1..n) whose fields 5, 6 or 7 name one of the ticked statements,
// each once, in the order of the statements, then of the titles, then of the
// fields. `campos`[t - 1] holds fields 5..7 of title t.
std::vector<int> TitulosDeLineasGM(const std::vector<int> &lineasMarcadas, const std::vector<std::array<int, 3>> &campos);

// The title shown at `fila` of a list of `titulos`; 0 when the click fell on
// no row.
int TituloEnFilaGM(const std::vector<int> &titulos, int fila);

// The report of a questionnaire run: what the student likes, the statements
// ticked, the titles that follow and, for each community clicked on the map
// of one of those titles, its centres. It grows with what it holds; a
// community clicked again for the same title replaces its block, in its
// first place.
class InformeCuestionarioGM {
public:
    struct Textos {
        QString meGusta;      // heading of the options
        QString area;         // heading of the statements
        QString titulos;      // heading of the titles
        QString centros;      // heading of a community block
        QString dondeSeEstudia;
    };

    void Opciones(const QStringList &opciones) { opciones_ = opciones; lineas_.clear(); titulos_.clear(); bloques_.clear(); }
    void Lineas(const QStringList &lineas) { lineas_ = lineas; titulos_.clear(); }
    // The titles that follow, by number and name: the centres of any other
    // title (one the student has left by going back) go.
    void Titulos(const std::vector<int> &numeros, const QStringList &nombres);
    // The centres of title `titulo`, named `nombre`, in `comunidad`, one row each.
    void Centros(int titulo, int comunidad, const QString &nombre, const QStringList &filas);

    // Lines 1..n of the report (at most 65 characters each: a longer one goes
    // on on the next lines, nothing cut) and the numbers of its bold
    // lines: the three headings and the heading of the last community block.
    struct Resultado {
        QStringList lineas;
        std::vector<int> negritas;
    };
    Resultado Construir(const Textos &t) const;

private:
    struct Bloque {
        int titulo = 0, comunidad = 0;
        QString nombre;
        QStringList filas;
    };
    QStringList opciones_, lineas_, titulos_;
    // In the order first clicked.
    std::vector<Bloque> bloques_;
};

} // namespace norvela
