#include "pantallas_creadas.h"

#include "animacion.h"
#include "asistente.h"
#include "certifiU.h"
#include "est_grados.h"
#include "estadistica.h"
#include "formlomce.h"
#include "grados.h"
#include "itinerarios.h"
#include "pasarelaFP.h"
#include "principal.h"
#include "superior.h"

namespace norvela {

namespace {

// Applies `f` to the screen that plays `papel`, built at start-up or when
// first wanted; `vacio` when none does.
template <typename F, typename R> R EnPapel(const PantallasCreadas &p, Papel papel, F f, R vacio)
{
    switch (papel) {
    case Papel::MenuPrincipal:
        return f(p.form0);
    case Papel::Animacion:
        return f(p.form9);
    case Papel::Asistente:
        return f(p.Form5);
    case Papel::Certificados:
        return f(p.Certifica);
    case Papel::Grados:
        return f(p.Form1);
    case Papel::NotasCorte:
        return f(p.Form6);
    case Papel::EstadisticasGrados:
        return f(p.FormEstGra);
    case Papel::FPSuperior:
        return f(p.Form8);
    case Papel::EstadisticasFP:
        return f(p.Estadisticas);
    case Papel::Itinerarios:
        return f(p.Form2);
    case Papel::Lomce:
        return f(p.Flomce);
    }
    return vacio;
}

template <typename T> Pantalla *Construida(T *pantalla) { return pantalla; }
template <typename T> Pantalla *Construida(const Perezosa<T> &pantalla) { return pantalla.get(); }
template <typename T> bool Existe(T *pantalla) { return pantalla != nullptr; }
template <typename T> bool Existe(const Perezosa<T> &pantalla) { return pantalla.Hay(); }

} // namespace

Pantalla *PantallasCreadas::Por(Papel papel) const
{
    return EnPapel(*this, papel, [](const auto &s) { return Construida(s); }, static_cast<Pantalla *>(nullptr));
}

bool PantallasCreadas::Hay(Papel papel) const
{
    return EnPapel(*this, papel, [](const auto &s) { return Existe(s); }, false);
}

} // namespace norvela
