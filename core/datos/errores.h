// Errors of the data layer. A loader that meets a file it cannot use throws one
// of these; start-up turns it into a message and stops the program cleanly.
#pragma once

#include <QString>
#include <stdexcept>

namespace norvela {

class ErrorDatos : public std::runtime_error {
public:
    // fichero: path of the data file; linea: 1-based line, or 0 when the
    // error is not tied to a line.
    ErrorDatos(const QString &fichero, int linea, const QString &detalle);

    const QString &Fichero() const { return fichero_; }
    int Linea() const { return linea_; }
    const QString &Detalle() const { return detalle_; }
    // The text shown to the user.
    virtual QString Mensaje() const;

private:
    QString fichero_;
    int linea_;
    QString detalle_;
};

// The file cannot be opened or read.
class ErrorEntradaSalida : public ErrorDatos {
public:
    explicit ErrorEntradaSalida(const QString &fichero);

protected:
    ErrorEntradaSalida(const QString &fichero, const QString &detalle) : ErrorDatos(fichero, 0, detalle) {}
};

// The file holds no line: it is told like a missing file.
class ErrorFicheroVacio : public ErrorEntradaSalida {
public:
    explicit ErrorFicheroVacio(const QString &fichero);
    QString Mensaje() const override;
};

// "Faltan ficheros (<ruta>). Vuelva a instalar el programa": the message of
// a data file that is missing or holds nothing.
QString TextoFaltaFichero(const QString &ruta);
// A message of the data files' own words with the file it is about and, when
// there is one, the line: "mal 7 (<ruta>, línea 7)".
QString ConFichero(const QString &texto, const QString &ruta, int linea = 0);

// A line or a value does not fit the table it goes to.
class ErrorRango : public ErrorDatos {
public:
    using ErrorDatos::ErrorDatos;
};

// A field that must be a whole number is not one.
class ErrorConversion : public ErrorDatos {
public:
    using ErrorDatos::ErrorDatos;
};

// `valor`, read at line `linea` of `fichero`, is a line number of a list
// file. When the list has some lines, but not that one, and its table could
// hold it, the list is the short file.
bool ListaCorta(int lineas, int capacidad, int valor);
QString DetalleListaCorta(int lineas, const QString &fichero, int linea, int valor);

// Throws an Error naming the list `lista` when it is the short file; any
// other value is left to the caller's own range check.
template <typename Error = ErrorRango>
void ComprobarListaCorta(const QString &lista, int lineas, int capacidad, const QString &fichero, int linea,
                         int valor)
{
    if (ListaCorta(lineas, capacidad, valor))
        throw Error(lista, 0, DetalleListaCorta(lineas, fichero, linea, valor));
}

// An index used on a table lies outside it.
class ErrorIndice : public std::out_of_range {
public:
    ErrorIndice(int indice, int primero, int ultimo);
};

} // namespace norvela
