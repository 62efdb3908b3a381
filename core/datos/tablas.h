// The shared tables: fixed capacity, fixed text width, indexes as the data
// files number them (1-based, with an entry 0 where a table has one).
// An index outside a table is an error, never a silent wrap.
#pragma once

#include "errores.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <new>
#include <string>
#include <string_view>
#include <vector>

namespace norvela {

// Tables of data files keep their capacity: an index past it is an error.
// Buffers built at run time (report lines) start at their capacity and grow
// when written past it; reading past their end gives an empty entry.
enum class Capacidad { Fija, Creciente };

// Storage for number tables that start at zero and never grow: it comes
// zeroed from calloc, which leaves fresh pages alone, so the rows a data file
// never reaches (most of a table's capacity) take no memory. Elements are
// only ever value-initialised into it, which it has already done.
template <typename T>
struct AsignadorCeros {
    using value_type = T;
    AsignadorCeros() = default;
    template <typename U> AsignadorCeros(const AsignadorCeros<U> &) noexcept {}
    T *allocate(size_t n)
    {
        if (void *p = std::calloc(n, sizeof(T)))
            return static_cast<T *>(p);
        throw std::bad_alloc();
    }
    void deallocate(T *p, size_t) noexcept { std::free(p); }
    template <typename U> void construct(U *) noexcept {}
    template <typename U> bool operator==(const AsignadorCeros<U> &) const noexcept { return true; }
};

// Entries primero..ultimo of fixed-length texts of at most `ancho` characters;
// a table with an entry 0 may give that one a width of its own (a report's
// title, wider than its lines).
class TablaTexto {
public:
    TablaTexto(int primero, int ultimo, int ancho, Capacidad capacidad = Capacidad::Fija, int anchoCero = 0);

    const std::string &operator[](int i) const;
    // Stores s cut to the table's width.
    void Poner(int i, std::string_view s);
    bool Contiene(int i) const { return i >= primero_ && (i <= ultimo_ || Crece()); }
    bool Crece() const { return capacidad_ == Capacidad::Creciente; }

    int Primero() const { return primero_; }
    int Ultimo() const { return ultimo_; }
    int Ancho() const { return ancho_; }

    void Vaciar();
    void Liberar();

private:
    size_t Posicion(int i) const;

    int primero_;
    int ultimo_;
    int ancho_;
    Capacidad capacidad_;
    int anchoCero_;
    std::vector<std::string> entradas_;
};

// Blocks 1..bloques of entries 1..entradas of fixed-length texts.
class TablaBloques {
public:
    TablaBloques(int bloques, int entradas, int ancho);

    const std::string &En(int bloque, int entrada) const;
    void Poner(int bloque, int entrada, std::string_view s);

    int Bloques() const { return bloques_; }
    int Entradas() const { return entradas_; }
    int Ancho() const { return ancho_; }

    void Vaciar();
    void Liberar();

private:
    size_t Posicion(int bloque, int entrada) const;

    int bloques_;
    int entradas_;
    int ancho_;
    std::vector<std::string> textos_;
};

// Rows 1..filas of bytes 0..ultimoByte: byte 0 is the row's count, the
// following bytes its values.
class TablaBytes {
public:
    TablaBytes(int filas, int ultimoByte);

    uint8_t En(int fila, int byte) const { return bytes_[Posicion(fila, byte)]; }
    void Poner(int fila, int byte, uint8_t valor) { bytes_[Posicion(fila, byte)] = valor; }

    int Filas() const { return filas_; }
    int UltimoByte() const { return ultimoByte_; }

    void Vaciar();
    void Liberar();

private:
    size_t Posicion(int fila, int byte) const;

    int filas_;
    int ultimoByte_;
    std::vector<uint8_t, AsignadorCeros<uint8_t>> bytes_;
};

// A 1-based array of whole numbers with a fixed range of indexes.
// A growing one (Capacidad::Creciente) grows when an entry past its end is
// written through the non-const operator[], and reads as T{} past its end.
template <typename T>
class TablaValores {
public:
    TablaValores(int primero, int ultimo, Capacidad capacidad = Capacidad::Fija)
        : primero_(primero), ultimo_(ultimo), capacidad_(capacidad), valores_(ultimo - primero + 1)
    {
    }

    T &operator[](int i)
    {
        if (i > ultimo_ && Crece()) {
            valores_.resize(static_cast<size_t>(i - primero_ + 1));
            ultimo_ = i;
        }
        return valores_[Posicion(i)];
    }
    const T &operator[](int i) const
    {
        static const T cero{};
        if (i > ultimo_ && i >= primero_ && Crece())
            return cero;
        return valores_[Posicion(i)];
    }
    bool Contiene(int i) const { return i >= primero_ && (i <= ultimo_ || Crece()); }
    bool Crece() const { return capacidad_ == Capacidad::Creciente; }
    int Primero() const { return primero_; }
    int Ultimo() const { return ultimo_; }
    void Vaciar() { std::fill(valores_.begin(), valores_.end(), T{}); }

private:
    size_t Posicion(int i) const
    {
        if (i < primero_ || i > ultimo_)
            throw ErrorIndice(i, primero_, ultimo_);
        return static_cast<size_t>(i - primero_);
    }

    int primero_;
    int ultimo_;
    Capacidad capacidad_;
    std::vector<T> valores_;
};

// Rows filaPrimera..filaUltima of whole numbers with columns
// colPrimera..colUltima (for instance rows 1..1100 of columns 0..25).
class TablaEnteros {
public:
    TablaEnteros(int filaPrimera, int filaUltima, int colPrimera, int colUltima);

    int En(int fila, int col) const { return valores_[Posicion(fila, col)]; }
    void Poner(int fila, int col, int valor) { valores_[Posicion(fila, col)] = valor; }
    // Every column of one row to 0.
    void VaciarFila(int fila);

    int FilaPrimera() const { return filaPrimera_; }
    int FilaUltima() const { return filaUltima_; }
    int ColPrimera() const { return colPrimera_; }
    int ColUltima() const { return colUltima_; }

    void Vaciar();
    void Liberar();

private:
    size_t Posicion(int fila, int col) const;

    int filaPrimera_;
    int filaUltima_;
    int colPrimera_;
    int colUltima_;
    std::vector<int, AsignadorCeros<int>> valores_;
};

} // namespace norvela
