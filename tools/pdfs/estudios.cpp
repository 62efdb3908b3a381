// The documents that the statistics screen and the sports list open by name
// from "pdf/est": enrolment prices, marks, mobility, performance, grants,
// job placement, unemployment and sports-studies centres.
#include "documento.h"
#include "documentos.h"

#include <QLocale>
#include <functional>

namespace pdfs {

QString Numero(double valor, int decimales)
{
    static const QLocale espanol(QLocale::Spanish, QLocale::Spain);
    return espanol.toString(valor, 'f', decimales);
}

namespace {

const QString kPie = QStringLiteral("Norvela 2019/20 · Datos de muestra con fines de orientación.");

// The five branches of knowledge, in the order of the program's charts.
const char *const kRamas[5] = {"Artes y Humanidades", "Ciencias", "Ciencias Sociales y Jurídicas",
                               "Ingeniería y Arquitectura", "Ciencias de la Salud"};

QString T(const char *utf8) { return QString::fromUtf8(utf8); }

Tabla TablaDeRamas(const QStringList &cabecera, const std::vector<double> &anchos,
                   const std::vector<std::vector<double>> &valores, int decimales)
{
    Tabla t{cabecera, anchos, {}, 0};
    for (size_t r = 0; r < valores.size(); ++r) {
        QStringList fila{r < 5 ? T(kRamas[r]) : QStringLiteral("Total")};
        for (double v : valores[r])
            fila << Numero(v, decimales);
        t.filas.push_back(fila);
    }
    t.filasResaltadas = valores.size() > 5 ? 1 : 0;
    return t;
}

void PreciosMatricula(Documento &d)
{
    d.Encabezado(QStringLiteral("Precios públicos de matrícula en los grados"),
                 QStringLiteral("Precio del crédito en primera matrícula · Curso 2019/20"));
    d.Parrafo(QStringLiteral(
        "Cada comunidad autónoma fija los precios públicos de sus universidades. El precio del crédito depende "
        "del grado (los de mayor experimentalidad son más caros) y de las veces que se matricula una asignatura: "
        "en segunda y sucesivas matrículas el precio aumenta. Un curso completo tiene 60 créditos."));
    struct Precio {
        const char *comunidad;
        double minimo, maximo;
    };
    const Precio precios[] = {
        {"Andalucía", 12.62, 12.62},          {"Aragón", 16.25, 23.60},
        {"Principado de Asturias", 12.91, 18.46}, {"Illes Balears", 13.22, 17.40},
        {"Canarias", 13.45, 15.52},           {"Cantabria", 9.65, 14.17},
        {"Castilla-La Mancha", 13.58, 19.20}, {"Castilla y León", 18.49, 26.12},
        {"Cataluña", 23.66, 33.52},           {"Comunitat Valenciana", 13.46, 19.33},
        {"Extremadura", 13.36, 17.16},        {"Galicia", 9.85, 13.93},
        {"La Rioja", 15.06, 19.56},           {"Comunidad de Madrid", 20.34, 25.74},
        {"Región de Murcia", 15.12, 17.46},   {"Comunidad Foral de Navarra", 15.49, 21.71},
        {"País Vasco", 16.63, 20.83},
    };
    Tabla t{{QStringLiteral("Comunidad autónoma"), QStringLiteral("Mínimo (€/crédito)"),
             QStringLiteral("Máximo (€/crédito)"), QStringLiteral("Curso de 60 créditos (€)")},
            {70, 35, 35, 40},
            {},
            0};
    for (const Precio &p : precios) {
        const QString curso = p.minimo == p.maximo
                                  ? Numero(p.minimo * 60, 0)
                                  : Numero(p.minimo * 60, 0) + QStringLiteral(" – ") + Numero(p.maximo * 60, 0);
        t.filas.push_back({T(p.comunidad), Numero(p.minimo, 2), Numero(p.maximo, 2), curso});
    }
    d.Dibujar(t);
    d.Parrafo(QStringLiteral(
        "Los becarios del Ministerio no pagan los créditos de primera matrícula. Muchas comunidades descuentan "
        "además los créditos aprobados el curso anterior o aplican reducciones a las familias numerosas."));
}

void NotaMedia(Documento &d)
{
    d.Encabezado(QStringLiteral("Notas medias de los estudiantes universitarios"),
                 QStringLiteral("Nota de admisión del nuevo ingreso y nota media del expediente al terminar"));
    d.Parrafo(QStringLiteral(
        "La nota de admisión va de 5 a 14 puntos: a la nota de acceso (hasta 10) se suman las materias "
        "ponderadas de la fase de admisión (hasta 4). La nota del expediente es la media de las calificaciones "
        "del grado, de 0 a 10."));
    d.Dibujar(TablaDeRamas({QStringLiteral("Rama de conocimiento"), QStringLiteral("Nota media de admisión"),
                            QStringLiteral("Nota media del expediente")},
                           {80, 45, 45},
                           {{8.9, 7.5}, {9.8, 7.2}, {9.2, 7.1}, {9.5, 6.9}, {11.1, 7.7}, {9.6, 7.2}}, 1));
    d.Apartado(QStringLiteral("Grados con las notas de corte más altas"));
    Tabla t{{QStringLiteral("Grado"), QStringLiteral("Nota de corte más alta")}, {100, 45}, {}, 0};
    const std::pair<const char *, double> grados[] = {
        {"Doble grado en Física y Matemáticas", 13.60}, {"Medicina", 13.19},
        {"Ingeniería Aeroespacial", 12.84},              {"Biotecnología", 12.71},
        {"Fisioterapia", 12.28},                         {"Enfermería", 11.92},
        {"Odontología", 11.87},                          {"Psicología", 11.02},
    };
    for (const auto &[grado, nota] : grados)
        t.filas.push_back({T(grado), Numero(nota, 2)});
    d.Dibujar(t);
}

void Movilidad(Documento &d)
{
    d.Encabezado(QStringLiteral("Movilidad de los estudiantes universitarios"),
                 QStringLiteral("Estudiantes que cursan el grado fuera de su comunidad y estancias en el extranjero"));
    d.Parrafo(QStringLiteral(
        "Se puede estudiar en cualquier universidad pública de España con la misma nota de admisión. Durante el "
        "grado, el programa SICUE permite cursar uno o dos semestres en otra universidad española y el programa "
        "Erasmus+ en una universidad europea, con las asignaturas reconocidas en el expediente."));
    struct Fila {
        const char *comunidad;
        double otraComunidad;
        int erasmus;
    };
    const Fila filas[] = {
        {"Andalucía", 7.2, 6150},        {"Aragón", 18.6, 1190},       {"Principado de Asturias", 9.8, 760},
        {"Illes Balears", 8.1, 420},     {"Canarias", 5.3, 980},       {"Cantabria", 21.4, 410},
        {"Castilla-La Mancha", 14.9, 1050}, {"Castilla y León", 24.7, 2870}, {"Cataluña", 10.3, 5320},
        {"Comunitat Valenciana", 8.9, 5230}, {"Extremadura", 11.5, 560}, {"Galicia", 8.4, 1640},
        {"La Rioja", 30.2, 180},         {"Comunidad de Madrid", 22.5, 7940}, {"Región de Murcia", 12.1, 1210},
        {"Comunidad Foral de Navarra", 27.3, 420}, {"País Vasco", 9.1, 1580},
    };
    Tabla t{{QStringLiteral("Comunidad autónoma"), QStringLiteral("Nuevo ingreso de otra comunidad (%)"),
             QStringLiteral("Estudiantes Erasmus+ enviados")},
            {70, 50, 50},
            {},
            0};
    for (const Fila &f : filas)
        t.filas.push_back({T(f.comunidad), Numero(f.otraComunidad, 1), Numero(f.erasmus, 0)});
    d.Dibujar(t);
}

void TasaRendimiento(Documento &d)
{
    d.Encabezado(QStringLiteral("Rendimiento académico en los grados"),
                 QStringLiteral("Tasas de rendimiento, de éxito y de abandono por rama de conocimiento"));
    d.Parrafo(QStringLiteral(
        "La tasa de rendimiento es el porcentaje de créditos aprobados sobre los matriculados; la tasa de éxito, "
        "el de créditos aprobados sobre los presentados a examen. La tasa de abandono cuenta a los estudiantes "
        "que dejan el grado al terminar el primer curso."));
    d.Dibujar(TablaDeRamas({QStringLiteral("Rama de conocimiento"), QStringLiteral("Tasa de rendimiento (%)"),
                            QStringLiteral("Tasa de éxito (%)"), QStringLiteral("Abandono en 1.er curso (%)")},
                           {70, 35, 35, 35},
                           {{78.6, 88.9, 15.8}, {73.4, 84.7, 14.9}, {80.9, 89.6, 12.1}, {70.5, 83.2, 14.3},
                            {89.3, 94.5, 6.9}, {79.4, 88.7, 12.6}},
                           1));
}

void Becas(Documento &d)
{
    d.Encabezado(QStringLiteral("Becas de carácter general para estudios universitarios"),
                 QStringLiteral("Convocatoria del Ministerio · Curso 2019/20"));
    d.Parrafo(QStringLiteral(
        "La beca se pide cada curso por internet en la sede electrónica del Ministerio. Lo que se recibe depende "
        "de la renta y del patrimonio de la familia, de la residencia durante el curso y de las notas."));
    Tabla cuantias{{QStringLiteral("Componente de la beca"), QStringLiteral("Cuantía")}, {110, 60}, {}, 0};
    cuantias.filas = {
        {QStringLiteral("Beca de matrícula"), QStringLiteral("Créditos de primera matrícula")},
        {QStringLiteral("Cuantía fija ligada a la renta"), QStringLiteral("1.600 €")},
        {QStringLiteral("Cuantía fija ligada a la residencia"), QStringLiteral("1.500 €")},
        {QStringLiteral("Cuantía fija ligada a la excelencia académica"), QStringLiteral("De 50 a 125 €")},
        {QStringLiteral("Cuantía variable (según nota media y renta)"), QStringLiteral("Mínimo 60 €")},
    };
    d.Dibujar(cuantias);
    d.Apartado(QStringLiteral("Requisitos académicos"));
    d.Parrafo(QStringLiteral(
        "En primer curso hace falta un 5,00 en la nota de acceso para la beca de matrícula y un 6,50 para las "
        "cuantías. En los cursos siguientes hay que aprobar un porcentaje de los créditos matriculados el curso "
        "anterior, distinto en cada rama:"));
    Tabla porcentajes{{QStringLiteral("Rama de conocimiento"), QStringLiteral("Créditos aprobados")}, {110, 60}, {}, 0};
    const int minimos[5] = {90, 65, 90, 65, 80};
    for (int r = 0; r < 5; ++r)
        porcentajes.filas.push_back({T(kRamas[r]), QString::number(minimos[r]) + QStringLiteral(" %")});
    d.Dibujar(porcentajes);
}

void InsercionLaboral(Documento &d)
{
    d.Encabezado(QStringLiteral("Inserción laboral de los titulados universitarios"),
                 QStringLiteral("Titulados universitarios del curso 2009/10, situación cuatro años después (2014)"));
    d.Parrafo(QStringLiteral(
        "La tasa de afiliación es el porcentaje de titulados dados de alta en la Seguridad Social. Las otras "
        "columnas se refieren a los titulados afiliados: los que tienen un contrato indefinido y los que ocupan "
        "un puesto de nivel universitario."));
    d.Dibujar(TablaDeRamas({QStringLiteral("Rama de conocimiento"), QStringLiteral("Tasa de afiliación (%)"),
                            QStringLiteral("Contrato indefinido (%)"),
                            QStringLiteral("Puesto de nivel universitario (%)")},
                           {70, 35, 35, 40},
                           {{48.8, 41.3, 52.6}, {63.7, 47.9, 71.8}, {63.8, 55.2, 60.4}, {67.2, 62.5, 80.3},
                            {71.4, 49.6, 86.1}, {64.4, 53.1, 68.9}},
                           1));
}

void TasaDeParo(Documento &d)
{
    d.Encabezado(QStringLiteral("Tasa de paro según el nivel de formación"),
                 QStringLiteral("Población activa de 25 a 64 años · INE, 2018"));
    d.Parrafo(QStringLiteral(
        "Cuanto mayor es el nivel de estudios terminado, menor es el paro: quien tiene estudios superiores "
        "(universitarios o de FP de Grado Superior) tiene tres veces menos riesgo de estar en paro que quien "
        "solo terminó la educación primaria."));
    Tabla t{{QStringLiteral("Nivel de formación alcanzado"), QStringLiteral("Tasa de paro (%)")}, {110, 45}, {}, 1};
    const std::pair<const char *, double> niveles[] = {
        {"Educación primaria o inferior", 27.0},
        {"Primera etapa de educación secundaria (ESO)", 20.5},
        {"Segunda etapa de educación secundaria (Bachillerato, FP de Grado Medio)", 15.6},
        {"Educación superior", 8.9},
        {"Total", 15.25},
    };
    for (const auto &[nivel, tasa] : niveles)
        t.filas.push_back({T(nivel), Numero(tasa, 2)});
    d.Dibujar(t);
}

void DeportesCentros(Documento &d)
{
    d.Encabezado(QStringLiteral("Centros de enseñanzas deportivas"),
                 QStringLiteral("Técnico Deportivo y Técnico Deportivo Superior · Curso 2019/20"));
    d.Parrafo(QStringLiteral(
        "Las enseñanzas deportivas de régimen especial tienen dos grados. El grado medio (ciclo inicial y ciclo "
        "final) da el título de Técnico Deportivo y pide el título de ESO; el grado superior da el título de "
        "Técnico Deportivo Superior y pide el de Bachillerato y el de Técnico Deportivo de la misma modalidad. "
        "En muchas modalidades hay además una prueba de carácter específico."));
    struct Centro {
        const char *comunidad, *localidad, *tipo, *modalidades;
    };
    const Centro centros[] = {
        {"Andalucía", "Granada", "Público", "Esquí alpino, Snowboard"},
        {"Andalucía", "Málaga", "Privado autorizado", "Fútbol, Baloncesto"},
        {"Aragón", "Jaca", "Público", "Esquí alpino, Media montaña, Escalada"},
        {"Principado de Asturias", "Avilés", "Público", "Salvamento y socorrismo"},
        {"Illes Balears", "Palma", "Público", "Vela, Buceo deportivo"},
        {"Canarias", "Las Palmas de Gran Canaria", "Público", "Vela, Salvamento y socorrismo"},
        {"Cantabria", "Santander", "Privado autorizado", "Fútbol, Vela"},
        {"Castilla-La Mancha", "Toledo", "Privado autorizado", "Fútbol, Judo y defensa personal"},
        {"Castilla y León", "León", "Público", "Atletismo, Media montaña"},
        {"Cataluña", "Barcelona", "Público", "Atletismo, Baloncesto, Balonmano"},
        {"Comunitat Valenciana", "Valencia", "Público", "Vela, Fútbol, Baloncesto"},
        {"Extremadura", "Cáceres", "Público", "Fútbol, Baloncesto"},
        {"Galicia", "Santiago de Compostela", "Público", "Fútbol, Piragüismo"},
        {"La Rioja", "Logroño", "Privado autorizado", "Fútbol, Balonmano"},
        {"Comunidad de Madrid", "Madrid", "Público", "Atletismo, Baloncesto, Judo y defensa personal"},
        {"Región de Murcia", "Cartagena", "Público", "Vela, Buceo deportivo"},
        {"Comunidad Foral de Navarra", "Pamplona", "Público", "Media montaña, Fútbol"},
        {"País Vasco", "Vitoria-Gasteiz", "Público", "Media montaña, Balonmano"},
    };
    Tabla t{{QStringLiteral("Comunidad autónoma"), QStringLiteral("Localidad"), QStringLiteral("Centro"),
             QStringLiteral("Modalidades")},
            {45, 45, 30, 60},
            {},
            0};
    for (const Centro &c : centros)
        t.filas.push_back({T(c.comunidad), T(c.localidad), T(c.tipo), T(c.modalidades)});
    d.Dibujar(t);
    d.Parrafo(QStringLiteral(
        "La oferta de cada curso la publica la consejería de educación de cada comunidad; pregunta también en "
        "las federaciones deportivas, que organizan las pruebas de acceso."));
}

} // namespace

QStringList EscribirEstudios(const QDir &carpeta)
{
    struct Estudio {
        const char *fichero;
        const char *titulo;
        std::function<void(Documento &)> dibujar;
    };
    const Estudio estudios[] = {
        {"PreciosMatricula.pdf", "Precios de matrícula", PreciosMatricula},
        {"NotaMedia.pdf", "Notas medias", NotaMedia},
        {"Movilidad.pdf", "Movilidad de los estudiantes", Movilidad},
        {"Tasa_Rendimiento.pdf", "Rendimiento académico", TasaRendimiento},
        {"Becas.pdf", "Becas de carácter general", Becas},
        {"insercionLaboral.pdf", "Inserción laboral", InsercionLaboral},
        {"Tasa_de_Paro.pdf", "Tasa de paro por nivel de formación", TasaDeParo},
        {"DeportesCentros.pdf", "Centros de enseñanzas deportivas", DeportesCentros},
    };
    QStringList fallos;
    for (const Estudio &e : estudios) {
        const QString fichero = QString::fromLatin1(e.fichero);
        Documento d(carpeta.filePath(fichero), T(e.titulo), QPageLayout::Portrait, kPie);
        e.dibujar(d);
        if (!d.Cerrar())
            fallos << fichero;
    }
    return fallos;
}

} // namespace pdfs
