// The screens' window frame and the study icons, offscreen.
#include "enlace.h"
#include "etiquetas.h"
#include "iconos.h"
#include "marco.h"
#include "mensajes.h"

#include <QLabel>
#include <QTest>

using namespace norvela;

namespace {

// A picture whose pixel (x, y) tells where it is in it.
QImage Rotulada(int ancho, int alto, int tono)
{
    QImage im(ancho, alto, QImage::Format_RGB32);
    for (int y = 0; y < alto; ++y)
        for (int x = 0; x < ancho; ++x)
            im.setPixel(x, y, qRgb(tono, x * 2, y * 2));
    return im;
}

QRgb Pixel(const QLabel *l, int x, int y)
{
    return l->pixmap().toImage().pixel(x, y);
}

} // namespace

class PruebaInterfaz : public QObject {
    Q_OBJECT

private slots:
    void TheFrameTilesItsPicturesRoundTheScreen()
    {
        MensajesRegistrados m;
        Enlace e(m);
        e.BmpSuelo = Rotulada(5, 3, 10);
        e.BmpMarcoI = Rotulada(7, 4, 20);
        e.BmpMarcoAr = Rotulada(100, 60, 40);   // narrower and taller than its strip
        QWidget pantalla;
        pantalla.resize(1024, 768);
        const Marco marco = PonerMarco(&pantalla, e);
        // A screen that is never opened never pays for its frame's pictures.
        for (QLabel *l : {marco.fondo, marco.izquierda, marco.derecha, marco.arriba})
            QVERIFY(l->pixmap().isNull());
        pantalla.show();

        QCOMPARE(marco.fondo->geometry(), QRect(0, 0, 1024, 768));
        QCOMPARE(Pixel(marco.fondo, 1023, 767), e.BmpSuelo.pixel(1023 % 5, 767 % 3));
        QCOMPARE(marco.izquierda->geometry(), QRect(0, 0, 7, 768));
        QCOMPARE(Pixel(marco.izquierda, 6, 9), e.BmpMarcoI.pixel(6, 1));
        // A missing picture leaves a black strip of the usual width.
        QCOMPARE(marco.derecha->geometry(), QRect(1024 - kAnchoMarco, 0, kAnchoMarco, 768));
        QCOMPARE(Pixel(marco.derecha, kAnchoMarco - 1, 767), qRgb(0, 0, 0));
        // The top strip repeats its picture along the width, cut at 50 rows.
        QCOMPARE(marco.arriba->geometry(), QRect(0, 0, 1024, 50));
        QCOMPARE(marco.arriba->pixmap().size(), QSize(1024, 50));
        QCOMPARE(Pixel(marco.arriba, 1000, 49), e.BmpMarcoAr.pixel(0, 49));

        // The background lies under the strips; later controls stand over them.
        auto *boton = new QLabel(&pantalla);
        const QObjectList hijos = pantalla.children();
        QVERIFY(hijos.indexOf(marco.fondo) < hijos.indexOf(marco.izquierda));
        QVERIFY(hijos.indexOf(marco.arriba) < hijos.indexOf(boton));
        for (QLabel *l : {marco.fondo, marco.izquierda, marco.derecha, marco.arriba})
            QCOMPARE(l->parentWidget(), &pantalla);
        QCOMPARE(marco.izquierda->objectName(), QStringLiteral("TilIzq"));
    }

    void AScreenMayBringItsOwnBackground()
    {
        MensajesRegistrados m;
        Enlace e(m);
        e.BmpSuelo = Rotulada(5, 3, 10);
        QWidget pantalla;
        auto *activa = new EtiquetaActiva(&pantalla);
        const Marco marco = PonerMarco(&pantalla, e, activa);
        pantalla.show();
        QCOMPARE(marco.fondo, activa);
        QCOMPARE(activa->objectName(), QStringLiteral("degradeini"));
        QCOMPARE(Pixel(activa, 7, 4), e.BmpSuelo.pixel(2, 1));
        QCOMPARE(pantalla.findChildren<QLabel *>().size(), 4);
    }

    void EveryStudyIconIsCompiledIn()
    {
        const QList<QPixmap> iconos = CargarIconosEstudios();
        QCOMPARE(iconos.size(), kNumIconosEstudios);
        for (int k = 0; k < kNumIconosEstudios; ++k)
            QCOMPARE(iconos[k].size(), QSize(30, 30));
        // Icons are told apart by their pictures, not only by their places.
        QVERIFY(iconos[4].toImage() != iconos[5].toImage());
        // A number means one thing on every screen: the place lists' small
        // icon is the picture of the lists' "by place" entries (10), which
        // the certificates' care-of-people family (5) does not share.
        const QImage lugar = IconosPequenos().at(5).toImage();
        QCOMPARE(lugar, iconos[10].scaled(16, 16, Qt::KeepAspectRatio, Qt::SmoothTransformation).toImage());
        QVERIFY(lugar != iconos[5].scaled(16, 16, Qt::KeepAspectRatio, Qt::SmoothTransformation).toImage());
    }
};

QTEST_MAIN(PruebaInterfaz)
#include "interfaz_qtest.moc"
