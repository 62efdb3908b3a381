// The title search: accents and case, the three passes in their order, and
// the not-found row.
#include "busqueda_grados.h"
#include "navegador_prueba.h"

#include <gtest/gtest.h>

using namespace norvela;
using Filas = std::vector<std::string>;

namespace {

struct Buscador : pruebas::Navegable {
    // The rows' texts, headers marked "#".
    Filas Buscar(const std::string &q) const
    {
        Filas t;
        for (const auto &f : FilasBusqueda(e, q, "T571", "T41"))
            t.push_back((f.cabecera ? "#" : "") + f.texto + (f.grado ? "/" + std::to_string(f.grado) + f.marca : ""));
        return t;
    }
    void Enlazar(int g, int t)
    {
        const int n = e.EnlacesGrado.En(g, 0) + 1;
        e.EnlacesGrado.Poner(g, n, t);
        e.EnlacesGrado.Poner(g, 0, n);
    }
};

const Filas kNada = {"#T41"};

} // namespace

TEST(BusquedaTitulos, CaseAndAccentsAreIgnoredButEnyeIsALetterOfItsOwn)
{
    EXPECT_EQ(QuitarAcentos("\xC1\xC9\xCD\xD3\xDA\xC0\xC8\xCC\xD2\xD9\xC4\xCB\xCF\xD6\xDC\xC2\xCA\xCE\xD4\xDB"
                            "\xE1\xE9\xED\xF3\xFA\xE0\xE8\xEC\xF2\xF9\xE4\xEB\xEF\xF6\xFC\xE2\xEA\xEE\xF4\xFB\xF1\xD1\xE7"),
              "AEIOUAEIOUAEIOUAEIOUaeiouaeiouaeiouaeiou\xF1\xD1\xE7");
    Buscador b;
    b.Grupo("Otros");
    b.Grado({"Ingenier\xED" "a Civil", 4, 1});
    b.Grado({"INGENIER\xCD" "A NAVAL", 4, 1});
    b.Grado({"Dise\xF1" "o", 1, 1});
    b.Grado({"ESPA\xD1" "OL", 1, 1});
    b.Enlazar(2, b.Titulo("Grado en nada"));
    EXPECT_EQ(b.Buscar("  ingenieria "), (Filas{"#T571", "Ingenier\xED" "a Civil/1", "INGENIER\xCD" "A NAVAL/2+"}));
    EXPECT_EQ(b.Buscar("disen"), kNada);
    EXPECT_EQ(b.Buscar("DISE\xF1"), (Filas{"#T571", "Dise\xF1" "o/3"}));
    // Only A-Z are lower-cased: the upper-case letter stays apart.
    EXPECT_EQ(b.Buscar("espa\xF1"), kNada);
    EXPECT_EQ(b.Buscar(""), kNada);
    EXPECT_EQ(b.Buscar("    "), kNada);
}

TEST(BusquedaTitulos, GroupsComeFirstAndThenOnlyDegreesNotListed)
{
    Buscador b;
    const int salud = b.Grupo("Ciencias de la Salud");
    const int fisica = b.Grupo("F\xED" "sica");
    b.Grupo("Ciencias del Mar");   // no degrees: no header
    b.Grado({"Medicina", 5, salud});
    b.Grado({"Ciencias Ambientales", 2, fisica});
    b.Grado({"Enfermer\xED" "a", 5, salud});
    b.Grado({"Ciencias sin grupo", 2, 0});
    EXPECT_EQ(b.Buscar("ciencias"), (Filas{"#Ciencias de la Salud", "Medicina/1", "Enfermer\xED" "a/3", "#T571",
                                           "Ciencias Ambientales/2", "Ciencias sin grupo/4"}));
    EXPECT_EQ(b.Buscar("salud"), (Filas{"#Ciencias de la Salud", "Medicina/1", "Enfermer\xED" "a/3"}));
    // Matched as a member of its group and by its own name: listed once.
    EXPECT_EQ(b.Buscar("medic"), (Filas{"#T571", "Medicina/1"}));
    EXPECT_TRUE(NoListado({{"G", "", 0, true}, {"a", "", 3, false}}, 1, 3));
    EXPECT_FALSE(NoListado({{"G", "", 0, true}, {"a", "", 3, false}}, 2, 3));
}

TEST(BusquedaTitulos, AGroupWithoutDegreesIsNoFindSoTitlesAreSearched)
{
    Buscador b;
    b.Grupo("Arte");
    b.Grupo("Oceanograf\xED" "a");
    b.Grado({"Bellas Artes", 1, 1});
    b.Grado({"Biolog\xED" "a", 2, 1});
    b.Grado({"Geolog\xED" "a", 2, 1});
    const int t1 = b.Titulo("Grado en Oceanograf\xED" "a Costera");
    const int t2 = b.Titulo("Grado en Biolog\xED" "a Marina (Oceanograf\xED" "a)");
    b.Titulo("Grado en Historia");
    b.Enlazar(2, t1);
    b.Enlazar(2, t2);
    b.Enlazar(3, t2);
    // Biology links both matching titles: listed once for each.
    EXPECT_EQ(b.Buscar("oceanografia"),
              (Filas{"#T571", "Biolog\xED" "a/2+", "Biolog\xED" "a/2+", "Geolog\xED" "a/3+"}));
    EXPECT_EQ(b.Buscar("historia"), kNada);
    // Found by name: the titles are not searched.
    EXPECT_EQ(b.Buscar("biolog"), (Filas{"#T571", "Biolog\xED" "a/2+"}));
}
