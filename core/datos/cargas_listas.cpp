#include "cargas_listas.h"

#include "ansi.h"
#include "cadenas.h"
#include "enlace.h"
#include "lectura.h"

#include <algorithm>
#include <functional>
#include <stdexcept>

namespace norvela {

namespace {

enum class SiFalta { Mensaje, ErrorEntradaSalida };

// A file without lines is missing too.
std::optional<std::vector<std::string>> Abrir(Enlace &e, const QString &fichero, SiFalta siFalta)
{
    if (siFalta == SiFalta::ErrorEntradaSalida)
        return LeerLineasObligatorio(fichero);
    auto lineas = LeerLineas(fichero);
    if (!lineas)
        e.FaltaFichero(fichero);
    return lineas;
}

void ErrorDemasiadas(const QString &fichero, int linea)
{
    throw ErrorRango(fichero, linea, QStringLiteral("demasiadas líneas"));
}

// The common walk of the line loaders.
void CargarLineas(Enlace &e, const QString &fichero, TablaTexto &tabla, int &n, SiFalta siFalta, bool conEntrada0,
                  const std::function<std::string(const std::string &)> &texto)
{
    const auto lineas = Abrir(e, fichero, siFalta);
    if (!lineas)
        return;
    if (conEntrada0)
        tabla.Poner(0, HaciaAnsi(fichero));
    int k = 0;
    for (const std::string &linea : *lineas) {
        ++k;
        if (!tabla.Contiene(k))
            ErrorDemasiadas(fichero, k);
        tabla.Poner(k, texto(linea));
    }
    n = k;
}

void CargarBloques(Enlace &e, const QString &fichero, TablaBloques &tabla, int periodo, int capacidadLineas)
{
    const auto lineas = Abrir(e, fichero, SiFalta::Mensaje);
    if (!lineas)
        return;
    if (static_cast<int>(lineas->size()) > capacidadLineas)
        ErrorDemasiadas(fichero, capacidadLineas + 1);
    int bloque = 0;
    int entrada = 0;
    for (size_t i = 0; i < lineas->size(); ++i) {
        if (i % static_cast<size_t>(periodo) == 0) {
            ++bloque;
            entrada = 0;
            continue;
        }
        ++entrada;
        if (bloque > tabla.Bloques())
            throw ErrorRango(fichero, static_cast<int>(i + 1), QStringLiteral("demasiados bloques"));
        tabla.Poner(bloque, entrada, LineaRellena((*lineas)[i], e.AnchoLista));
    }
}

} // namespace

void CargarListaTexto(Enlace &e, const QString &fichero, TablaTexto &tabla, int &n, int ancho)
{
    CargarLineas(e, fichero, tabla, n, SiFalta::Mensaje, true,
                 [ancho](const std::string &l) { return LineaRellena(l, ancho); });
}

void CargarListaTexto75(Enlace &e, const QString &fichero, TablaTexto &tabla, int &n, int ancho)
{
    // A narrower table would cut the 75-character lines without a word.
    if (tabla.Ancho() < 75)
        throw std::logic_error("CargarListaTexto75 needs a table of 75-character texts");
    CargarLineas(e, fichero, tabla, n, SiFalta::Mensaje, true,
                 [ancho](const std::string &l) { return LineaRellena(l, std::min(ancho, 75)); });
}

void CargarLista60(Enlace &e, const QString &fichero, TablaTexto &tabla, int &n)
{
    CargarLineas(e, fichero, tabla, n, SiFalta::Mensaje, true, [](const std::string &l) { return Cortar(l, 60); });
}

void CargarLista250(Enlace &e, const QString &fichero, TablaTexto &tabla, int &n)
{
    CargarLineas(e, fichero, tabla, n, SiFalta::Mensaje, true, [](const std::string &l) { return Cortar(l, 90); });
}

void CargarLista120(Enlace &e, const QString &fichero, TablaTexto &tabla, int &n)
{
    const int ancho = e.AnchoLista;
    CargarLineas(e, fichero, tabla, n, SiFalta::ErrorEntradaSalida, false,
                 [ancho](const std::string &l) { return LineaRellena(l, ancho); });
}

void CargarEncabezados(Enlace &e, const QString &fichero, TablaTexto &tabla, int &n, TablaValores<int> &lineas,
                       int ancho)
{
    const auto leidas = Abrir(e, fichero, SiFalta::Mensaje);
    if (!leidas)
        return;
    int k = 0;
    int numeroLinea = 0;
    for (const std::string &linea : *leidas) {
        ++numeroLinea;
        if (linea.empty() || linea[0] != '-')
            continue;
        ++k;
        if (!tabla.Contiene(k) || !lineas.Contiene(k))
            throw ErrorRango(fichero, numeroLinea, QStringLiteral("demasiados encabezados"));
        lineas[k] = numeroLinea;
        tabla.Poner(k, LineaRellena(Cortar(std::string_view(linea).substr(1), ancho), ancho));
    }
    n = k;
}

void CargarListaAncho(Enlace &e, const QString &fichero, TablaTexto &tabla, int &n, int ancho)
{
    CargarLineas(e, fichero, tabla, n, SiFalta::Mensaje, false,
                 [ancho](const std::string &l) { return LineaRellena(l, ancho); });
}

void CargarBloques26(Enlace &e, const QString &fichero, TablaBloques &tabla)
{
    CargarBloques(e, fichero, tabla, 26, 5000);
}

void CargarBloques50(Enlace &e, const QString &fichero)
{
    CargarBloques(e, fichero, e.AsignaturasOtros, 51, 2500);
}

} // namespace norvela
