// Every screen as a screen reader meets it, from the program's own start-up,
// in Castilian and in Basque: each door of the main menu and the screens its
// buttons lead to, pressed by the student's hand and walked through the
// accessibility interface after each step; a shown control that others
// cover wholly counts too, as a reader would speak what nobody sees.
#include "catU.h"
#include "certifiU.h"
#include "control_por_nombre.h"
#include "enlace.h"
#include "estadistica.h"
#include "etiquetas.h"
#include "grados.h"
#include "inipro.h"
#include "itinerarios.h"
#include "lugares_fp.h"
#include "mano.h"
#include "medio.h"
#include "panel_efectos.h"
#include "pasarelaFP.h"
#include "pantalla_prueba.h"
#include "principal.h"
#include "programa_prueba.h"
#include "superior.h"
#include "vista_mapa.h"

#include <QAccessible>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <functional>

using namespace norvela;
using namespace norvela::pruebas;

namespace {

using Paso = std::function<void(ProgramaEntregado &)>;

// A control of the degrees screen, by its name.
template <typename T> T *EnGrados(ProgramaEntregado &p, const char *nombre)
{
    return Control<T>(*p.s().Form1, QString::fromLatin1(nombre));
}

struct Recorrido {
    const char *nombre;
    int puerta;   // -1: the main menu itself
    QList<Paso> pasos;
};

// A button of the intermediate-cycle menu, pressed once the helicopter has
// brought it in.
void Volado(QPushButton *boton)
{
    QTRY_VERIFY_WITH_TIMEOUT(Inalcanzable(boton).isEmpty(), 20000);
    Pulsar(boton);
}

const QList<Recorrido> &Recorridos()
{
    static const QList<Recorrido> r = {
        {"main menu and its settings", -1, {[](ProgramaEntregado &p) { Pulsar(Hijo(p.s().form0, "LabelConfig")); }}},
        {"certificates: a family, a sub-group's certificates",
         puerta::Dejar,
         {[](ProgramaEntregado &p) { ClicFila(p.s().Certifica->ListSelFp, 0); },
          [](ProgramaEntregado &p) { SobreFila(p.s().Certifica->ListTitFP, 0); }}},
        {"degrees: a branch's degrees, a degree, its statistics, cut-off marks and weightings",
         Tform0::kPuertaCarreras,
         {[](ProgramaEntregado &p) { Pulsar(EnGrados<QPushButton>(p, "BotMenuGrados")); },
          [](ProgramaEntregado &p) { ClicFila(EnGrados<QListWidget>(p, "Listramas"), 3); },
          [](ProgramaEntregado &p) { ClicFila(EnGrados<QTableWidget>(p, "listgrados"), 1); },
          [](ProgramaEntregado &p) { Pulsar(EnGrados<QPushButton>(p, "BotReq")); },
          [](ProgramaEntregado &p) { Pulsar(EnGrados<QPushButton>(p, "BotUni")); },
          [](ProgramaEntregado &p) { Pulsar(EnGrados<QPushButton>(p, "BotCorte")); },
          [](ProgramaEntregado &p) { Pulsar(Control<QPushButton>(*p.s().Form6, QStringLiteral("Buttoncorte6"))); },
          [](ProgramaEntregado &p) { ClicFila(Control<QTableWidget>(*p.s().Form6, QStringLiteral("L")), 0); },
          [](ProgramaEntregado &p) { Pulsar(Control<QPushButton>(*p.s().Form6, QStringLiteral("BotCerrar3"))); },
          [](ProgramaEntregado &p) { Pulsar(EnGrados<QPushButton>(p, "BotPonde")); },
          [](ProgramaEntregado &p) { Pulsar(Control<QPushButton>(*p.s().Form6, QStringLiteral("Botcerrar4"))); },
          [](ProgramaEntregado &p) { Pulsar(EnGrados<QPushButton>(p, "ButtonRetroN")); },
          [](ProgramaEntregado &p) { Pulsar(EnGrados<QPushButton>(p, "ButtonRetroN")); },
          [](ProgramaEntregado &p) { PosarEn(EnGrados<QPushButton>(p, "BotMenuInfo"), {5, 5}); },
          [](ProgramaEntregado &p) { Pulsar(EnGrados<QPushButton>(p, "ButEstadisticas")); }}},
        {"catalogue: a family, a title's details over the lists",
         Tform0::kPuertaCat,
         {[](ProgramaEntregado &p) { ClicFila(Control<QListWidget>(*p.s().FormCat, QStringLiteral("ListFam")), 0); },
          [](ProgramaEntregado &p) { ClicFila(Control<QListWidget>(*p.s().FormCat, QStringLiteral("ListCat2")), 0); }}},
        {"higher cycles: a title, its statistics, its print selection",
         Tform0::kPuertaFpS,
         {[](ProgramaEntregado &p) { Pulsar(Hijo<QPushButton>(p.s().Form8, "MenuFP1")); },
          [](ProgramaEntregado &p) { ClicFila(Hijo<QListWidget>(p.s().Form8, "ListPreFam"), 0); },
          [](ProgramaEntregado &p) { ClicFila(Hijo<QListWidget>(p.s().Form8, "ListPreFam"), 1); },
          [](ProgramaEntregado &p) { ClicFila(Hijo<QListWidget>(p.s().Form8, "ListTitFP"), 0); },
          [](ProgramaEntregado &p) { Pulsar(Hijo<QPushButton>(p.s().Form8, "MenuFPTitEst")); },
          [](ProgramaEntregado &p) { Pulsar(Hijo<QPushButton>(p.s().Form8, "ButtonEstad1")); },
          [](ProgramaEntregado &p) { Pulsar(p.s().Estadisticas->ButtonRetroEsta); },
          [](ProgramaEntregado &p) { Pulsar(Hijo<QPushButton>(p.s().Form8, "MenuFpTit5")); },
          [](ProgramaEntregado &p) { Clic(Hijo<VistaMapa>(p.s().Form8, "mapa"), Pixel(p.e.MapaComunidades, 4)); }}},
        {"higher cycles: every level's centres of a town",
         Tform0::kPuertaFpS,
         {[](ProgramaEntregado &p) { Pulsar(Hijo<QPushButton>(p.s().Form8, "MenuFP2")); },
          [](ProgramaEntregado &p) { Clic(Hijo<VistaMapa>(p.s().Form8, "mapa"), Pixel(p.e.MapaComunidades, 1)); },
          [](ProgramaEntregado &p) { ClicFila(Hijo<QListWidget>(p.s().Form8, "ListSelLugFP"), Textos(Hijo<QListWidget>(p.s().Form8, "ListSelLugFP"), true).indexOf("Córdoba")); },
          [](ProgramaEntregado &p) { ClicFila(Hijo<QListWidget>(p.s().Form8, "ListSelLugFP"), Textos(Hijo<QListWidget>(p.s().Form8, "ListSelLugFP"), true).indexOf("Cabra")); },
          [](ProgramaEntregado &p) { Pulsar(Hijo<QPushButton>(p.s().Form8, "botTodaFP")); },
          [](ProgramaEntregado &p) { ClicFila(Hijo<QListWidget>(p.s().Form8, "ListSelLugFP"), Textos(Hijo<QListWidget>(p.s().Form8, "ListSelLugFP"), true).indexOf("Cabra")); }}},
        {"itineraries and the education system", Tform0::kPuertaIti,
         {[](ProgramaEntregado &p) { Pulsar(pruebas::Hijo<QPushButton>(p.s().Form2, "BotLOMCE")); }}},
        {"intermediate-cycle questionnaire: an answer, the next page",
         Tform0::kPuertaIti,
         {[](ProgramaEntregado &p) { Pulsar(Control<QPushButton>(*p.s().Form2, QStringLiteral("BotContinuar"))); },
          [](ProgramaEntregado &p) { ClicFila(Hijo<QListWidget>(p.s().Form3, "ListGM"), 0); },
          [](ProgramaEntregado &p) { Pulsar(Hijo<QPushButton>(p.s().Form3, "BitFleGMde")); }}},
        {"degrees: the structure of university studies",
         Tform0::kPuertaCarreras,
         {[](ProgramaEntregado &p) { PosarEn(EnGrados<QPushButton>(p, "BotMenuInfo"), {5, 5}); },
          [](ProgramaEntregado &p) { Pulsar(EnGrados<QPushButton>(p, "botinfo1")); }}},
        {"degrees: universities by region", Tform0::kPuertaCarreras,
         {[](ProgramaEntregado &p) { Pulsar(EnGrados<QPushButton>(p, "BotMenuUni")); },
          [](ProgramaEntregado &p) { Clic(EnGrados<VistaMapa>(p, "mapa"), Pixel(p.e.MapaComunidades, 13)); },
          [](ProgramaEntregado &p) { ClicFila(EnGrados<QListWidget>(p, "ListComunidad"), 1); }}},
        {"degrees: plastic arts by place",
         Tform0::kPuertaCarreras,
         {[](ProgramaEntregado &p) { PosarEn(EnGrados<QPushButton>(p, "BotMenuArtes"), {5, 5}); },
          [](ProgramaEntregado &p) { Pulsar(EnGrados<QPushButton>(p, "BotArtesPlas")); },
          [](ProgramaEntregado &p) { Pulsar(EnGrados<QPushButton>(p, "BotArtesLug")); },
          [](ProgramaEntregado &p) { Clic(EnGrados<VistaMapa>(p, "mapa"), Pixel(p.e.MapaComunidades, 2)); }}},
        {"intermediate cycles: a family's titles",
         Tform0::kPuertaFPM,
         {[](ProgramaEntregado &p) { Volado(Hijo<QPushButton>(p.s().Form3, "botTit2")); },
          [](ProgramaEntregado &p) { ClicFila(Hijo<QListWidget>(p.s().Form3, "ListPreFam"), 1); },
          [](ProgramaEntregado &p) { ClicFila(Hijo<QListWidget>(p.s().Form3, "ListPreFam"), 1); },
          [](ProgramaEntregado &p) { ClicFila(Hijo<QListWidget>(p.s().Form3, "ListTit"), 0); }}},
        {"intermediate cycles: centres by place",
         Tform0::kPuertaFPM,
         {[](ProgramaEntregado &p) { Volado(Hijo<QPushButton>(p.s().Form3, "botLug2")); },
          [](ProgramaEntregado &p) { Clic(Hijo<VistaMapa>(p.s().Form3, "mapa"), Pixel(p.e.MapaComunidades, 6)); },
          [](ProgramaEntregado &p) { ClicFila(Hijo<QListWidget>(p.s().Form3, "ListSelLugFP"), 0); },
          // A list replaces the map: back to it for another community.
          [](ProgramaEntregado &p) { Pulsar(Hijo<QPushButton>(p.s().Form3, "BotRetrocederFP")); },
          [](ProgramaEntregado &p) { Clic(Hijo<VistaMapa>(p.s().Form3, "mapa"), Pixel(p.e.MapaComunidades, 9)); },
          [](ProgramaEntregado &p) { Clic(Hijo<VistaMapa>(p.s().Form3, "mapac"), Pixel(p.e.MapaRegionesC, kComarcaBarcelones)); }}},
        {"basic cycles: a group's families and titles",
         Tform0::kPuertaFPip,
         {[](ProgramaEntregado &p) { ClicFila(Hijo<QListWidget>(p.s().FIniPro, "ListSelFp"), 0); },
          [](ProgramaEntregado &p) { ClicFila(Hijo<QListWidget>(p.s().FIniPro, "ListPreFam"), 0); },
          [](ProgramaEntregado &p) { ClicFila(Hijo<QListWidget>(p.s().FIniPro, "ListTitFP"), 0); }}},
        {"basic cycles: centres by place",
         Tform0::kPuertaFPip,
         {[](ProgramaEntregado &p) { Pulsar(Hijo<QPushButton>(p.s().FIniPro, "BotLug")); },
          [](ProgramaEntregado &p) { Clic(Hijo<VistaMapa>(p.s().FIniPro, "mapa"), Pixel(p.e.MapaComunidades, 6)); },
          [](ProgramaEntregado &p) { ClicFila(Hijo<QListWidget>(p.s().FIniPro, "ListSelLugFP"), 1); }}},
        {"professions", Tform0::kPuertaProfe, {}},
        {"baccalaureate questionnaire", Tform0::kPuertaCuesB, {}},
        {"ESO questionnaire", Tform0::kPuertaCuesE, {}},
        {"assistant", Tform0::kPuertaAsistente, {}},
    };
    return r;
}

} // namespace

class PruebaAccesibilidad : public QObject {
    Q_OBJECT

private slots:
    void EveryScreenSpeaksToScreenReaders_data()
    {
        QTest::addColumn<int>("idioma");
        QTest::newRow("Castilian") << 0;
        QTest::newRow("Basque") << 3;
    }

    void EveryScreenSpeaksToScreenReaders()
    {
        QFETCH(int, idioma);
        QStringList faltas;
        for (const Recorrido &r : Recorridos()) {
            ProgramaEntregado p(QStringLiteral("accesible"), idioma);
            QVERIFY(p.creadas);
            if (r.puerta >= 0)
                p.AbrirPuerta(r.puerta);
            for (int paso = 0; paso <= r.pasos.size(); ++paso) {
                if (paso > 0)
                    r.pasos[paso - 1](p);
                for (QWidget *v : VentanasVisibles())
                    for (const QString &f : Inaudibles(v) + Tapados(v))
                        faltas << QStringLiteral("%1, step %2: %3").arg(QLatin1String(r.nombre)).arg(paso).arg(f);
            }
        }
        faltas.removeDuplicates();
        for (const QString &f : faltas)
            qWarning("%s", qPrintable(f));
        QVERIFY2(faltas.isEmpty(), qPrintable(QStringLiteral("%1 controls or items screen readers cannot speak")
                                                  .arg(faltas.size())));
    }

    void TheMainMenusCaptionsArePressedAsButtons()
    {
        // A screen reader presses a caption of the main menu as it presses a
        // button, and says it on one line: the door opens, the sign leads to
        // the certificates, the settings open.
        struct Caso {
            const char *etiqueta;
            const char *dicho;
            std::function<bool(ProgramaEntregado &)> hecho;
            int idioma = 0;
        };
        // The door opened: once its zoom has played, its screen is the one showing.
        const auto puerta = [](const char *pantalla) {
            return [pantalla](ProgramaEntregado &p) {
                p.reloj.Avanzar(3000);
                const QList<QWidget *> visibles = VentanasVisibles();
                return visibles.size() == 1 && visibles.front()->objectName() == QLatin1String(pantalla);
            };
        };
        const QList<Caso> casos = {
            {"LabelCarreras", "Grados", puerta("TForm1")},
            {"LabelCuesE", "Cuestionario para la ESO", puerta("TForm2")},
            // Broken inside a word and then at the word's own hyphen.
            {"LabelCuesB", "Orientazio-galdetegia Batxilergoa", puerta("TFormCon"), 3},
            {"LabelAsistente", "Asistente", puerta("TForm5")},
            {"ImageDejar", "Quiero dejar de estudiar",
             [](ProgramaEntregado &p) { return p.s().Certifica->isVisible(); }},
            {"LabelConfig", "Configuración Idioma Animación",
             [](ProgramaEntregado &p) { return Hijo(p.s().form0, "panelConfigu")->isVisible(); }},
        };
        for (const Caso &c : casos) {
            ProgramaEntregado p(QStringLiteral("accesible-menu"), c.idioma, {}, true);
            QAccessibleInterface *a = QAccessible::queryAccessibleInterface(Hijo(p.s().form0, c.etiqueta));
            QCOMPARE(a->role(), QAccessible::Button);
            QCOMPARE(a->text(QAccessible::Name), QString::fromUtf8(c.dicho));
            QVERIFY(a->actionInterface() &&
                    a->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
            a->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
            QVERIFY2(c.hecho(p), qPrintable(a->text(QAccessible::Name)));
        }
    }
};

QTEST_MAIN(PruebaAccesibilidad)
#include "accesibilidad_test.moc"
