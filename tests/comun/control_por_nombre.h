// A screen's control found by its object name, as an accessibility or
// automation tool finds it; the screens keep their members to themselves.
#pragma once

#include <QObject>
#include <QString>
#include <QtGlobal>

namespace norvela::pruebas {

// The first child of that name and type, at any depth; a missing one stops
// the test run at once with its name rather than on a null pointer.
template <typename T> T *Control(const QObject &pantalla, const QString &nombre)
{
    T *control = pantalla.findChild<T *>(nombre);
    if (!control)
        qFatal("%s has no %s named %s", qPrintable(pantalla.objectName()), T::staticMetaObject.className(),
               qPrintable(nombre));
    return control;
}

} // namespace norvela::pruebas
