// The student's hand: the only way the screen tests press, click, hover and
// type. It refuses what a student could not reach (a control that is hidden,
// disabled, outside its window, covered at the point by another control or
// window, behind an open question or pop-up, or faded out wholly) and fails the test with the control's
// name and the reason, instead of delivering the event anyway.
#pragma once

#include <QPoint>
#include <QString>
#include <Qt>

class QComboBox;
class QWidget;

namespace norvela::pruebas {

// Why a student could not click point p of w (p in w's coordinates); empty
// when they can.
QString Inalcanzable(const QWidget *w, QPoint p);
// The same at the control's centre.
QString Inalcanzable(const QWidget *w);

// A click at the centre of w (a button, a clickable label, a picture).
// False, with the test failed, when w cannot be reached there.
bool Pulsar(QWidget *w, Qt::MouseButton boton = Qt::LeftButton);
// A click at point p of w: the mouse moves there first, as a hand does.
bool ClicEn(QWidget *w, QPoint p, Qt::MouseButton boton = Qt::LeftButton);
bool DobleClicEn(QWidget *w, QPoint p);
// A click in two halves, for what acts on the press: the button held down
// at point p of w, then let go there (wherever the press took the screen).
bool ApretarEn(QWidget *w, QPoint p);
void SoltarEn(QWidget *w, QPoint p);
// The mouse rests on point p of w.
bool PosarEn(QWidget *w, QPoint p);
// Why keys pressed now would not reach w; empty when they would. Keys go to
// the active window, to the control with its keyboard focus (a window takes
// the keys its controls let through).
QString SinTeclado(const QWidget *w);
// Keys typed into w, which takes the focus as a click would give it: the
// keys go through its window to it.
bool Teclear(QWidget *w, const QString &texto);
// A key pressed while w has the keyboard focus (or a control inside it):
// it goes to the control with the focus. Refused when w does not have it.
bool Tecla(QWidget *w, Qt::Key tecla, Qt::KeyboardModifiers mod = Qt::NoModifier);

// The student tabs to w, as a keyboard reaches a control: Tab until w has
// the focus; refused when Tab goes round the window without reaching it.
bool Enfocar(QWidget *w);

// A click on the box opens its list, then a click on its row `fila`.
bool ElegirEn(QComboBox *caja, int fila);

// Why a student could not press the close box of window v; empty when they
// can. The box is pressed by Cerrar.
QString CierreInalcanzable(const QWidget *v);
bool Cerrar(QWidget *v);

} // namespace norvela::pruebas
