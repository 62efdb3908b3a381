// The application object: an error that escapes an event handler is shown
// in a message box instead of ending the program, and so is a write past the
// file-size limit (its signal is ignored). Protegido does the same
// for the start-up and the event loop as a whole.
#pragma once

#include "fuentes_en_paralelo.h"

#include <QApplication>
#include <exception>
#include <functional>

namespace norvela {

class Mensajes;

// The fonts come first: their thread starts before the window system is
// connected and ends after the application object is gone.
class Aplicacion : private FuentesEnParalelo, public QApplication {
public:
    Aplicacion(int &argc, char **argv);
    ~Aplicacion() override { Esperar(); }
    void PonerMensajes(Mensajes *mensajes) { mensajes_ = mensajes; }
    bool notify(QObject *receptor, QEvent *evento) override;

private:
    Mensajes *mensajes_ = nullptr;
};

// The text shown for an error nobody else caught: a data error's own
// message, otherwise "Error inesperado: " and what the error says.
QString MensajeDeError(const std::exception &error);

// Runs `cuerpo` (screens' creation and the event loop) and returns its
// status. Any exception that escapes it, a table index error in a screen's
// constructor for instance, is shown through `mensajes` and gives status 1:
// the program ends cleanly instead of through std::terminate.
int Protegido(Mensajes &mensajes, const std::function<int()> &cuerpo);

} // namespace norvela
