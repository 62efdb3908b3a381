// The region-map window as start-up creates it on the shipped data: its
// place and size, the pulse of the markers, the community name under the
// mouse, and the click that takes the degrees screen's grid to a community.
#include "ansi.h"
#include "cadenas.h"
#include "control_por_nombre.h"
#include "enlace.h"
#include "MapaEstrellas.h"
#include "mano.h"
#include "pantalla_prueba.h"
#include "programa_prueba.h"
#include "vista_mapa.h"

#include <QLabel>
#include <QTest>
#include <QTimer>

using namespace norvela;

class PruebaMapaEstrellas : public QObject {
    Q_OBJECT

private:
    // The window's controls, by their names.
    struct Vista7 {
        explicit Vista7(TForm7 &f) : pantalla(f) {}
        TForm7 &pantalla;
        VistaMapa *MapaEstrellas = pruebas::Control<VistaMapa>(pantalla, QStringLiteral("MapaEstrellas"));
        QLabel *PanelMapa = pruebas::Control<QLabel>(pantalla, QStringLiteral("PanelMapa"));
        QTimer *TimerEstrellas = pruebas::Control<QTimer>(pantalla, QStringLiteral("TimerEstrellas"));
        // One tick of the pulse, without waiting for it.
        void Tic() const { QMetaObject::invokeMethod(TimerEstrellas, "timeout"); }
    };

    // The window as the program builds it over the shipped data, no marker on.
    struct Ventana : pruebas::ProgramaEntregado {
        Ventana() : ProgramaEntregado(QStringLiteral("mapa-estrellas"))
        {
            form7 = s().Form7.get();
            e.FaseEstrellas = e.FaseEstrellas2 = 0;
            for (int c = 1; c <= kNumComunidades; ++c)
                e.MarcasEstrellas[c] = 0;
        }
        // The marker point of community c, where the map shows c.
        QPoint Punto(int c) const { return {e.PosicionComunidadX[c], e.PosicionComunidadY[c]}; }
        // A point of the sea that the window shows (its picture starts 15
        // pixels left of and 8 above the window).
        QPoint Mar() const
        {
            for (int x = 20; x < 281; ++x)
                if (e.MapaComunidades.Valor(x, 15) == 0 && e.MapaComunidades.Valor(x + 1, 15) == 0)
                    return {x, 15};
            return {};
        }
        QRgb Pixel(int c) const
        {
            return pruebas::Control<VistaMapa>(*form7, QStringLiteral("MapaEstrellas"))->Lienzo().pixel(Punto(c));
        }

        TForm7 *form7 = nullptr;
    };

private slots:
    void initTestCase()
    {
        const Ventana v;
        QVERIFY(v.creadas && !v.e.ErrorFicheros);
        QVERIFY(!v.e.BmpMapa.isNull());
        QCOMPARE(v.e.MapaComunidades.Valor(v.Punto(13).x(), v.Punto(13).y()), 13);
    }

    void StandsBesideTheDegreesScreenAndOnlyHidesOnClose()
    {
        Ventana v;
        Vista7 f(*v.form7);
        QCOMPARE(f.pantalla.size(), QSize(281, 206));
        QCOMPARE(f.MapaEstrellas->geometry(), QRect(-15, -8, 281, 196));
        QCOMPARE(f.pantalla.windowTitle(), QStringLiteral(" "));
        QVERIFY(f.pantalla.windowFlags() & Qt::WindowStaysOnTopHint);
        QVERIFY(!(f.pantalla.windowFlags() & Qt::WindowMinimizeButtonHint));
        QVERIFY(!f.TimerEstrellas->isActive());
        QCOMPARE(f.TimerEstrellas->interval(), 200);
        // 1024 - 281 / 2 to the right of the degrees screen, at its top.
        QCOMPARE(TForm7::Posicion({0, 0}), QPoint(884, 0));
        QCOMPARE(TForm7::Posicion({448, 156}), QPoint(448 + 884, 156));

        f.pantalla.MostrarConMarcas();
        QVERIFY(f.pantalla.isVisible());
        QVERIFY(f.TimerEstrellas->isActive());
        QVERIFY(f.pantalla.close());
        QVERIFY(!f.pantalla.isVisible());
        QVERIFY(!f.TimerEstrellas->isActive());
        // Shown again, it pulses again.
        f.pantalla.MostrarConMarcas();
        QVERIFY(f.TimerEstrellas->isActive());
        f.pantalla.OcultarConMarcas();
        QVERIFY(!f.pantalla.isVisible());
    }

    void MarkersPulseThroughTheirColoursAndStayOnThePicture()
    {
        Ventana v;
        Vista7 f(*v.form7);
        v.e.MarcasEstrellas[13] = 1;
        f.pantalla.MostrarConMarcas();
        const QRgb mapa = v.Pixel(13);
        const QRgb sinMarca = v.Pixel(1);

        struct Paso { int fase; QColor relleno; };
        const Paso pasos[] = {{1, QColor(255, 255, 0)}, {2, QColor(0, 0, 128)}, {0, QColor(128, 0, 0)},
                              {1, QColor(255, 255, 0)}};
        for (int i = 0; i < 4; ++i) {
            f.Tic();
            QCOMPARE(v.e.FaseEstrellas, pasos[i].fase);
            QCOMPARE(v.e.FaseEstrellas2, pasos[i].fase);
            QCOMPARE(f.MapaEstrellas->Pincel().relleno, pasos[i].relleno);
            QCOMPARE(f.MapaEstrellas->Pincel().pluma, QColor(Qt::white));
            if (i == 2) {
                // The radius-3 disc is drawn with the navy the second tick left.
                QCOMPARE(QColor(v.Pixel(13)), QColor(0, 0, 128));
                QCOMPARE(QColor(f.MapaEstrellas->Lienzo().pixel(v.Punto(13) + QPoint(1, 1))), QColor(0, 0, 128));
            }
        }
        QVERIFY(v.Pixel(13) != mapa);
        QCOMPARE(v.Pixel(1), sinMarca);
        // Shown again, the map is drawn afresh: the markers are erased.
        f.pantalla.MostrarConMarcas();
        QCOMPARE(v.Pixel(13), mapa);
    }

    void WithoutMarksOnlyThePhasesAndColoursChange()
    {
        Ventana v;
        Vista7 f(*v.form7);
        f.pantalla.MostrarConMarcas();
        const QImage antes = f.MapaEstrellas->Lienzo();
        for (int i = 0; i < 3; ++i)
            f.Tic();
        QCOMPARE(f.MapaEstrellas->Lienzo(), antes);
        QCOMPARE(v.e.FaseEstrellas, 0);
        QCOMPARE(f.MapaEstrellas->Pincel().relleno, QColor(128, 0, 0));
        // A phase another screen left beyond 3 comes back into the cycle.
        v.e.FaseEstrellas = v.e.FaseEstrellas2 = 7;
        f.Tic();
        QCOMPARE(v.e.FaseEstrellas, 0);
    }

    void HoverShowsTheCommunitysNameWhereTheMouseIs()
    {
        Ventana v;
        Vista7 f(*v.form7);
        f.pantalla.MostrarConMarcas();
        QVERIFY(QTest::qWaitForWindowExposed(&f.pantalla));
        const QPoint madrid = v.Punto(13);
        pruebas::PosarEn(f.MapaEstrellas, madrid);
        QTRY_COMPARE(v.e.ComunidadRaton, 13);
        QVERIFY(f.PanelMapa->isVisible());
        const QString nombre = DesdeAnsi(QuitarBlancosFinales(v.e.Lugares[13].substr(2)));
        QVERIFY(!nombre.isEmpty());
        QCOMPARE(f.PanelMapa->text(), nombre);
        QCOMPARE(f.PanelMapa->pos(), madrid);
        QVERIFY(f.PanelMapa->width() >= v.e.AnchoPanelMapa);

        // A short name keeps the label's width; a long one widens it.
        pruebas::PosarEn(f.MapaEstrellas, v.Punto(18));
        QCOMPARE(v.e.ComunidadRaton, 18);
        QCOMPARE(f.PanelMapa->width(), v.e.AnchoPanelMapa);
        pruebas::PosarEn(f.MapaEstrellas, v.Punto(15));
        QCOMPARE(v.e.ComunidadRaton, 15);
        QVERIFY(f.PanelMapa->fontMetrics().horizontalAdvance(f.PanelMapa->text()) < f.PanelMapa->width());

        // Over the sea: no community, an empty label that stays shown.
        pruebas::PosarEn(f.MapaEstrellas, v.Mar());
        QCOMPARE(v.e.ComunidadRaton, 0);
        QVERIFY(f.PanelMapa->isVisible());
        QCOMPARE(f.PanelMapa->text(), QString());

        // About the handler itself: moves it is told of outside 1..281 x
        // 1..196 (no mouse reaches them over the picture) change nothing.
        pruebas::PosarEn(f.MapaEstrellas, madrid);
        emit f.MapaEstrellas->movido(0, 50);
        emit f.MapaEstrellas->movido(282, 50);
        emit f.MapaEstrellas->movido(50, 197);
        QCOMPARE(v.e.ComunidadRaton, 13);
        QCOMPARE(f.PanelMapa->text(), nombre);
    }

    void ClickScrollsToTheCommunityOrListsItsDoubleDegrees()
    {
        Ventana v;
        Vista7 f(*v.form7);
        std::vector<int> elegidas;
        std::vector<std::pair<int, int>> desplazadas;
        std::vector<int> dobles;
        f.pantalla.AlElegirComunidad = [&](int c) { elegidas.push_back(c); };
        f.pantalla.AlDesplazarNotas = [&](int c, int fila) { desplazadas.emplace_back(c, fila); };
        f.pantalla.AlListarDobles = [&](int c) { dobles.push_back(c); };
        f.pantalla.MostrarConMarcas();
        QVERIFY(QTest::qWaitForWindowExposed(&f.pantalla));

        v.e.VistaDobles = false;
        v.e.FilaComunidadNotas[13] = 7;
        pruebas::ClicEn(f.MapaEstrellas, v.Punto(13));
        QCOMPARE(elegidas, std::vector<int>{13});
        QCOMPARE(desplazadas, (std::vector<std::pair<int, int>>{{13, 7}}));

        // A community whose block is not listed leaves the grid where it is.
        v.e.FilaComunidadNotas[9] = 0;
        pruebas::ClicEn(f.MapaEstrellas, v.Punto(9));
        QCOMPARE(elegidas, (std::vector<int>{13, 9}));
        QCOMPARE(desplazadas.size(), size_t(1));

        // Outside any community nothing happens.
        pruebas::ClicEn(f.MapaEstrellas, v.Mar());
        QCOMPARE(elegidas.size(), size_t(2));

        v.e.VistaDobles = true;
        pruebas::ClicEn(f.MapaEstrellas, v.Punto(1));
        QCOMPARE(dobles, std::vector<int>{1});
        QCOMPARE(desplazadas.size(), size_t(1));
        QCOMPARE(elegidas.back(), 1);

        // Without a degrees screen attached a click is harmless.
        f.pantalla.AlElegirComunidad = nullptr;
        f.pantalla.AlListarDobles = nullptr;
        pruebas::ClicEn(f.MapaEstrellas, v.Punto(1));
    }
};

QTEST_MAIN(PruebaMapaEstrellas)
#include "mapa_estrellas_qtest.moc"
