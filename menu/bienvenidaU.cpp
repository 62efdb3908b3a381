#include "bienvenidaU.h"

#include "iconos.h"
#include "paleta.h"
#include "piel.h"
#include "textos_propios.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QProgressBar>
#include <QScreen>
#include <QTimer>
#include <QWindow>

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace norvela {

namespace {

// The progress bar, plain: a thin frame and the part done in one colour. It
// repaints itself, at once, each time its value changes.
class BarraSencilla : public QProgressBar {
public:
    using QProgressBar::QProgressBar;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.fillRect(rect(), paleta::ColorBlanco);
        p.setPen(QColor(150, 150, 150));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
        const qint64 total = qint64(maximum()) - minimum();
        const int hecho = total > 0 ? int((qint64(value()) - minimum()) * (width() - 2) / total) : 0;
        p.fillRect(QRect(1, 1, hecho, height() - 2), paleta::ColorTitulo);
    }
};

} // namespace

TBienvenida::TBienvenida() : QWidget(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    SkinData1 = &TSkinData::Iniciar();
    setObjectName(QStringLiteral("TBienvenida"));
    // Once the home screen is up it is not needed again.
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Norvela"));
    setFixedSize(644, 586);
    QPalette fondo = palette();
    fondo.setColor(QPalette::Window, paleta::ColorFondo);
    setPalette(fondo);
    setAutoFillBackground(true);

    Image2 = new QLabel(this);
    Image2->setGeometry(80, 32, 500, 500);
    Image2->setPixmap(ImagenIncorporada(QStringLiteral("bienvenida")));
    // A picture without caption: screen readers say what it is.
    Image2->setAccessibleName(TextoPropio(Propio::Bienvenida));

    Label1 = new QLabel(QStringLiteral("Norvela 2019/20"), this);
    Label1->setGeometry(216, 495, 255, 40);
    Label1->setAlignment(Qt::AlignCenter);
    QFont titulo(QStringLiteral("Arial"));
    titulo.setPixelSize(29);
    titulo.setBold(true);
    Label1->setFont(titulo);
    QPalette letra = Label1->palette();
    letra.setColor(QPalette::WindowText, paleta::ColorTitulo);
    letra.setColor(QPalette::Window, paleta::ColorFondo);
    Label1->setPalette(letra);
    Label1->setAutoFillBackground(true);

    ProgressBar1 = new BarraSencilla(this);
    ProgressBar1->setGeometry(232, 544, 193, 17);
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setValue(5);
    ProgressBar1->setTextVisible(false);

    if (const QScreen *pantalla = QGuiApplication::primaryScreen())
        move(pantalla->availableGeometry().center() - rect().center());
#ifdef __GLIBC__
    // The welcome window goes once the first screen is up: start-up is over.
    // What was freed on the way (file contents read line by line, scratch
    // pictures, this window's own picture, what the first screen's first
    // paint used) lies in free blocks all over the heap, which the allocator
    // would keep for the process: once this window is gone and the events
    // then waiting (that paint) are done, their whole pages go back to the
    // system.
    connect(this, &QObject::destroyed, [] { QTimer::singleShot(0, [] { malloc_trim(0); }); });
#endif
}

void TBienvenida::Avanzar(int posicion)
{
    ProgressBar1->setValue(posicion);
    // Until the desktop has put the window on the screen there is nothing to
    // paint on: its own events are let in then, which paint the whole window
    // as it appears. Once it shows, nothing else is processed.
    if (!windowHandle() || !windowHandle()->isExposed())
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

} // namespace norvela
