#include "pagina_registrada.h"

#include <cmath>

namespace norvela {

bool PaginaRegistrada::Comenzar(const QString &t, bool a)
{
    if (fallarAlComenzar)
        return false;
    titulo = t;
    apaisada = a;
    comenzado = true;
    paginas = 1;
    return true;
}

bool PaginaRegistrada::NuevaPagina()
{
    if (paginas + 1 == fallarEnPagina)
        return false;
    ++paginas;
    return true;
}

bool PaginaRegistrada::Terminar()
{
    if (fallarAlTerminar)
        return false;
    terminado = true;
    return true;
}

void PaginaRegistrada::PonerFuente(const QString &familia, int puntos, bool negrita)
{
    familia_ = familia;
    puntos_ = puntos;
    negrita_ = negrita;
}

int PaginaRegistrada::AnchoTexto(const QString &s)
{
    return static_cast<int>(std::lround(s.size() * puntos_ * 0.6 * ppp_ / 72.0));
}

void PaginaRegistrada::Anotar(TrazoInforme::Tipo tipo, int x1, int y1, int x2, int y2, const QString &texto)
{
    trazos.push_back({tipo, paginas, x1, y1, x2, y2, texto, familia_, puntos_, negrita_});
}

void PaginaRegistrada::Texto(int x, int y, const QString &s)
{
    Anotar(TrazoInforme::Tipo::Texto, x, y, 0, 0, s);
}

void PaginaRegistrada::Rectangulo(int x1, int y1, int x2, int y2)
{
    Anotar(TrazoInforme::Tipo::Rectangulo, x1, y1, x2, y2);
}

void PaginaRegistrada::Elipse(int x1, int y1, int x2, int y2)
{
    Anotar(TrazoInforme::Tipo::Elipse, x1, y1, x2, y2);
}

void PaginaRegistrada::Imagen(int x1, int y1, int x2, int y2, const QImage &)
{
    Anotar(TrazoInforme::Tipo::Imagen, x1, y1, x2, y2);
}

std::vector<TrazoInforme> PaginaRegistrada::Textos(int pagina) const
{
    std::vector<TrazoInforme> r;
    for (const auto &t : trazos)
        if (t.pagina == pagina && t.tipo == TrazoInforme::Tipo::Texto)
            r.push_back(t);
    return r;
}

const TrazoInforme *PaginaRegistrada::Buscar(const QString &s) const
{
    for (const auto &t : trazos)
        if (t.tipo == TrazoInforme::Tipo::Texto && t.texto == s)
            return &t;
    return nullptr;
}

} // namespace norvela
