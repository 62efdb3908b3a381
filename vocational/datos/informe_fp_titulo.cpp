#include "informe_fp_titulo.h"

#include "ansi.h"
#include "cadenas.h"
#include "centros_fp.h"
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

std::vector<std::string> BloqueComunidadTitulo(const DatosLugares &lugares, const NivelFPDatos &nivel, int c,
                                               int titulo)
{
    const int primera = PrimeraProvinciaDe(lugares, c);
    if (primera == 0)
        return {};
    const GrupoCentros g = nivel.Grupo(lugares.CodigoProvincia[primera][0]);
    const TablaEnteros *oferta = nivel.Oferta(g);
    if (!g.centros || !oferta)
        return {};
    TablaTexto nombres{1, 100, 35};
    const int numProvincias = ProvinciasDe(lugares, c, nombres);
    const std::vector<FilaRejilla> filas =
        FilasTitulo(g, *oferta, numProvincias, primera, lugares.CodigoProvincia, nombres, titulo);
    if (filas.empty())
        return {};
    return LineasTituloInforme(ColumnasLinea(lugares.Lugares[c], 3, 32), filas, nivel.cierreComunidad);
}

InformeFP CabeceraHojaTitulo(const NivelFPDatos &nivel, const TextosInterfaz &textos, int titulo,
                             const VistasTitulo &vistas)
{
    InformeFP r;
    const std::string nombre = titulo >= 1 && nivel.nombres && nivel.nombres->Contiene(titulo)
                                   ? QuitarBlancosFinales((*nivel.nombres)[titulo])
                                   : std::string();
    r.titulo = Cortar(nombre + " (" + textos[nivel.textoTitulo] + ")", kAnchoTituloInforme);
    for (size_t k = 0; k < vistas.secciones.size(); ++k) {
        const std::string &texto = textos[nivel.textosSecciones[k]];
        if (!nivel.blancoTrasSeccion && k > 0)
            r.Anadir("");
        r.negritas.push_back(r.Anadir(nivel.seccionesConGuion ? Cortar("- " + texto, k == 0 ? 22 : 32)
                                                              : "** " + texto + " **"));
        for (const std::string &s : vistas.secciones[k])
            r.Anadir(s);
        if (nivel.blancoTrasSeccion)
            r.Anadir("");
    }
    return r;
}

HojaTituloFP HojaTitulo(const DatosLugares &lugares, const NivelFPDatos &nivel, const TextosInterfaz &textos,
                        int titulo, const VistasTitulo &vistas, SeleccionComunidadesFP &seleccion)
{
    HojaTituloFP hoja;
    hoja.informe = CabeceraHojaTitulo(nivel, textos, titulo, vistas);
    InformeFP &r = hoja.informe;
    r.Anadir(nivel.raya);
    r.Anadir("");
    const int donde = r.Anadir("-" + Mayusculas(textos[317]));
    if (nivel.negritaDonde)
        r.negritas.push_back(donde);
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
        for (const std::string &s : BloqueComunidadTitulo(lugares, nivel, c, titulo))
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
