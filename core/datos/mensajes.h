// Every message box of the program goes through this interface: the program
// shows QMessageBox, tests record the texts and give the answers.
#pragma once

#include <QString>
#include <QStringList>
#include <deque>

namespace norvela {

class Mensajes {
public:
    virtual ~Mensajes() = default;
    // One OK box.
    virtual void Aviso(const QString &texto) = 0;
    // A Yes/No box with a question icon and no title; true for Yes.
    virtual bool Pregunta(const QString &texto) = 0;
};

// Records every text; questions take the queued answers, then `respuestaPorDefecto`.
class MensajesRegistrados : public Mensajes {
public:
    void Aviso(const QString &texto) override { textos.append(texto); }
    bool Pregunta(const QString &texto) override;

    QStringList textos;
    std::deque<bool> respuestas;
    bool respuestaPorDefecto = false;
};

// Appends every text to a file (one line each, UTF-8) and answers questions
// with a fixed answer: lets a script run the whole program unattended.
class MensajesEnFichero : public Mensajes {
public:
    MensajesEnFichero(QString ruta, bool respuesta) : ruta_(std::move(ruta)), respuesta_(respuesta) {}
    void Aviso(const QString &texto) override;
    bool Pregunta(const QString &texto) override;

private:
    QString ruta_;
    bool respuesta_;
};

} // namespace norvela
