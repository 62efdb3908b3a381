// A small set of degrees built in memory for the tests of the double-degree,
// requirement and outlets views: names, branches, codes, marks, double
// degrees and the interface texts they print ("T" + number).
#pragma once

#include "enlace.h"
#include "mensajes.h"

#include <string>
#include <vector>

namespace norvela::pruebas {

struct GradoPrueba {
    GradoPrueba(std::string n, int r = 1, int c = 0, std::vector<int> m = {}, std::vector<int> no = {})
        : nombre(std::move(n)), rama(r), codigo(c), materias(std::move(m)), notas(std::move(no))
    {
    }
    std::string nombre;
    int rama = 1;
    int codigo = 0;
    std::vector<int> materias;   // fields 11..14
    std::vector<int> notas;      // cut-off marks in tenths
};

struct DoblePrueba {
    int comunidad = 1;
    std::string universidad;
    struct Par { int a, b; std::string etiqueta; };
    std::vector<Par> pares;
};

class GradosPrueba {
public:
    GradosPrueba() : e(m)
    {
        for (int k = TextosInterfaz::kPrimero; k <= TextosInterfaz::kUltimo; ++k)
            if (TextosInterfaz::Existe(k))
                e.Textos.Poner(k, "T" + std::to_string(k));
        const char *ramas[] = {"Artes y Humanidades", "Ciencias", "Ciencias Sociales y Jur\xED" "dicas",
                               "Ingenier\xED" "a y Arquitectura", "Ciencias de la Salud"};
        for (int r = 0; r < 5; ++r)
            e.NombresRamas.Poner(r, ramas[r]);
        e.NombresGrado.Poner(0, "Grados");
    }

    // Degree rows 1.. in order; names padded to 60 as the list loader stores them.
    int Grado(const GradoPrueba &g)
    {
        const int i = ++e.NumGrados;
        std::string nombre = g.nombre;
        nombre.resize(60, ' ');
        e.NombresGrado.Poner(i, nombre);
        e.TablaGrados.Poner(i, 1, g.rama);
        e.RamaGrado[i] = g.rama;
        e.TablaGrados.Poner(i, 10, g.codigo ? g.codigo : 100 + i);
        for (size_t c = 0; c < g.materias.size() && c < 4; ++c)
            e.TablaGrados.Poner(i, 11 + static_cast<int>(c), g.materias[c]);
        e.NotasCorte.Poner(i, 0, static_cast<uint8_t>(g.notas.size()));
        for (size_t j = 0; j < g.notas.size(); ++j)
            e.NotasCorte.Poner(i, static_cast<int>(j) + 1, static_cast<uint8_t>(g.notas[j]));
        return i;
    }

    int Doble(const DoblePrueba &d)
    {
        const int g = ++e.NumDobles;
        e.DoblesNumero[g] = d.comunidad;
        e.DoblesNombre.Poner(g, d.universidad);
        int k = 0;
        for (const auto &par : d.pares) {
            ++k;
            e.DoblesGradoA.Poner(g, k, par.a);
            e.DoblesGradoB.Poner(g, k, par.b);
            e.DoblesEtiqueta.Poner(g, k, par.etiqueta.empty() ? "    " : par.etiqueta);
        }
        e.DoblesCuenta.Poner(g, 0, k);
        return g;
    }

    void Materias(const std::vector<std::string> &lineas)
    {
        e.NumMateriasGrado = 0;
        for (const std::string &l : lineas)
            e.MateriasGrado.Poner(++e.NumMateriasGrado, l);
    }

    MensajesRegistrados m;
    Enlace e;
};

} // namespace norvela::pruebas
