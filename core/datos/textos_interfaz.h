// The interface texts: every caption, label, hint and most messages of the
// screens come from one "textos" file per language. Text k is line k of the
// file (2..749), cut to its declared length; some numbers have no text.
#pragma once

#include "tablas.h"

#include <QString>
#include <array>
#include <string>

namespace norvela {

class Enlace;

class TextosInterfaz {
public:
    static constexpr int kPrimero = 2;
    static constexpr int kUltimo = 749;
    static constexpr int kNumVariables = 719;

    // Declared length of text k; 0 for a number that has no text.
    static int Longitud(int k);
    static bool Existe(int k) { return Longitud(k) > 0; }

    // Text k as Windows-1252 bytes. A number without a text is an ErrorIndice.
    const std::string &operator[](int k) const;
    // Text k for a screen.
    QString Texto(int k) const;

    void Poner(int k, std::string_view s);
    void Vaciar();

private:
    std::array<std::string, kUltimo + 1> textos_{};
};

// Loads the "textos" file into `tabla` (entries 0..1100 of 75 characters):
// entry 0 the path, entry i line i without trailing blanks. A file that
// cannot be opened shows "Faltan ficheros (...)" and sets ErrorFicheros;
// a 1101st line, or a file shorter than the last text, is an ErrorRango.
void CargarTextos(Enlace &e, const QString &fichero, TablaTexto &tabla);

// Text k := entry k of TextosLeidos, cut to its length, for every text.
void AsignarTextos(Enlace &e);

} // namespace norvela
