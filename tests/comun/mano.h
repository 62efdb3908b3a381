// The student's hand: the only way the screen tests press, click, hover and
// type. It refuses what a student could not reach (a control that is hidden,
// disabled, outside its window, covered at the point by another control or
// window, or behind an open question) and fails the test with the control's
// name and the reason, instead of delivering the event anyway.
#pragma once

#include <QPoint>
#include <QString>
#include <Qt>

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
// The mouse rests on point p of w.
bool PosarEn(QWidget *w, QPoint p);
// Keys typed into w, which takes the focus as a click would give it.
bool Teclear(QWidget *w, const QString &texto);
bool Tecla(QWidget *w, Qt::Key tecla, Qt::KeyboardModifiers mod = Qt::NoModifier);

} // namespace norvela::pruebas
