#include "tablas.h"

#include "cadenas.h"

namespace norvela {

TablaTexto::TablaTexto(int primero, int ultimo, int ancho, Capacidad capacidad, int anchoCero)
    : primero_(primero), ultimo_(ultimo), ancho_(ancho), capacidad_(capacidad),
      anchoCero_(anchoCero > 0 ? anchoCero : ancho)
{
    // The whole capacity is set aside at once, so an entry never moves, but
    // entries come into being only up to the last one written: the rest of
    // the capacity is never touched and takes no memory.
    entradas_.reserve(static_cast<size_t>(ultimo - primero + 1));
}

const std::string &TablaTexto::operator[](int i) const
{
    static const std::string vacia;
    if (i > ultimo_ && i >= primero_ && Crece())
        return vacia;
    const size_t p = Posicion(i);
    return p < entradas_.size() ? entradas_[p] : vacia;
}

size_t TablaTexto::Posicion(int i) const
{
    if (i < primero_ || i > ultimo_)
        throw ErrorIndice(i, primero_, ultimo_);
    return static_cast<size_t>(i - primero_);
}

void TablaTexto::Poner(int i, std::string_view s)
{
    if (i > ultimo_ && Crece())
        ultimo_ = i;
    const size_t p = Posicion(i);
    if (p >= entradas_.size())
        entradas_.resize(p + 1);
    entradas_[p] = Cortar(s, i == 0 ? anchoCero_ : ancho_);
}

void TablaTexto::Vaciar()
{
    for (auto &e : entradas_)
        e.clear();
}

void TablaTexto::Liberar()
{
    entradas_.clear();
    entradas_.shrink_to_fit();
    ultimo_ = primero_ - 1;
}

TablaBloques::TablaBloques(int bloques, int entradas, int ancho)
    : bloques_(bloques), entradas_(entradas), ancho_(ancho)
{
    // As with a text table: set aside whole, made only up to the last entry written.
    textos_.reserve(static_cast<size_t>(bloques * entradas));
}

const std::string &TablaBloques::En(int bloque, int entrada) const
{
    static const std::string vacia;
    const size_t p = Posicion(bloque, entrada);
    return p < textos_.size() ? textos_[p] : vacia;
}

size_t TablaBloques::Posicion(int bloque, int entrada) const
{
    if (bloque < 1 || bloque > bloques_)
        throw ErrorIndice(bloque, 1, bloques_);
    if (entrada < 1 || entrada > entradas_)
        throw ErrorIndice(entrada, 1, entradas_);
    return static_cast<size_t>((bloque - 1) * entradas_ + (entrada - 1));
}

void TablaBloques::Poner(int bloque, int entrada, std::string_view s)
{
    const size_t p = Posicion(bloque, entrada);
    if (p >= textos_.size())
        textos_.resize(p + 1);
    textos_[p] = Cortar(s, ancho_);
}

void TablaBloques::Vaciar()
{
    for (auto &t : textos_)
        t.clear();
}

void TablaBloques::Liberar()
{
    textos_.clear();
    textos_.shrink_to_fit();
    bloques_ = 0;
}

TablaBytes::TablaBytes(int filas, int ultimoByte)
    : filas_(filas), ultimoByte_(ultimoByte), bytes_(static_cast<size_t>(filas * (ultimoByte + 1)))
{
}

size_t TablaBytes::Posicion(int fila, int byte) const
{
    if (fila < 1 || fila > filas_)
        throw ErrorIndice(fila, 1, filas_);
    if (byte < 0 || byte > ultimoByte_)
        throw ErrorIndice(byte, 0, ultimoByte_);
    return static_cast<size_t>((fila - 1) * (ultimoByte_ + 1) + byte);
}

void TablaBytes::Vaciar()
{
    std::fill(bytes_.begin(), bytes_.end(), uint8_t{0});
}

void TablaBytes::Liberar()
{
    bytes_.clear();
    bytes_.shrink_to_fit();
    filas_ = 0;
}

TablaEnteros::TablaEnteros(int filaPrimera, int filaUltima, int colPrimera, int colUltima)
    : filaPrimera_(filaPrimera), filaUltima_(filaUltima), colPrimera_(colPrimera), colUltima_(colUltima),
      valores_(static_cast<size_t>((filaUltima - filaPrimera + 1) * (colUltima - colPrimera + 1)))
{
}

size_t TablaEnteros::Posicion(int fila, int col) const
{
    if (fila < filaPrimera_ || fila > filaUltima_)
        throw ErrorIndice(fila, filaPrimera_, filaUltima_);
    if (col < colPrimera_ || col > colUltima_)
        throw ErrorIndice(col, colPrimera_, colUltima_);
    return static_cast<size_t>((fila - filaPrimera_) * (colUltima_ - colPrimera_ + 1) + (col - colPrimera_));
}

void TablaEnteros::VaciarFila(int fila)
{
    for (int c = colPrimera_; c <= colUltima_; ++c)
        Poner(fila, c, 0);
}

void TablaEnteros::Vaciar()
{
    std::fill(valores_.begin(), valores_.end(), 0);
}

void TablaEnteros::Liberar()
{
    valores_.clear();
    valores_.shrink_to_fit();
    filaUltima_ = filaPrimera_ - 1;
}

} // namespace norvela
