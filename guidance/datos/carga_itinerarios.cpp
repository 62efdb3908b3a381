#include "carga_itinerarios.h"

#include "cargas_listas.h"
#include "enlace.h"
#include "errores.h"

namespace norvela {

namespace {

// The options, then the statements moved down over them, each with the
// digits of its first two characters.
void RepartirCuestionario(Enlace &e, const QString &fichero, int lineas)
{
    if (lineas < kOpcionesCuestionarioGM)
        throw ErrorRango(fichero, lineas + 1, QStringLiteral("faltan las %1 opciones").arg(kOpcionesCuestionarioGM));
    const int cuestiones = lineas - kOpcionesCuestionarioGM;
    if (cuestiones > kMaxCuestionesGM)
        throw ErrorRango(fichero, kOpcionesCuestionarioGM + kMaxCuestionesGM + 1,
                         QStringLiteral("más de %1 preguntas").arg(kMaxCuestionesGM));
    for (int i = 1; i <= kOpcionesCuestionarioGM; ++i)
        e.ListaGM75.Poner(i, e.CuestionesGM[i]);
    for (int j = 1; j <= cuestiones; ++j) {
        const std::string linea = e.CuestionesGM[j + kOpcionesCuestionarioGM];
        for (int c = 0; c < 2; ++c) {
            const char digito = c < static_cast<int>(linea.size()) ? linea[static_cast<size_t>(c)] : ' ';
            if (digito < '0' || digito > '9')
                throw ErrorConversion(fichero, j + kOpcionesCuestionarioGM,
                                      QStringLiteral("el carácter %1 no es una cifra").arg(c + 1));
            (c == 0 ? e.CodigoGM1 : e.CodigoGM2)[j] = static_cast<uint8_t>(digito - '0');
        }
        e.CuestionesGM.Poner(j, linea);
    }
    for (int j = cuestiones + 1; j <= lineas; ++j)
        e.CuestionesGM.Poner(j, std::string());
    e.NumCuesGM = cuestiones;
}

} // namespace

void CalcularSeccionesGM(Enlace &e)
{
    e.FamiliasAntesDeMarcaGM = e.NumFamiliasGM;
    for (int f = 1; f <= e.NumFamiliasGM; ++f)
        if (!e.EncabezadosFPMedio[f].empty() && e.EncabezadosFPMedio[f][0] == '|') {
            e.FamiliasAntesDeMarcaGM = f - 1;
            break;
        }
    e.SeccionGMDesde = e.NumFPMedio + 1;
    e.SeccionGMHasta = e.NumFPMedio + 1;
    for (int t = e.NumFPMedio; t >= 1; --t) {
        const std::string &s = e.NombresFPMedio[t];
        if (s.size() >= 2 && s[1] == '|')
            e.SeccionGMDesde = t;
        if (s.size() >= 2 && s[1] == '!')
            e.SeccionGMHasta = t;
    }
}

void CargarDatosItinerarios(Enlace &e)
{
    const QString cuesgm = e.FicheroIdioma(QStringLiteral("cuesgm"));
    int lineas = -1;
    CargarListaTexto75(e, cuesgm, e.CuestionesGM, lineas, 75);
    if (lineas >= 0)
        RepartirCuestionario(e, cuesgm, lineas);

    const QString fp2 = e.FicheroIdioma(QStringLiteral("fp2"));
    CargarListaTexto(e, fp2, e.NombresFPMedio, e.NumFPMedio, 60);
    CargarEncabezados(e, fp2, e.EncabezadosFPMedio, e.NumFamiliasGM, e.FilaTituloGM, 60);
    CalcularSeccionesGM(e);
    CargarBloques26(e, e.FicheroIdioma(QStringLiteral("asignagm")), e.AsignaturasFPMedio);
    e.CuestionarioGM = false;
}

} // namespace norvela
