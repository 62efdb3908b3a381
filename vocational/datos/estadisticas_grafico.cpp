#include "estadisticas_grafico.h"

#include "cadenas.h"

#include <algorithm>

namespace norvela {

namespace {

constexpr char kSinValor[] = "----";

// Chart 4 shows about nine rows, so its scroll range stops nine from the end.
constexpr int kFilasVisiblesEstudiosEmpleo = 9;

int OrigenDe(TipoGrafico tipo)
{
    switch (tipo) {
    case TipoGrafico::Titulos:
        return 450;
    case TipoGrafico::Familias:
        return 350;
    case TipoGrafico::EstudiosEmpleo:
        return 400;
    }
    return 450;
}

template <typename T> T En(const std::vector<T> &v, int fila)
{
    return v.at(static_cast<size_t>(fila - 1));
}

} // namespace

int FinDeBarra(TipoGrafico tipo, int x0, int valor)
{
    if (tipo == TipoGrafico::Titulos) {
        // (valor + 40) / 3.4 to the nearest integer, in whole numbers: never a half.
        return x0 + ((valor + 40) * 10 + 17) / 34;
    }
    return x0 + valor + 11;
}

int PosicionInicial(TipoGrafico tipo, int seleccion)
{
    if (seleccion < 1)
        return 1;
    return tipo == TipoGrafico::EstudiosEmpleo ? seleccion - 5 : seleccion - (kFilasVisibles / 2 + 1);
}

GraficoEstadistico GraficoEstadistico::Titulos(const ListaEstFP &lista, const std::vector<int> &centros,
                                               int tituloSel)
{
    GraficoEstadistico g;
    g.tipo_ = TipoGrafico::Titulos;
    g.x0_ = OrigenDe(g.tipo_);
    for (int t = 1; t <= lista.NumEstFP; ++t) {
        const std::string &linea = lista.EstFP.at(static_cast<size_t>(t));
        const bool encabezado = !linea.empty() && linea[0] == '-';
        const int familia = lista.FamiliaDeLinea.at(static_cast<size_t>(t));
        const int valor = t < static_cast<int>(centros.size()) ? centros[static_cast<size_t>(t)] : 0;
        g.nombres_.push_back(linea);
        g.familias_.push_back(familia);
        g.encabezados_.push_back(encabezado);
        g.conDatos_.push_back(true);
        g.conDatos2_.push_back(false);
        g.valores_.push_back(valor);
        g.valores2_.push_back(0);
        g.textos_.push_back(valor > 0 ? std::to_string(valor) : std::string(kSinValor));
        g.textos2_.emplace_back();
    }
    g.seleccion_ = lista.Contiene(tituloSel) ? tituloSel : 0;
    g.Desplazar(PosicionInicial(g.tipo_, g.seleccion_));
    return g;
}

GraficoEstadistico GraficoEstadistico::Familias(TipoGrafico tipo, const std::vector<std::string> &estFamilias,
                                                const std::array<DatoFamilia, kFamiliasEstadistica + 1> &datos,
                                                int familiaSel, int anchoLista)
{
    GraficoEstadistico g;
    g.tipo_ = tipo == TipoGrafico::Titulos ? TipoGrafico::Familias : tipo;
    g.x0_ = OrigenDe(g.tipo_);
    for (int f = 1; f <= kFamiliasEstadistica; ++f) {
        std::string nombre;
        if (f < static_cast<int>(estFamilias.size()) && estFamilias[static_cast<size_t>(f)].size() > 1)
            nombre = Cortar(std::string_view(estFamilias[static_cast<size_t>(f)]).substr(1), anchoLista);
        const DatoFamilia &d = datos[static_cast<size_t>(f)];
        const bool estudios = d.conLinea && d.estudios.has_value();
        const bool empleo = d.conLinea && d.empleo.has_value();
        g.nombres_.push_back(nombre);
        g.familias_.push_back(f);
        g.encabezados_.push_back(false);
        g.conDatos_.push_back(estudios);
        g.conDatos2_.push_back(empleo);
        // A bad field is 0, whatever an earlier chart read.
        g.valores_.push_back(estudios ? Decimas(*d.estudios) : 0);
        g.valores2_.push_back(empleo ? Decimas(*d.empleo) : 0);
        g.textos_.push_back(estudios ? d.textoEstudios + '%' : std::string(kSinValor));
        g.textos2_.push_back(empleo ? TextoUnDecimal(Decimas(*d.empleo)) + '%' : std::string(kSinValor));
    }
    g.seleccion_ = familiaSel >= 1 && familiaSel <= kFamiliasEstadistica ? familiaSel : 0;
    g.Desplazar(PosicionInicial(g.tipo_, g.seleccion_));
    return g;
}

bool GraficoEstadistico::SeleccionSinDatos() const
{
    if (seleccion_ == 0)
        return true;
    switch (tipo_) {
    case TipoGrafico::Titulos:
        return false;
    case TipoGrafico::Familias:
        return !En(conDatos_, seleccion_);
    case TipoGrafico::EstudiosEmpleo:
        return !En(conDatos_, seleccion_) && !En(conDatos2_, seleccion_);
    }
    return true;
}

int GraficoEstadistico::Maximo() const
{
    const int visibles = tipo_ == TipoGrafico::EstudiosEmpleo ? kFilasVisiblesEstudiosEmpleo : kFilasVisibles;
    return std::max(1, NumFilas() - visibles);
}

void GraficoEstadistico::Desplazar(int posicion)
{
    posicion_ = std::clamp(posicion, 1, Maximo());
}

void GraficoEstadistico::Rueda(int delta)
{
    Desplazar(posicion_ - delta / 120);
}

std::string GraficoEstadistico::NombreDe(int fila) const
{
    return En(nombres_, fila);
}

Barra GraficoEstadistico::BarraDe(int fila) const
{
    return {FinDeBarra(tipo_, x0_, En(valores_, fila)), En(textos_, fila)};
}

Barra GraficoEstadistico::Barra2De(int fila) const
{
    if (tipo_ != TipoGrafico::EstudiosEmpleo)
        return {};
    return {FinDeBarra(tipo_, x0_, En(valores2_, fila)), En(textos2_, fila)};
}

std::vector<FilaDibujada> GraficoEstadistico::Filas() const
{
    std::vector<FilaDibujada> filas;
    const int ultima = std::min(posicion_ + kFilasVisibles, NumFilas());
    for (int fila = posicion_; fila <= ultima; ++fila) {
        FilaDibujada d;
        d.fila = fila;
        d.k = fila - posicion_ + 1;
        d.y = tipo_ == TipoGrafico::EstudiosEmpleo ? 50 * d.k - 20 : 30 * d.k;
        d.nombre = En(nombres_, fila);
        d.encabezado = En(encabezados_, fila);
        const bool conIcono = tipo_ != TipoGrafico::Titulos || d.encabezado;
        d.icono = conIcono ? IconoDeFamilia(En(familias_, fila)) : -1;
        d.barra = BarraDe(fila);
        d.barra2 = Barra2De(fila);
        d.seleccionada = fila == seleccion_;
        const Barra &creciente = tipo_ == TipoGrafico::EstudiosEmpleo ? d.barra2 : d.barra;
        d.finDibujado = d.seleccionada && creciendo_ ? x0_ + kHuecoTexto + g_ : creciente.fin;
        filas.push_back(std::move(d));
    }
    return filas;
}

std::vector<FilaDibujada> GraficoEstadistico::FilasVisibles(int alto) const
{
    std::vector<FilaDibujada> visibles;
    for (FilaDibujada &d : Filas()) {
        // The band the row's bars and boxes take.
        const int arriba = tipo_ == TipoGrafico::EstudiosEmpleo ? d.y - 11 : d.y;
        if (arriba < alto)
            visibles.push_back(std::move(d));
    }
    return visibles;
}

int GraficoEstadistico::LongitudSeleccion() const
{
    const Barra b = tipo_ == TipoGrafico::EstudiosEmpleo ? Barra2De(seleccion_) : BarraDe(seleccion_);
    return b.fin - (x0_ + kHuecoTexto);
}

void GraficoEstadistico::EmpezarCrecimiento()
{
    g_ = 0;
    creciendo_ = false;
    if (seleccion_ == 0)
        return;
    const bool conDatos = tipo_ == TipoGrafico::EstudiosEmpleo ? En(conDatos2_, seleccion_) : !SeleccionSinDatos();
    creciendo_ = conDatos;
}

bool GraficoEstadistico::Crecer()
{
    if (!creciendo_)
        return false;
    const int longitud = LongitudSeleccion();
    g_ += std::max(longitud, 30) / 10;
    // The bar may run past its end for a moment; beyond 20 pixels it settles.
    if (x0_ + kHuecoTexto + g_ > x0_ + kHuecoTexto + longitud + 20) {
        g_ = longitud;
        creciendo_ = false;
        return false;
    }
    return true;
}

} // namespace norvela
