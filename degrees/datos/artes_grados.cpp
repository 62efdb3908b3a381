#include "artes_grados.h"

#include "cadenas.h"
#include "comunidades.h"
#include "numeros.h"

#include <cctype>

namespace norvela {

namespace {

constexpr int kComunidadesArtes = 19;

bool EmpiezaPor(const std::string &linea, const char *prefijo)
{
    return linea.rfind(prefijo, 0) == 0;
}

std::string Desde(const std::string &linea, size_t i)
{
    return i < linea.size() ? linea.substr(i) : std::string();
}

std::string Corta(std::string_view s)
{
    return Cortar(s, kAnchoLineaArtes);
}

// The community of a line's columns 1-2, or 0 when they are not one.
int ComunidadDeLinea(const std::string &linea)
{
    const auto n = NumeroColumna(Columnas(linea, 1, 2));
    return n && *n >= 1 && *n <= kComunidadesArtes ? *n : 0;
}

std::string Especialidad(const std::vector<std::string> &nombres, int s)
{
    return s >= 0 && s < static_cast<int>(nombres.size()) ? nombres[static_cast<size_t>(s)] : std::string();
}

} // namespace

const char *FicheroFamiliaArtes(FamiliaArtes f)
{
    switch (f) {
    case FamiliaArtes::Plasticas: return "artesplas";
    case FamiliaArtes::Musica: return "musica";
    case FamiliaArtes::Danza: return "danza";
    case FamiliaArtes::Dramatico: return "dramatico";
    }
    return "";
}

std::optional<size_t> LineaMarca(const std::vector<std::string> &lineas, const char *marca)
{
    for (size_t i = 0; i < lineas.size(); ++i)
        if (EmpiezaPor(lineas[i], marca))
            return i;
    return std::nullopt;
}

std::vector<std::string> TitulosArtes(const std::vector<std::string> &lineas)
{
    const size_t fin = LineaMarca(lineas, "f1").value_or(lineas.size());
    return {lineas.begin(), lineas.begin() + static_cast<std::ptrdiff_t>(fin)};
}

std::vector<std::string> EspecialidadesArtes(const std::vector<std::string> &lineas, FamiliaArtes f)
{
    std::vector<std::string> nombres;
    const auto f1 = LineaMarca(lineas, "f1");
    if (!f1)
        return nombres;
    if (f == FamiliaArtes::Plasticas) {
        for (size_t j = 0; j <= kUltimaEspecialidadPlasticas && *f1 + 1 + j < lineas.size(); ++j)
            nombres.push_back(QuitarBlancosFinales(Corta(Desde(lineas[*f1 + 1 + j], 2))));
        return nombres;
    }
    const size_t fin = LineaMarca(lineas, "f2").value_or(lineas.size());
    for (size_t i = *f1 + 1; i < fin; ++i)
        nombres.push_back(lineas[i]);
    return nombres;
}

InformeArtes LineasInformeArtes(const std::vector<std::string> &lineas, FamiliaArtes f)
{
    InformeArtes informe;
    bool lugares = false;
    for (const std::string &linea : lineas) {
        const bool f1 = EmpiezaPor(linea, "f1");
        const bool f2 = !f1 && f != FamiliaArtes::Plasticas && EmpiezaPor(linea, "f2");
        if (f1 && f == FamiliaArtes::Plasticas) {
            informe.lugares = true;
            break;
        }
        if (f2 && f == FamiliaArtes::Dramatico) {
            informe.lugares = true;
            break;
        }
        if (f2)
            lugares = true;
        if (f1 || f2)
            continue;
        const bool sinNumero = lugares && f == FamiliaArtes::Musica;
        informe.lineas.push_back(QuitarBlancosFinales(sinNumero ? Desde(linea, 2) : linea));
    }
    return informe;
}

std::vector<LineaLugar> LugaresArtes(const std::vector<std::string> &lineas, FamiliaArtes f,
                                     const DatosLugares &lugares)
{
    std::vector<LineaLugar> salida;
    const auto f2 = LineaMarca(lineas, "f2");
    if (!f2 || f == FamiliaArtes::Plasticas)
        return salida;
    const size_t s = *f2 + 1;
    const auto texto = [&salida](std::string_view t) { salida.push_back({Corta(t), false}); };
    const auto web = [&salida](std::string t) { salida.push_back({std::move(t), true}); };
    if (f == FamiliaArtes::Musica) {
        for (size_t i = s; i < lineas.size(); ++i) {
            const std::string &l = lineas[i];
            if (const int c = ComunidadDeLinea(l))
                texto("- " + NombreComunidad(lugares, c));
            const size_t p = l.find("http");
            if (p != std::string::npos && p > 2) {
                texto("  " + l.substr(2, p - 2));
                web(QuitarBlancosFinales(l.substr(p)));
            }
        }
    } else if (f == FamiliaArtes::Danza) {
        for (size_t i = s; i < lineas.size(); ++i) {
            if (EmpiezaPor(lineas[i], "http"))
                web(QuitarBlancosFinales(lineas[i]));
            else
                texto(lineas[i]);
        }
    } else {
        // Line s heads the eight speciality names; the centres come after them.
        std::vector<std::string> nombres;
        for (size_t k = 1; k <= kEspecialidadesDramatico && s + k < lineas.size(); ++k)
            nombres.push_back(QuitarBlancosFinales(Desde(lineas[s + k], 1)));
        for (size_t i = s + 1 + kEspecialidadesDramatico; i < lineas.size(); ++i) {
            const std::string &l = lineas[i];
            if (EmpiezaPor(l, "-")) {
                texto(std::string(Columnas(l, 1, 25)) + std::string(25 - Columnas(l, 1, 25).size(), ' ') +
                      Especialidad(nombres, 0));
                for (char d : Columnas(l, 41, 47)) {
                    if (!std::isdigit(static_cast<unsigned char>(d)))
                        break;
                    const int n = d - '0';
                    if (n < static_cast<int>(nombres.size()))
                        texto("   " + nombres[static_cast<size_t>(n)]);
                }
                texto("Tel. " + std::string(Columnas(l, 26, 34)));
            } else if (EmpiezaPor(l, "http")) {
                web(QuitarBlancosFinales(l));
                texto("");
            }
        }
    }
    return salida;
}

std::vector<CentroArtes> CentrosPlasticas(const std::vector<std::string> &lineas)
{
    std::vector<CentroArtes> centros;
    const auto f1 = LineaMarca(lineas, "f1");
    if (!f1)
        return centros;
    for (size_t i = *f1 + kUltimaEspecialidadPlasticas + 2; i < lineas.size(); ++i) {
        const std::string &l = lineas[i];
        const int c = ComunidadDeLinea(l);
        if (!c)
            continue;
        CentroArtes centro;
        centro.comunidad = c;
        centro.nombre = QuitarBlancosFinales(Columnas(l, 3, 24));
        centro.telefono = std::string(Columnas(l, 25, 33));
        for (int col = 35; col <= 43; col += 2) {
            const std::string_view par = Columnas(l, col, col + 1);
            if (par.size() != 2 || !std::isdigit(static_cast<unsigned char>(par[0])) ||
                !std::isdigit(static_cast<unsigned char>(par[1])))
                continue;
            const int s = (par[0] - '0') * 10 + (par[1] - '0');
            if (s <= kUltimaEspecialidadPlasticas)
                centro.especialidades.push_back(s);
        }
        if (i + 1 < lineas.size())
            centro.direccion = lineas[++i];
        centros.push_back(std::move(centro));
    }
    return centros;
}

std::vector<std::string> LineasCentrosComunidad(const std::vector<CentroArtes> &centros,
                                                const std::vector<std::string> &especialidades, int c)
{
    std::vector<std::string> salida;
    for (const CentroArtes &centro : centros) {
        if (centro.comunidad != c)
            continue;
        salida.push_back(Corta("-  " + centro.nombre + "  -  Tel. " + centro.telefono));
        for (int s : centro.especialidades)
            salida.push_back(Corta(Especialidad(especialidades, s)));
        salida.push_back(Corta("     " + centro.direccion));
        salida.emplace_back();
    }
    return salida;
}

std::vector<std::string> LineasCentrosInforme(const std::vector<CentroArtes> &centros,
                                              const std::vector<std::string> &especialidades,
                                              const DatosLugares &lugares)
{
    std::vector<std::string> salida;
    int anterior = 0;
    for (const CentroArtes &centro : centros) {
        if (centro.comunidad != anterior)
            salida.push_back(Corta("- " + NombreComunidad(lugares, centro.comunidad)));
        anterior = centro.comunidad;
        salida.push_back(Corta("  " + centro.nombre + "  -  Tel. " + centro.telefono));
        for (int s : centro.especialidades)
            salida.push_back(Corta(Especialidad(especialidades, s)));
        salida.push_back(Corta("     " + centro.direccion));
    }
    return salida;
}

std::vector<std::string> LineasCentrosEspecialidad(const std::vector<CentroArtes> &centros, int s,
                                                   const DatosLugares &lugares)
{
    std::vector<std::string> salida;
    int anterior = 0;
    for (const CentroArtes &centro : centros) {
        for (int e : centro.especialidades) {
            if (e != s)
                continue;
            if (centro.comunidad != anterior)
                salida.push_back(Corta("- " + NombreComunidad(lugares, centro.comunidad)));
            anterior = centro.comunidad;
            salida.push_back(Corta("   " + centro.nombre + "  -  Tel. " + centro.telefono));
            salida.push_back(Corta("     " + centro.direccion));
            salida.emplace_back();
        }
    }
    return salida;
}

} // namespace norvela
