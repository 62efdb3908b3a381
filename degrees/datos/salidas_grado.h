// The profile and outlets text of a degree, its block of the language's
// "grados.txt", and the masters text "master.txt": paragraphs with their
// kind, and the ranges of the words shown in red. The screen's rich-text box
// lays them out (parrafos_texto.h).
#pragma once

#include <QString>
#include <string>
#include <string_view>
#include <vector>

namespace norvela {

class Enlace;

enum class TipoParrafo {
    Titulo,       // first line of a degree's block
    Encabezado,   // a heading of "grados.txt", a "-" line of "master.txt"
    Vineta,       // a "*" line, shown from its third character as a bullet
    Normal,
};

struct Parrafo {
    TipoParrafo tipo = TipoParrafo::Normal;
    QString texto;
};

// Characters [desde, desde + largo) of the text, the paragraphs joined by '\n'.
struct Resalte {
    int desde = 0;
    int largo = 0;
    bool operator==(const Resalte &) const = default;
};

// The lines of the degree whose code is `codigo`: from the second line after
// its key line ("<<" and the code right-aligned in three) up to the line
// before the next line holding "<<", or to the end of the file; lines that
// begin with "<<" are dropped. Without a key, or with nothing after it, 101
// lines of two blanks.
std::vector<std::string> BloqueGrado(const std::vector<std::string> &lineas, int codigo);

// One of the headings of "grados.txt": the trimmed line equals one of them,
// ignoring the case of ASCII letters.
bool EsEncabezadoSalidas(std::string_view linea);

// The block as paragraphs: the title, headings, bullets and plain lines.
std::vector<Parrafo> ParrafosSalidas(const std::vector<std::string> &bloque);

// "master.txt" as paragraphs: "*" bullets, "-" headings, plain lines.
std::vector<Parrafo> ParrafosMaster(const std::vector<std::string> &lineas);

QString TextoPlano(const std::vector<Parrafo> &parrafos);

// Every whole-word occurrence of `palabra` in `texto`, letter case ignored.
std::vector<Resalte> ResaltarPalabra(const QString &texto, const QString &palabra);

struct TextoSalidas {
    std::vector<Parrafo> parrafos;
    std::vector<Resalte> resaltes;   // "profesiones", "ocupación", "trabajar", in that order
};

// "grados.txt" of the language folder when it exists, else of the data folder.
QString FicheroSalidas(const Enlace &e);

// The outlets text of `grado` (1..NumGrados; empty otherwise). A
// "grados.txt" in neither folder is an ErrorEntradaSalida.
TextoSalidas SalidasGrado(const Enlace &e, int grado);

// The masters text of the language folder; missing, an ErrorEntradaSalida.
std::vector<Parrafo> LeerMaster(const Enlace &e);

} // namespace norvela
