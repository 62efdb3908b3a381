#include "validacion.h"

#include "ansi.h"
#include "enlace.h"
#include "lectura.h"
#include "mapa_regiones.h"

#include <algorithm>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace norvela {

ErrorCoherencia::ErrorCoherencia(const QString &fichero, const QString &otro, const QString &detalle)
    : ErrorDatos(fichero, 0, detalle), otro_(otro)
{
}

QString ErrorCoherencia::Mensaje() const
{
    if (otro_.isEmpty())
        return ErrorDatos::Mensaje();
    return QStringLiteral("Error en los ficheros %1 y %2: %3").arg(Fichero(), otro_, Detalle());
}

namespace {

constexpr int kRamas = 5;
constexpr int kItinerarios = 12;
constexpr int kLineasBloque = 26;   // a header and 25 entries
constexpr int kCapacidadLista = 1100;   // lines of a title list
constexpr int kLineasBloqueOtros = 51;   // a header and 50 entries
constexpr int kLineaFPBasica = 54;   // the basic-cycle screen's heading in "informa_l"

[[noreturn]] void Falla(const QString &fichero, int linea, const QString &detalle)
{
    throw ErrorCoherencia(fichero, linea, detalle);
}

void Entre(const QString &fichero, int linea, int valor, int desde, int hasta, const QString &que)
{
    if (valor < desde || valor > hasta)
        Falla(fichero, linea, QStringLiteral("%1 %2 fuera de %3..%4").arg(que).arg(valor).arg(desde).arg(hasta));
}

// `valor` is a line of the list `lista`: a short list is named before the
// range is checked.
void EntreLista(const QString &fichero, int linea, int valor, int desde, const QString &lista, int lineas,
                int capacidad, const QString &que)
{
    ComprobarListaCorta<ErrorCoherencia>(lista, lineas, capacidad, fichero, linea, valor);
    Entre(fichero, linea, valor, desde, lineas, que);
}

bool FilaVacia(const TablaEnteros &t, int fila)
{
    for (int c = t.ColPrimera(); c <= t.ColUltima(); ++c)
        if (t.En(fila, c) != 0)
            return false;
    return true;
}

// "datgradosphp" row r is degree r of "carreran": as many rows as degrees,
// each with its branch, group and itineraries in range.
void Grados(const Enlace &e)
{
    const int n = std::min(e.NumGrados, e.TablaGrados.FilaUltima() + 1);
    bool cargada = false;
    for (int r = 1; r <= n && r <= e.TablaGrados.FilaUltima() && !cargada; ++r)
        cargada = !FilaVacia(e.TablaGrados, r);
    if (!cargada)
        return;
    const QString fichero = e.Fichero(QStringLiteral("datgradosphp"));
    if (n > e.TablaGrados.FilaUltima())
        Falla(fichero, n,
              QStringLiteral("\"carreran\" tiene %1 grados y la tabla admite %2").arg(e.NumGrados).arg(e.TablaGrados.FilaUltima()));
    // Names for the messages, made once: a table has hundreds of rows.
    const QString grupos = e.FicheroIdioma(QStringLiteral("carreranb"));
    const QString rama = QStringLiteral("rama"), grupo = QStringLiteral("grupo"), itinerario = QStringLiteral("itinerario");
    for (int r = 1; r <= n; ++r) {
        Entre(fichero, r, e.TablaGrados.En(r, 1), 1, kRamas, rama);
        if (e.NumGrupos > 0)
            EntreLista(fichero, r, e.TablaGrados.En(r, 2), 0, grupos, e.NumGrupos, e.NombresGrupo.Ultimo(), grupo);
        Entre(fichero, r, e.TablaGrados.En(r, 3), 0, kItinerarios, itinerario);
        Entre(fichero, r, e.TablaGrados.En(r, 4), 0, kItinerarios, itinerario);
    }
    if (n < e.TablaGrados.FilaUltima() && !FilaVacia(e.TablaGrados, n + 1))
        Falla(e.FicheroIdioma(QStringLiteral("carreran")), 0,
              QStringLiteral("tiene %1 líneas, pero \"datgradosphp\" tiene más").arg(n));
}

// One block of `lineasBloque` lines per title line, no more, no fewer. A
// block cut short is the block file's fault; a count of whole blocks that
// differs from the titles' may be either file's, so both are named.
void Bloques(const Enlace &e, const TablaBloques &bloques, int titulos, const char *nombre, const char *lista,
             int lineasBloque = kLineasBloque, const char *cosas = "títulos", const char *cosa = "título")
{
    if (titulos < 1 || bloques.Bloques() < 1 || bloques.En(1, 1).empty())
        return;
    const QString fichero = e.FicheroIdioma(QString::fromLatin1(nombre));
    const QString rutaLista = e.FicheroIdioma(QString::fromLatin1(lista));
    if (titulos > bloques.Bloques())
        Falla(rutaLista, bloques.Bloques() + 1,
              QStringLiteral("más de %1 %2, los bloques que admite \"%3\"")
                  .arg(bloques.Bloques())
                  .arg(QString::fromUtf8(cosas), QString::fromLatin1(nombre)));
    int leidos = 1;
    while (leidos < bloques.Bloques() && !bloques.En(leidos + 1, 1).empty())
        ++leidos;
    for (int j = 1; j <= std::min(bloques.Entradas(), lineasBloque - 1); ++j)
        if (bloques.En(leidos, j).empty())
            Falla(fichero, (leidos - 1) * lineasBloque + 1 + j,
                  QStringLiteral("el fichero acaba antes de completar el bloque %1").arg(leidos));
    if (leidos != titulos)
        throw ErrorCoherencia(fichero, rutaLista,
                              QStringLiteral("%1 bloques de %2 líneas para %3 %4: van un bloque por %5")
                                  .arg(leidos)
                                  .arg(lineasBloque)
                                  .arg(titulos)
                                  .arg(QString::fromUtf8(cosas), QString::fromUtf8(cosa)));
}

// "certificah" explains "certifica" line by line: when the counts differ,
// either may have lost or gained lines.
void Certificados(const Enlace &e)
{
    if (e.NombresCertificados[0].empty() || e.ExplicacionCertificados[0].empty())
        return;
    const QString certifica = e.FicheroIdioma(QStringLiteral("certifica"));
    const QString certificah = e.FicheroIdioma(QStringLiteral("certificah"));
    const auto nombres = LeerLineas(certifica);
    const auto explicaciones = LeerLineas(certificah);
    if (!nombres || !explicaciones)
        return;
    const auto a = static_cast<int>(nombres->size());
    const auto b = static_cast<int>(explicaciones->size());
    if (a != b)
        throw ErrorCoherencia(certificah, certifica,
                              QStringLiteral("%1 líneas de explicación para %2 de certificados: van una por una")
                                  .arg(b)
                                  .arg(a));
}

// Fields 5..17 of "datfpsphp" are lines of "reqfp" (0: none).
void RequisitosFP(const Enlace &e)
{
    if (e.NumRequisitosFP < 1)
        return;
    const QString fichero = e.Fichero(QStringLiteral("datfpsphp"));
    const QString reqfp = e.FicheroIdioma(QStringLiteral("reqfp"));
    const int filas = std::min(e.NumFPSuperior, e.TablaFPSuperior.FilaUltima());
    QString campos[18];
    for (int c = 5; c <= 17; ++c)
        campos[c] = QStringLiteral("línea de \"reqfp\" (campo %1)").arg(c);
    for (int r = 1; r <= filas; ++r)
        for (int c = 5; c <= 17; ++c)
            EntreLista(fichero, r, e.TablaFPSuperior.En(r, c), 0, reqfp, e.NumRequisitosFP, e.RequisitosFP.Ultimo(),
                       campos[c]);
}

// "datfpmphp": field 4 is a family, fields 5..7 statements of the
// intermediate-cycle questionnaire (0: none) that lead to the title.
void TablaFPMedio(const Enlace &e)
{
    // Loaded, "cuesgm" keeps its path in entry 0, even when it holds the
    // options and no statement at all.
    if (e.CuestionesGM[0].empty())
        return;
    const QString fichero = e.Fichero(QStringLiteral("datfpmphp"));
    const QString cuesgm = e.FicheroIdioma(QStringLiteral("cuesgm"));
    const int filas = std::min(e.NumFPMedio, e.TablaFPMedio.FilaUltima());
    const QString familia = QStringLiteral("familia");
    QString campos[8];
    for (int c = 5; c <= 7; ++c)
        campos[c] = QStringLiteral("pregunta de \"cuesgm\" (campo %1)").arg(c);
    for (int r = 1; r <= filas; ++r) {
        Entre(fichero, r, e.TablaFPMedio.En(r, 4), 0, 26, familia);
        for (int c = 5; c <= 7; ++c) {
            // Statements follow the options: a missing one is a short questionnaire.
            const int v = e.TablaFPMedio.En(r, c);
            if (v > e.NumCuesGM && v <= e.CodigoGM1.Ultimo())
                Falla(cuesgm, 0,
                      QStringLiteral("tiene %1 preguntas, pero \"datfpmphp\" (línea %2) pide la pregunta %3")
                          .arg(e.NumCuesGM)
                          .arg(r)
                          .arg(v));
            Entre(fichero, r, v, 0, e.NumCuesGM, campos[c]);
        }
    }
}

// Row i of block b is centre i of "lu"b; its values are title lines.
void Oferta(const Enlace &e, const std::array<TablaEnteros, 4> &tablas, int titulos, const char *nombre,
            const char *lista)
{
    if (titulos < 1)
        return;
    const QString fichero = e.Fichero(QString::fromLatin1(nombre));
    const QString deTitulos = e.FicheroIdioma(QString::fromLatin1(lista));
    const QString titulo = QStringLiteral("título de \"%1\"").arg(QString::fromLatin1(lista));
    const int centros[4] = {e.NumCentros1, e.NumCentros2, e.NumCentros3, e.NumCentros4};
    int linea = 0;
    for (int b = 0; b < 4; ++b) {
        const TablaEnteros &t = tablas[static_cast<size_t>(b)];
        for (int i = 1; i <= t.FilaUltima(); ++i) {
            const int n = t.En(i, 0);
            if (i > centros[b]) {
                if (n != 0)
                    Falla(fichero, linea + i,
                          QStringLiteral("oferta del centro %1 del grupo %2, que \"lu%2\" no tiene").arg(i).arg(b + 1));
                continue;
            }
            for (int j = 1; j <= n && j <= t.ColUltima(); ++j)
                EntreLista(fichero, linea + i, t.En(i, j), 1, deTitulos, titulos, kCapacidadLista, titulo);
        }
        linea += centros[b];
    }
}

// "datcarnphp": universities are lines of "lugar", titles lines of "carrenue".
void NotasCorte(const Enlace &e)
{
    const int n = std::min(e.NumGrados, e.NotasCorteUni.Filas());
    const QString fichero = e.Fichero(QStringLiteral("datcarnphp"));
    const QString lugar = e.Fichero(QStringLiteral("lugar"));
    const QString carrenue = e.FicheroIdioma(QStringLiteral("carrenue"));
    const QString universidad = QStringLiteral("universidad de \"lugar\"");
    const QString titulo = QStringLiteral("título de \"carrenue\"");
    for (int r = 1; r <= n; ++r) {
        const int cuenta = e.NotasCorteUni.En(r, 0);
        for (int j = 1; j <= cuenta; ++j) {
            if (e.NumUniversidades > 0)
                EntreLista(fichero, r, e.NotasCorteUni.En(r, j), 1, lugar, e.NumUniversidades,
                           e.NombresUniversidad.Ultimo(), universidad);
            if (e.NumNuevosTitulos > 0)
                EntreLista(fichero, 2 * e.NumGrados + r, e.NotasCorteTitulo.En(r, j), 0, carrenue,
                           e.NumNuevosTitulos, e.NuevosTitulos.Ultimo(), titulo);
        }
    }
}

void Universidades(const Enlace &e)
{
    const QString fichero = e.Fichero(QStringLiteral("lugar"));
    const int n = std::min(e.NumUniversidades, e.ComunidadUniversidad.Ultimo());
    const QString comunidad = QStringLiteral("comunidad");
    for (int k = 1; k <= n; ++k)
        Entre(fichero, k, e.ComunidadUniversidad[k], 1, kNumComunidades, comunidad);
}

// Columns 1-2 of a "comunida" line as a number; -1 when they are not digits.
int DosCifras(const std::string &linea)
{
    if (linea.size() < 2 || linea[0] < '0' || linea[0] > '9' || linea[1] < '0' || linea[1] > '9')
        return -1;
    return (linea[0] - '0') * 10 + (linea[1] - '0');
}

// A centre line's province as the lists keep it, group and character: the
// higher-cycle screen turns the "A" lines of group 4 into "5" and the "H"
// lines of group 2 into "8" when it is created.
std::string CodigoCentro(int grupo, char provincia)
{
    if ((grupo == 4 && provincia == 'A') || (grupo == 2 && provincia == 'H'))
        provincia = grupo == 4 ? '5' : '8';
    return {static_cast<char>('0' + grupo), provincia};
}

// "comunida" leads from each community (columns 1-2: its first province
// code) through its province lines, in order, to the province codes, and a
// code to the lines of "lu1".."lu4" that begin with its province character.
// A centre whose code is no province's at all is its own line's fault; one
// that no province of "comunida" leads to may be that line's or the
// provinces'. A province without centres means a centre list cut short.
void Provincias(const Enlace &e)
{
    const TablaTexto *listas[4] = {&e.Centros1, &e.Centros2, &e.Centros3, &e.Centros4};
    const int centros[4] = {e.NumCentros1, e.NumCentros2, e.NumCentros3, e.NumCentros4};
    if (e.NumLugares < 1 || std::find(std::begin(centros), std::end(centros), 0) != std::end(centros))
        return;
    const QString comunida = e.Fichero(QStringLiteral("comunida"));
    if (e.NumLugares < kNumComunidades)
        Falla(comunida, 0, QStringLiteral("tiene %1 líneas y hay %2 comunidades").arg(e.NumLugares).arg(kNumComunidades));
    TablaTexto codigos(1, 64, 2);
    IniciarCodigosProvincia(codigos);
    // Each code reached, with the "comunida" line that reaches it.
    std::vector<std::pair<std::string, int>> provincias;
    std::set<std::string> alcanzados, conocidos;
    for (int i = 1; i <= codigos.Ultimo(); ++i)
        if (codigos[i][0] >= '1' && codigos[i][0] <= '4')
            conocidos.insert(CodigoCentro(codigos[i][0] - '0', codigos[i][1]));
    for (int c = 1; c <= kNumComunidades; ++c) {
        std::vector<int> lineas;
        for (int k = kNumComunidades + 1; k <= e.NumLugares; ++k)
            if (DosCifras(e.Lugares[k]) == c)
                lineas.push_back(k);
        if (lineas.empty())
            lineas.push_back(c);   // a single-province community is its own province
        const int primera = DosCifras(e.Lugares[c]);
        for (size_t j = 0; j < lineas.size(); ++j) {
            const int indice = primera + static_cast<int>(j);
            if (primera < 1 || !codigos.Contiene(indice) || codigos[indice].size() < 2)
                continue;
            const std::string &codigo = codigos[indice];
            if (codigo[0] < '1' || codigo[0] > '4')
                continue;
            const std::string clave = CodigoCentro(codigo[0] - '0', codigo[1]);
            provincias.emplace_back(clave, lineas[j]);
            alcanzados.insert(clave);
        }
    }
    std::set<std::string> conCentros;
    for (int g = 1; g <= 4; ++g)
        for (int i = 1; i <= centros[g - 1]; ++i) {
            const std::string &linea = (*listas[g - 1])[i];
            const std::string clave = CodigoCentro(g, linea.empty() ? ' ' : linea[0]);
            if (!alcanzados.count(clave)) {
                const QString lu = e.Fichero(QStringLiteral("lu%1").arg(g));
                if (!conocidos.count(clave))
                    Falla(lu, i,
                          QStringLiteral("el centro empieza por \"%1\", que no es el código de ninguna provincia")
                              .arg(DesdeAnsi(clave.substr(1))));
                throw ErrorCoherencia(comunida, lu,
                                      QStringLiteral("\"comunida\" tiene %1 líneas y ninguna de sus provincias lleva "
                                                     "a los centros \"%2\" de \"lu%3\" (línea %4)")
                                          .arg(e.NumLugares)
                                          .arg(DesdeAnsi(clave.substr(1)))
                                          .arg(g)
                                          .arg(i));
            }
            conCentros.insert(clave);
        }
    for (const auto &[clave, linea] : provincias)
        if (!conCentros.count(clave)) {
            const int g = clave[0] - '0';
            Falla(e.Fichero(QStringLiteral("lu%1").arg(g)), 0,
                  QStringLiteral("tiene %1 líneas y ningún centro de la provincia de la línea %2 de \"comunida\" "
                                 "(líneas que empiezan por \"%3\")")
                      .arg(centros[g - 1])
                      .arg(linea)
                      .arg(DesdeAnsi(clave.substr(1))));
        }
}

// "comuint" holds the web address of each community, line c for community c.
void WebComunidades(const Enlace &e)
{
    if (e.NumWebComunidades > 0 && e.NumWebComunidades < kNumComunidades)
        Falla(e.Fichero(QStringLiteral("comuint")), 0,
              QStringLiteral("tiene %1 líneas y hay %2 comunidades: va una por comunidad")
                  .arg(e.NumWebComunidades)
                  .arg(kNumComunidades));
}

// The rows of the questionnaire tables ("cuestiocua", "cuestioint",
// "cuestioESO") list lines of their item lists.
void Elementos(const Enlace &e, const TablaBytes &tabla, const char *nombre, const char *lista, int lineas,
               const TablaTexto &elementos)
{
    if (lineas < 1)
        return;
    const QString fichero = e.Fichero(QString::fromLatin1(nombre));
    const QString deLista = e.FicheroIdioma(QString::fromLatin1(lista));
    const QString que = QStringLiteral("línea de \"%1\"").arg(QString::fromLatin1(lista));
    for (int r = 1; r <= tabla.Filas(); ++r)
        for (int j = 1; j <= std::min<int>(tabla.En(r, 0), tabla.UltimoByte()); ++j)
            EntreLista(fichero, r, tabla.En(r, j), 1, deLista, lineas, elementos.Ultimo(), que);
}

// "cuestiocua" and "cuestioint" give the items of each area, one row for
// each of the twelve areas (the itineraries) the questionnaires go through.
void Areas(const Enlace &e, const TablaBytes &tabla, const char *nombre)
{
    int filas = 0;
    for (int r = 1; r <= tabla.Filas(); ++r)
        if (tabla.En(r, 0) > 0)
            filas = r;
    if (filas > 0 && filas != kItinerarios)
        Falla(e.Fichero(QString::fromLatin1(nombre)), 0,
              QStringLiteral("tiene %1 líneas y hay %2 áreas: va una por área").arg(filas).arg(kItinerarios));
}

// The screens read the twelve itineraries of "itinerar", one a line.
void Itinerarios(const Enlace &e)
{
    if (e.NombresAreas[1].empty())
        return;
    int lineas = 1;
    while (lineas < kItinerarios && !e.NombresAreas[lineas + 1].empty())
        ++lineas;
    if (e.NumItinerarios > 0)
        lineas = std::min(lineas, e.NumItinerarios);
    if (lineas < kItinerarios)
        Falla(e.FicheroIdioma(QStringLiteral("itinerar")), 0,
              QStringLiteral("tiene %1 líneas y hay %2 itinerarios: va uno por línea").arg(lineas).arg(kItinerarios));
}

// Columns 1-4 and 6-9 of "profesio" are activity codes of "activida" (blank:
// none). A code missing from a full "activida" is the profession's fault;
// from one with room left, the profession's code or the activity's line may
// be the damaged one.
void Actividades(const Enlace &e)
{
    if (e.NumActividades < 1 || e.NumProfesiones < 1)
        return;
    std::set<std::string> codigos;
    for (int i = 1; i <= e.NumActividades; ++i)
        codigos.insert(e.CodActividad[i]);
    for (int k = 1; k <= e.NumProfesiones; ++k)
        for (const std::string *codigo : {&e.CodigoProfesion[k], &e.CodigoProfesion2[k]}) {
            if (codigo->find_first_not_of(' ') == std::string::npos || codigos.count(*codigo))
                continue;
            const QString profesio = e.FicheroIdioma(QStringLiteral("profesio"));
            if (e.NumActividades < e.CodActividad.Ultimo())
                throw ErrorCoherencia(profesio, e.FicheroIdioma(QStringLiteral("activida")),
                                      QStringLiteral("la línea %1 de \"profesio\" pide la actividad \"%2\" y "
                                                     "\"activida\" tiene %3 actividades sin ella")
                                          .arg(k)
                                          .arg(DesdeAnsi(*codigo))
                                          .arg(e.NumActividades));
            Falla(profesio, k,
                  QStringLiteral("actividad \"%1\", que \"activida\" no tiene").arg(DesdeAnsi(*codigo)));
        }
}

// The FP screens take the lines of "informa_l" by the code in columns 1-2,
// and the basic-cycle screen its heading from line 54.
void Requisitos(const Enlace &e)
{
    if (e.NumRequisitos < 1)
        return;
    const QString fichero = e.FicheroIdioma(QStringLiteral("informa_l"));
    if (e.NumRequisitos < kLineaFPBasica)
        Falla(fichero, 0,
              QStringLiteral("tiene %1 líneas, pero la pantalla de FP básica lee la línea %2")
                  .arg(e.NumRequisitos)
                  .arg(kLineaFPBasica));
    for (const char *codigo : {"13", "22", "23", " 8", "18"}) {
        bool hay = false;
        for (int k = 1; k <= e.NumRequisitos && !hay; ++k)
            hay = e.Requisitos[k].compare(0, 2, codigo) == 0;
        if (!hay)
            Falla(fichero, 0,
                  QStringLiteral("tiene %1 líneas y ninguna del código \"%2\", que leen las pantallas de FP")
                      .arg(e.NumRequisitos)
                      .arg(QString::fromLatin1(codigo)));
    }
}

} // namespace

void ComprobarCoherencia(const Enlace &e)
{
    Grados(e);
    Bloques(e, e.AsignaturasFPSuperior, e.NumFPSuperior, "asignafp", "fp");
    Bloques(e, e.AsignaturasFPMedio, e.NumFPMedio, "asignagm", "fp2");
    Bloques(e, e.AsignaturasFPBasica, e.NumFPBasica, "asignaba", "fpba");
    Bloques(e, e.AsignaturasOtros, std::min(e.NumOtros, e.AsignaturasOtros.Bloques()), "asignaot", "otros",
            kLineasBloqueOtros, "estudios", "estudio");
    Certificados(e);
    RequisitosFP(e);
    TablaFPMedio(e);
    Provincias(e);
    WebComunidades(e);
    Areas(e, e.TablaCuestioCua, "cuestiocua");
    Areas(e, e.TablaCuestioInt, "cuestioint");
    Elementos(e, e.TablaCuestioCua, "cuestiocua", "cualidad", e.NumCualidades, e.ListaCualidades);
    Elementos(e, e.TablaCuestioInt, "cuestioint", "interes", e.NumIntereses, e.ListaIntereses);
    Elementos(e, e.TablaCuestioESO, "cuestioESO", "cuestion", e.NumCuestiones, e.Cuestiones);
    Itinerarios(e);
    Actividades(e);
    Requisitos(e);
    Oferta(e, e.OfertaGS, e.NumFPSuperior, "datluggsphp", "fp");
    Oferta(e, e.OfertaGM, e.NumFPMedio, "datluggmphp", "fp2");
    Oferta(e, e.OfertaFPB, e.NumFPBasica, "datlugbasphp", "fpba");
    NotasCorte(e);
    Universidades(e);
}

bool ValidarDatos(Enlace &e)
{
    try {
        ComprobarCoherencia(e);
        return true;
    } catch (const ErrorDatos &error) {
        e.Avisos().Aviso(error.Mensaje());
        e.ErrorFicheros = true;
        return false;
    }
}

} // namespace norvela
