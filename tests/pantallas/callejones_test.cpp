// No dead ends. The program starts as a student starts it; each door of the
// main menu opens by its own click, and the door's screens are walked at
// random (a fixed seed per door) through what a student can reach: buttons,
// clickable captions, list and grid rows, map regions, the close box. After
// every step: a window of the program is active and on top; a pending
// question (Yes/No, name) is the top window; a visible control leads back
// toward the menu (a back or close button, a back row, a close box that goes
// back, or the menu itself); no error reached the event loop. Every walk ends
// by going back to the menu by those controls. A broken rule prints the path
// that led to it.
#include "ansi.h"
#include "aplicacion.h"
#include "comunidades.h"
#include "aviso.h"
#include "enlace.h"
#include "escritorio_registrado.h"
#include "etiquetas.h"
#include "informes.h"
#include "mano.h"
#include "medio.h"
#include "mensajes_pantalla.h"
#include "pantalla.h"
#include "pantalla_prueba.h"
#include "pantallas.h"
#include "principal.h"
#include "programa_prueba.h"
#include "vista_mapa.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <functional>
#include <map>
#include <memory>
#include <random>
#include <set>

using namespace norvela;
using namespace norvela::pruebas;

namespace {
// Steps per door, the deepest a walk goes before it heads back, and the
// presses the way back may take.
constexpr int kPasosPorPuerta = 200;
constexpr int kProfundidadMinima = 3, kProfundidad = 14;
constexpr int kPulsacionesDeVuelta = 8;
// A door whose walks have met nothing new this many times running is done.
constexpr int kPaseosSinNovedad = 20;
// How long a student waits for an intro to bring its buttons in (ms).
constexpr int kPaciencia = 5000;
// Time enough for any door of the menu to open and its zoom to end (ms).
constexpr int kPuertaAbierta = 3000;
// Presses a student tries on the way back where no back control shows.
constexpr int kPulsacionesACiegas = 2;

// Where students were once stranded: a door's first walks play these paths
// (the keys of their presses from the door's screen) before it goes on at
// random.
const std::map<int, QList<QStringList>> &Caminos()
{
    static const std::map<int, QList<QStringList>> c = {
        // Back from a community's list to the intermediate cycles' map.
        {Tform0::kPuertaFPM, {{QStringLiteral("botLug2"), QStringLiteral("mapa:3"), QStringLiteral("BotRetrocederFP")}}},
    };
    return c;
}

// Windows in the order they were last shown or raised: the last visible one
// is on top, and a window that stays on top is over all the others.
class Pila : public QObject {
public:
    Pila() { qApp->installEventFilter(this); }
    ~Pila() override { qApp->removeEventFilter(this); }

    static bool Cuenta(const QWidget *w)
    {
        const Qt::WindowType t = w->windowType();
        return w->isWindow() && t != Qt::ToolTip && t != Qt::Popup && t != Qt::Desktop;
    }
    static bool FlotaEncima(const QWidget *w) { return w->windowFlags().testFlag(Qt::WindowStaysOnTopHint); }

    // The topmost visible window that does not float above the rest.
    QWidget *Arriba() const
    {
        for (auto i = orden_.crbegin(); i != orden_.crend(); ++i)
            if (*i && (*i)->isVisible() && !FlotaEncima(*i))
                return *i;
        return nullptr;
    }

    // A window over v: one that stays on top and covers part of it, else
    // the topmost other that does not float; none when v is on top.
    QWidget *Encima(const QWidget *v) const
    {
        for (auto i = orden_.crbegin(); i != orden_.crend() && *i != v; ++i)
            if (*i && (*i)->isVisible() && FlotaEncima(*i) && (*i)->frameGeometry().intersects(v->frameGeometry()))
                return *i;
        QWidget *arriba = Arriba();
        return FlotaEncima(v) || arriba == v ? nullptr : arriba;
    }
protected:
    bool eventFilter(QObject *o, QEvent *ev) override
    {
        const QEvent::Type t = ev->type();
        if ((t == QEvent::Show || t == QEvent::ZOrderChange || t == QEvent::Hide) && o->isWidgetType()) {
            auto *w = static_cast<QWidget *>(o);
            if (Cuenta(w)) {
                orden_.removeAll(w);
                orden_.removeAll(nullptr);
                if (t != QEvent::Hide)
                    orden_.append(w);
            }
        }
        return false;
    }

private:
    QList<QPointer<QWidget>> orden_;
};

// The key of a line of the path that is no press: a question's answer, a remark.
const QString kNota = QStringLiteral("nota");

// What a student may do next: press a control, or an item of one.
struct Accion {
    QString clave;    // the control and item, as the paths played first name them
    QString dicho;    // what the path prints
    int atras = 0;    // 0: not a way back; 1 back button, 2 close box, 3 back row (the order they are tried)
    std::function<bool()> hacer;
};

QString Nombre(const QWidget *w)
{
    if (!w->objectName().isEmpty())
        return w->objectName();
    return QString::fromLatin1(w->metaObject()->className());
}

QString Entrecomillado(QString t)
{
    t = t.simplified();
    if (t.size() > 40)
        t = t.left(38) + QStringLiteral("…");
    return QStringLiteral("\"%1\"").arg(t);
}

// The program, its door, and the walk through it.
class Paseo {
public:
    Paseo(int puerta, const QString &nombrePuerta, MensajesRegistrados &errores)
        : puerta_(puerta), nombrePuerta_(nombrePuerta), errores_(errores), azar_(static_cast<unsigned>(1000 + puerta))
    {
        Empezar();
        vigia_.setInterval(5);
        QObject::connect(&vigia_, &QTimer::timeout, [this] { Vigilar(); });
    }

    // Walks the door; the faults found, each with its path.
    void Andar(const QList<QStringList> &caminos)
    {
        int pasos = 0, sinNovedad = 0;
        for (int episodio = 0; pasos < kPasosPorPuerta && faltas.size() < 5 && sinNovedad < kPaseosSinNovedad;
             ++episodio) {
            const size_t conocidos = vistos_.size();
            if (!EnMenu()) {
                Falta(QStringLiteral("the walk did not start at the main menu"));
                return;
            }
            camino_.clear();
            if (!AbrirPuerta(episodio == 0)) {
                if (!Reiniciar())
                    return;
                continue;
            }
            const QStringList *guion = episodio < caminos.size() ? &caminos[episodio] : nullptr;
            const int profundidad =
                guion ? int(guion->size()) : std::uniform_int_distribution<int>(kProfundidadMinima, kProfundidad)(azar_);
            for (int d = 0; d < profundidad && !EnMenu() && !atascado_; ++d, ++pasos) {
                QList<Accion> acciones = Acciones();
                const Accion *elegida = nullptr;
                if (guion) {
                    // The step's control may still be on its way in.
                    QElapsedTimer espera;
                    espera.start();
                    for (; !elegida; QTest::qWait(50)) {
                        acciones = Acciones();
                        for (const Accion &a : acciones)
                            if (a.clave == (*guion)[d])
                                elegida = &a;
                        if (espera.elapsed() > kPaciencia)
                            break;
                    }
                    if (!elegida) {
                        Falta(QStringLiteral("path played first"), QStringLiteral("%1 is not there").arg((*guion)[d]));
                        break;
                    }
                } else {
                    elegida = Elegir(acciones);
                }
                if (!elegida)
                    break;
                Hacer(*elegida);
                // Nothing visible leads back: the way back is tried from here.
                if (!atascado_ && !EsperarVuelta())
                    break;
            }
            pasos += Volver();
            sinNovedad = vistos_.size() > conocidos ? 0 : sinNovedad + 1;
            if (atascado_ && !Reiniciar())
                return;
        }
    }

    // Each broken rule with the path to it.
    QStringList faltas;

private:
    bool EnMenu() const { return menu_->isVisible() && QApplication::activeWindow() == menu_; }

    // The door's caption clicked on the menu, the door and the zoom played
    // on the test's clock; on the first walk, the close box is tried while
    // the door opens, which asks whether to leave.
    bool AbrirPuerta(bool cerrarMientras)
    {
        Tform0 &m = *menu_;
        const char *etiquetas[12] = {"LabelDejar", "LabelCarreras", "LabelCat",  "LabelFpS",
                                     "LabelIti",   "LabelFPM",      "LabelFPip", "LabelProfe",
                                     "LabelCuesB", "LabelCuesE",    nullptr,     "LabelAsistente"};
        auto *etiqueta = Hijo<EtiquetaActiva>(menu_, etiquetas[puerta_]);
        Anotar(QStringLiteral("menu:%1").arg(puerta_), QStringLiteral("click the door %1").arg(Entrecomillado(etiqueta->text())));
        if (!Paso([&] { return Pulsar(etiqueta); }))
            return false;
        // The door half open.
        p_->reloj.Avanzar(200);
        if (cerrarMientras && m.AbriendoPuerta()) {
            Anotar(QStringLiteral("menu:cierre"), QStringLiteral("the menu's close box while the door opens"));
            // The clock goes on while the question is up (see Vigilar): a
            // door that went on meanwhile would open its screen over it.
            Paso([&] { return Cerrar(&m); });
        }
        p_->reloj.Avanzar(kPuertaAbierta);
        Asentar();
        Comprobar();
        return !atascado_;
    }

    // Everything a student can reach now, in every visible window of the
    // program: the top window's first.
    QList<Accion> Acciones()
    {
        QList<Accion> acciones;
        QList<QWidget *> ventanas;
        if (QWidget *arriba = pila_.Arriba())
            ventanas << arriba;
        for (QWidget *v : VentanasVisibles())
            if (!ventanas.contains(v) && Pila::Cuenta(v))
                ventanas << v;
        for (QWidget *v : ventanas) {
            for (QWidget *w : v->findChildren<QWidget *>())
                if (w->isVisible() && w->window() == v)
                    Controles(w, acciones);
            if (v->windowHandle() && CierreInalcanzable(v).isEmpty()) {
                const auto *pantalla = qobject_cast<const Pantalla *>(v);
                const bool vuelve = pantalla && pantalla->Cierre() != CierreVentana::PreguntarYTerminar;
                acciones << Accion{QStringLiteral("cierre:%1").arg(Nombre(v)),
                                   QStringLiteral("the close box of %1").arg(Nombre(v)), vuelve ? 2 : 0,
                                   [v] { return Cerrar(v); }};
            }
        }
        return acciones;
    }

    bool EsAtras(const QString &texto) const { return textosAtras_.contains(texto.simplified().toLower()); }

    // The presses control w offers, if a student can reach it.
    void Controles(QWidget *w, QList<Accion> &acciones)
    {
        if (auto *lista = qobject_cast<QListWidget *>(w)) {
            for (int fila : Muestra(lista->count())) {
                QListWidgetItem *item = lista->item(fila);
                if (item->isHidden() || !(item->flags() & Qt::ItemIsEnabled) || !FilaAlcanzable(lista, item))
                    continue;
                acciones << Accion{QStringLiteral("%1:%2").arg(Nombre(w)).arg(fila),
                                   QStringLiteral("row %1 %2 of %3").arg(fila).arg(Entrecomillado(item->text()), Nombre(w)),
                                   EsAtras(item->text()) ? 3 : 0, [lista, fila] { return ClicFilaAlcanzable(lista, fila); }};
            }
            return;
        }
        if (auto *rejilla = qobject_cast<QTableWidget *>(w)) {
            for (int fila : Muestra(rejilla->rowCount())) {
                if (!rejilla->item(fila, 0) || rejilla->isRowHidden(fila) || !FilaAlcanzable(rejilla, rejilla->item(fila, 0)))
                    continue;
                const QString texto = Entrecomillado(rejilla->item(fila, 0)->text());
                acciones << Accion{QStringLiteral("%1:%2").arg(Nombre(w)).arg(fila),
                                   QStringLiteral("row %1 %2 of %3").arg(fila).arg(texto, Nombre(w)), 0,
                                   [rejilla, fila] { return ClicCelda(rejilla, fila, false); }};
                acciones << Accion{QStringLiteral("%1:%2:doble").arg(Nombre(w)).arg(fila),
                                   QStringLiteral("double click on row %1 %2 of %3").arg(fila).arg(texto, Nombre(w)), 0,
                                   [rejilla, fila] { return ClicCelda(rejilla, fila, true); }};
            }
            return;
        }
        if (auto *mapa = qobject_cast<VistaMapa *>(w)) {
            const MapaBytes *bytes = MapaDe(mapa);
            for (const auto &[region, pixel] : Regiones(bytes)) {
                const QPoint punto = mapa->PuntoDe(pixel.x(), pixel.y());
                if (!Inalcanzable(mapa, punto).isEmpty())
                    continue;
                const QString nombre = bytes == &p_->e.MapaComunidades
                                           ? QStringLiteral(" ") + Entrecomillado(DesdeAnsi(NombreComunidad(p_->e, region)))
                                           : QString();
                acciones << Accion{QStringLiteral("%1:%2").arg(Nombre(w)).arg(region),
                                   QStringLiteral("region %1%2 of the map %3").arg(region).arg(nombre, Nombre(w)), 0,
                                   [mapa, punto] { return ClicEn(mapa, punto); }};
            }
            return;
        }
        // A list's own area is pressed by its rows.
        if (const auto *area = qobject_cast<const QAbstractScrollArea *>(w->parentWidget()); area && area->viewport() == w)
            return;
        if (!Inalcanzable(w).isEmpty())
            return;
        if (auto *combo = qobject_cast<QComboBox *>(w)) {
            acciones << Accion{Nombre(w) + QStringLiteral(":abajo"), QStringLiteral("the next choice of %1").arg(Nombre(w)),
                               0, [combo] { return ElegirEn(combo, (combo->currentIndex() + 1) % combo->count()); }};
        } else if (auto *edicion = qobject_cast<QLineEdit *>(w)) {
            if (!edicion->isReadOnly())
                acciones << Accion{Nombre(w) + QStringLiteral(":teclea"), QStringLiteral("typing in %1").arg(Nombre(w)), 0,
                                   [edicion] { return Teclear(edicion, QStringLiteral("med")) && Tecla(edicion, Qt::Key_Return); }};
        } else if (auto *boton = qobject_cast<QAbstractButton *>(w)) {
            acciones << Accion{Nombre(w), QStringLiteral("press %1 (%2)").arg(Entrecomillado(boton->text()), Nombre(w)),
                               EsAtras(boton->text()) ? 1 : 0, [boton] { return Pulsar(boton); }};
        } else if (qobject_cast<EtiquetaActiva *>(w) || w->cursor().shape() == Qt::PointingHandCursor) {
            const auto *etiqueta = qobject_cast<QLabel *>(w);
            const QString texto = etiqueta ? etiqueta->text() : w->accessibleName();
            acciones << Accion{Nombre(w), QStringLiteral("click %1 (%2)").arg(Entrecomillado(texto), Nombre(w)),
                               EsAtras(texto) ? 1 : 0, [w] { return Pulsar(w); }};
        }
    }

    // The rows tried in a list of n: the first three, the last, and three
    // at random.
    QList<int> Muestra(int n)
    {
        QList<int> filas;
        for (int i = 0; i < std::min(n, 3); ++i)
            filas << i;
        if (n > 3)
            filas << n - 1;
        for (int i = 0; i < 3 && n > 4; ++i) {
            const int f = std::uniform_int_distribution<int>(3, n - 2)(azar_);
            if (!filas.contains(f))
                filas << f;
        }
        return filas;
    }

    // Whether a student reaches a row: where it shows, or, scrolled to, where
    // the view shows its rows.
    template <typename Vista, typename Item> static bool FilaAlcanzable(Vista *vista, Item *item)
    {
        const QRect r = vista->visualItemRect(item);
        const QPoint punto = vista->viewport()->rect().contains(r.center()) ? r.center() : vista->viewport()->rect().center();
        return Inalcanzable(vista->viewport(), punto).isEmpty();
    }

    static bool ClicFilaAlcanzable(QListWidget *lista, int fila)
    {
        if (fila >= lista->count())
            return false;
        lista->scrollToItem(lista->item(fila));
        const QPoint punto = lista->visualItemRect(lista->item(fila)).center();
        return Inalcanzable(lista->viewport(), punto).isEmpty() && ClicEn(lista->viewport(), punto);
    }

    static bool ClicCelda(QTableWidget *rejilla, int fila, bool doble)
    {
        if (fila >= rejilla->rowCount() || !rejilla->item(fila, 0))
            return false;
        rejilla->scrollToItem(rejilla->item(fila, 0));
        const QPoint punto = rejilla->visualItemRect(rejilla->item(fila, 0)).center();
        if (!Inalcanzable(rejilla->viewport(), punto).isEmpty())
            return false;
        return doble ? DobleClicEn(rejilla->viewport(), punto) : ClicEn(rejilla->viewport(), punto);
    }

    // The detail maps of Catalonia's districts and Madrid's zones, and the
    // communities on every other map.
    const MapaBytes *MapaDe(const VistaMapa *mapa) const
    {
        const QString nombre = mapa->objectName();
        return nombre == QLatin1String("mapac")   ? &p_->e.MapaRegionesC
               : nombre == QLatin1String("mapam") ? &p_->e.MapaRegionesM
                                                  : &p_->e.MapaComunidades;
    }

    // A pixel well inside each region of a map: the first whose eight
    // neighbours are of the same region.
    std::map<int, QPoint> Regiones(const MapaBytes *bytes)
    {
        auto [donde, nuevo] = regiones_.try_emplace(bytes);
        std::map<int, QPoint> &r = donde->second;
        for (int x = 2; nuevo && x < bytes->Ancho() - 1; ++x)
            for (int y = 2; y < bytes->Alto() - 1; ++y) {
                const int v = bytes->Valor(x, y);
                bool dentro = v > 0 && !r.count(v);
                for (int dx = -1; dx <= 1 && dentro; ++dx)
                    for (int dy = -1; dy <= 1 && dentro; ++dy)
                        dentro = bytes->Valor(x + dx, y + dy) == v;
                if (dentro)
                    r[v] = QPoint(x, y);
            }
        return r;
    }

    const Accion *Elegir(const QList<Accion> &acciones)
    {
        // The way back is taken one time in four: the walk goes deeper.
        QList<const Accion *> adelante;
        for (const Accion &a : acciones)
            if (a.atras == 0)
                adelante << &a;
        const bool atras = adelante.isEmpty() || std::uniform_int_distribution<int>(0, 3)(azar_) == 0;
        QList<const Accion *> posibles;
        for (const Accion &a : acciones)
            if (atras || a.atras == 0)
                posibles << &a;
        if (posibles.isEmpty())
            return nullptr;
        // A control first, then one of its items: a long list weighs no more
        // than a button.
        QStringList controles;
        for (const Accion *a : posibles) {
            const QString control = a->clave.section(QLatin1Char(':'), 0, a->clave.startsWith(QLatin1String("cierre:")) ? 1 : 0);
            if (!controles.contains(control))
                controles << control;
        }
        const QString control = controles[std::uniform_int_distribution<int>(0, int(controles.size()) - 1)(azar_)];
        QList<const Accion *> suyas;
        for (const Accion *a : posibles)
            if (a->clave == control || a->clave.startsWith(control + QLatin1Char(':')))
                suyas << a;
        return suyas[std::uniform_int_distribution<int>(0, int(suyas.size()) - 1)(azar_)];
    }

    void Anotar(const QString &clave, const QString &dicho)
    {
        camino_ << qMakePair(clave, dicho);
    }

    // Presses, lets the program settle, and checks the rules.
    void Hacer(const Accion &a)
    {
        Anotar(a.clave, a.dicho);
        Paso(a.hacer);
        Comprobar();
        // What the student sees now, by the controls on offer.
        QStringList controles;
        for (const Accion &b : Acciones())
            controles << b.clave.section(QLatin1Char(':'), 0, 0);
        controles.removeDuplicates();
        vistos_.insert(controles.join(QLatin1Char(' ')));
    }

    bool Paso(const std::function<bool()> &hacer)
    {
        vigia_.start();
        bool hecho = false;
        try {
            hecho = hacer();
        } catch (const std::exception &error) {
            Falta(QStringLiteral("an error reached the event loop: %1").arg(QString::fromUtf8(error.what())));
        }
        Asentar();
        // A question still open when the press returned is answered too.
        for (int i = 0; i < 100 && QApplication::activeModalWidget(); ++i)
            QTest::qWait(5);
        vigia_.stop();
        return hecho;
    }

    // The program's posted work done; and, as a window manager does, the
    // top window takes the focus when the active one went (the offscreen
    // windows have no manager to do it).
    void Asentar()
    {
        p_->reloj.Avanzar(50);   // the moment a student takes over each press
        for (int i = 0; i < 3; ++i)
            QCoreApplication::processEvents();
        const auto sinActiva = [] {
            const QWidget *activa = QApplication::activeWindow();
            return (!activa || !activa->isVisible()) && !QApplication::activeModalWidget();
        };
        for (int i = 0; i < 10 && sinActiva(); ++i) {
            if (QWidget *arriba = pila_.Arriba())
                arriba->activateWindow();
            QTest::qWait(1);
        }
    }

    // While the press runs: an open question must be the top window; it is
    // answered once it has stood a moment (and the door being opened behind
    // it has had its time): No to leaving, a name and Yes to a name, Cancel
    // to Qt's own dialogs.
    void Vigilar()
    {
        QWidget *pregunta = QApplication::activeModalWidget();
        if (!pregunta || respondiendo_)
            return;
        if (pregunta != pendiente_) {
            pendiente_ = pregunta;
            reloj_.start();
        }
        if (QWidget *arriba = pila_.Encima(pregunta); arriba && !tapada_) {
            tapada_ = true;
            Falta(QStringLiteral("question on top"),
                  QStringLiteral("the question %1 is under %2")
                      .arg(Entrecomillado(TextoPregunta(pregunta)), arriba ? Nombre(arriba) : QStringLiteral("nothing")));
        }
        // A door opening behind it has its time to come over it: the test's
        // clock goes on by more than the door and its zoom take.
        if (reloj_.elapsed() < 20 || (menu_->AbriendoPuerta() && reloj_.elapsed() < 500)) {
            if (menu_->AbriendoPuerta())
                p_->reloj.Avanzar(kPuertaAbierta / 10);
            return;
        }
        respondiendo_ = true;
        Responder(pregunta);
        respondiendo_ = false;
        pendiente_ = nullptr;
        tapada_ = false;
    }

    static QString TextoPregunta(QWidget *pregunta)
    {
        if (auto *caja = qobject_cast<QMessageBox *>(pregunta))
            return caja->text();
        if (auto *dialogo = qobject_cast<TForm4 *>(pregunta))
            return dialogo->LabelNombre->text();
        return pregunta->windowTitle();
    }

    void Responder(QWidget *pregunta)
    {
        Anotar(kNota, QStringLiteral("answer %1").arg(Entrecomillado(TextoPregunta(pregunta))));
        if (auto *dialogo = qobject_cast<TForm4 *>(pregunta)) {
            if (dialogo->EditNombre->isVisible()) {
                Teclear(dialogo->EditNombre, QStringLiteral("Ana"));
                Pulsar(dialogo->ShadowSi);
            } else {
                Pulsar(dialogo->ShadowNo);
            }
            return;
        }
        if (auto *caja = qobject_cast<QMessageBox *>(pregunta)) {
            QAbstractButton *boton = caja->button(QMessageBox::No);
            Pulsar(boton ? boton : caja->button(QMessageBox::Ok));
            return;
        }
        for (auto *botones : pregunta->findChildren<QDialogButtonBox *>())
            if (QPushButton *cancelar = botones->button(QDialogButtonBox::Cancel)) {
                Pulsar(cancelar);
                return;
            }
        Falta(QStringLiteral("question answered"), QStringLiteral("the window %1 cannot be answered").arg(Nombre(pregunta)));
        pregunta->close();
    }

    // The rules, once the program has settled after a press.
    void Comprobar()
    {
        if (!errores_.textos.isEmpty()) {
            Falta(QStringLiteral("no error"), QStringLiteral("an error reached the event loop: %1").arg(errores_.textos.join(" / ")));
            errores_.textos.clear();
        }
        if (p_->e.ErrorFicheros) {
            Falta(QStringLiteral("still running"), QStringLiteral("the program ended"));
            return;
        }
        QWidget *activa = QApplication::activeWindow();
        QWidget *arriba = pila_.Arriba();
        if (!activa || !activa->isVisible()) {
            QStringList visibles;
            for (QWidget *v : VentanasVisibles())
                visibles << Nombre(v);
            Falta(QStringLiteral("active window"),
                  QStringLiteral("no window of the program is active (showing: %1)").arg(visibles.join(", ")));
            return;
        }
        if (activa != arriba && !Pila::FlotaEncima(activa)) {
            Falta(QStringLiteral("active window on top"),
                  QStringLiteral("the active window %1 is under %2").arg(Nombre(activa), arriba ? Nombre(arriba) : QString()));
            return;
        }
    }

    // Whether a back control shows, after the wait a student gives an intro
    // or an animation that may bring one in: until one shows, the window has
    // stood still for 0.2 s, or a few seconds have passed.
    bool EsperarVuelta()
    {
        QElapsedTimer espera;
        espera.start();
        QImage antes;
        QElapsedTimer quieta;
        quieta.start();
        while (!HayVuelta() && espera.elapsed() < kPaciencia) {
            QWidget *v = QApplication::activeWindow();
            const QImage ahora = v ? v->grab().toImage() : QImage();
            if (ahora != antes) {
                antes = ahora;
                quieta.restart();
            } else if (quieta.elapsed() >= 200) {
                return false;
            }
            QTest::qWait(50);
            p_->reloj.Avanzar(50);
        }
        return HayVuelta();
    }

    bool HayVuelta()
    {
        if (EnMenu())
            return true;
        for (const Accion &a : Acciones())
            if (a.atras > 0)
                return true;
        return false;
    }

    // Back toward the menu by back buttons, close boxes that go back and
    // back rows, each step checked; where none shows, a student tries what
    // there is, twice at most. The presses it took.
    int Volver()
    {
        int pulsaciones = 0, aCiegas = 0;
        QString visibles;
        for (; !EnMenu() && !atascado_ && pulsaciones < kPulsacionesDeVuelta; ++pulsaciones) {
            if (aCiegas > 0)
                EsperarVuelta();
            const QList<Accion> acciones = Acciones();
            const Accion *mejor = nullptr;
            QList<Accion> otras;
            for (const Accion &a : acciones) {
                if (a.atras > 0 && (!mejor || a.atras < mejor->atras))
                    mejor = &a;
                if (a.atras == 0 && !a.clave.startsWith(QLatin1String("cierre:")))
                    otras << a;
            }
            if (!mejor) {
                QStringList claves;
                for (const Accion &a : acciones)
                    claves << a.clave.section(QLatin1Char(':'), 0, 0);
                claves.removeDuplicates();
                if (visibles.isEmpty()) {
                    visibles = claves.join(QStringLiteral(", "));
                    Anotar(kNota, QStringLiteral("  (no back control shows; what a student tries:)"));
                }
                if (aCiegas == kPulsacionesACiegas || otras.isEmpty())
                    break;
                ++aCiegas;
                Hacer(otras[std::uniform_int_distribution<int>(0, int(otras.size()) - 1)(azar_)]);
                continue;
            }
            Hacer(*mejor);
        }
        if (!EnMenu() && !atascado_)
            Falta(QStringLiteral("no way back"),
                  visibles.isEmpty() ? QStringLiteral("%1 presses back do not reach the menu").arg(pulsaciones)
                                     : QStringLiteral("nothing visible leads back toward the menu (only %1)").arg(visibles));
        return pulsaciones;
    }

    void Falta(const QString &porque) { Falta(porque, porque); }

    void Falta(const QString &regla, const QString &porque)
    {
        QStringList lineas;
        for (const auto &paso : camino_)
            lineas << QStringLiteral("    %1").arg(paso.second);
        faltas << QStringLiteral("%1 (%2): %3\n%4").arg(nombrePuerta_, regla, porque, lineas.join(QLatin1Char('\n')));
        atascado_ = true;
    }

    // The program started afresh, its menu showing.
    void Empezar()
    {
        p_.reset();
        regiones_.clear();
        p_ = std::make_unique<ProgramaEntregado>(QStringLiteral("callejones"), 0, QString(), true, &cajas_);
        menu_ = p_->s().form0;
        // The menu's animations follow the test's clock, the intermediate
        // cycles' helicopter intro goes at the test's pace; what they bring
        // in comes as it would.
        Hijo<QTimer>(p_->s().Form3, "heli")->setInterval(1);
        Hijo<QTimer>(p_->s().Form3, "piloto")->setInterval(2);
        textosAtras_.clear();
        for (QString t : {p_->e.Texto(82), p_->e.Texto(13), p_->e.Texto(54), p_->e.Texto(222)})
            textosAtras_ << t.remove(QLatin1Char('&')).trimmed().toLower();
        // Printing is answered as the print dialog's Cancel would.
        for (QWidget *w : QApplication::topLevelWidgets())
            if (auto *imprime = dynamic_cast<ImpresionConDialogo *>(w))
                imprime->DialogoImprimir = ResponderConPdf(p_->e, {}, impresos_);
        Asentar();
    }

    // After a fault the walk goes on in the program started afresh.
    bool Reiniciar()
    {
        Empezar();
        atascado_ = false;
        return EnMenu();
    }

    MensajesPantalla cajas_;
    std::unique_ptr<ProgramaEntregado> p_;
    EscritorioRegistrado escritorio_;
    Tform0 *menu_ = nullptr;
    int puerta_;
    QString nombrePuerta_;
    MensajesRegistrados &errores_;
    std::mt19937 azar_;
    Pila pila_;
    QTimer vigia_;
    QPointer<QWidget> pendiente_;
    QElapsedTimer reloj_;
    bool respondiendo_ = false, tapada_ = false, atascado_ = false;
    int impresos_ = 0;
    QStringList textosAtras_;
    QList<QPair<QString, QString>> camino_;
    std::map<const MapaBytes *, std::map<int, QPoint>> regiones_;
    // The views met, by the controls they offer.
    std::set<QString> vistos_;
};

} // namespace

class PruebaCallejones : public QObject {
    Q_OBJECT
public:
    explicit PruebaCallejones(MensajesRegistrados &errores) : errores_(errores) {}

private slots:
    void initTestCase()
    {
        // What the offscreen windows cannot do is no news here.
        static QtMessageHandler previo = nullptr;
        previo = qInstallMessageHandler([](QtMsgType tipo, const QMessageLogContext &donde, const QString &texto) {
            if (!texto.startsWith(QLatin1String("This plugin does not support")))
                previo(tipo, donde, texto);
        });
    }

    void everyDoorsScreensLeadBackToTheMenu_data()
    {
        QTest::addColumn<int>("puerta");
        QTest::newRow("sign: certificates") << 0;
        QTest::newRow("degrees") << Tform0::kPuertaCarreras;
        QTest::newRow("catalogue") << Tform0::kPuertaCat;
        QTest::newRow("higher cycles") << Tform0::kPuertaFpS;
        QTest::newRow("itineraries") << Tform0::kPuertaIti;
        QTest::newRow("intermediate cycles") << Tform0::kPuertaFPM;
        QTest::newRow("basic cycles") << Tform0::kPuertaFPip;
        QTest::newRow("professions") << Tform0::kPuertaProfe;
        QTest::newRow("baccalaureate questionnaire") << Tform0::kPuertaCuesB;
        QTest::newRow("ESO questionnaire") << Tform0::kPuertaCuesE;
        QTest::newRow("assistant") << Tform0::kPuertaAsistente;
    }

    void everyDoorsScreensLeadBackToTheMenu()
    {
        QFETCH(int, puerta);
        // The first walk tries the menu's close box while the door opens.
        QList<QStringList> caminos = {{}};
        if (const auto c = Caminos().find(puerta); c != Caminos().end())
            caminos << c->second;
        Paseo paseo(puerta, QString::fromLatin1(QTest::currentDataTag()), errores_);
        paseo.Andar(caminos);
        for (const QString &f : paseo.faltas)
            qWarning("%s", qPrintable(f));
        QVERIFY2(paseo.faltas.isEmpty(),
                 qPrintable(QStringLiteral("%1 dead ends or broken rules").arg(paseo.faltas.size())));
    }

private:
    MensajesRegistrados &errores_;
};

// The program's own application object, which shows an error that escapes
// an event handler: here it records it for the walk to find.
int main(int argc, char **argv)
{
    Aplicacion app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    MensajesRegistrados errores;
    app.PonerMensajes(&errores);
    PruebaCallejones prueba(errores);
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&prueba, argc, argv);
}

#include "callejones_test.moc"
