// An installed copy under a prefix the user cannot write: the program starts
// from it and its settings panel saves the record in the user's configuration
// folder. Run by instalacion.sh on the copy it installed (NORVELA_INSTALADA).
#include "arranque.h"
#include "control_por_nombre.h"
#include "enlace.h"
#include "mano.h"
#include "mensajes.h"
#include "etiquetas.h"
#include "principal.h"

#include <QDir>
#include <QFile>
#include <QRadioButton>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>

using namespace norvela;

class CopiaInstalada : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QCoreApplication::setApplicationName(QStringLiteral("norvela")); }

    void SavesItsSettingsInTheUserFolder()
    {
        const QString programa = qEnvironmentVariable("NORVELA_INSTALADA");
        QVERIFY2(QFileInfo(programa + "/norvela19_20").isDir(), qPrintable(programa));
        MensajesRegistrados m;
        Enlace e(m);
        OpcionesInicio o;
        o.rutaPrograma = programa;
        o.carpetaUsuario = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
        Inicializar(e, o);
        QVERIFY2(!e.ErrorFicheros, qPrintable(m.textos.join('\n')));
        Arranque arranque(e, nullptr, [](int) {});
        QVERIFY(arranque.CrearPantallas());
        Tform0 &menu = *arranque.pantallas.form0;
        menu.show();
        QVERIFY(QTest::qWaitForWindowActive(&menu));
        QVERIFY(pruebas::Pulsar(pruebas::Control<EtiquetaActiva>(menu, QStringLiteral("LabelConfig"))));
        QVERIFY(pruebas::Pulsar(pruebas::Control<QRadioButton>(menu, QStringLiteral("gal"))));
        QVERIFY(pruebas::Pulsar(pruebas::Control<QPushButton>(menu, QStringLiteral("ButtonGrabar"))));
        // The notice that the change applies on the next start, and no failure.
        QVERIFY2(!m.textos.join('\n').contains(QStringLiteral("No puedo grabar")), qPrintable(m.textos.join('\n')));
        QFile registro(o.carpetaUsuario + "/ajustes");
        QVERIFY2(registro.open(QIODevice::ReadOnly), qPrintable(registro.fileName()));
        QVERIFY(registro.readAll().startsWith("idioma=2\r\n"));
        QVERIFY(!QFile::exists(programa + "/norvela19_20/ajustes"));
        e.ErrorFicheros = true;
    }
};

QTEST_MAIN(CopiaInstalada)
#include "instalada_qtest.moc"
