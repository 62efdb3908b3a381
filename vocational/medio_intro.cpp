// The intermediate-cycle screen's helicopter intro: the flights that bring
// the menu in, the pilot's walk and the help balloon after each flight,
// drawn on a transparent layer over the screen; any menu click cuts it.
#include "medio.h"

#include "enlace.h"

#include <algorithm>

#include <QFontMetrics>
#include <QPainter>
#include <QPushButton>

namespace norvela {

namespace {

constexpr int kAnchoPiloto = 56;
constexpr int kAltoPiloto = 168;

// Draws the pilot's frame and the balloon the intro says are on the screen,
// over everything and letting every click through.
class CapaIntro : public QWidget {
public:
    CapaIntro(QWidget *padre, const IntroHelicoptero &intro, std::function<QStringList(int)> textos)
        : QWidget(padre), intro_(intro), textos_(std::move(textos))
    {
        setObjectName(QStringLiteral("CapaIntro"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
        setGeometry(padre->rect());
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        if (intro_.Fotograma() >= 0)
            Piloto(p, intro_.PosPiloto(), intro_.Fotograma());
        for (int fase = 1; fase <= 2; ++fase)
            if (!intro_.RectBocadilloDe(fase).isNull())
                Bocadillo(p, fase);
    }

private:
    // A pilot in a flying suit and helmet, one step of eight of his walk.
    static void Piloto(QPainter &p, QPoint en, int fotograma)
    {
        p.save();
        p.translate(en);
        const qreal paso = (fotograma % 4 < 2 ? 1 : -1) * (fotograma % 2 ? 6.0 : 12.0);
        QPen trazo(QColor(40, 40, 40), 2);
        p.setPen(trazo);
        // Legs from the hips at (28, 112).
        p.setBrush(QColor(60, 90, 60));
        p.drawLine(QPointF(28, 112), QPointF(28 + paso, 160));
        p.drawLine(QPointF(28, 112), QPointF(28 - paso, 160));
        // Body and arms.
        p.drawRoundedRect(QRectF(16, 52, 24, 62), 6, 6);
        p.drawLine(QPointF(20, 62), QPointF(20 - paso / 2, 100));
        p.drawLine(QPointF(36, 62), QPointF(36 + paso / 2, 100));
        // Head with its helmet.
        p.setBrush(QColor(250, 215, 180));
        p.drawEllipse(QRectF(17, 26, 22, 24));
        p.setBrush(QColor(255, 255, 255));
        p.drawChord(QRectF(15, 22, 26, 22), 0, 180 * 16);
        p.restore();
    }

    void Bocadillo(QPainter &p, int fase)
    {
        const QRect r = intro_.RectBocadilloDe(fase);
        p.setPen(QColor(0, 0, 0));
        p.setBrush(QColor(255, 255, 0));
        p.drawRect(r.adjusted(0, 0, -1, -1));
        const QStringList lineas = textos_(fase);
        // The longest line fits in the balloon.
        QFont letra(QStringLiteral("Arial"));
        letra.setBold(true);
        for (int puntos = 13; puntos >= 9; --puntos) {
            letra.setPixelSize(puntos);
            const QFontMetrics medida(letra);
            int ancho = 0;
            for (const QString &l : lineas)
                ancho = std::max(ancho, medida.horizontalAdvance(l));
            if (ancho <= r.width() - 10)
                break;
        }
        p.setFont(letra);
        for (int i = 0; i < lineas.size() && i < 3; ++i)
            p.drawText(QRect(r.left() + 8, r.top() + 3 + 15 * i, r.width() - 10, 16), Qt::AlignLeft | Qt::AlignVCenter,
                       lineas.at(i));
    }

    const IntroHelicoptero &intro_;
    std::function<QStringList(int)> textos_;
};

} // namespace

void TForm3::ConstruirIntro()
{
    CapaHeli = new CapaIntro(this, intro, [this](int fase) {
        const int primera = fase == 1 ? 154 : 157;
        return QStringList{T(primera).left(25), T(primera + 1).left(25), T(primera + 2).left(25)};
    });
    CapaHeli->hide();
    piloto.setParent(this);
    piloto.setObjectName(QStringLiteral("piloto"));
    piloto.setInterval(200);
    connect(heli, &QTimer::timeout, this, &TForm3::heliTimer);
    connect(&piloto, &QTimer::timeout, this, &TForm3::pilotoTimer);
    // Leaving the menu by any of its buttons cuts the intro short.
    for (QPushButton *b : {botTit2, botLug2, botSalir})
        connect(b, &QPushButton::clicked, this, &TForm3::CortarIntro);
}

void TForm3::EmpezarIntroHelicoptero()
{
    OcultarMenu();
    intro.Entrar(true);
    CapaHeli->show();
    CapaHeli->raise();
    heli->start();
}

void TForm3::heliTimer()
{
    if (!intro.TickVuelo())
        heli->stop();
    if (intro.PilotoEnMarcha()) {
        heli->stop();
        piloto.start();
    }
    AplicarIntro();
}

void TForm3::pilotoTimer()
{
    intro.TickPiloto();
    if (!intro.PilotoEnMarcha()) {
        piloto.stop();
        if (intro.VueloEnMarcha())
            heli->start();
    }
    AplicarIntro();
}

void TForm3::AplicarIntro()
{
    const std::pair<QPushButton *, const BotonVolado *> botones[] = {
        {botTit2, &intro.BotTit2()}, {botLug2, &intro.BotLug2()}, {botSalir, &intro.BotSalir()}};
    for (const auto &[boton, estado] : botones) {
        boton->move(estado->pos);
        boton->setVisible(estado->visible);
    }
    CapaHeli->raise();
    CapaHeli->update();
}

void TForm3::OcultarBocadillo()
{
    intro.OcultarBocadillo();
    CapaHeli->update();
}

void TForm3::CortarIntro()
{
    heli->stop();
    piloto.stop();
    intro.Cortar();
    CapaHeli->update();
}

} // namespace norvela
