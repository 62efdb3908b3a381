#include "datos_fpb.h"

#include "cargas_listas.h"
#include "cargas_separadas.h"
#include "enlace.h"

namespace norvela {

void BlanquearZonasFPB(TablaTexto &centros, int n)
{
    const int ultima = std::min(n, centros.Ultimo());
    int desde = 0;
    int hasta = ultima;
    for (int i = 1; i <= ultima; ++i) {
        const char c = centros[i].empty() ? ' ' : centros[i][0];
        if (c == '8' && desde == 0)
            desde = i;
        if (c == 'D') {
            hasta = i - 1;
            break;
        }
    }
    if (desde == 0)
        return;
    for (int i = desde; i <= hasta; ++i) {
        std::string linea = centros[i];
        if (linea.size() >= 45) {
            linea[44] = ' ';
            centros.Poner(i, linea);
        }
    }
}

void CargarTablasFPB(Enlace &e, TablasFPB &t)
{
    CargarOfertaFPB(e, e.Fichero(QStringLiteral("datlugbasphp")));
    const QString fpba = e.FicheroIdioma(QStringLiteral("fpba"));
    CargarListaTexto(e, fpba, e.NombresFPBasica, e.NumFPBasica, 60);
    if (e.ErrorFicheros)
        return;
    CargarBloques26(e, e.FicheroIdioma(QStringLiteral("asignaba")), e.AsignaturasFPBasica);
    if (e.ErrorFicheros)
        return;
    t.Grupos = LeerGruposFPB(e.NombresFamilias, e.NombresFamilias.Ultimo(), e.FicheroIdioma(QStringLiteral("familias")),
                             e.AnchoLista);
    t.InicioFamiliaFPB = CalcularInicioFamiliaFPB(e.NombresFPBasica, e.NumFPBasica, fpba);
    CargarListaTexto(e, e.Fichero(QStringLiteral("lu2")), t.CentrosFPB2, t.NumCentrosFPB2, e.AnchoLista);
    if (e.ErrorFicheros)
        return;
    BlanquearZonasFPB(t.CentrosFPB2, t.NumCentrosFPB2);
}

} // namespace norvela
