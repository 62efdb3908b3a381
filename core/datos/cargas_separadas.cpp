#include "cargas_separadas.h"

#include "ansi.h"
#include "enlace.h"
#include "lectura.h"
#include "numeros.h"

#include <QFileInfo>
#include <algorithm>

namespace norvela {

namespace {

constexpr int kMaxLineasFichero = 4400;

// The fields of line `linea` (1-based) of the last file read, as numbers.
class Fila {
public:
    Fila(const Enlace &e, const QString &fichero, int linea)
        : fichero_(fichero), linea_(linea),
          campos_(PartirCadena(e.LineasFichero[static_cast<size_t>(linea - 1)], ';'))
    {
    }

    int Tamano() const { return static_cast<int>(campos_.size()); }

    // Field j, 1-based.
    int Campo(int j) const
    {
        if (j > Tamano())
            throw ErrorRango(fichero_, linea_, QStringLiteral("faltan campos (se esperaban %1)").arg(j));
        const std::string &campo = campos_[static_cast<size_t>(j - 1)];
        const auto valor = NumeroCampo(campo);
        if (!valor)
            throw ErrorConversion(fichero_, linea_, QStringLiteral("número no válido: \"%1\"").arg(DesdeAnsi(campo)));
        return *valor;
    }

    // Field j, which must lie in desde..hasta.
    int CampoEntre(int j, int desde, int hasta, const QString &que) const
    {
        const int v = Campo(j);
        if (v < desde || v > hasta)
            Error(QStringLiteral("%1 fuera de %2..%3: %4").arg(que).arg(desde).arg(hasta).arg(v));
        return v;
    }

    int Linea() const { return linea_; }
    const QString &Fichero() const { return fichero_; }
    [[noreturn]] void Error(const QString &detalle) const { throw ErrorRango(fichero_, linea_, detalle); }

private:
    const QString &fichero_;
    int linea_;
    std::vector<std::string> campos_;
};

// A list file that another file's values point into: its path, how many
// lines it has and how many its table holds.
struct ListaDestino {
    QString fichero;
    int lineas = 0;
    int capacidad = 0;
};

// Reads the file and checks it has the lines its readers need, as many as
// the lists `segun` (their paths) count. Either side may be the damaged
// one, so the message names both.
int LeerAlMenos(Enlace &e, const QString &fichero, int necesarias, const QString &segun)
{
    const int n = LeerLineasFichero(e, fichero);
    if (n < necesarias)
        throw ErrorRango(fichero, n + 1,
                         QStringLiteral("faltan líneas: se necesitan %1 según %2").arg(necesarias).arg(segun));
    return n;
}

void TablaDeRango(const QString &fichero, int linea, int filas, const char *que)
{
    if (linea > filas)
        throw ErrorRango(fichero, linea, QStringLiteral("más de %1 %2").arg(filas).arg(QString::fromUtf8(que)));
}

// Offer rows: a count n (a negative count leaves the row), then n title
// numbers, lines of the level's title list (any up to 1100 while that list
// is not loaded).
void CargarOferta(Enlace &e, const QString &fichero, std::array<TablaEnteros, 4> &tablas, const ListaDestino &titulos)
{
    const int centros[4] = {e.NumCentros1, e.NumCentros2, e.NumCentros3, e.NumCentros4};
    LeerAlMenos(e, fichero, centros[0] + centros[1] + centros[2] + centros[3],
                QStringLiteral("%1, %2, %3 y %4")
                    .arg(e.Fichero("lu1"), e.Fichero("lu2"), e.Fichero("lu3"), e.Fichero("lu4")));
    const int maxTitulo = titulos.lineas < 1 ? 1100 : titulos.lineas;
    int linea = 0;
    for (int b = 0; b < 4; ++b) {
        TablaEnteros &tabla = tablas[static_cast<size_t>(b)];
        for (int i = 1; i <= centros[b]; ++i) {
            const Fila fila(e, fichero, ++linea);
            TablaDeRango(fichero, i, tabla.FilaUltima(), "centros en un grupo");
            const int n = fila.Campo(1);
            if (n < 0)
                continue;
            if (n > tabla.ColUltima())
                throw ErrorRango(fichero, linea, QStringLiteral("más de %1 títulos").arg(tabla.ColUltima()));
            std::array<int, 26> valores{};
            for (int j = 1; j <= n; ++j) {
                ComprobarListaCorta(titulos.fichero, titulos.lineas, titulos.capacidad, fichero, linea, fila.Campo(j + 1));
                valores[static_cast<size_t>(j)] = fila.CampoEntre(j + 1, 1, maxTitulo, QStringLiteral("título"));
            }
            tabla.Poner(i, 0, n);
            for (int j = 1; j <= n; ++j)
                tabla.Poner(i, j, valores[static_cast<size_t>(j)]);
        }
    }
}

// Rows 1..n of fields 1..campos, one per line of the file just read.
void LlenarFilas(Enlace &e, const QString &fichero, int n, TablaEnteros &tabla, int campos)
{
    for (int r = 1; r <= n; ++r) {
        TablaDeRango(fichero, r, tabla.FilaUltima(), "filas");
        const Fila fila(e, fichero, r);
        std::array<int, 32> valores{};
        for (int j = 1; j <= campos; ++j)
            valores[static_cast<size_t>(j)] = fila.Campo(j);
        for (int j = 1; j <= campos; ++j)
            tabla.Poner(r, j, valores[static_cast<size_t>(j)]);
    }
}

void CargarFilas(Enlace &e, const QString &fichero, TablaEnteros &tabla, int campos, int necesarias,
                 const QString &lista)
{
    LlenarFilas(e, fichero, LeerAlMenos(e, fichero, necesarias, lista), tabla, campos);
}

// Field j as a line of `lista`, from `minimo` (0 where 0 means "none"). An
// index into a list that is still empty (count 0) says so: the list must be
// loaded before the file that points into it. One the list could hold but
// lacks names the list, which is then short.
int IndiceDeLista(const Fila &fila, int j, int minimo, const ListaDestino &lista, const QString &que)
{
    const int v = fila.Campo(j);
    const int maximo = std::min(lista.lineas, 255);
    if (v >= minimo && v <= maximo)
        return v;
    if (maximo < 1)
        fila.Error(QStringLiteral("%1 %2, pero la lista %3 no está cargada")
                       .arg(que)
                       .arg(v)
                       .arg(QFileInfo(lista.fichero).fileName()));
    ComprobarListaCorta(lista.fichero, lista.lineas, std::min(lista.capacidad, 255), fila.Fichero(), fila.Linea(), v);
    fila.Error(QStringLiteral("%1 fuera de %2..%3: %4").arg(que).arg(minimo).arg(maximo).arg(v));
}

// One row of a cut-off block: the count, then that many values, each
// within minimo..maximo (itself within a byte); with a `lista`, the values
// are lines of that list.
void CargarFilaNotas(const Fila &fila, TablaBytes &tabla, int r, int minimo, int maximo, const QString &que,
                     const ListaDestino *lista = nullptr)
{
    const int n = fila.Campo(1);
    if (n < 0)
        return;
    if (n > tabla.UltimoByte())
        fila.Error(QStringLiteral("más de %1 valores").arg(tabla.UltimoByte()));
    std::array<uint8_t, 126> bytes{};
    bytes[0] = static_cast<uint8_t>(n);
    for (int j = 1; j <= n; ++j)
        bytes[static_cast<size_t>(j)] = static_cast<uint8_t>(
            lista ? IndiceDeLista(fila, j + 1, minimo, *lista, que) : fila.CampoEntre(j + 1, minimo, maximo, que));
    for (int j = 0; j <= n; ++j)
        tabla.Poner(r, j, bytes[static_cast<size_t>(j)]);
}

} // namespace

std::vector<std::string> PartirCadena(std::string_view s, char sep)
{
    std::vector<std::string> partes;
    size_t inicio = 0;
    for (;;) {
        const size_t fin = s.find(sep, inicio);
        if (fin == std::string_view::npos) {
            partes.emplace_back(s.substr(inicio));
            return partes;
        }
        partes.emplace_back(s.substr(inicio, fin - inicio));
        inicio = fin + 1;
    }
}

int LeerLineasFichero(Enlace &e, const QString &fichero)
{
    // A file is never read with the lines of the previous one.
    e.LineasFichero.clear();
    auto lineas = LeerLineasObligatorio(fichero);
    if (static_cast<int>(lineas.size()) > kMaxLineasFichero)
        throw ErrorRango(fichero, kMaxLineasFichero + 1, QStringLiteral("demasiadas líneas"));
    e.LineasFichero = std::move(lineas);
    return static_cast<int>(e.LineasFichero.size());
}

void CargarOfertaGS(Enlace &e, const QString &fichero)
{
    CargarOferta(e, fichero, e.OfertaGS,
                 {e.FicheroIdioma(QStringLiteral("fp")), e.NumFPSuperior, e.NombresFPSuperior.Ultimo()});
}

void CargarOfertaGM(Enlace &e, const QString &fichero)
{
    CargarOferta(e, fichero, e.OfertaGM,
                 {e.FicheroIdioma(QStringLiteral("fp2")), e.NumFPMedio, e.NombresFPMedio.Ultimo()});
}

void CargarOfertaFPB(Enlace &e, const QString &fichero)
{
    CargarOferta(e, fichero, e.OfertaFPB,
                 {e.FicheroIdioma(QStringLiteral("fpba")), e.NumFPBasica, e.NombresFPBasica.Ultimo()});
}

void CargarTablaFPSuperior(Enlace &e, const QString &fichero)
{
    const int n = LeerAlMenos(e, fichero, e.NumFPSuperior, e.FicheroIdioma(QStringLiteral("fp")));
    TablaDeRango(fichero, n, e.TablaFPSuperior.FilaUltima(), "filas");
    for (int r = 1; r <= n; ++r)
        e.TablaFPSuperior.VaciarFila(r);
    LlenarFilas(e, fichero, n, e.TablaFPSuperior, 24);
}

void CargarTablaFPMedio(Enlace &e, const QString &fichero)
{
    CargarFilas(e, fichero, e.TablaFPMedio, 7, e.NumFPMedio, e.FicheroIdioma(QStringLiteral("fp2")));
}

void CargarTablaGrados(Enlace &e, const QString &fichero)
{
    CargarFilas(e, fichero, e.TablaGrados, 14, e.NumGrados, e.FicheroIdioma(QStringLiteral("carreran")));
}

void CargarTablaBytes(Enlace &e, const QString &fichero, TablaBytes &tabla)
{
    const int n = LeerLineasFichero(e, fichero);
    for (int a = 1; a <= n; ++a) {
        TablaDeRango(fichero, a, tabla.Filas(), "filas");
        const Fila fila(e, fichero, a);
        const int cuenta = fila.Campo(1);
        if (cuenta < 0)
            continue;
        if (cuenta > tabla.UltimoByte())
            throw ErrorRango(fichero, a, QStringLiteral("más de %1 elementos").arg(tabla.UltimoByte()));
        for (int j = 0; j <= cuenta; ++j) {
            const int x = fila.Campo(j + 1);
            if (x > 255)
                throw ErrorRango(fichero, a, QStringLiteral("valor fuera de 0..255: %1").arg(x));
            if (x > 0)
                tabla.Poner(a, j, static_cast<uint8_t>(x));
        }
    }
}

void CargarNotasCorte(Enlace &e, const QString &fichero)
{
    const int grados = e.NumGrados;
    const int lineas = LeerAlMenos(e, fichero, 3 * grados, e.FicheroIdioma(QStringLiteral("carreran")));
    // Three whole blocks of more degrees than "carreran" has: the list is short.
    if (lineas > 3 * grados && lineas % 3 == 0)
        throw ErrorRango(e.FicheroIdioma(QStringLiteral("carreran")), 0,
                         QStringLiteral("tiene %1 líneas, pero \"%2\" tiene tres bloques de %3")
                             .arg(grados)
                             .arg(QFileInfo(fichero).fileName())
                             .arg(lineas / 3));
    // Universities and titles are lines of "lugar" and "carrenue", which the
    // degrees screen loads first.
    const ListaDestino lugar{e.Fichero(QStringLiteral("lugar")), e.NumUniversidades, e.NombresUniversidad.Ultimo()};
    const ListaDestino carrenue{e.FicheroIdioma(QStringLiteral("carrenue")), e.NumNuevosTitulos,
                                e.NuevosTitulos.Ultimo()};
    for (int r = 1; r <= grados; ++r) {
        const Fila uni(e, fichero, r);
        const Fila nota(e, fichero, grados + r);
        const Fila titulo(e, fichero, 2 * grados + r);
        const int n = uni.Campo(1);
        if (nota.Campo(1) != n || titulo.Campo(1) != n)
            throw ErrorRango(fichero, grados + r,
                             QStringLiteral("el grado %1 no tiene la misma cuenta en los tres bloques").arg(r));
        CargarFilaNotas(uni, e.NotasCorteUni, r, 1, 255, QStringLiteral("universidad"), &lugar);
        CargarFilaNotas(nota, e.NotasCorte, r, 0, 255, QStringLiteral("nota"));
        CargarFilaNotas(titulo, e.NotasCorteTitulo, r, 0, 255, QStringLiteral("título"), &carrenue);
    }
    for (int r = 1; r <= grados; ++r) {
        e.EnlacesGrado.VaciarFila(r);
        std::array<int, 16> lista{};
        int cuenta = 0;
        const int n = e.NotasCorteUni.En(r, 0);
        for (int j = 1; j <= n; ++j) {
            const int t = e.NotasCorteTitulo.En(r, j);
            if (t <= 0 || EstaEnLista(lista, t, cuenta))
                continue;
            if (++cuenta > e.EnlacesGrado.ColUltima())
                throw ErrorRango(fichero, 2 * grados + r,
                                 QStringLiteral("más de %1 títulos distintos").arg(e.EnlacesGrado.ColUltima()));
            lista[static_cast<size_t>(cuenta)] = t;
        }
        for (int j = 1; j <= cuenta; ++j)
            e.EnlacesGrado.Poner(r, j, lista[static_cast<size_t>(j)]);
        e.EnlacesGrado.Poner(r, 0, cuenta);
    }
}

int BuscarGrado(const Enlace &e, int codigo)
{
    for (int i = 1; i <= e.NumGrados; ++i)
        if (e.TablaGrados.En(i, 10) == codigo)
            return i;
    return 0;
}

bool EstaEnLista(const std::array<int, 16> &lista, int valor, int n)
{
    for (int i = 1; i <= n && i < static_cast<int>(lista.size()); ++i)
        if (lista[static_cast<size_t>(i)] == valor)
            return true;
    return false;
}

} // namespace norvela
