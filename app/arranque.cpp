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
#include "validacion.h"

#include <concepts>

namespace norvela {

namespace {

// A screen whose data step returns data of its own, which it is built on.
template <typename T>
concept ConDatosPropios = requires(Enlace &e) {
    { T::PrepararDatos(e) } -> std::move_constructible;
};

// A screen's data (its files read, the shared state it starts) come first,
// then its controls, which only read them.
template <typename T> T *Nueva(Enlace &e, PantallasCreadas &p)
{
    if constexpr (ConDatosPropios<T>) {
        return new T(e, p, T::PrepararDatos(e));
    } else {
        if constexpr (requires { T::PrepararDatos(e); })
            T::PrepararDatos(e);
        if constexpr (std::is_constructible_v<T, Enlace &, PantallasCreadas &>)
            return new T(e, p);
        else
            return new T(e);
    }
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
    T *pantalla = Nueva<T>(enlace_, pantallas);
    creadas_.emplace_back(pantalla);
    destino = pantalla;
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
    Crear(pantallas.Form6, "TForm6");
    Crear(pantallas.Estadisticas, "TEstadisticas");
    Crear(pantallas.FormEstGra, "TFormEstGra");
    Crear(pantallas.Form7, "TForm7");
    if (!SeguirSinErrores())
        return false;

    Progreso(20);
    Crear(pantallas.Form1, "TForm1");
    pantallas.Transiciones = pantallas.Form1->Transiciones();
    // The region-map window follows the degrees screen's views.
    if (TForm7 *mapa = pantallas.Form7)
        pantallas.Form1->ConectarMapa(*mapa);
    Crear(pantallas.Form8, "TForm8");
    // The degrees and higher-cycle screens load most data files: their
    // cross-file rules are checked before any screen reads them.
    if (!SeguirSinErrores() || !ValidarDatos(enlace_))
        return false;

    Progreso(30);
    Crear(pantallas.FormCon, "TFormCon");
    Crear(pantallas.Form2, "TForm2");
    if (!SeguirSinErrores())
        return false;

    Progreso(40);
    Crear(pantallas.Form5, "TForm5");
    pantallas.Form5->AbrirGrados = [grados = pantallas.Form1] {
        grados->botinformacionClick();
        grados->Mostrar();
    };
    pantallas.Form5->AbrirFPSuperior = [superior = pantallas.Form8] { superior->MostrarInicio(false); };
    Progreso(50);
    Crear(pantallas.Form3, "TForm3");
    pantallas.Form5->AbrirFPMedio = [medio = pantallas.Form3] { medio->MostrarConHelicoptero(); };
    pantallas.Form2->MostrarFPMedio = [medio = pantallas.Form3] { medio->Mostrar(); };
    pantallas.Form3->MostrarItinerarios = [itinerarios = pantallas.Form2] { itinerarios->Mostrar(); };
    Progreso(60);
    Crear(pantallas.Form4, "TForm4");
    Progreso(70);
    Crear(pantallas.FIniPro, "TFIniPro");
    pantallas.Form5->AbrirFPBasica = [basica = pantallas.FIniPro] { basica->AbrirPorTitulo(); };
    if (!SeguirSinErrores())
        return false;

    Progreso(80);
    pausa_(1000);
    Crear(pantallas.Certifica, "TCertifica");
    if (!SeguirSinErrores())
        return false;

    Progreso(90);
    Crear(pantallas.profe, "Tprofe");
    if (!SeguirSinErrores())
        return false;

    Progreso(100);
    Crear(pantallas.FormCat, "TFormCat");
    Crear(pantallas.Flomce, "TFlomce");
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
