#include "informes.h"

#include "ansi.h"
#include "cadenas.h"
#include "enlace.h"
#include "hoja_impresion.h"
#include "textos_propios.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QTextDocument>
#include <algorithm>
#include <stdexcept>

namespace norvela {

namespace {

// What the printers tell the user.
namespace Textos {

QString InformeDemasiadoLargo(int n, int caben)
{
    return TextoPropio(Propio::InformeDemasiadoLargo).arg(n).arg(caben);
}

QString DemasiadasNegritas(int n, int caben)
{
    return TextoPropio(Propio::DemasiadasNegritas).arg(n).arg(caben);
}

QString NoSeImprime(const QString &destino)
{
    return destino.isEmpty() ? TextoPropio(Propio::NoSeImprime) : TextoPropio(Propio::NoSeImprimeEn).arg(destino);
}

QString NoSeCompleta(const QString &destino)
{
    return destino.isEmpty() ? TextoPropio(Propio::NoSeCompleta) : TextoPropio(Propio::NoSeCompletaEn).arg(destino);
}

QString PaginaDemasiadoGrande()
{
    return TextoPropio(Propio::PaginaDemasiadoGrande);
}

QString ImpresoraNoAdmite(const QString &impresora)
{
    return TextoPropio(Propio::ImpresoraNoAdmite).arg(impresora);
}

QString ImpresoraConError(const QString &impresora)
{
    return TextoPropio(Propio::ImpresoraConError).arg(impresora);
}

} // namespace Textos

const QString kTrabajo = QStringLiteral("el Norvela");
const QString kCurso = QStringLiteral("2019/20");
const QString kCourier = QStringLiteral("Courier New");
const QString kArial = QStringLiteral("Arial");
constexpr int kTextoCabecera = 175;
// Right edge of the landscape header box, in inches.
constexpr double kDerechaApaisada = 10.2;

int Techo(int a, int b)
{
    return (a + b - 1) / b;
}

// Counts that would read outside the buffer or the bold list stop the
// print before anything starts.
bool Comprobar(Enlace &e, const TablaTexto &lineas, int n)
{
    if (n < 0 || n > lineas.Ultimo()) {
        e.Avisos().Aviso(Textos::InformeDemasiadoLargo(n, lineas.Ultimo()));
        return false;
    }
    const int negritas = e.LineasNegrita[0];
    if (negritas < 0 || negritas > e.LineasNegrita.Ultimo()) {
        e.Avisos().Aviso(Textos::DemasiadasNegritas(negritas, e.LineasNegrita.Ultimo()));
        return false;
    }
    return true;
}

void VaciarDesde(TablaTexto &lineas, int n)
{
    for (int i = n + 1; i <= lineas.Ultimo(); ++i)
        lineas.Poner(i, {});
}

bool EsNegrita(const Enlace &e, int linea)
{
    const int cuantas = e.LineasNegrita[0];
    for (int k = 1; k <= cuantas; ++k)
        if (e.LineasNegrita[k] == linea)
            return true;
    return false;
}

// Both ends, everything up to the blank, as the title is typed.
std::string Recortar(const std::string &s)
{
    size_t a = 0;
    size_t b = s.size();
    while (a < b && static_cast<unsigned char>(s[a]) <= ' ')
        ++a;
    while (b > a && static_cast<unsigned char>(s[b - 1]) <= ' ')
        --b;
    return s.substr(a, b - a);
}

void Fallo(Enlace &e, const PaginaInforme &pagina, bool aMedias)
{
    const QString destino = pagina.Destino();
    e.Avisos().Aviso(aMedias ? Textos::NoSeCompleta(destino) : Textos::NoSeImprime(destino));
}

// Logo, header text and school year: the same in both headers but for the
// right edge of the box.
void CajaCabecera(HojaImpresion &hoja, const Enlace &e, double derecha)
{
    hoja.Negrita(true);
    hoja.RectanguloMarco(0.5, 0.1, derecha, 0.8);
    hoja.ImprimirBitmap(hoja.RectanguloImpresion(0.6, 0.13, 0.95, 0.68), e.BmpChica);
    hoja.Tamano(10);
    hoja.IrAXY(derecha - 0.05, 0.2);
    hoja.EscribirDerecha(e.Texto(kTextoCabecera));
    hoja.IrAXY(derecha - 0.05, 0.5);
    hoja.EscribirDerecha(kCurso);
}

// The title at (1.0, 0.5) in, in `tamano` points, as far as the texts at
// the box's right leave room (0.1 in before the wider of them). One that
// does not fit goes on two lines broken at a blank, the first a line
// higher; one that still does not fit gets smaller, down to 6 points.
// Nothing of it is cut.
void TituloCabecera(HojaImpresion &hoja, const Enlace &e, const QString &titulo, double derecha, int tamano)
{
    constexpr double kIzquierda = 1.0;
    constexpr double kAltura = 0.5;
    constexpr int kMinimo = 6;
    hoja.Tamano(10);
    const int textos = std::max(hoja.AnchoTexto(e.Texto(kTextoCabecera)), hoja.AnchoTexto(kCurso));
    const int sitio =
        hoja.UnidadesAPixeles(derecha - 0.05 - 0.1, 0).x() - textos - hoja.UnidadesAPixeles(kIzquierda, 0).x();
    for (int puntos = tamano;; --puntos) {
        hoja.Tamano(puntos);
        if (hoja.AnchoTexto(titulo) <= sitio) {
            hoja.IrAXY(kIzquierda, kAltura);
            hoja.EscribirTexto(titulo);
            return;
        }
        // The longest head up to a blank that fits, else as many characters as fit.
        int corte = static_cast<int>(titulo.size());
        while (corte > 1 && hoja.AnchoTexto(titulo.left(corte)) > sitio)
            --corte;
        const int blanco = titulo.lastIndexOf(QLatin1Char(' '), corte);
        if (blanco > 0)
            corte = blanco;
        const QString primera = titulo.left(corte).trimmed();
        const QString segunda = titulo.mid(corte).trimmed();
        if (hoja.AnchoTexto(segunda) <= sitio || puntos == kMinimo) {
            hoja.IrAXY(kIzquierda, kAltura - puntos * 1.2 / 72);
            hoja.EscribirTexto(primera);
            hoja.IrAXY(kIzquierda, kAltura);
            hoja.EscribirTexto(segunda);
            return;
        }
    }
}

void ImprimirCabecera(HojaImpresion &hoja, const Enlace &e, const TablaTexto &lineas)
{
    CajaCabecera(hoja, e, 7.3);
    TituloCabecera(hoja, e, DesdeAnsi(Recortar(lineas[0])), 7.3, 12);
}

void ImprimirCabeceraPagina(HojaImpresion &hoja, const Enlace &e, const TablaTexto &lineas, int pagina)
{
    CajaCabecera(hoja, e, kDerechaApaisada);
    hoja.ElipseImpresion(10.4, 0.1, 11.1, 0.8);
    hoja.Tamano(16);
    hoja.IrAXY(10.7, 0.3);
    if (pagina != 0)
        hoja.EscribirTexto(QString::number(pagina));
    TituloCabecera(hoja, e, DesdeAnsi(lineas[0]), kDerechaApaisada, 11);
}

// Runs `paginas` on a started document: it draws every page, asking for a
// new one through the function it is given. Any device failure is told to
// the user and the document given up.
template <typename Paginas>
bool Documento(Enlace &e, PaginaInforme &pagina, bool apaisada, Paginas &&paginas)
{
    if (!pagina.Comenzar(kTrabajo, apaisada)) {
        Fallo(e, pagina, false);
        return false;
    }
    bool saltoFallido = false;
    const auto nueva = [&] {
        if (!pagina.NuevaPagina())
            saltoFallido = true;
        return !saltoFallido;
    };
    try {
        paginas(nueva);
    } catch (const std::range_error &) {
        pagina.Abortar();
        e.Avisos().Aviso(Textos::PaginaDemasiadoGrande());
        return false;
    }
    if (saltoFallido) {
        pagina.Abortar();
        Fallo(e, pagina, true);
        return false;
    }
    if (!pagina.Terminar()) {
        Fallo(e, pagina, true);
        return false;
    }
    return true;
}

bool Lista(Enlace &e, PaginaInforme &pagina, TablaTexto &lineas, int n, bool courier, int tamano)
{
    VaciarDesde(lineas, n);
    const int largo = tamano == 12 ? 50 : 70;
    return Documento(e, pagina, false, [&](const auto &nuevaPagina) {
        HojaImpresion hoja(pagina);
        hoja.Fuente(courier ? kCourier : kArial);
        hoja.IniciarImpresion(50, largo + 8, 1.0);
        ImprimirCabecera(hoja, e, lineas);
        int k = 0;
        for (int i = 1; i <= n; ++i) {
            ++k;
            hoja.Tamano(tamano);
            hoja.Negrita(EsNegrita(e, i));
            hoja.IrAColFila(5, k + 5);
            hoja.EscribirTexto(DesdeAnsi(lineas[i]));
            if (k > largo && i < n) {
                if (!nuevaPagina())
                    return;
                k = 0;
            }
        }
    });
}

// The column text's point size: 8, or less where the longest line (drawn in
// bold, its widest) would run into the next column; never below 5.
int TamanoQueCabe(PaginaInforme &pagina, const QString &familia, const TablaTexto &lineas, int n, int anchoColumna)
{
    constexpr int kTamano = 8;
    constexpr int kMinimo = 5;
    QString masLarga;
    int caracteres = 0;
    for (int i = 1; i <= n; ++i) {
        const std::string linea = QuitarBlancosFinales(lineas[i]);
        if (static_cast<int>(linea.size()) > caracteres) {
            caracteres = static_cast<int>(linea.size());
            masLarga = DesdeAnsi(linea);
        }
    }
    int tamano = kTamano;
    for (; tamano > kMinimo; --tamano) {
        pagina.PonerFuente(familia, tamano, true);
        // One blank to spare, so no line runs into the next column.
        if (pagina.AnchoTexto(masLarga + QLatin1Char(' ')) < anchoColumna)
            break;
    }
    return tamano;
}

bool Columnas(Enlace &e, PaginaInforme &pagina, TablaTexto &lineas, int n, bool courier)
{
    VaciarDesde(lineas, n);
    int filas = 0;
    int paginas = 1;
    int numero = 0;
    if (n <= 150) {
        filas = Techo(n, 3);
    } else if (courier) {
        filas = 50;
        paginas = Techo(n, 150);
        numero = 1;
    } else {
        // Spread evenly over as many columns of at most 50 rows as needed.
        const int bloques = Techo(n, 50);
        filas = Techo(n, bloques);
        paginas = Techo(bloques, 3);
        numero = 1;
    }
    const int anchoColumna = courier ? 50 : 40;
    const int margen = courier ? 0 : 2;
    const int columnasRejilla = courier ? 150 : 130;
    const int inicio[3] = {margen + 2, 2 * margen + anchoColumna, 3 * margen + 2 * anchoColumna};

    return Documento(e, pagina, true, [&](const auto &nuevaPagina) {
        HojaImpresion hoja(pagina);
        hoja.Fuente(courier ? kCourier : kArial);
        hoja.IniciarImpresion(columnasRejilla, filas + 8, 1.0);
        // The columns share out the header box's width, not the paper's:
        // on a wide page the third would run past the box.
        hoja.LimitarAncho(kDerechaApaisada);
        hoja.IrAColFila(inicio[1], 0);
        const int derecha = hoja.Pluma().x();
        hoja.IrAColFila(inicio[0], 0);
        const int tamano = TamanoQueCabe(pagina, courier ? kCourier : kArial, lineas, n, derecha - hoja.Pluma().x());
        ImprimirCabeceraPagina(hoja, e, lineas, numero);
        int primera = 1;
        for (;;) {
            hoja.Tamano(tamano);
            for (int r = 1; r <= filas; ++r) {
                for (int c = 0; c < 3; ++c) {
                    // The last page's columns may run past the report.
                    const int linea = primera + r - 1 + c * filas;
                    if (linea > n)
                        continue;
                    hoja.Negrita(EsNegrita(e, linea));
                    hoja.IrAColFila(inicio[c], r + 5);
                    hoja.EscribirTexto(DesdeAnsi(QuitarBlancosFinales(lineas[linea])));
                }
            }
            if (numero == 0 || numero == paginas)
                return;
            primera = numero * filas * 3 + 1;
            ++numero;
            if (!nuevaPagina())
                return;
            ImprimirCabeceraPagina(hoja, e, lineas, numero);
        }
    });
}

} // namespace

bool ImprimirLista(Enlace &e, PaginaInforme &pagina, TablaTexto &lineas, int n, bool courier, int tamano)
{
    const bool hecho = Comprobar(e, lineas, n) && Lista(e, pagina, lineas, n, courier, tamano);
    e.LineasNegrita[0] = 0;
    return hecho;
}

bool ImprimirListaColumnas(Enlace &e, PaginaInforme &pagina, TablaTexto &lineas, int n, bool courier)
{
    bool hecho = false;
    if (Comprobar(e, lineas, n)) {
        // A short report reads better as one column, always in Courier.
        if (n < 75)
            return ImprimirLista(e, pagina, lineas, n, true, 10);
        hecho = Columnas(e, pagina, lineas, n, courier);
    }
    e.LineasNegrita[0] = 0;
    return hecho;
}

bool ImprimirInforme(Enlace &e, PaginaInforme &pagina, const Informe &informe)
{
    if (informe.columnas)
        return ImprimirListaColumnas(e, pagina, *informe.lineas, informe.n, informe.courier);
    return ImprimirLista(e, pagina, *informe.lineas, informe.n, informe.courier, informe.tamano);
}

bool ImprimirEnPdf(Enlace &e, const Informe &informe, const QString &ruta)
{
    QPrinter impresora(QPrinter::HighResolution);
    impresora.setOutputFormat(QPrinter::PdfFormat);
    impresora.setOutputFileName(ruta);
    // Narrow margins: the landscape page circle ends 11.1 in from the
    // printable area's left edge.
    impresora.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                        QMarginsF(6, 6, 6, 6), QPageLayout::Millimeter));
    PaginaImpresora pagina(impresora);
    return ImprimirInforme(e, pagina, informe);
}

namespace {

QString NombreImpresora(const QPrinter &impresora)
{
    return impresora.outputFormat() == QPrinter::NativeFormat ? impresora.printerName() : impresora.outputFileName();
}

// The checks around one print on the printer of the print dialog: a
// cancelled dialog prints nothing, a printer that turns jobs away is told
// and not used, and what the print system says after the pages is told.
ResultadoInforme ImprimirComprobado(Enlace &e, QPrinter &impresora, bool confirmado, const ConsultaImpresora &estado,
                                    const std::function<bool()> &imprimir)
{
    if (!confirmado) {
        e.LineasNegrita[0] = 0;
        return ResultadoInforme::Cancelado;
    }
    if (!estado(impresora).Admite()) {
        e.Avisos().Aviso(Textos::ImpresoraNoAdmite(NombreImpresora(impresora)));
        e.LineasNegrita[0] = 0;
        return ResultadoInforme::Fallido;
    }
    if (!imprimir())
        return ResultadoInforme::Fallido;
    // The spooler answers only after the pages are drawn: it may turn the
    // job away, or take it and fail at once.
    const EstadoCola despues = estado(impresora);
    if (despues.envioRechazado) {
        e.Avisos().Aviso(Textos::ImpresoraNoAdmite(NombreImpresora(impresora)));
        return ResultadoInforme::Fallido;
    }
    if (despues.estado == QPrinter::Error || despues.estado == QPrinter::Aborted) {
        e.Avisos().Aviso(Textos::ImpresoraConError(NombreImpresora(impresora)));
        return ResultadoInforme::Fallido;
    }
    return ResultadoInforme::Hecho;
}

} // namespace

ResultadoInforme ImprimirTrasDialogo(Enlace &e, const Informe &informe, QPrinter &impresora, bool confirmado,
                                     const ConsultaImpresora &estado)
{
    return ImprimirComprobado(e, impresora, confirmado, estado, [&] {
        PaginaImpresora pagina(impresora);
        return ImprimirInforme(e, pagina, informe);
    });
}

ResultadoInforme ImprimirDocumentoTrasDialogo(Enlace &e, const QTextDocument &documento, const QString &titulo,
                                              QPrinter &impresora, bool confirmado, const ConsultaImpresora &estado)
{
    return ImprimirComprobado(e, impresora, confirmado, estado, [&] {
        PaginaImpresora pagina(impresora);
        if (!pagina.Abrir(titulo, false)) {
            Fallo(e, pagina, false);
            return false;
        }
        documento.print(&pagina.Paginas());
        if (!pagina.Cerrar()) {
            Fallo(e, pagina, true);
            return false;
        }
        return true;
    });
}

} // namespace norvela
