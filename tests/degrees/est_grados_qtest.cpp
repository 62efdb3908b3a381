// The degree statistics charts, offscreen on the shipped data: opened from
// the degrees screen's information sub-menu, each chart with its documents,
// what the chart paints and says to accessibility tools, the web link, the
// way back, and how every caption fits in each language.
#include "enlace.h"
#include "escritorio_registrado.h"
#include "est_grados.h"
#include "etiquetas.h"
#include "grados.h"
#include "grados_dibujo.h"
#include "iconos.h"
#include "mano.h"
#include "mensajes.h"
#include "pantalla_prueba.h"
#include "principal.h"
#include "programa_prueba.h"
#include "vista_grados.h"

#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <memory>

using namespace norvela;

namespace {

// The program on the shipped data, the degrees screen opened by the main
// menu's door.
struct Pantallas2 : pruebas::ProgramaEntregado {
    explicit Pantallas2(int idioma = 0) : ProgramaEntregado(QStringLiteral("est-grados"), idioma)
    {
        est = s().FormEstGra.get();
        f = s().Form1.Hay() ? std::make_unique<pruebas::VistaGrados>(*s().Form1) : nullptr;
        if (creadas)
            AbrirPuerta(Tform0::kPuertaCarreras);
    }
    // As the student does it: the information sub-menu, then its statistics button.
    void Abrir()
    {
        pruebas::PosarEn(f->BotMenuInfo, {5, 5});
        pruebas::Pulsar(f->ButEstadisticas);
    }
    TFormEstGra *est = nullptr;
    std::unique_ptr<pruebas::VistaGrados> f;
};

// The statistics screen's controls, by their names.
struct VistaEstGra {
    explicit VistaEstGra(TFormEstGra &s) : pantalla(s) {}
    template <typename T> T *C(const char *nombre) const
    {
        return pruebas::Control<T>(pantalla, QString::fromLatin1(nombre));
    }
    TFormEstGra &pantalla;
    LienzoEstGra *chart1 = C<LienzoEstGra>("chart1");
    QLabel *LabelEst1 = C<QLabel>("LabelEst1"), *LabelEst2 = C<QLabel>("LabelEst2"), *LabelPDF = C<QLabel>("LabelPDF");
    EtiquetaActiva *LabelWeb = C<EtiquetaActiva>("LabelWeb");
    QPushButton *ButtonMatricula = C<QPushButton>("ButtonMatricula"), *ButtonDific = C<QPushButton>("ButtonDific"),
                *ButtonTrabajo = C<QPushButton>("ButtonTrabajo"), *ButtonRetroEsta = C<QPushButton>("ButtonRetroEsta");
    QPushButton *ButtonMas1 = C<QPushButton>("ButtonMas1"), *ButtonMas2 = C<QPushButton>("ButtonMas2"),
                *ButtonMas3 = C<QPushButton>("ButtonMas3"), *ButtonMas21 = C<QPushButton>("ButtonMas21"),
                *ButtonMas22 = C<QPushButton>("ButtonMas22"), *ButtonMas31 = C<QPushButton>("ButtonMas31"),
                *ButtonMas32 = C<QPushButton>("ButtonMas32");
};

QList<QPushButton *> BotonesPdf(const VistaEstGra &s)
{
    return {s.ButtonMas1, s.ButtonMas2, s.ButtonMas3, s.ButtonMas21, s.ButtonMas22, s.ButtonMas31, s.ButtonMas32};
}

QList<QPushButton *> Visibles(const VistaEstGra &s)
{
    QList<QPushButton *> v;
    for (QPushButton *b : BotonesPdf(s))
        if (!b->isHidden())
            v << b;
    return v;
}

QColor Pixel(const QImage &img, int x, int y)
{
    return img.pixelColor(x * img.width() / Pantalla::kAncho, y * img.height() / Pantalla::kAlto);
}

} // namespace

class PruebaEstGrados : public QObject {
    Q_OBJECT

private slots:
    void OpensFromTheInformationMenuAndSwitchesCharts()
    {
        Pantallas2 s;
        VistaEstGra est(*s.est);
        s.Abrir();
        QVERIFY(est.pantalla.isVisible());
        QVERIFY(!s.f->pantalla.isVisible());
        // Nothing drawn and no documents until a chart is chosen.
        QVERIFY(est.chart1->Filas().empty());
        QVERIFY(Visibles(est).isEmpty());
        QVERIFY(est.LabelPDF->isHidden());
        QCOMPARE(est.LabelEst1->text(), s.e.Texto(408));

        pruebas::Pulsar(est.ButtonMatricula);
        QVERIFY(est.pantalla.GraficoMatricula() && !est.pantalla.GraficoDificultad()
                && !est.pantalla.GraficoTrabajo());
        QCOMPARE(Visibles(est), (QList<QPushButton *>{est.ButtonMas1, est.ButtonMas2, est.ButtonMas3}));
        QVERIFY(!est.LabelPDF->isHidden());
        QCOMPARE(est.chart1->Extra(), 20);
        const auto &m = est.chart1->Filas();
        QCOMPARE(m.size(), size_t(14));
        QCOMPARE(m[0].nombre, s.e.Texto(375) + QStringLiteral("..."));
        QCOMPARE(m[1].nombre, s.e.Texto(682));
        QCOMPARE(est.LabelEst1->text(), s.e.Texto(418) + QStringLiteral("   2016-17"));
        QVERIFY(est.LabelEst2->text().endsWith(QStringLiteral(" 83.5%")));
        QCOMPARE(est.chart1->accessibleName(), est.LabelEst1->text());
        QVERIFY(est.chart1->accessibleDescription().startsWith(s.e.Texto(375) + QStringLiteral("...; ")
                                                               + s.e.Texto(682) + QStringLiteral(": 21.8%")));

        pruebas::Pulsar(est.ButtonDific);
        QVERIFY(!est.pantalla.GraficoMatricula() && est.pantalla.GraficoDificultad());
        QCOMPARE(Visibles(est), (QList<QPushButton *>{est.ButtonMas21, est.ButtonMas22}));
        QCOMPARE(est.chart1->Extra(), 0);
        QVERIFY(est.chart1->accessibleDescription().contains(s.e.Texto(426) + QStringLiteral(": 77.70%")));

        pruebas::Pulsar(est.ButtonTrabajo);
        QVERIFY(est.pantalla.GraficoTrabajo() && !est.pantalla.GraficoDificultad());
        QCOMPARE(Visibles(est), (QList<QPushButton *>{est.ButtonMas31, est.ButtonMas32}));
        // Shown by the difficulty chart, the label stays.
        QVERIFY(!est.LabelPDF->isHidden());
        QCOMPARE(est.chart1->Filas()[1].nombre, s.e.Texto(519));
        QCOMPARE(est.LabelEst1->text(), s.e.Texto(427) + QStringLiteral(" 2010"));

        // Back hides the documents; coming in again shows the last chart with them.
        pruebas::Pulsar(est.ButtonRetroEsta);
        QVERIFY(!est.pantalla.isVisible());
        QVERIFY(s.f->pantalla.isVisible());
        QVERIFY(Visibles(est).isEmpty() && est.LabelPDF->isHidden());
        s.Abrir();
        QVERIFY(est.pantalla.GraficoTrabajo());
        QCOMPARE(Visibles(est), (QList<QPushButton *>{est.ButtonMas31, est.ButtonMas32}));

        // The close box goes back too.
        est.pantalla.close();
        QVERIFY(!est.pantalla.isVisible());
        QVERIFY(s.f->pantalla.isVisible());
        QVERIFY(Visibles(est).isEmpty());
        QVERIFY(s.m.textos.isEmpty());
    }

    void PaintsBarsBoxesAndIcons()
    {
        Pantallas2 s;
        VistaEstGra est(*s.est);
        s.Abrir();
        QVERIFY(QTest::qWaitForWindowExposed(&est.pantalla));
        pruebas::Pulsar(est.ButtonMatricula);
        const QImage img = est.pantalla.grab().toImage();
        const QPoint o = est.chart1->mapTo(&est.pantalla, QPoint(0, 0));
        // Row 2 (21.8 %): green bar from 450 to 440 + 22 x 2 + 20, then the yellow box.
        const int y = o.y() + 45 + 10;
        QCOMPARE(Pixel(img, o.x() + 460, y), QColor(0, 128, 0));
        QCOMPARE(Pixel(img, o.x() + 500, y), QColor(0, 128, 0));
        QCOMPARE(Pixel(img, o.x() + 504 + 15 + 2, o.y() + 45 + 3), QColor(255, 255, 0));
        // A heading row has no bar.
        QCOMPARE(Pixel(img, o.x() + 460, o.y() + 10 + 10), QColor(255, 239, 206));
        // Row 2's icon sits left of its name.
        const QFontMetrics fm(est.chart1->font());
        const int xIcono = o.x() + kFinNombres - fm.horizontalAdvance(est.chart1->Filas()[1].nombre) - 42;
        bool icono = false;
        for (int dx = 2; dx < 30 && !icono; ++dx)
            icono = Pixel(img, xIcono + dx, o.y() + 45) != QColor(255, 239, 206);
        QVERIFY2(icono, "no icon drawn");
        // The sciences' row shows the picture of the browser's sciences branch.
        const QPixmap ciencias = CargarIconosEstudios().at(IconoRama(5).indice);
        QCOMPARE(IconosRamas().at(IconoDeRama(1)).toImage(),
                 ciencias.scaled(40, 40, Qt::KeepAspectRatio, Qt::SmoothTransformation).toImage());
    }

    void OpensTheDocumentsAndTheMinistryPage()
    {
        pruebas::EscritorioRegistrado navegador;
        Pantallas2 s;
        VistaEstGra est(*s.est);
        s.Abrir();
        QVERIFY(QTest::qWaitForWindowExposed(&est.pantalla));
        pruebas::Pulsar(est.LabelWeb);
        QCOMPARE(navegador.abiertas.size(), 1);
        QCOMPARE(navegador.abiertas[0].scheme(), QStringLiteral("https"));
        QCOMPARE(est.LabelWeb->toolTip(), s.e.Texto(174));
        // Pointing at the link underlines it, moving on it keeps it so;
        // moving over the chart or the form does not.
        for (QWidget *fuera : {static_cast<QWidget *>(est.chart1), static_cast<QWidget *>(&est.pantalla)}) {
            pruebas::Mover(est.LabelWeb, est.LabelWeb->rect().center());
            pruebas::Mover(est.LabelWeb, est.LabelWeb->rect().center() + QPoint(3, 0));
            QVERIFY(est.LabelWeb->font().underline());
            pruebas::Mover(fuera, fuera == &est.pantalla ? est.LabelWeb->geometry().bottomRight() + QPoint(20, 20)
                                                         : QPoint(5, 5));
            QVERIFY(!est.LabelWeb->font().underline());
        }

        const QStringList ficheros = {"PreciosMatricula.pdf", "NotaMedia.pdf", "Movilidad.pdf", "Tasa_Rendimiento.pdf",
                                      "Becas.pdf", "insercionLaboral.pdf", "Tasa_de_Paro.pdf"};
        const auto botones = BotonesPdf(est);
        for (int i = 0; i < botones.size(); ++i) {
            // Each chart shows its own documents' buttons.
            pruebas::Pulsar(i < 3 ? est.ButtonMatricula : i < 5 ? est.ButtonDific : est.ButtonTrabajo);
            navegador.abiertas.clear();
            pruebas::Pulsar(botones[i]);
            QCOMPARE(navegador.abiertas.size(), 1);
            QVERIFY(navegador.abiertas[0].isLocalFile());
            QCOMPARE(QDir::cleanPath(navegador.abiertas[0].toLocalFile()),
                     QDir::cleanPath(s.e.RutaDatos + QStringLiteral("pdf/est/") + ficheros[i]));
        }
    }

    void EveryCaptionFitsInEveryLanguage()
    {
        QStringList fallos;
        const QByteArray carpeta = qgetenv("NORVELA_CAPTURAS");
        for (int idioma = 0; idioma < 4; ++idioma) {
            Pantallas2 s(idioma);
            VistaEstGra est(*s.est);
            s.Abrir();
            auto cabe = [&](const QString &donde, const QString &texto, int ancho, int sitio) {
                if (ancho > sitio)
                    fallos << QStringLiteral("%1 %2 \"%3\": %4 > %5").arg(idioma).arg(donde, texto).arg(ancho).arg(sitio);
            };
            const auto lineas = [&](QLabel *l) {
                const QFontMetrics fm(l->font());
                for (const QString &t : l->text().split(QLatin1Char('\n')))
                    cabe(l->objectName() + QStringLiteral("label"), t, fm.horizontalAdvance(t), l->width());
                cabe(QStringLiteral("label lines"), l->text(),
                     static_cast<int>(l->text().count(QLatin1Char('\n')) + 1) * fm.lineSpacing(), l->height());
            };
            for (QPushButton *b : BotonesPdf(est) + QList<QPushButton *>{est.ButtonMatricula, est.ButtonDific,
                                                                          est.ButtonTrabajo, est.ButtonRetroEsta})
                cabe(QStringLiteral("button"), b->text(), QFontMetrics(b->font()).horizontalAdvance(b->text()) + 10,
                     b->width());
            cabe(QStringLiteral("LabelWeb"), est.LabelWeb->text(),
                 QFontMetrics(est.LabelWeb->font()).horizontalAdvance(est.LabelWeb->text()), est.LabelWeb->width());
            lineas(est.LabelEst2);
            for (QPushButton *grafico : {est.ButtonMatricula, est.ButtonDific, est.ButtonTrabajo}) {
                pruebas::Pulsar(grafico);
                lineas(est.LabelEst1);
                lineas(est.LabelEst2);
                // Every name and its icon stay inside the chart.
                const QFontMetrics fm(est.chart1->font());
                for (const FilaDibujo &f : est.chart1->Filas())
                    cabe(QStringLiteral("chart row"), f.nombre, fm.horizontalAdvance(f.nombre)
                         + (f.clave == kClaveEncabezado ? 0 : 42), kFinNombres);
                if (!carpeta.isEmpty())
                    est.pantalla.grab().save(QStringLiteral("%1/estgra_%2_%3.png")
                                        .arg(QString::fromLocal8Bit(carpeta))
                                        .arg(static_cast<int>(est.pantalla.Grafico()))
                                        .arg(idioma));
            }
        }
        QVERIFY2(fallos.isEmpty(), qPrintable(fallos.join('\n')));
    }
};

QTEST_MAIN(PruebaEstGrados)
#include "est_grados_qtest.moc"
