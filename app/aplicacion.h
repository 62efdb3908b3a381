// The application object: an error that escapes an event handler is shown
// in a message box instead of ending the program.
#pragma once

#include <QApplication>

namespace norvela {

class Mensajes;

class Aplicacion : public QApplication {
public:
    Aplicacion(int &argc, char **argv);
    void PonerMensajes(Mensajes *mensajes) { mensajes_ = mensajes; }
    bool notify(QObject *receptor, QEvent *evento) override;

private:
    Mensajes *mensajes_ = nullptr;
};

} // namespace norvela
