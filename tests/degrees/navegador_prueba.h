// A few degrees built in memory for the browser and marks tests: groups,
// itineraries, activities with their professions, universities by
// community with their marks and linked titles. Interface text k reads "Tk".
#pragma once

#include "cadenas.h"
#include "enlace.h"
#include "mensajes.h"

#include <set>
#include <string>
#include <vector>

namespace norvela::pruebas {

struct GradoNavegable {
    GradoNavegable(std::string n, int r = 1, int g = 1, int it = 1, int it2 = 0, std::vector<int> p = {})
        : nombre(std::move(n)), rama(r), grupo(g), itinerario(it), itinerario2(it2), profesiones(std::move(p))
    {
    }
    std::string nombre;
    int rama = 1;
    int grupo = 1;
    int itinerario = 1;
    int itinerario2 = 0;
    std::vector<int> profesiones;
};

class Navegable {
public:
    Navegable() : e(m)
    {
        for (int k = TextosInterfaz::kPrimero; k <= TextosInterfaz::kUltimo; ++k)
            if (TextosInterfaz::Existe(k))
                e.Textos.Poner(k, "T" + std::to_string(k));
        e.NombresGrado.Poner(0, "T48");
        e.NumAreas = 12;
        for (int a = 1; a <= 12; ++a)
            e.NombresAreas.Poner(a, LineaRellena("Itinerario " + std::to_string(a), 60));
        for (int c = 1; c <= 19; ++c)
            e.Lugares.Poner(c, LineaRellena((c < 10 ? "0" : "") + std::to_string(c) + "Comunidad " + std::to_string(c), 55));
    }

    int Grupo(const std::string &nombre)
    {
        e.NombresGrupo.Poner(++e.NumGrupos, LineaRellena(nombre, 60));
        return e.NumGrupos;
    }

    int Grado(const GradoNavegable &g)
    {
        const int i = ++e.NumGrados;
        e.NombresGrado.Poner(i, LineaRellena(g.nombre, 60));
        e.TablaGrados.Poner(i, 1, g.rama);
        e.TablaGrados.Poner(i, 2, g.grupo);
        e.TablaGrados.Poner(i, 3, g.itinerario);
        e.TablaGrados.Poner(i, 4, g.itinerario2);
        for (size_t p = 0; p < g.profesiones.size() && p < 4; ++p)
            e.TablaGrados.Poner(i, 5 + static_cast<int>(p), g.profesiones[p]);
        e.TablaGrados.Poner(i, 10, 100 + i);
        e.RamaGrado[i] = g.rama;
        return i;
    }

    int Actividad(const std::string &codigo, const std::string &nombre)
    {
        ++e.NumActividades;
        e.CodActividad.Poner(e.NumActividades, codigo);
        e.NombresActividad.Poner(e.NumActividades, nombre);
        return e.NumActividades;
    }

    int Profesion(const std::string &codigo, const std::string &codigo2, const std::string &nombre)
    {
        ++e.NumProfesiones;
        e.CodigoProfesion.Poner(e.NumProfesiones, codigo);
        e.CodigoProfesion2.Poner(e.NumProfesiones, codigo2.empty() ? "    " : codigo2);
        e.NombresProfesion.Poner(e.NumProfesiones, nombre);
        return e.NumProfesiones;
    }

    int Universidad(int comunidad, const std::string &nombre)
    {
        const int u = ++e.NumUniversidades;
        e.ComunidadUniversidad[u] = comunidad;
        e.NombresUniversidad.Poner(u, LineaRellena(nombre, 35));
        return u;
    }

    int Titulo(const std::string &nombre)
    {
        e.NuevosTitulos.Poner(++e.NumNuevosTitulos, LineaRellena(nombre, 60));
        return e.NumNuevosTitulos;
    }

    // University u teaches degree g with a mark in tenths, under title t (0: its own name).
    void Ensenar(int g, int u, int nota, int t = 0)
    {
        const int j = e.NotasCorteUni.En(g, 0) + 1;
        e.NotasCorteUni.Poner(g, 0, static_cast<uint8_t>(j));
        e.NotasCorte.Poner(g, 0, static_cast<uint8_t>(j));
        e.NotasCorteTitulo.Poner(g, 0, static_cast<uint8_t>(j));
        e.NotasCorteUni.Poner(g, j, static_cast<uint8_t>(u));
        e.NotasCorte.Poner(g, j, static_cast<uint8_t>(nota));
        e.NotasCorteTitulo.Poner(g, j, static_cast<uint8_t>(t));
        if (t > 0) {
            std::set<int> vistos;
            for (int k = 1; k <= e.EnlacesGrado.En(g, 0); ++k)
                vistos.insert(e.EnlacesGrado.En(g, k));
            if (!vistos.count(t)) {
                const int n = e.EnlacesGrado.En(g, 0) + 1;
                e.EnlacesGrado.Poner(g, n, t);
                e.EnlacesGrado.Poner(g, 0, n);
            }
        }
    }

    MensajesRegistrados m;
    Enlace e;
};

} // namespace norvela::pruebas
