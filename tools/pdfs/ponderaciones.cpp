// Weighting documents: for each community, the weights (0,1 or 0,2) that its
// public universities give to the baccalaureate subjects of the admission
// phase, for a sample of degrees.
#include "documento.h"
#include "documentos.h"

#include <array>

namespace pdfs {

namespace {

struct Comunidad {
    const char *fichero;
    const char *nombre;
    const char *universidades;
};

const Comunidad kComunidades[] = {
    {"Ponderaciones_Andalucia.pdf", "Andalucía",
     "Almería, Cádiz, Córdoba, Granada, Huelva, Jaén, Málaga, Pablo de Olavide y Sevilla"},
    {"Ponderaciones_Aragon.pdf", "Aragón", "Universidad de Zaragoza"},
    {"Ponderaciones_Asturias.pdf", "Principado de Asturias", "Universidad de Oviedo"},
    {"Ponderaciones_Baleares.pdf", "Illes Balears", "Universitat de les Illes Balears"},
    {"Ponderaciones_Canarias.pdf", "Canarias", "Universidad de La Laguna y Universidad de Las Palmas de Gran Canaria"},
    {"Ponderaciones_Cantabria.pdf", "Cantabria", "Universidad de Cantabria"},
    {"Ponderaciones_Castilla_La_Mancha.pdf", "Castilla-La Mancha", "Universidad de Castilla-La Mancha"},
    {"Ponderaciones_Castilla_y_Leon.pdf", "Castilla y León", "Burgos, León, Salamanca y Valladolid"},
    {"Ponderaciones_Cataluna.pdf", "Cataluña",
     "Barcelona, Autònoma de Barcelona, Politècnica de Catalunya, Pompeu Fabra, Girona, Lleida y Rovira i Virgili"},
    {"Ponderaciones_Comunidad_Valenciana.pdf", "Comunitat Valenciana",
     "València, Politècnica de València, Alicante, Jaume I y Miguel Hernández"},
    {"Ponderaciones_Extremadura.pdf", "Extremadura", "Universidad de Extremadura"},
    {"Ponderaciones_Galicia.pdf", "Galicia", "A Coruña, Santiago de Compostela y Vigo"},
    {"Ponderaciones_La_Rioja.pdf", "La Rioja", "Universidad de La Rioja"},
    {"Ponderaciones_Madrid.pdf", "Comunidad de Madrid",
     "Alcalá, Autónoma de Madrid, Carlos III, Complutense, Politécnica de Madrid y Rey Juan Carlos"},
    {"Ponderaciones_Murcia.pdf", "Región de Murcia", "Universidad de Murcia y Universidad Politécnica de Cartagena"},
    {"Ponderaciones_Navarra.pdf", "Comunidad Foral de Navarra", "Universidad Pública de Navarra"},
    {"Ponderaciones_Pais_Vasco.pdf", "País Vasco", "Universidad del País Vasco / Euskal Herriko Unibertsitatea"},
};

constexpr int kGrados = 10;
const char *const kGradosNombre[kGrados] = {
    "Medicina", "Enfermería", "Biología", "Ingeniería Informática", "Arquitectura",
    "Admón. y Dir. de Empresas", "Derecho", "Psicología", "Historia", "Bellas Artes"};

// Weight of each subject for each degree, in tenths: 2 = 0,2, 1 = 0,1, 0 = none.
struct Materia {
    const char *nombre;
    std::array<int, kGrados> peso;
};

const Materia kMaterias[] = {
    {"Matemáticas II", {2, 1, 2, 2, 2, 2, 0, 1, 0, 0}},
    {"Matemáticas Aplicadas a las CC. SS. II", {0, 1, 0, 0, 0, 2, 2, 2, 1, 0}},
    {"Física", {2, 1, 2, 2, 2, 0, 0, 0, 0, 0}},
    {"Química", {2, 2, 2, 1, 1, 0, 0, 1, 0, 0}},
    {"Biología", {2, 2, 2, 0, 0, 0, 0, 2, 0, 0}},
    {"Geología", {1, 1, 2, 0, 0, 0, 0, 0, 0, 0}},
    {"Dibujo Técnico II", {0, 0, 0, 1, 2, 0, 0, 0, 0, 2}},
    {"Economía de la Empresa", {0, 0, 0, 1, 0, 2, 2, 1, 1, 0}},
    {"Geografía", {0, 0, 0, 0, 0, 1, 2, 1, 2, 0}},
    {"Historia del Arte", {0, 0, 0, 0, 1, 0, 1, 0, 2, 2}},
    {"Latín II", {0, 0, 0, 0, 0, 0, 2, 1, 2, 0}},
    {"Griego II", {0, 0, 0, 0, 0, 0, 1, 1, 2, 0}},
    {"Historia de la Filosofía", {0, 0, 0, 0, 0, 1, 2, 2, 1, 0}},
    {"Fundamentos del Arte II", {0, 0, 0, 0, 1, 0, 0, 0, 1, 2}},
    {"Diseño", {0, 0, 0, 0, 1, 0, 0, 0, 0, 2}},
    {"Cultura Audiovisual II", {0, 0, 0, 0, 0, 0, 0, 0, 0, 2}},
    {"Artes Escénicas", {0, 0, 0, 0, 0, 0, 0, 0, 0, 1}},
};

// Universities agree on the subjects that weigh 0,2; they differ on the
// secondary ones. Each community moves a few of the 0,1 weights up to 0,2 or
// drops them, always the same ones for the same community.
int Peso(int comunidad, int materia, int grado)
{
    const int base = kMaterias[materia].peso[static_cast<size_t>(grado)];
    if (base != 1)
        return base;
    switch ((materia * 31 + grado * 17 + comunidad * 7) % 9) {
    case 0:
        return 2;
    case 1:
        return 0;
    default:
        return 1;
    }
}

QString TextoPeso(int decimas) { return decimas == 0 ? QStringLiteral("–") : Numero(decimas / 10.0, 1); }

bool Escribir(const QString &ruta, int c)
{
    const Comunidad &com = kComunidades[c];
    const QString nombre = QString::fromUtf8(com.nombre);
    Documento doc(ruta, QStringLiteral("Ponderaciones de las materias - ") + nombre, QPageLayout::Landscape,
                  QStringLiteral("Norvela 2019/20 · Datos de muestra: consulte los parámetros oficiales en la web "
                                 "de cada universidad."));
    doc.Encabezado(QStringLiteral("Ponderaciones de las materias de la fase de admisión"),
                   nombre + QStringLiteral(" · Curso 2019/20 · Universidades públicas: ") +
                       QString::fromUtf8(com.universidades));
    doc.Parrafo(QStringLiteral(
        "Nota de admisión = 0,6 × NMB + 0,4 × CFG + a × M1 + b × M2. NMB es la nota media del Bachillerato y CFG "
        "la calificación de la fase general. M1 y M2 son las calificaciones de las dos materias superadas (con 5 o "
        "más) que, multiplicadas por su parámetro de ponderación (a y b), más suben la nota para el grado elegido. "
        "La nota de admisión puede llegar a 14 puntos. Una materia sin ponderación (–) no suma para ese grado."));

    Tabla tabla;
    tabla.cabecera << QStringLiteral("Materia de 2.º de Bachillerato");
    tabla.anchos.push_back(62);
    for (const char *grado : kGradosNombre) {
        tabla.cabecera << QString::fromUtf8(grado);
        tabla.anchos.push_back(20.4);
    }
    const int materias = static_cast<int>(std::size(kMaterias));
    for (int m = 0; m < materias; ++m) {
        QStringList fila{QString::fromUtf8(kMaterias[m].nombre)};
        for (int g = 0; g < kGrados; ++g)
            fila << TextoPeso(Peso(c, m, g));
        tabla.filas.push_back(fila);
    }
    doc.Dibujar(tabla);
    return doc.Cerrar();
}

} // namespace

QStringList EscribirPonderaciones(const QDir &carpeta)
{
    QStringList fallos;
    for (int c = 0; c < static_cast<int>(std::size(kComunidades)); ++c) {
        const QString fichero = QString::fromLatin1(kComunidades[c].fichero);
        if (!Escribir(carpeta.filePath(fichero), c))
            fallos << fichero;
    }
    return fallos;
}

} // namespace pdfs
