#include "titulos_fpb.h"

#include "ansi.h"
#include "cadenas.h"
#include "numeros.h"

#include <algorithm>

namespace norvela {

InicioFamilias CalcularInicioFamiliaFPB(const TablaTexto &nombres, int n, const QString &fichero)
{
    InicioFamilias inicio{};
    const int ultima = std::min(n, nombres.Ultimo());
    for (int i = 1; i <= ultima; ++i) {
        const std::string &linea = nombres[i];
        if (linea.empty() || linea[0] != '-')
            continue;
        if (inicio[0] == kFamiliasFPB)
            throw ErrorRango(fichero, i, QStringLiteral("más de %1 familias").arg(kFamiliasFPB));
        if (i > kUltimaLineaFamiliaFPB)
            throw ErrorRango(fichero, i, QStringLiteral("familia después de la línea %1").arg(kUltimaLineaFamiliaFPB));
        inicio[static_cast<size_t>(++inicio[0])] = i;
    }
    return inicio;
}

bool GruposFPB::PorLugar(int g) const
{
    return g >= 1 && g <= kGruposFPB && FamiliasGrupoFPBasica.En(g, 1) == 0;
}

int IconoGrupoFPB(int fila)
{
    static constexpr int kIconos[kGruposFPB] = {1, 2, 37, 33, 8, 19, 0, 42, 10};
    return fila >= 0 && fila < kGruposFPB ? kIconos[fila] : 1;
}

GruposFPB LeerGruposFPB(const TablaTexto &familias, int numRegistros, const QString &fichero, int ancho)
{
    GruposFPB grupos;
    for (int g = 1; g <= kGruposFPB; ++g) {
        const int r = kPrimerRegistroGruposFPB - 1 + g;
        // A record the file does not have holds no numbers.
        const std::string linea = r <= numRegistros && familias.Contiene(r) ? familias[r] : std::string();
        const QString caption = DesdeAnsi(Columnas(linea, 7, static_cast<int>(linea.size()))).trimmed();
        grupos.GruposFPBasica[static_cast<size_t>(g)] = Cortar(HaciaAnsi(caption), ancho);
        for (int k = 0; k < 3; ++k) {
            const std::string_view par = Columnas(linea, 2 * k + 1, 2 * k + 2);
            const std::optional<int> f = NumeroColumna(par);
            if (!f || par.size() < 2)
                throw ErrorConversion(fichero, r, QStringLiteral("número no válido: \"%1\"").arg(DesdeAnsi(par)));
            if (*f < 0 || *f > kFamiliasFPB)
                throw ErrorRango(fichero, r, QStringLiteral("familia fuera de 0..%1: %2").arg(kFamiliasFPB).arg(*f));
            grupos.FamiliasGrupoFPBasica.Poner(g, k + 1, *f);
        }
    }
    return grupos;
}

bool EsLineaFamiliaFPB(const InicioFamilias &inicio, int linea)
{
    const auto fin = inicio.begin() + 1 + inicio[0];
    return std::find(inicio.begin() + 1, fin, linea) != fin;
}

namespace {

std::string LineaBloque(const TablaBloques &bloques, int bloque, int entrada)
{
    if (bloque < 1 || bloque > bloques.Bloques())
        return {};
    return bloques.En(bloque, entrada);
}

void AnadirBloque(std::vector<std::string> &r, const TablaBloques *bloques, int titulo, int desde, int hasta)
{
    for (int k = desde; k <= hasta; ++k)
        r.push_back(bloques ? LineaBloque(*bloques, titulo, k) : std::string());
}

void AnadirCodigo(std::vector<std::string> &r, const FuentesVistaFPB &f, const char (&codigo)[3])
{
    if (!f.requisitos)
        return;
    const std::vector<std::string> lineas = LineasConCodigo(*f.requisitos, f.numRequisitos, codigo, f.ancho);
    r.insert(r.end(), lineas.begin(), lineas.end());
}

} // namespace

std::vector<std::string> ExplicacionTituloFPB(const InicioFamilias &inicio, const TablaBloques &bloques, int linea,
                                              const std::string &textoSalidas)
{
    std::vector<std::string> r;
    if (EsLineaFamiliaFPB(inicio, linea))
        return r;
    r.push_back(Cortar("    " + textoSalidas, 34));
    AnadirBloque(r, &bloques, linea, 1, 5);
    return r;
}

std::vector<std::string> LineasConCodigo(const TablaTexto &requisitos, int n, const char (&codigo)[3], int ancho)
{
    std::vector<std::string> r;
    const int ultima = std::min(n, requisitos.Ultimo());
    for (int i = std::max(1, requisitos.Primero()); i <= ultima; ++i) {
        const std::string &linea = requisitos[i];
        if (linea.size() >= 2 && linea[0] == codigo[0] && linea[1] == codigo[1])
            r.push_back(Cortar(linea.substr(2), ancho));
    }
    return r;
}

namespace {

// The screen shows the outlets under the jobs' heading; the report has its own.
std::vector<std::string> LineasDeVista(VistaFPB vista, const FuentesVistaFPB &f, int titulo, bool enPantalla)
{
    std::vector<std::string> r;
    switch (vista) {
    case VistaFPB::Requisitos:
        AnadirCodigo(r, f, " 8");
        break;
    case VistaFPB::Asignaturas:
        AnadirCodigo(r, f, " 9");
        r.emplace_back();
        AnadirBloque(r, f.bloques, titulo, 6, 25);
        break;
    case VistaFPB::Salidas:
        if (enPantalla) {
            r.emplace_back();
            r.push_back("  " + f.textoPuestos);
        }
        AnadirBloque(r, f.bloques, titulo, 1, 5);
        r.emplace_back();
        AnadirCodigo(r, f, "10");
        break;
    }
    return r;
}

} // namespace

std::vector<std::string> LineasVistaFPB(VistaFPB vista, const FuentesVistaFPB &f, int titulo)
{
    return LineasDeVista(vista, f, titulo, true);
}

std::vector<std::string> LineasInformeVistaFPB(VistaFPB vista, const FuentesVistaFPB &f, int titulo)
{
    return LineasDeVista(vista, f, titulo, false);
}

} // namespace norvela
