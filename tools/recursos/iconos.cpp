// The study icons in the order the program selects them, and the shapes
// several of them share.
#include "iconos.h"
#include "recursos.h"

#include <QtMath>
#include <cmath>

namespace dibujo {

namespace icon {

void trazo(QPainter &p, const QPainterPath &camino, qreal grosor, const QColor &color)
{
    p.strokePath(camino, QPen(sombra(color, 0.42), grosor + 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.strokePath(camino, QPen(color, grosor, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

void trazo(QPainter &p, std::initializer_list<QPointF> puntos, qreal grosor, const QColor &color)
{
    QPainterPath camino;
    camino.moveTo(*puntos.begin());
    for (auto it = puntos.begin() + 1; it != puntos.end(); ++it)
        camino.lineTo(*it);
    trazo(p, camino, grosor, color);
}

void engranaje(QPainter &p, QPointF centro, qreal radio, int dientes, const QColor &color)
{
    QPainterPath rueda;
    const qreal dentro = radio * 0.76;
    for (int i = 0; i < dientes * 4; ++i) {
        // Each tooth: two points out, two points in, slightly tapered.
        const qreal a = 2 * M_PI * (i + 0.5) / (dientes * 4);
        const qreal r = (i % 4 == 1 || i % 4 == 2) ? radio : dentro;
        const QPointF q = centro + QPointF(std::cos(a), std::sin(a)) * r;
        if (i == 0)
            rueda.moveTo(q);
        else
            rueda.lineTo(q);
    }
    rueda.closeSubpath();
    rueda.addEllipse(centro, radio * 0.3, radio * 0.3);
    rueda.setFillRule(Qt::OddEvenFill);
    pieza(p, rueda, color, 1.0);
}

void llave(QPainter &p, QPointF mango, QPointF boca, qreal grosor, const QColor &color)
{
    const QPointF d = boca - mango;
    const qreal largo = std::hypot(d.x(), d.y());
    p.save();
    p.translate(mango);
    p.rotate(qRadiansToDegrees(std::atan2(d.y(), d.x())));
    QPainterPath forma = redondeado(QRectF(0, -grosor / 2, largo, grosor), grosor / 2);
    QPainterPath cabeza;
    cabeza.addEllipse(QPointF(largo, 0), grosor * 1.25, grosor * 1.25);
    QPainterPath hueco;
    hueco.addRect(QRectF(largo - grosor * 0.1, -grosor * 0.45, grosor * 2, grosor * 0.9));
    forma = forma.united(cabeza).subtracted(hueco);
    pieza(p, forma, color, 1.0);
    p.restore();
}

void persona(QPainter &p, qreal x, qreal pie, qreal alto, const QColor &ropa)
{
    const qreal cabeza = alto * 0.3;
    const QRectF cuerpo(x - alto * 0.22, pie - alto * 0.62, alto * 0.44, alto * 0.62);
    QPainterPath forma;
    forma.moveTo(cuerpo.left(), cuerpo.bottom());
    forma.lineTo(cuerpo.left(), cuerpo.top() + cuerpo.width() * 0.45);
    forma.quadTo(cuerpo.left(), cuerpo.top(), cuerpo.center().x(), cuerpo.top());
    forma.quadTo(cuerpo.right(), cuerpo.top(), cuerpo.right(), cuerpo.top() + cuerpo.width() * 0.45);
    forma.lineTo(cuerpo.right(), cuerpo.bottom());
    forma.closeSubpath();
    pieza(p, forma, ropa, 1.0);
    ovalo(p, QRectF(x - cabeza / 2, cuerpo.top() - cabeza - 0.5, cabeza, cabeza), QColor(255, 216, 188), 1.0);
}

} // namespace icon

QImage icono(int numero)
{
    using namespace icon;
    using Dibujo = void (*)(QPainter &);
    // The screens select the icons by number from lists that give each
    // number one meaning: the families (every family screen), the groups of
    // families, the intermediate questionnaire's options, the certificates'
    // families and the degree statistics' fields of study. Numbers no list
    // uses hold the program's own pictures (university, book, star...).
    static constexpr Dibujo iconos[numeroIconos] = {
        mecanica,         // 0 Fabricación Mecánica; building, installations and maintenance
        agraria,          // 1 Agraria; nature, the country, animals and the sea
        administracion,   // 2 Administración y Gestión; office work; business and law
        comercio,         // 3 Comercio y Marketing; cooking, hotels and shops
        redes,            // 4 computers, networks, electronics and telecommunications
        atencionPersonas, // 5 caring for people: health, the community and personal
                          //   image; sport, leisure and work with people
        calendario,       // 6
        extractivas,      // 7 Industrias Extractivas
        vehiculos,        // 8 Transporte y Mantenimiento de Vehículos; machines and engines
        artesania,        // 9 Artes y Artesanías; image, sound, arts, design and fashion
        lugar,            // 10 looking by place: the centres of a place
        universidad,      // 11
        informatica,      // 12 Informática y Comunicaciones; computer science
        atomo,            // 13 natural sciences, mathematics and statistics
        sociocultural,    // 14 Servicios Socioculturales y a la Comunidad; education
        estrella,         // 15
        sanidad,          // 16 Sanidad; health and social services
        idea,             // 17
        hosteleria,       // 18 Hostelería y Turismo; services
        alimentarias,     // 19 Industrias Alimentarias
        pregunta,         // 20
        quimica,          // 21 Química; laboratory, chemistry, beauty and cosmetics
        libro,            // 22 a whole (public and private universities, averages); also the default
        teatro,           // 23 arts and humanities
        derecho,          // 24
        microscopio,      // 25
        ingenieria,       // 26 engineering, industry and building
        corazon,          // 27
        edificacion,      // 28 Edificación y Obra Civil
        periodico,        // 29 social sciences, journalism and documentation
        trofeo,           // 30
        deporte,          // 31 Actividades Físicas y Deportivas
        graficas,         // 32 Artes Gráficas
        electricidad,     // 33 Electricidad y Electrónica
        energia,          // 34 Energía y Agua
        instalacion,      // 35 Instalación y Mantenimiento
        imagenSonido,     // 36 Imagen y Sonido
        imagenPersonal,   // 37 Imagen Personal
        maderaMueble,     // 38 Madera, Mueble y Corcho
        maritima,         // 39 Marítimo-Pesquera
        seguridad,        // 40 Seguridad y Medio Ambiente
        textil,           // 41 Textil, Confección y Piel
        vidrio,           // 42 Vidrio y Cerámica
        todas,            // 43 all the families
    };
    QImage imagen = transparente(30, 30);
    QPainter p(&imagen);
    preparar(p);
    iconos[(numero >= 0 && numero < numeroIconos) ? numero : 22](p);
    return imagen;
}

QImage iconoPrograma()
{
    // The mortarboard of the degrees on a navy tile, for the desktop's menus.
    QImage imagen = transparente(128, 128);
    QPainter p(&imagen);
    preparar(p);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(28, 52, 104));
    p.drawRoundedRect(QRectF(4, 4, 120, 120), 22, 22);
    p.translate(14, 10);
    p.scale(100.0 / 30, 100.0 / 30);
    icon::universidad(p);
    return imagen;
}

} // namespace dibujo
