#include "impresion_fp.h"

#include "ansi.h"
#include "controles_fp.h"
#include "enlace.h"
#include "lugares_fp.h"
#include "paleta.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <algorithm>

namespace norvela {

SeleccionImpresionFP::SeleccionImpresionFP(Enlace &e, QWidget *pantalla, int x, int y) : QObject(pantalla), e_(e)
{
    PanelImp = new QWidget(pantalla);
    PanelImp->setObjectName(QStringLiteral("PanelImp"));
    PanelImp->setGeometry(x, y, 390, 240);
    PanelImp->setAutoFillBackground(true);
    QPalette fondo = PanelImp->palette();
    fondo.setColor(QPalette::Window, paleta::ColorFondo);
    PanelImp->setPalette(fondo);
    QFont f9(QStringLiteral("Arial"), 9);
    LabelSelCom1 = new QLabel(PanelImp);
    LabelSelCom1->setGeometry(10, 6, 370, 34);
    LabelSelCom2 = new QLabel(PanelImp);
    LabelSelCom2->setGeometry(10, 40, 370, 34);
    for (QLabel *l : {LabelSelCom1, LabelSelCom2}) {
        l->setWordWrap(true);
        l->setFont(f9);
    }
    ListImp = new QListWidget(PanelImp);
    ListImp->setObjectName(QStringLiteral("ListImp"));
    ListImp->setGeometry(10, 78, 370, 116);
    ListImp->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    BotAceptar = new QPushButton(PanelImp);
    BotAceptar->setObjectName(QStringLiteral("BotAceptar"));
    BotAceptar->setGeometry(10, 200, 140, 32);
    BotAceptar->setCursor(Qt::PointingHandCursor);
    PanelImp->hide();
    connect(ListImp, &QListWidget::itemClicked, this, [this](QListWidgetItem *i) { ListImpClick(ListImp->row(i)); });
}

void SeleccionImpresionFP::Captions()
{
    LabelSelCom1->setText(e_.Texto(558) + ' ' + e_.Texto(559));
    LabelSelCom2->setText(e_.Texto(560) + ' ' + e_.Texto(561));
    BotAceptar->setText(e_.Texto(19));
    // The list of picked communities is named by the line that explains it.
    ListImp->setAccessibleName(LabelSelCom2->text());
}

void SeleccionImpresionFP::Pedir()
{
    ListImp->clear();
    PanelImp->show();
    PanelImp->raise();
}

void SeleccionImpresionFP::Anadir(int c)
{
    if (!seleccion.Anadir(c))
        return;
    ListImp->addItem(DesdeAnsi(NombreComunidad(e_, c, e_.AnchoLista)).trimmed());
}

void SeleccionImpresionFP::ListImpClick(int i)
{
    // The list and the picked communities go row for row.
    if (i < 0 || i >= ListImp->count() || !seleccion.Quitar(i))
        return;
    delete ListImp->takeItem(i);
    ListImp->clearSelection();
}

void SeleccionImpresionFP::Terminar()
{
    seleccion.Terminar();
    ListImp->clear();
    PanelImp->hide();
}

bool SeleccionImpresionFP::Aceptar()
{
    if (!Abierta())
        return false;
    PanelImp->hide();
    ListImp->clear();
    return true;
}

void MostrarVistaPreviaFP(QListWidget *lista, const InformeFP &informe, int ajusteFuente, int alto)
{
    QFont courier(QStringLiteral("Courier New"));
    courier.setStyleHint(QFont::TypeWriter);
    courier.setPointSize(std::max(6, ajusteFuente + 10));
    lista->setFont(courier);
    lista->setCursor(Qt::ArrowCursor);
    // Full report lines are wider than the list: they scroll sideways.
    lista->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    LlenarVista(lista, informe.lineas, 1001);
    QFont negrita = courier;
    negrita.setBold(true);
    for (int i : informe.negritas)
        if (i >= 1 && i <= lista->count())
            lista->item(i - 1)->setFont(negrita);
    lista->resize(lista->width(), alto);
    lista->scrollToTop();
    lista->show();
}

} // namespace norvela
