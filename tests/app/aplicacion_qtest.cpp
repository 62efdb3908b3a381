// An error that nobody caught: inside an event handler the application
// object shows it and goes on; out of the start-up (a screen's constructor)
// the top-level guard shows it and the program ends with status 1. A write
// past the file-size limit is a failed write, not the program's end.
#include "ajustes.h"
#include "aplicacion.h"
#include "enlace.h"
#include "errores.h"
#include "mensajes.h"
#include "tablas.h"

#include <QEvent>
#include <QTemporaryDir>
#include <QTest>
#include <sys/resource.h>

using namespace norvela;

namespace {

// Throws from its event handler what the test asks for.
class Lanzador : public QObject {
public:
    std::function<void()> lanzar;

protected:
    bool event(QEvent *evento) override
    {
        if (evento->type() == QEvent::User && lanzar)
            lanzar();
        return QObject::event(evento);
    }
};

void IndiceFuera()
{
    const TablaTexto tabla(1, 3, 10);
    (void)tabla[5];
}

} // namespace

class PruebaAplicacion : public QObject {
    Q_OBJECT

private slots:
    void AnErrorInAHandlerIsShownAndTheProgramGoesOn()
    {
        auto *app = static_cast<Aplicacion *>(QCoreApplication::instance());
        MensajesRegistrados mensajes;
        app->PonerMensajes(&mensajes);
        Lanzador lanzador;

        lanzador.lanzar = IndiceFuera;
        QEvent evento(QEvent::User);
        QCOMPARE(QCoreApplication::sendEvent(&lanzador, &evento), false);
        QCOMPARE(mensajes.textos, QStringList{"Error inesperado: index 5 outside 1..3"});

        lanzador.lanzar = [] { throw ErrorRango(QStringLiteral("/datos/fp"), 7, QStringLiteral("demasiadas líneas")); };
        QEvent otro(QEvent::User);
        QCoreApplication::sendEvent(&lanzador, &otro);
        QCOMPARE(mensajes.textos.size(), 2);
        QCOMPARE(mensajes.textos[1], QStringLiteral("Error en el fichero /datos/fp, línea 7: demasiadas líneas"));

        // Posted events go through the same guard, and the loop goes on.
        lanzador.lanzar = IndiceFuera;
        QCoreApplication::postEvent(&lanzador, new QEvent(QEvent::User));
        QCoreApplication::processEvents();
        QCOMPARE(mensajes.textos.size(), 3);
        app->PonerMensajes(nullptr);
    }

    void AnErrorDuringStartUpEndsWithItsMessageAndStatus1()
    {
        MensajesRegistrados mensajes;
        QCOMPARE(Protegido(mensajes, [] { return 0; }), 0);
        QCOMPARE(Protegido(mensajes, [] { return 7; }), 7);
        QVERIFY(mensajes.textos.isEmpty());

        // What a screen's constructor may throw: a table index, a data file.
        QCOMPARE(Protegido(mensajes, [] { IndiceFuera(); return 0; }), 1);
        QCOMPARE(mensajes.textos, QStringList{"Error inesperado: index 5 outside 1..3"});
        QCOMPARE(Protegido(mensajes, []() -> int { throw ErrorEntradaSalida(QStringLiteral("/datos/lugar")); }), 1);
        QCOMPARE(mensajes.textos.last(), QStringLiteral("Error en el fichero /datos/lugar: no se puede leer"));
        QCOMPARE(Protegido(mensajes, []() -> int { throw 42; }), 1);
        QCOMPARE(mensajes.textos.last(), QStringLiteral("Error inesperado"));
    }

    // As `ulimit -f` leaves a process: the limit alone, the signal as the
    // program's start sets it. Saving the settings past it fails and is told,
    // and the saved record stays as it was.
    void aWritePastTheFileSizeLimitIsToldLikeAFullDisk()
    {
        MensajesRegistrados mensajes;
        Enlace e(mensajes);
        QTemporaryDir dir;
        e.Almacen = std::make_unique<AlmacenAjustes>(dir.path(), dir.filePath(QStringLiteral("usuario")));
        QVERIFY(GrabarAjustes(e));
        e.IdiomaSel = 3;
        rlimit antes{};
        getrlimit(RLIMIT_FSIZE, &antes);
        const rlimit limite{8, antes.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limite);
        const bool grabado = GrabarAjustes(e);
        setrlimit(RLIMIT_FSIZE, &antes);
        QVERIFY(!grabado);
        QCOMPARE(mensajes.textos, QStringList{"Lo siento. No puedo grabar."});
        QCOMPARE(e.Almacen->Leer(), Ajustes{});
    }
};

int main(int argc, char **argv)
{
    Aplicacion app(argc, argv);
    PruebaAplicacion prueba;
    return QTest::qExec(&prueba, argc, argv);
}

#include "aplicacion_qtest.moc"
