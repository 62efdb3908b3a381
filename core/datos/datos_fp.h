// The vocational-training data: titles of the three levels and their
// families, subjects, requirements, certificates, and the offer of each
// title by centre. Read by the FP screens, the certificates and the
// catalogue.
#pragma once

#include "tablas.h"

#include <array>

namespace norvela {

// Rows 1..1100 (one per centre of a province group) of a count and up to 25 titles.
inline std::array<TablaEnteros, 4> Ofertas()
{
    return {TablaEnteros(1, 1100, 0, 25), TablaEnteros(1, 1100, 0, 25), TablaEnteros(1, 1100, 0, 25),
            TablaEnteros(1, 1100, 0, 25)};
}

struct DatosFP {
    TablaTexto NombresFPSuperior{0, 1100, 60};
    TablaTexto NombresFPMedio{0, 1100, 60};
    TablaTexto NombresFPBasica{0, 1100, 60};
    TablaTexto EncabezadosFPSuperior{0, 1100, 60};
    TablaTexto EncabezadosFPMedio{0, 1100, 60};
    TablaBloques AsignaturasFPSuperior{200, 25, 60};
    TablaBloques AsignaturasFPMedio{200, 25, 60};
    TablaBloques AsignaturasFPBasica{200, 25, 60};
    TablaTexto RequisitosFP{0, 1100, 60};
    TablaTexto NombresFamilias{0, 1100, 60};
    TablaTexto GruposFamilias{1, 10, 60};
    TablaTexto NombresCertificados{0, 1100, 60};
    TablaTexto ExplicacionCertificados{0, 250, 90};
    // The nine requirement headings of the certificates: character 1 the
    // code, from character 2 the requirement (the certificates screen takes
    // them out of "certificah" when it splits both files).
    TablaTexto EncabezadosCertificados{1, 9, 30};
    std::array<TablaEnteros, 4> OfertaGS = Ofertas();
    std::array<TablaEnteros, 4> OfertaGM = Ofertas();
    std::array<TablaEnteros, 4> OfertaFPB = Ofertas();
    TablaEnteros TablaFPSuperior{1, 200, 1, 25};
    TablaEnteros TablaFPMedio{1, 200, 1, 7};
    TablaValores<int> FilaTituloGS{1, 1100};
    TablaValores<int> FilaTituloGM{1, 1100};
    // Family numbers (first, second, third) of each of the nine family groups.
    TablaEnteros RangosGruposFamilias{1, 10, 1, 3};

    int NumFPSuperior = 0;
    int NumEncabezadosFPSuperior = 0;
    int EncabezadoSeccionGS = 0;
    int NumRequisitosFP = 0;
    int NumFamilias = 0;
    int NumGruposFamilias = 0;
    int NumFPMedio = 0;
    // Family headings of "fp2", and how many of them come before the arts section.
    int NumFamiliasGM = 0;
    int FamiliasAntesDeMarcaGM = 0;
    int NumFPBasica = 0;
    // Lines of "certifica" and "certificah"; after the split only the
    // sub-group and certificate lines count.
    int NumCertificados = 0;
    int NumExplicacionesCert = 0;
    int SeccionGMDesde = 0;
    int SeccionGMHasta = 0;
    int LimiteSeccionGS = 0;

    // The higher-cycle screen has taken over the shared map state: while it
    // is set the degrees screen's map click does nothing. Set by the
    // higher-cycle screen's title and place routes, a title opened from its
    // grid and its print; cleared by its start-up data step and its leave button,
    // and by the degrees screen's start-up data step and the views that take the map back
    // (universities by region, double degrees, the plastic arts).
    bool FPSuperiorActivo = false;
    // The intermediate-cycle screen plays its helicopter intro at its next
    // entry. Set by the main menu's creation and by the assistant's
    // intermediate-cycle button; the main menu's door reads it; the
    // intermediate-cycle screen clears it when it starts the intro.
    bool IntroHelicoptero = false;
};

} // namespace norvela
