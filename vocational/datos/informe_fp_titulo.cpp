#include "informe_fp_titulo.h"

#include "ansi.h"
#include "cadenas.h"
#include "centros_fp.h"
#include "grupos_fp.h"
#include "lugares_fp.h"
#include "mapa_regiones.h"

#include <cctype>

namespace norvela {

namespace {

// The province names of community c as a map click lists them (35
// characters); a community without province records is its own province.
// Built here so printing leaves the student's place selection alone.
int ProvinciasDe(const DatosLugares &d, int c, TablaTexto &nombres)
{
    int k = 0;
    for (int r = kNumComunidades + 1; r <= d.NumLugares && d.Lugares.Contiene(r) && k < nombres.Ultimo(); ++r)
        if (NumeroDosColumnas(d.Lugares[r]) == c)
            nombres.Poner(++k, ColumnasLinea(d.Lugares[r], 3, 37));
    if (k == 0)
        nombres.Poner(++k, ColumnasLinea(d.Lugares[c], 3, 37));
    return k;
}

std::string Mayusculas(const std::string &s)
{
    return HaciaAnsi(DesdeAnsi(s).toUpper());
}

bool EmpiezaPor(const std::string &s, const char *prefijo)
{
    return s.rfind(prefijo, 0) == 0;
}

} // namespace

std::vector<std::string> BloqueComunidadTitulo(const DatosLugares &lugares, const DatosFP &fp, int c, int titulo)
{
    const int primera = PrimeraProvinciaDe(lugares, c);
    if (primera == 0)
        return {};
    const GrupoCentros g = GrupoDe(lugares, fp, lugares.CodigoProvincia[primera][0]);
    if (!g.centros || !g.ofertaGS)
        return {};
    TablaTexto nombres{1, 100, 35};
    const int numProvincias = ProvinciasDe(lugares, c, nombres);
    const std::vector<FilaRejilla> filas =
        FilasTitulo(g, *g.ofertaGS, numProvincias, primera, lugares.CodigoProvincia, nombres, titulo);
    if (filas.empty())
        return {};
    return LineasTituloInforme(ColumnasLinea(lugares.Lugares[c], 3, 32), filas);
}

HojaTituloFP HojaTitulo(const DatosLugares &lugares, const DatosFP &fp, const TextosInterfaz &textos, int titulo,
                        const VistasTitulo &vistas, SeleccionComunidadesFP &seleccion)
{
    HojaTituloFP hoja;
    InformeFP &r = hoja.informe;
    const std::string nombre = titulo >= 1 && fp.NombresFPSuperior.Contiene(titulo)
                                   ? QuitarBlancosFinales(fp.NombresFPSuperior[titulo])
                                   : std::string();
    r.titulo = Cortar(nombre + " (" + textos[47] + ")", 65);

    auto vista = [&r](const std::vector<std::string> &lineas) {
        for (const std::string &s : lineas)
            r.Anadir(s);
    };
    r.negritas.push_back(r.Anadir(Cortar("- " + textos[277], 22)));
    vista(vistas.requisitos);
    r.Anadir("");
    r.negritas.push_back(r.Anadir(Cortar("- " + textos[312], 32)));
    vista(vistas.asignaturas);
    r.Anadir("");
    r.negritas.push_back(r.Anadir(Cortar("- " + textos[717], 32)));
    vista(vistas.acceso);
    r.Anadir("");
    r.Anadir(std::string(6, ' ') + std::string(24, '_'));
    r.Anadir("");
    r.negritas.push_back(r.Anadir("-" + Mayusculas(textos[317])));
    r.Anadir("");

    std::vector<int> comunidades;
    if (seleccion.SeleccionImpresion)
        comunidades = seleccion.ComunidadesImpresion;
    else
        for (int c = 1; c <= kNumComunidades; ++c)
            comunidades.push_back(c);
    // Only a run over every community can be too long; once it is, the rest
    // need not be built.
    const bool todas = static_cast<int>(comunidades.size()) == kNumComunidades;
    for (int c : comunidades) {
        if (todas && r.NumLineas() >= kLineasHojaLarga)
            break;
        for (const std::string &s : BloqueComunidadTitulo(lugares, fp, c, titulo))
            r.Anadir(s);
    }
    if (todas && r.NumLineas() >= kLineasHojaLarga) {
        hoja.pedirSeleccion = true;
        seleccion.Empezar();
        return hoja;
    }

    for (int i = 1; i <= r.NumLineas(); ++i)
        if (EmpiezaPor(r.lineas[static_cast<size_t>(i - 1)], "***"))
            r.negritas.push_back(i);
    seleccion.Terminar();
    return hoja;
}

} // namespace norvela
