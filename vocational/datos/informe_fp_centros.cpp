#include "informe_fp_centros.h"

#include "cadenas.h"

namespace norvela {

OrigenListaCentros OrigenDeListaCentros(const DatosLugares &d, const LugarElegidoFP &lugar)
{
    if (lugar.ModoComarcas) {
        const bool hay = lugar.ComarcaSel >= 1 && d.NombresComarcas.Contiene(lugar.ComarcaSel);
        return {'4', lugar.ProvinciaGuardada,
                hay ? QuitarBlancosFinales(d.NombresComarcas[lugar.ComarcaSel]) : std::string()};
    }
    if (lugar.ModoZonas)
        return {'2', lugar.ProvinciaGuardada, "Madrid"};
    return {lugar.GrupoGuardado, lugar.ProvinciaGuardada, QuitarBlancosFinales(lugar.NombreProvinciaSel)};
}

InformeFP InformeListaCentros(const TextosInterfaz &textos, const NivelFPDatos &nivel, const std::string &nombre,
                              const std::vector<FilaRejilla> &filas)
{
    InformeFP r;
    const std::string sufijo = nivel.textoLista ? " - " + textos[nivel.textoLista] : std::string();
    r.titulo = Cortar(Cortar(textos[289] + ": ", 32) + nombre + sufijo, kAnchoTituloInforme);
    for (const FilaRejilla &f : filas) {
        // A centre header's lines are all bold, the ones it goes on in too.
        const bool cabecera = nivel.negritaCabecerasLista && f.col0.rfind('-', 0) == 0;
        for (const std::string &s : LineasDosCampos(f.col0, 44, f.col1)) {
            const int i = r.Anadir(s);
            if (cabecera)
                r.negritas.push_back(i);
        }
    }
    return r;
}

InformeFP InformeListaCentros(const TextosInterfaz &textos, const NivelFPDatos &nivel, const std::string &nombre,
                              const DatosInforme &d)
{
    std::vector<FilaRejilla> filas;
    const int n = d.*nivel.contadorInforme;
    for (int i = 1; i <= n; ++i)
        filas.push_back({d.LineasInforme[i], d.LineasInforme2[i], 0});
    return InformeListaCentros(textos, nivel, nombre, filas);
}

} // namespace norvela
