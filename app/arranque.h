// The start-up sequence: the welcome window, then every screen's data
// prepared once in a fixed order (later screens read what earlier ones
// load), stopping as soon as a required data file turns out to be missing.
// The home screens and the dialog are built then; every other screen when it
// is first wanted, on the data prepared for it.
#pragma once

#include "pantallas_creadas.h"

#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

namespace norvela {

class Enlace;
class TransicionesPaneles;

class Arranque {
public:
    // `traza` hears each screen's name and each progress step; `pausa` waits
    // the given milliseconds (the welcome window stays on screen meanwhile).
    Arranque(Enlace &enlace, std::function<void(const QString &)> traza, std::function<void(int)> pausa);
    ~Arranque();

    // Creates the welcome window, prepares every screen's data and builds the
    // home screens. False when a missing file stopped it: the program then
    // ends without running its event loop.
    bool CrearPantallas();

    // The first screen created: the animated home screen when it is on,
    // otherwise the main menu. Closing it ends the program.
    QWidget *VentanaPrincipal() const;

    PantallasCreadas pantallas;

private:
    // Data and controls now: the home screens and the dialog.
    template <typename T> void Crear(T *&destino, const char *nombre);
    // Data now, controls when the screen is first wanted; `enlazar` then
    // ties it to the screens it opens.
    template <typename T>
    void Preparar(Perezosa<T> &destino, const char *nombre, std::function<void(T &)> enlazar = {});
    bool SeguirSinErrores();
    void Progreso(int posicion);

    Enlace &enlace_;
    std::function<void(const QString &)> traza_;
    std::function<void(int)> pausa_;
    // Outlives every screen, which may run its effects until it goes.
    std::unique_ptr<TransicionesPaneles> transiciones_;
    // Destroyed in reverse order of creation, before the shared data is freed.
    std::vector<std::unique_ptr<QWidget>> creadas_;
    // The welcome window deletes itself when the home screen closes it.
    QPointer<QWidget> bienvenida_;
};

} // namespace norvela
