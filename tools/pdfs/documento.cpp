#include "documento.h"

#include <QFont>
#include <QPageSize>

namespace pdfs {

namespace {

const QColor kAzul(0, 0, 128);
const QColor kFondoPar(232, 238, 250);
const QColor kRejilla(170, 170, 190);
constexpr int kResolucion = 300;     // dots per inch of the page
constexpr double kMargen = 15.0;     // mm
constexpr double kAltoPie = 10.0;    // mm kept free at the bottom for the footer
constexpr double kRelleno = 1.2;     // mm between a cell's border and its text

QFont Letra(double puntos, bool negrita = false)
{
    QFont f(QStringLiteral("Liberation Sans"));
    f.setStyleHint(QFont::SansSerif);
    f.setPointSizeF(puntos);
    f.setBold(negrita);
    return f;
}

} // namespace

Documento::Documento(const QString &ruta, const QString &titulo, QPageLayout::Orientation orientacion, QString pie)
    : escritor_(ruta), pie_(std::move(pie))
{
    escritor_.setResolution(kResolucion);
    escritor_.setTitle(titulo);
    escritor_.setCreator(QStringLiteral("Norvela 2019/20"));
    escritor_.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), orientacion,
                                        QMarginsF(kMargen, kMargen, kMargen, kMargen), QPageLayout::Millimeter));
    pintor_.begin(&escritor_);
}

int Documento::Mm(double mm) const { return static_cast<int>(mm * kResolucion / 25.4 + 0.5); }

int Documento::Alto(const QString &texto, int ancho, int flags) const
{
    return pintor_.fontMetrics().boundingRect(QRect(0, 0, ancho, 100000), flags | Qt::TextWordWrap, texto).height();
}

void Documento::Reservar(int alto)
{
    if (y_ + alto <= escritor_.height() - Mm(kAltoPie))
        return;
    Pie();
    escritor_.newPage();
    ++pagina_;
    y_ = 0;
}

void Documento::Pie()
{
    const QFont antes = pintor_.font();
    pintor_.setFont(Letra(7.5));
    pintor_.setPen(Qt::darkGray);
    const int base = escritor_.height() - Mm(kAltoPie) + Mm(3);
    pintor_.drawLine(0, base, escritor_.width(), base);
    const QRect caja(0, base + Mm(1), escritor_.width(), Mm(kAltoPie) - Mm(4));
    pintor_.drawText(caja, Qt::AlignLeft | Qt::AlignVCenter, pie_);
    pintor_.drawText(caja, Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("Página %1").arg(pagina_));
    pintor_.setFont(antes);
}

void Documento::Encabezado(const QString &titulo, const QString &subtitulo)
{
    const int ancho = escritor_.width();
    pintor_.setFont(Letra(17, true));
    const int altoTitulo = Alto(titulo, ancho, 0);
    Reservar(altoTitulo + Mm(14));
    pintor_.setPen(kAzul);
    pintor_.drawText(QRect(0, y_, ancho, altoTitulo), Qt::TextWordWrap, titulo);
    y_ += altoTitulo + Mm(1.5);
    pintor_.setFont(Letra(11));
    pintor_.setPen(Qt::black);
    const int altoSub = Alto(subtitulo, ancho, 0);
    pintor_.drawText(QRect(0, y_, ancho, altoSub), Qt::TextWordWrap, subtitulo);
    y_ += altoSub + Mm(2);
    pintor_.fillRect(QRect(0, y_, ancho, Mm(0.8)), kAzul);
    y_ += Mm(5);
}

void Documento::Apartado(const QString &texto)
{
    pintor_.setFont(Letra(12, true));
    const int alto = Alto(texto, escritor_.width(), 0);
    Reservar(alto + Mm(12));   // never alone at the foot of a page
    pintor_.setPen(kAzul);
    pintor_.drawText(QRect(0, y_, escritor_.width(), alto), Qt::TextWordWrap, texto);
    y_ += alto + Mm(2);
}

void Documento::Parrafo(const QString &texto)
{
    pintor_.setFont(Letra(10));
    const int alto = Alto(texto, escritor_.width(), Qt::AlignJustify);
    Reservar(alto);
    pintor_.setPen(Qt::black);
    pintor_.drawText(QRect(0, y_, escritor_.width(), alto), Qt::AlignJustify | Qt::TextWordWrap, texto);
    y_ += alto + Mm(3);
}

void Documento::LetraFila(bool cabecera, bool resaltada)
{
    pintor_.setFont(Letra(cabecera ? 8.5 : 9, cabecera || resaltada));
}

int Documento::AltoFila(const Tabla &tabla, const QStringList &celdas) const
{
    const int relleno = Mm(kRelleno);
    int alto = 0;
    for (qsizetype c = 0; c < celdas.size(); ++c)
        alto = std::max(alto, Alto(celdas[c], Mm(tabla.anchos[static_cast<size_t>(c)]) - 2 * relleno, 0));
    return alto + 2 * relleno;
}

void Documento::PintarFila(const Tabla &tabla, const QStringList &celdas, int alto, bool cabecera, bool resaltada,
                           bool par)
{
    LetraFila(cabecera, resaltada);
    const int relleno = Mm(kRelleno);
    int x = 0;
    for (qsizetype c = 0; c < celdas.size(); ++c) {
        const QRect celda(x, y_, Mm(tabla.anchos[static_cast<size_t>(c)]), alto);
        pintor_.fillRect(celda, cabecera ? kAzul : par ? kFondoPar : QColor(Qt::white));
        pintor_.setPen(kRejilla);
        pintor_.drawRect(celda);
        pintor_.setPen(cabecera ? QColor(Qt::white) : QColor(Qt::black));
        const int alineacion = (c == 0 ? Qt::AlignLeft : Qt::AlignHCenter) | Qt::AlignVCenter | Qt::TextWordWrap;
        pintor_.drawText(celda.adjusted(relleno, relleno, -relleno, -relleno), alineacion, celdas[c]);
        x += celda.width();
    }
    y_ += alto;
}

void Documento::Dibujar(const Tabla &tabla)
{
    LetraFila(true, false);
    const int altoCabecera = AltoFila(tabla, tabla.cabecera);
    const int primeraResaltada = static_cast<int>(tabla.filas.size()) - tabla.filasResaltadas;
    bool conCabecera = false;
    for (size_t f = 0; f < tabla.filas.size(); ++f) {
        const bool resaltada = static_cast<int>(f) >= primeraResaltada;
        LetraFila(false, resaltada);
        const int alto = AltoFila(tabla, tabla.filas[f]);
        // The header goes above the first row and again at the top of every
        // page the table continues on.
        const int paginaAntes = pagina_;
        Reservar((conCabecera ? 0 : altoCabecera) + alto);
        if (!conCabecera || pagina_ != paginaAntes) {
            PintarFila(tabla, tabla.cabecera, altoCabecera, true, false, false);
            conCabecera = true;
        }
        PintarFila(tabla, tabla.filas[f], alto, false, resaltada, f % 2 == 1);
    }
    y_ += Mm(4);
}

bool Documento::Cerrar()
{
    Pie();
    return pintor_.end();
}

} // namespace pdfs
