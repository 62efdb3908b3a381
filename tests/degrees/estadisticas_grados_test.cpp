// The degree statistics charts without a screen: the order rows are drawn
// in, where bars end, and which icon each key draws.
#include "estadisticas_grados.h"

#include <gtest/gtest.h>

using namespace norvela;

namespace {

std::vector<double> Valores(const std::vector<FilaEstadistica> &f, size_t desde, size_t n)
{
    std::vector<double> v;
    for (size_t i = desde; i < desde + n; ++i)
        v.push_back(f.at(i).valor);
    return v;
}

FilaEstadistica Fila(double valor, int texto)
{
    return {texto, {}, valor, {}, texto};
}

} // namespace

TEST(EstadisticasGrados, EnrolmentFieldsAreSortedLargestFirstWithTheirNamesTextsAndKeys)
{
    const auto f = FilasGrafico(GraficoGrado::Matricula);
    ASSERT_EQ(f.size(), 14u);
    EXPECT_EQ(f[0].clave, kClaveEncabezado);
    EXPECT_EQ(f[0].sufijo, "...");
    EXPECT_EQ(Valores(f, 1, 10), (std::vector<double>{21.8, 13.3, 12.8, 12.5, 12.0, 11.9, 6.7, 3.9, 3.8, 1.3}));
    // Name, value text and key travel with the value.
    EXPECT_EQ(f[1].texto, 682);
    EXPECT_EQ(f[1].textoValor, "21.8%");
    EXPECT_EQ(f[1].clave, 4);
    EXPECT_EQ(f[10].texto, 686);
    EXPECT_EQ(f[10].textoValor, "1.3 %");
    EXPECT_EQ(f[10].clave, 8);
    // The university rows follow in their own order under their heading.
    EXPECT_EQ(f[11].texto, 421);
    EXPECT_EQ(f[11].clave, kClaveEncabezado);
    EXPECT_EQ(f[12].texto, 402);
    EXPECT_EQ(f[13].texto, 403);
}

TEST(EstadisticasGrados, DifficultyAndEmploymentRows)
{
    const auto d = FilasGrafico(GraficoGrado::Dificultad);
    ASSERT_EQ(d.size(), 14u);
    EXPECT_EQ(d[1].texto, 679);
    EXPECT_EQ(d[1].textoValor, "89.5 %");
    EXPECT_EQ(d[10].texto, 684);
    EXPECT_EQ(d[11].texto, 426);

    const auto t = FilasGrafico(GraficoGrado::Trabajo);
    ASSERT_EQ(t.size(), 14u);
    EXPECT_EQ(t[0].sufijo, " - 2014");
    // Branches sorted, each keeping its branch icon (key + 10).
    EXPECT_EQ(Valores(t, 1, 5), (std::vector<double>{71.4, 67.2, 63.8, 63.7, 48.8}));
    EXPECT_EQ(t[1].texto, 519);
    EXPECT_EQ(t[1].clave, 14);
    EXPECT_EQ(t[5].texto, 515);
    EXPECT_EQ(t[5].clave, 13);
    EXPECT_EQ(t[6].texto, 431);
    // The unemployment block keeps its written order, 15.25 after 8.9.
    EXPECT_EQ(t[7].clave, kClaveEncabezado);
    EXPECT_EQ(Valores(t, 8, 5), (std::vector<double>{27.0, 20.5, 15.6, 8.9, 15.25}));
    EXPECT_EQ(t[13].sufijo, "INE - 2018");
    EXPECT_EQ(t[13].clave, kClaveEncabezado);

    EXPECT_TRUE(FilasGrafico(GraficoGrado::Ninguno).empty());
}

TEST(EstadisticasGrados, BarsRoundHalfToEvenAndEveryChartFitsItsBox)
{
    EXPECT_EQ(RedondeoPar(12.5), 12);
    EXPECT_EQ(RedondeoPar(13.5), 14);
    EXPECT_EQ(RedondeoPar(73.5), 74);
    const GeometriaFila a = Geometria(4, 12.5, LargoExtra(GraficoGrado::Matricula));
    EXPECT_EQ(a.y, 115);
    EXPECT_EQ(a.finBarra, kFinNombres + 24 + 20);
    EXPECT_EQ(a.xCaja, a.finBarra + 15);
    EXPECT_EQ(a.xTexto, a.finBarra + 18);
    EXPECT_EQ(Geometria(1, 13.5, LargoExtra(GraficoGrado::Dificultad)).finBarra, kFinNombres + 28);

    for (GraficoGrado g : {GraficoGrado::Matricula, GraficoGrado::Dificultad, GraficoGrado::Trabajo}) {
        const auto filas = FilasGrafico(g);
        ASSERT_LE(static_cast<int>(filas.size()), kMaxFilasEstadistica);
        const int ultima = Geometria(static_cast<int>(filas.size()), 0, 0).y + kAltoBarraGrado;
        EXPECT_EQ(ultima, 485);
        EXPECT_LE(ultima, kAltoGraficoGrado);
        for (size_t i = 0; i < filas.size(); ++i) {
            const GeometriaFila r = Geometria(static_cast<int>(i) + 1, filas[i].valor, LargoExtra(g));
            if (filas[i].clave != kClaveEncabezado) {
                EXPECT_GT(r.finBarra, kInicioBarra) << "row " << i + 1;
            }
            EXPECT_LE(r.xCaja + kAnchoCajaGrado, kAnchoGraficoGrado) << "row " << i + 1;
        }
    }
}

TEST(EstadisticasGrados, SortingIsStableAndNeverReadsPastTheRows)
{
    std::vector<FilaEstadistica> f = {Fila(5, 1), Fila(7, 2), Fila(5, 3), Fila(9, 4), Fila(7, 5)};
    OrdenarEstadisticas(f, 0, 5);
    std::vector<int> orden;
    for (const auto &r : f)
        orden.push_back(r.texto);
    EXPECT_EQ(orden, (std::vector<int>{4, 2, 5, 1, 3}));

    // A block longer than the rows, or starting outside them, is cut.
    std::vector<FilaEstadistica> g = {Fila(1, 1), Fila(2, 2), Fila(3, 3)};
    OrdenarEstadisticas(g, 1, 10);
    EXPECT_EQ(Valores(g, 0, 3), (std::vector<double>{1, 3, 2}));
    OrdenarEstadisticas(g, 3, 1);
    OrdenarEstadisticas(g, -1, 3);
    EXPECT_EQ(Valores(g, 0, 3), (std::vector<double>{1, 3, 2}));
    std::vector<FilaEstadistica> d = {Fila(5, 1), Fila(1, 2), Fila(2, 3), Fila(3, 4)};
    OrdenarEstadisticas(d, 2, 5);   // from the third row, more rows than are left
    EXPECT_EQ(Valores(d, 0, 4), (std::vector<double>{5, 1, 3, 2}));

    // No more than the working capacity is sorted.
    std::vector<FilaEstadistica> h;
    for (int i = 1; i <= kMaxFilasEstadistica + 2; ++i)
        h.push_back(Fila(i, i));
    OrdenarEstadisticas(h, 0, kMaxFilasEstadistica + 2);
    EXPECT_EQ(h[0].valor, kMaxFilasEstadistica);
    EXPECT_EQ(h[kMaxFilasEstadistica].valor, kMaxFilasEstadistica + 1);
}

TEST(EstadisticasGrados, IconKeysSelectTheirListAndImage)
{
    const int iconos[] = {14, 23, 29, 2, 13, 12, 26, 1, 16, 18};
    for (int k = 1; k <= 10; ++k) {
        EXPECT_FALSE(IconoRama(k).deRamas);
        EXPECT_EQ(IconoRama(k).indice, iconos[k - 1]) << "key " << k;
    }
    for (int k : {0, -2, -50})
        EXPECT_EQ(IconoRama(k).indice, 22) << "key " << k;
    EXPECT_EQ(IconoRama(kClaveEncabezado).indice, -1);
    const int ramas[] = {1, 4, 0, 2, 5, 3};
    for (int k = 11; k <= 16; ++k) {
        EXPECT_TRUE(IconoRama(k).deRamas);
        EXPECT_EQ(IconoRama(k).indice, ramas[k - 11]) << "key " << k;
    }
    EXPECT_EQ(IconoRama(17).indice, 6);
    EXPECT_EQ(IconoRama(20).indice, 6);
    // An image the lists do not hold draws no icon.
    EXPECT_EQ(IconoRama(20, 30, 6).indice, -1);
    EXPECT_EQ(IconoRama(3, 29, 6).indice, -1);
    EXPECT_EQ(IconoRama(3, 30, 6).indice, 29);
}
