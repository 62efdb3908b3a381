// A higher-cycle title chosen as a student chooses it: back to the start
// panel, the families button, then each group and family until the title's
// name shows in the title list, and a click on it.
#pragma once

#include "ansi.h"
#include "enlace.h"
#include "mano.h"
#include "pantalla_prueba.h"
#include "superior.h"

#include <QListWidget>
#include <QPushButton>
#include <QtTest>

namespace norvela::pruebas {

inline void ElegirTituloSuperior(TForm8 &f, const Enlace &e, int t)
{
    for (int k = 0; k < 4 && !Hijo<QWidget>(f, "PanelFP")->isVisible(); ++k)
        QVERIFY(Pulsar(Hijo<QPushButton>(f, "BotRetrocederFP")));
    QVERIFY(Pulsar(Hijo<QPushButton>(f, "MenuFP1")));
    const QString nombre = DesdeAnsi(e.NombresFPSuperior[t]).trimmed();
    for (int g = 0; g < e.NumGruposFamilias; ++g) {
        ClicFila(Hijo<QListWidget>(f, "ListPreFam"), g);
        // Row 0 is the way back to the groups.
        for (int familia = 1; familia < Hijo<QListWidget>(f, "ListPreFam")->count(); ++familia) {
            ClicFila(Hijo<QListWidget>(f, "ListPreFam"), familia);
            const int fila = static_cast<int>(Textos(Hijo<QListWidget>(f, "ListTitFP"), true).indexOf(nombre));
            if (fila < 0)
                continue;
            ClicFila(Hijo<QListWidget>(f, "ListTitFP"), fila);
            if (f.Estado().TituloSel == t)
                return;
            // The same name in another family: look on.
            QVERIFY(Pulsar(Hijo<QPushButton>(f, "MenuFpTit6")));
        }
        ClicFila(Hijo<QListWidget>(f, "ListPreFam"), 0);
    }
    QFAIL(qPrintable(QStringLiteral("no family lists the title %1").arg(nombre)));
}

} // namespace norvela::pruebas
