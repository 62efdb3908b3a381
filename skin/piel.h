// Window skinning: the program's one look, Qt's Fusion style with the
// program's colours and font, given to every window of the program once the
// welcome window starts it. Menus and their bars, tool and status bars,
// combo, check and radio boxes, progress and scroll bars, edits, buttons,
// group boxes and tabs all take it; a widget tagged with DisableTag keeps
// the look it had before the skin.
#pragma once

#include <QObject>
#include <QPalette>

class QApplication;
class QStyle;
class QWidget;

namespace norvela {

// Qt widgets carry no Tag of their own: the program tags a widget with this
// dynamic property holding an int, as in w->setProperty(kPropiedadTag, 99).
inline constexpr char kPropiedadTag[] = "Tag";

class TSkinData : public QObject {
    Q_OBJECT
public:
    // The application's skin, started on the first call (the welcome
    // window's creation) and the same one afterwards. It lives as long as
    // the application.
    static TSkinData &Iniciar();
    // The skin once started; null before.
    static TSkinData *Activa();

    // A widget whose Tag is this keeps the style and colours it had.
    static constexpr int DisableTag = 99;

    // The style every window paints with, and the one a tagged widget keeps.
    QStyle *Estilo() const { return estilo_; }
    QStyle *EstiloSinPiel() const { return estiloBase_; }
    const QPalette &PaletaSinPiel() const { return paletaBase_; }

protected:
    bool eventFilter(QObject *objeto, QEvent *evento) override;

private:
    explicit TSkinData(QApplication &app);
    void Exceptuar(QWidget *w) const;

    QStyle *estilo_ = nullptr;       // the application owns it
    QStyle *estiloBase_ = nullptr;   // owned by the skin
    QPalette paletaBase_;
};

} // namespace norvela
