#include "catalogo.h"

#include "cadenas.h"
#include "columnas.h"
#include "enlace.h"
#include "errores.h"
#include "titulos_medio.h"

#include <QString>

namespace norvela {

namespace {

constexpr int kMaxBloquesFPB = 26;
constexpr int kMaxLineaBloqueFPB = 255;

std::string Limpio(std::string_view s)
{
    return QuitarBlancosFinales(s);
}

std::string Desde(const std::string &s, int desde, int ancho)
{
    return Limpio(Columnas(s, desde, desde + ancho - 1));
}

// The access lines of `requisitos` with a two-character code, from character 3.
void LineasConCodigo(const Enlace &e, const char *codigo, int ancho, std::vector<LineaDetalle> &r)
{
    for (int i = 1; i <= e.NumRequisitos && e.Requisitos.Contiene(i); ++i) {
        const std::string &s = e.Requisitos[i];
        if (Columnas(s, 1, 2) == codigo)
            r.push_back({Desde(s, 3, ancho)});
    }
}

void Bloque(const TablaBloques &t, int b, bool sinBlancos, std::vector<LineaDetalle> &r)
{
    if (b < 1 || b > t.Bloques())
        return;
    for (int j = 1; j <= 5; ++j) {
        const std::string &s = t.En(b, j);
        if (sinBlancos && EsBlanco(Columnas(s, 1, 5)))
            continue;
        r.push_back({Limpio(s)});
    }
}

} // namespace

int NumeroFamilia(char c, int defecto)
{
    return c >= 'A' && c <= 'Q' ? c - 'A' + 10 : defecto;
}

int NumeroDeCodigo(char familia)
{
    if (familia > '9')
        return NumeroFamilia(familia, 0);
    return familia >= '1' ? familia - '0' : 0;
}

std::vector<int> IniciosFamiliaFPB(const TablaTexto &lista, int n)
{
    std::vector<int> inicios;
    for (int i = 1; i <= n; ++i) {
        if (Caracter(lista[i], 1) != '-')
            continue;
        if (static_cast<int>(inicios.size()) == kMaxBloquesFPB || i > kMaxLineaBloqueFPB)
            throw ErrorRango(QString::fromStdString(lista[0]), i,
                             QStringLiteral("más de %1 familias, o una familia pasada la línea %2")
                                 .arg(kMaxBloquesFPB)
                                 .arg(kMaxLineaBloqueFPB));
        inicios.push_back(i);
    }
    return inicios;
}

ListasCatalogo ListasDeFamilia(const Enlace &e, const std::vector<int> &iniciosFPB, char familia)
{
    ListasCatalogo l;
    const int f = NumeroDeCodigo(familia);
    if (f < 1)
        return l;
    for (int r = 1; r <= e.NumGrados && r <= e.TablaGrados.FilaUltima(); ++r)
        if (e.TablaGrados.En(r, 9) == f)
            l[CatGrados].push_back({Limpio(e.NombresGrado[r]), r});
    for (int r = 1; r <= e.NumFPSuperior && r <= e.TablaFPSuperior.FilaUltima(); ++r)
        if (e.TablaFPSuperior.En(r, 24) == f)
            l[CatSuperior].push_back({Limpio(e.NombresFPSuperior[r]), r});
    for (int r = 1; r <= e.NumFPMedio && r <= e.TablaFPMedio.FilaUltima(); ++r)
        if (e.TablaFPMedio.En(r, 4) == f)
            l[CatMedio].push_back({Limpio(e.NombresFPMedio[r]), r});
    // Their sports and arts studies, as notes that open nothing.
    if (familia == '1' || familia == '5') {
        const bool deporte = familia == '1';
        l[CatSuperior].push_back({Limpio(e.Textos[deporte ? 181 : 176]), 0});
        l[CatMedio].push_back({Limpio(e.Textos[deporte ? 182 : 177]), 0});
    }

    const int bloques = static_cast<int>(iniciosFPB.size());
    if (f <= bloques) {
        const int desde = iniciosFPB[static_cast<size_t>(f - 1)] + 1;
        const int hasta = f == e.NumFamilias || f == bloques ? e.NumFPBasica : iniciosFPB[static_cast<size_t>(f)] - 1;
        for (int i = desde; i <= hasta; ++i)
            l[CatBasica].push_back({Limpio(e.NombresFPBasica[i]), i});
    }
    for (int i = 1; i <= e.NumCertificados; ++i) {
        const std::string &s = e.NombresCertificados[i];
        if (Caracter(s, 1) == familia && Caracter(s, 2) != '-')
            l[CatCertificados].push_back({Limpio(Columnas(s, 2, static_cast<int>(s.size()))), i});
    }
    return l;
}

std::vector<LineaDetalle> DetalleSuperior(const Enlace &e, int r)
{
    std::vector<LineaDetalle> d;
    if (r < 1 || r > e.NumFPSuperior || r > e.TablaFPSuperior.FilaUltima())
        return d;
    d.push_back({Limpio(e.Textos[277]), true});
    for (int c = 5; c <= 17; ++c)
        if (const int v = e.TablaFPSuperior.En(r, c); v > 0 && v <= e.NumRequisitosFP)
            d.push_back({Limpio(e.RequisitosFP[v])});
    d.push_back({""});
    if (r < e.LimiteSeccionGS) {
        d.push_back({"      **  " + Limpio(e.Textos[438]) + " LOMCE **"});
        LineasConCodigo(e, "18", 60, d);
    }
    d.push_back({""});
    d.push_back({Limpio(e.Textos[271]), true});
    Bloque(e.AsignaturasFPSuperior, r, false, d);
    return d;
}

std::vector<LineaDetalle> DetalleMedio(const Enlace &e, int r, char familia)
{
    std::vector<LineaDetalle> d;
    if (r < 1 || r > e.NumFPMedio)
        return d;
    d.push_back({Limpio(e.Textos[277]), true});
    // The access of the title's section, as the intermediate-cycle screen shows it.
    const std::string codigo = CodigoRequisitosGM(r, e.SeccionGMDesde, e.SeccionGMHasta);
    for (const std::string &s : LineasRequisitosGM(e.Requisitos, e.NumRequisitos, codigo, 60))
        d.push_back({Limpio(s)});
    d.push_back({""});
    if (familia != '5') {
        d.push_back({Limpio(e.Textos[271]), true});
        Bloque(e.AsignaturasFPMedio, r, false, d);
    }
    return d;
}

std::vector<LineaDetalle> DetalleBasica(const Enlace &e, int l)
{
    std::vector<LineaDetalle> d;
    if (l < 1 || l > e.NumFPBasica)
        return d;
    d.push_back({Limpio(e.Textos[29]), true});
    LineasConCodigo(e, " 8", 60, d);
    d.push_back({""});
    d.push_back({Limpio(e.Textos[271]), true});
    Bloque(e.AsignaturasFPBasica, l, true, d);
    return d;
}

std::vector<LineaDetalle> DetalleCertificado(const Enlace &e, int l)
{
    std::vector<LineaDetalle> d;
    if (l < 1 || l > e.NumExplicacionesCert || !e.ExplicacionCertificados.Contiene(l))
        return d;
    const std::string &x = e.ExplicacionCertificados[l];
    d.push_back({Limpio(e.Textos[29]), true});
    for (int k = 1; k <= 3; ++k)
        for (int h = 1; h <= e.EncabezadosCertificados.Ultimo(); ++h) {
            const std::string &encabezado = e.EncabezadosCertificados[h];
            if (!encabezado.empty() && encabezado[0] == Caracter(x, k))
                d.push_back({Desde(encabezado, 2, 28)});
        }
    d.push_back({Limpio(e.Textos[582]), true});
    d.push_back({std::string(Columnas(x, 4, 6))});
    d.push_back({Limpio(e.Textos[271]), true});
    d.push_back({Desde(x, 8, 90)});
    return d;
}

InformeFP InformeCatalogo(const std::string &titulo103, const std::string &nombreFamilia,
                          const std::array<std::string, kListasCatalogo> &captions, const ListasCatalogo &listas)
{
    InformeFP informe;
    informe.titulo = Cortar(Limpio(titulo103) + ": " + Limpio(nombreFamilia), 65);
    for (int k = 0; k < kListasCatalogo; ++k) {
        const auto &lista = listas[static_cast<size_t>(k)];
        if (lista.empty())
            continue;
        informe.Anadir("");
        informe.negritas.push_back(informe.Anadir(captions[static_cast<size_t>(k)]));
        for (const EntradaCatalogo &item : lista)
            informe.Anadir(" -" + item.texto);
    }
    return informe;
}

} // namespace norvela
