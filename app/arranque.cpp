#include "arranque.h"

#include "abrir_enlace.h"

#include "asistente.h"
#include "animacion.h"
#include "aviso.h"
#include "bienvenidaU.h"
#include "catU.h"
#include "certifiU.h"
#include "enlace.h"
#include "est_grados.h"
#include "estadistica.h"
#include "formconsejo.h"
#include "formlomce.h"
#include "grados.h"
#include "inipro.h"
#include "itinerarios.h"
#include "MapaEstrellas.h"
#include "medio.h"
#include "pasarelaFP.h"
#include "principal.h"
#include "profeU.h"
#include "superior.h"
#include "transiciones_paneles.h"
#include "validacion.h"

#include <concepts>
#include <memory>
#include <utility>

namespace norvela {

namespace {

// A screen whose data step returns data of its own, which it is built on.
template <typename T>
concept ConDatosPropios = requires(Enlace &e) {
    { T::PrepararDatos(e) } -> std::move_constructible;
};

// What a screen's data step hands to the screen: nothing, or its own data.
struct SinDatosPropios {};
template <typename T> struct DatosDe {
    using Tipo = SinDatosPropios;
};
template <ConDatosPropios T> struct DatosDe<T> {
    using Tipo = decltype(T::PrepararDatos(std::declval<Enlace &>()));
};

// A screen's data step: its files read and the shared state it starts.
template <typename T> typename DatosDe<T>::Tipo PrepararDatos(Enlace &e)
{
    if constexpr (ConDatosPropios<T>) {
        return T::PrepararDatos(e);
    } else {
        if constexpr (requires { T::PrepararDatos(e); })
            T::PrepararDatos(e);
        return SinDatosPropios{};
    }
}

// Its controls, built on what its data step handed over.
template <typename T> T *Nueva(Enlace &e, PantallasCreadas &p, typename DatosDe<T>::Tipo datos)
{
    if constexpr (ConDatosPropios<T>)
        return new T(e, p, std::move(datos));
    else if constexpr (std::is_constructible_v<T, Enlace &, PantallasCreadas &>)
        return new T(e, p);
    else
        return new T(e);
}

} // namespace

Arranque::Arranque(Enlace &enlace, std::function<void(const QString &)> traza, std::function<void(int)> pausa)
    : enlace_(enlace), traza_(std::move(traza)), pausa_(std::move(pausa))
{
    AvisarEnlacesFallidosCon(&enlace_.Avisos());
}

Arranque::~Arranque()
{
    while (!creadas_.empty())
        creadas_.pop_back();
    delete bienvenida_.data();
    AvisarEnlacesFallidosCon(nullptr);
}

template <typename T> void Arranque::Crear(T *&destino, const char *nombre)
{
    T *pantalla = Nueva<T>(enlace_, pantallas, PrepararDatos<T>(enlace_));
    creadas_.emplace_back(pantalla);
    destino = pantalla;
    if (traza_)
        traza_(QString::fromLatin1(nombre));
}

template <typename T>
void Arranque::Preparar(Perezosa<T> &destino, const char *nombre, std::function<void(T &)> enlazar)
{
    // Kept until the screen is built; std::function wants a copyable call.
    auto datos = std::make_shared<typename DatosDe<T>::Tipo>(PrepararDatos<T>(enlace_));
    destino.Preparar([this, datos, enlazar = std::move(enlazar)] {
        T *pantalla = Nueva<T>(enlace_, pantallas, std::move(*datos));
        creadas_.emplace_back(pantalla);
        if (enlazar)
            enlazar(*pantalla);
        return pantalla;
    });
    if (traza_)
        traza_(QString::fromLatin1(nombre));
}

bool Arranque::SeguirSinErrores()
{
    return !enlace_.ErrorFicheros;
}

void Arranque::Progreso(int posicion)
{
    pantallas.Bienvenida->Avanzar(posicion);
    if (traza_)
        traza_(QString::number(posicion));
}

bool Arranque::CrearPantallas()
{
    if (!SeguirSinErrores())
        return false;
    auto *bienvenida = new TBienvenida();
    bienvenida_ = bienvenida;
    pantallas.Bienvenida = bienvenida;
    bienvenida->show();
    bienvenida->Avanzar(5);
    if (traza_)
        traza_(QStringLiteral("TBienvenida"));

    if (enlace_.ModoAnimado) {
        Crear(pantallas.form9, "Tform9");
        if (!pantallas.form9->EscenaLeida()) {
            // Without its pictures the scene cannot be home: the classic main
            // menu is, as when the animation is off.
            creadas_.pop_back();
            pantallas.form9 = nullptr;
            enlace_.ModoAnimado = false;
        } else {
            // The scene is the first screen to appear: the welcome window goes then.
            QObject::connect(pantallas.form9, &Tform9::aparecida, bienvenida, [this] {
                // It deletes itself once closed: nobody may reach it afterwards.
                if (TBienvenida *b = pantallas.Bienvenida) {
                    pantallas.Bienvenida = nullptr;
                    b->close();
                }
            });
        }
    }
    Crear(pantallas.form0, "Tform0");
    pantallas.AbrirPuerta = [menu = pantallas.form0](int codigo) { menu->AbrirDestinoPuerta(codigo); };

    Progreso(10);
    pausa_(1000);
    PantallasCreadas &p = pantallas;
    // The panel effects every screen uses; the degrees screen runs its own
    // transitions with them too.
    transiciones_ = std::make_unique<TransicionesPaneles>();
    p.Transiciones = transiciones_.get();
    Preparar(p.Form6, "TForm6");
    Preparar(p.Estadisticas, "TEstadisticas");
    Preparar(p.FormEstGra, "TFormEstGra");
    Preparar(p.Form7, "TForm7");
    if (!SeguirSinErrores())
        return false;

    Progreso(20);
    // The region-map window follows the degrees screen's views.
    Preparar<TForm1>(p.Form1, "TForm1", [&p](TForm1 &grados) { grados.ConectarMapa(*p.Form7); });
    Preparar(p.Form8, "TForm8");
    // The degrees and higher-cycle screens load most data files: their
    // cross-file rules are checked before any screen reads them.
    if (!SeguirSinErrores() || !ValidarDatos(enlace_))
        return false;

    Progreso(30);
    Preparar(p.FormCon, "TFormCon");
    Preparar<TForm2>(p.Form2, "TForm2", [&p](TForm2 &itinerarios) {
        itinerarios.MostrarFPMedio = [&p] { p.Form3->Mostrar(); };
    });
    if (!SeguirSinErrores())
        return false;

    Progreso(40);
    Preparar<TForm5>(p.Form5, "TForm5", [&p](TForm5 &asistente) {
        asistente.AbrirGrados = [&p] {
            p.Form1->botinformacionClick();
            p.Form1->Mostrar();
        };
        asistente.AbrirFPSuperior = [&p] { p.Form8->MostrarInicio(false); };
        asistente.AbrirFPMedio = [&p] { p.Form3->MostrarConHelicoptero(); };
        asistente.AbrirFPBasica = [&p] { p.FIniPro->AbrirPorTitulo(); };
    });
    Progreso(50);
    Preparar<TForm3>(p.Form3, "TForm3", [&p](TForm3 &medio) {
        medio.MostrarItinerarios = [&p] { p.Form2->Mostrar(); };
    });
    Progreso(60);
    Crear(p.Form4, "TForm4");
    Progreso(70);
    Preparar(p.FIniPro, "TFIniPro");
    if (!SeguirSinErrores())
        return false;

    Progreso(80);
    pausa_(1000);
    Preparar(p.Certifica, "TCertifica");
    if (!SeguirSinErrores())
        return false;

    Progreso(90);
    Preparar(p.profe, "Tprofe");
    if (!SeguirSinErrores())
        return false;

    Progreso(100);
    Preparar(p.FormCat, "TFormCat");
    Preparar(p.Flomce, "TFlomce");
    // Again with every file loaded.
    return SeguirSinErrores() && ValidarDatos(enlace_);
}

QWidget *Arranque::VentanaPrincipal() const
{
    if (pantallas.form9)
        return pantallas.form9;
    return pantallas.form0;
}

} // namespace norvela
