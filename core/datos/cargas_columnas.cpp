#include "cargas_columnas.h"

#include "ansi.h"
#include "cadenas.h"
#include "cargas_separadas.h"
#include "enlace.h"
#include "lectura.h"
#include "numeros.h"

namespace norvela {

namespace {

constexpr int kLineasComarca = 41;

[[noreturn]] void FueraDeRango(const QString &fichero, int linea, const QString &que, std::string_view valor)
{
    throw ErrorRango(fichero, linea, que + QStringLiteral(" fuera de rango: ") + DesdeAnsi(valor));
}

// A community number of a data file: 1..19, or the file is in error.
int Comunidad(const QString &fichero, int linea, std::string_view columnas)
{
    const auto c = NumeroColumna(columnas);
    if (!c || *c < 1 || *c > kNumComunidades)
        FueraDeRango(fichero, linea, QStringLiteral("comunidad"), columnas);
    return *c;
}

// The district files stop at a line without its number, `linea`, saying
// "mal " and `numero`. The tables are then half filled, so the program must
// not go on with them.
void Mal(Enlace &e, int numero, const QString &fichero, int linea)
{
    e.Avisos().Aviso(ConFichero(QStringLiteral("mal %1").arg(numero), fichero, linea));
    e.ErrorFicheros = true;
}

} // namespace

void CargarCodigosSuperior(Enlace &e, const QString &fichero, int &n, int ancho)
{
    const auto lineas = LeerLineasObligatorio(fichero);
    for (int k = 1; k <= kLineasComarca; ++k) {
        const std::string_view linea =
            k <= static_cast<int>(lineas.size()) ? std::string_view(lineas[static_cast<size_t>(k - 1)]) : "";
        const auto m = NumeroColumna(Columnas(linea, 3, 4));
        if (!m) {
            Mal(e, k, fichero, k);
            return;
        }
        if (*m < 1 || *m > e.NombresComarcas.Ultimo())
            FueraDeRango(fichero, k, QStringLiteral("comarca"), Columnas(linea, 3, 4));
        e.NombresComarcas.Poner(*m, Columnas(linea, 5, 4 + ancho));
        e.CodigosComarcas.Poner(*m, Columnas(linea, 1, 2));
    }
    int k = kLineasComarca;
    for (size_t i = kLineasComarca; i < lineas.size(); ++i) {
        ++k;
        if (!e.NombresComarcas.Contiene(k))
            throw ErrorRango(fichero, k, QStringLiteral("demasiadas líneas"));
        e.NombresComarcas.Poner(k, Columnas(lineas[i], 3, 12 + ancho));
        e.CodigosComarcas.Poner(k, Columnas(lineas[i], 1, 2));
    }
    n = k;
}

void CargarZonasSuperior(Enlace &e, const QString &fichero, int &n, int ancho)
{
    const auto lineas = LeerLineasObligatorio(fichero);
    e.NombresZonas.Poner(0, "");
    std::vector<int> zonaDeLinea;
    int k = 0;
    for (const std::string &linea : lineas) {
        const auto z = NumeroColumna(Columnas(linea, 3, 4));
        if (!z) {
            Mal(e, k, fichero, k + 1);
            return;
        }
        ++k;
        if (!e.CodigosZonas.Contiene(k))
            throw ErrorRango(fichero, k, QStringLiteral("demasiadas líneas"));
        // A line of a zone outside 1..28 is kept; no zone lists it.
        zonaDeLinea.push_back(*z);
        e.NombresZonas.Poner(k, Columnas(linea, 5, 4 + ancho));
        e.CodigosZonas.Poner(k, Columnas(linea, 1, 2));
    }
    for (int z = 1; z <= e.LineasDeZona.FilaUltima(); ++z) {
        int hueco = 0;
        for (int linea = 1; linea <= k; ++linea) {
            if (zonaDeLinea[static_cast<size_t>(linea - 1)] != z)
                continue;
            if (++hueco > e.LineasDeZona.ColUltima())
                throw ErrorRango(fichero, linea, QStringLiteral("más de tres líneas de la zona %1").arg(z));
            e.LineasDeZona.Poner(z, hueco, linea);
        }
    }
    n = k;
}

void CargarTitulosCodigo(Enlace &e, const QString &fichero, int &n)
{
    const auto lineas = LeerLineasObligatorio(fichero);
    e.NombresUniversidad.Poner(0, HaciaAnsi(fichero));
    int k = 0;
    for (const std::string &linea : lineas) {
        ++k;
        if (!e.NombresUniversidad.Contiene(k))
            throw ErrorRango(fichero, k, QStringLiteral("demasiadas líneas"));
        e.ComunidadUniversidad[k] = Comunidad(fichero, k, Columnas(linea, 1, 2));
        e.NombresUniversidad.Poner(k, Columnas(linea, 3, 37));
        // The table is as wide as the field: an address is never cut.
        e.WebUniversidad.Poner(k, QuitarBlancosFinales(Columnas(linea, 38, 137)));
    }
    n = k;
}

void CargarWebComunidades(Enlace &e, const QString &fichero, int &n)
{
    const auto lineas = LeerLineasObligatorio(fichero);
    int k = 0;
    for (const std::string &linea : lineas) {
        ++k;
        if (!e.WebComunidad.Contiene(k))
            throw ErrorRango(fichero, k, QStringLiteral("demasiadas líneas"));
        e.WebComunidad.Poner(k, QuitarBlancosFinales(Columnas(linea, 15, 114)));
    }
    n = k;
}

void CargarDobles(Enlace &e, const QString &fichero, int &n)
{
    const auto lineas = LeerLineas(fichero);
    if (!lineas) {
        e.FaltaFichero(fichero);
        return;
    }
    e.DoblesNombre.Poner(0, HaciaAnsi(fichero));
    int g = 0;
    int m = 0;
    int k = 0;
    for (const std::string &linea : *lineas) {
        ++k;
        const auto numero = NumeroColumna(Columnas(linea, 1, 2));
        if (numero && *numero < 1)
            continue;
        if (numero) {
            ++g;
            if (g > e.DoblesNumero.Ultimo())
                throw ErrorRango(fichero, k, QStringLiteral("demasiados grupos"));
            e.DoblesNumero[g] = Comunidad(fichero, k, Columnas(linea, 1, 2));
            e.DoblesNombre.Poner(g, Columnas(linea, 3, 37));
            m = 0;
            continue;
        }
        if (g == 0)
            throw ErrorRango(fichero, k, QStringLiteral("doble titulación antes de su grupo"));
        ++m;
        if (m > e.DoblesGradoA.ColUltima())
            throw ErrorRango(fichero, k, QStringLiteral("demasiadas dobles titulaciones en un grupo"));
        e.DoblesCuenta.Poner(g, m, 0);
        for (const auto &[desde, tabla] : {std::pair{5, &e.DoblesGradoA}, std::pair{8, &e.DoblesGradoB}}) {
            const auto codigo = NumeroColumna(Columnas(linea, desde, desde + 2));
            if (codigo)
                tabla->Poner(g, m, BuscarGrado(e, *codigo));
            else
                e.Avisos().Aviso(ConFichero(QStringLiteral("ERROR en fichero de dobles"), fichero, k));
        }
        const std::string_view etiqueta = Columnas(linea, 11, 14);
        e.DoblesEtiqueta.Poner(g, m, EsBlanco(etiqueta) ? std::string_view("    ") : etiqueta);
        e.DoblesCuenta.Poner(g, 0, m);
    }
    n = g;
}

} // namespace norvela
