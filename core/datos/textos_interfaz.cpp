#include "textos_interfaz.h"

#include "ansi.h"
#include "cadenas.h"
#include "enlace.h"
#include "lectura.h"

namespace norvela {

namespace {

struct Tramo {
    int desde;
    int hasta;
    int longitud;
};

// Declared lengths, by ranges of line numbers.
constexpr Tramo kLongitudes[] = {
    {2, 2, 6}, {3, 4, 25}, {5, 5, 22}, {6, 6, 10}, {7, 7, 35}, {8, 10, 10}, {11, 11, 11}, {12, 12, 10},
    {13, 13, 11}, {14, 18, 32}, {19, 19, 10}, {20, 20, 20}, {21, 28, 40}, {29, 29, 32}, {30, 30, 30},
    {31, 31, 10}, {32, 32, 40}, {33, 33, 15}, {34, 34, 18}, {35, 35, 30}, {36, 38, 18}, {39, 39, 30},
    {40, 41, 18}, {42, 42, 40}, {43, 46, 18}, {47, 47, 25}, {48, 48, 18}, {49, 49, 25}, {50, 50, 18},
    {51, 51, 15}, {52, 52, 18}, {53, 53, 30}, {54, 54, 18}, {55, 55, 30}, {56, 66, 40}, {67, 67, 30},
    {68, 74, 40}, {75, 75, 25}, {76, 76, 50}, {77, 77, 55}, {78, 78, 20}, {79, 89, 40}, {90, 90, 10},
    {91, 91, 50}, {92, 97, 15}, {98, 98, 20}, {99, 102, 15}, {103, 103, 25}, {104, 110, 15},
    {111, 111, 25}, {112, 112, 15}, {113, 113, 20}, {114, 121, 15}, {122, 122, 20}, {123, 123, 15},
    {124, 124, 30}, {125, 125, 40}, {126, 141, 15}, {142, 145, 45}, {146, 152, 50}, {153, 153, 40},
    {154, 162, 20}, {163, 163, 75}, {164, 165, 45}, {166, 167, 60}, {168, 171, 45}, {173, 174, 40},
    {175, 175, 10}, {176, 176, 50}, {177, 177, 45}, {178, 178, 20}, {179, 180, 25}, {181, 181, 50},
    {182, 182, 45}, {183, 184, 30}, {185, 187, 25}, {188, 188, 2}, {189, 189, 75}, {190, 190, 15},
    {191, 199, 25}, {200, 200, 30}, {201, 202, 55}, {203, 206, 35}, {207, 221, 25}, {222, 222, 10},
    {223, 223, 30}, {224, 224, 45}, {225, 225, 70}, {226, 226, 15}, {227, 227, 30}, {228, 228, 50},
    {229, 230, 15}, {231, 233, 70}, {234, 234, 80}, {235, 237, 70}, {238, 238, 10}, {239, 239, 20},
    {240, 240, 45}, {241, 241, 15}, {242, 242, 25}, {243, 244, 40}, {245, 251, 25}, {252, 252, 8},
    {253, 254, 35}, {255, 255, 25}, {256, 257, 20}, {258, 265, 25}, {266, 266, 30}, {267, 268, 25},
    {269, 270, 50}, {271, 271, 30}, {272, 272, 40}, {273, 274, 35}, {275, 276, 15}, {277, 277, 20},
    {278, 281, 15}, {282, 282, 25}, {283, 283, 35}, {284, 284, 15}, {285, 287, 30}, {288, 288, 35},
    {289, 294, 30}, {295, 295, 40}, {296, 297, 30}, {298, 298, 10}, {299, 299, 30}, {300, 300, 35},
    {301, 303, 30}, {304, 304, 10}, {305, 306, 30}, {307, 307, 35}, {308, 308, 10}, {309, 336, 30},
    {337, 337, 35}, {338, 340, 40}, {341, 341, 10}, {342, 343, 70}, {344, 344, 30}, {345, 345, 50},
    {346, 347, 20}, {348, 371, 30}, {372, 372, 25}, {373, 373, 45}, {374, 384, 30}, {385, 388, 40},
    {389, 389, 50}, {390, 392, 20}, {393, 393, 60}, {394, 394, 35}, {395, 395, 50}, {396, 396, 10},
    {397, 397, 30}, {398, 398, 40}, {399, 399, 30}, {400, 400, 20}, {401, 405, 30}, {406, 407, 20},
    {408, 408, 60}, {409, 409, 50}, {410, 417, 30}, {418, 418, 50}, {419, 419, 30}, {420, 420, 60},
    {421, 421, 30}, {422, 422, 60}, {423, 423, 40}, {424, 424, 60}, {425, 425, 30}, {426, 426, 20},
    {427, 427, 50}, {428, 428, 60}, {429, 429, 75}, {430, 430, 35}, {431, 431, 30}, {432, 435, 50},
    {436, 438, 10}, {439, 465, 30}, {466, 479, 22}, {480, 483, 29}, {484, 484, 33}, {485, 486, 22},
    {487, 487, 40}, {488, 489, 50}, {490, 491, 22}, {492, 492, 27}, {493, 493, 35}, {494, 498, 22},
    {499, 499, 27}, {500, 500, 35}, {501, 501, 15}, {502, 502, 30}, {503, 503, 20}, {504, 510, 22},
    {511, 511, 15}, {512, 514, 10}, {515, 519, 35}, {520, 521, 22}, {522, 522, 10}, {523, 524, 35},
    {525, 525, 30}, {526, 528, 25}, {529, 532, 40}, {533, 535, 20}, {536, 536, 10}, {537, 537, 50},
    {538, 538, 60}, {539, 549, 70}, {550, 551, 15}, {552, 552, 45}, {553, 553, 25}, {555, 555, 22},
    {556, 556, 40}, {557, 557, 25}, {558, 561, 30}, {562, 575, 35}, {576, 576, 20}, {577, 577, 40},
    {578, 578, 30}, {579, 579, 25}, {580, 580, 35}, {581, 582, 25}, {583, 583, 12}, {584, 584, 30},
    {585, 585, 50}, {586, 586, 22}, {587, 588, 15}, {589, 589, 25}, {590, 591, 10}, {592, 592, 22},
    {593, 593, 20}, {594, 594, 30}, {595, 595, 50}, {596, 596, 45}, {597, 597, 35}, {598, 600, 15},
    {601, 601, 35}, {602, 602, 50}, {603, 605, 25}, {606, 606, 15}, {607, 607, 50}, {608, 608, 15},
    {609, 610, 25}, {611, 611, 15}, {612, 612, 35}, {622, 623, 20}, {624, 624, 25}, {625, 626, 20},
    {627, 628, 25}, {629, 629, 35}, {630, 630, 40}, {631, 631, 35}, {632, 639, 65}, {640, 641, 30},
    {642, 650, 65}, {651, 652, 30}, {653, 659, 15}, {660, 660, 40}, {661, 663, 25}, {664, 669, 10},
    {670, 670, 2}, {671, 671, 12}, {673, 673, 15}, {674, 674, 40}, {677, 677, 10}, {678, 678, 25},
    {679, 688, 60}, {689, 689, 70}, {690, 692, 10}, {693, 693, 15}, {694, 694, 30}, {695, 695, 70},
    {696, 696, 40}, {697, 715, 60}, {716, 716, 35}, {717, 717, 30}, {718, 718, 22}, {719, 719, 30},
    {720, 720, 32}, {721, 721, 35}, {722, 722, 50}, {723, 725, 55}, {726, 726, 70}, {727, 732, 55},
    {733, 733, 20}, {734, 749, 45},
};

// Line numbers that are read but reach no text.
constexpr bool SinTexto(int k)
{
    return k == 172 || k == 554 || (k >= 572 && k <= 574) || (k >= 613 && k <= 621) || k == 672 || k == 675
           || k == 676 || (k >= 699 && k <= 710);
}

constexpr int CalcularLongitud(int k)
{
    if (k < TextosInterfaz::kPrimero || k > TextosInterfaz::kUltimo || SinTexto(k))
        return 0;
    for (const Tramo &t : kLongitudes)
        if (k >= t.desde && k <= t.hasta)
            return t.longitud;
    return 0;
}

constexpr std::array<int, TextosInterfaz::kUltimo + 1> TablaLongitudes()
{
    std::array<int, TextosInterfaz::kUltimo + 1> r{};
    for (int k = 0; k <= TextosInterfaz::kUltimo; ++k)
        r[static_cast<size_t>(k)] = CalcularLongitud(k);
    return r;
}

constexpr auto kLongitud = TablaLongitudes();

constexpr int ContarVariables()
{
    int n = 0;
    for (int l : kLongitud)
        n += l > 0 ? 1 : 0;
    return n;
}

static_assert(ContarVariables() == TextosInterfaz::kNumVariables, "every text number must have its length");

} // namespace

int TextosInterfaz::Longitud(int k)
{
    if (k < 0 || k > kUltimo)
        return 0;
    return kLongitud[static_cast<size_t>(k)];
}

const std::string &TextosInterfaz::operator[](int k) const
{
    if (!Existe(k))
        throw ErrorIndice(k, kPrimero, kUltimo);
    return textos_[static_cast<size_t>(k)];
}

QString TextosInterfaz::Texto(int k) const
{
    return DesdeAnsi((*this)[k]);
}

void TextosInterfaz::Poner(int k, std::string_view s)
{
    if (!Existe(k))
        throw ErrorIndice(k, kPrimero, kUltimo);
    textos_[static_cast<size_t>(k)] = Cortar(s, Longitud(k));
}

void TextosInterfaz::Vaciar()
{
    for (auto &t : textos_)
        t.clear();
}

void CargarTextos(Enlace &e, const QString &fichero, TablaTexto &tabla)
{
    const auto lineas = LeerLineas(fichero);
    if (!lineas) {
        e.FaltaFichero(fichero);
        return;
    }
    if (static_cast<int>(lineas->size()) > tabla.Ultimo())
        throw ErrorRango(fichero, tabla.Ultimo() + 1, QStringLiteral("demasiadas líneas"));
    // Every line up to the last text is some caption: a shorter file was cut,
    // and its screens would show buttons and titles without words.
    if (static_cast<int>(lineas->size()) < TextosInterfaz::kUltimo)
        throw ErrorRango(fichero, 0,
                         QStringLiteral("tiene %1 líneas y el programa lee hasta la línea %2")
                             .arg(lineas->size())
                             .arg(TextosInterfaz::kUltimo));
    tabla.Poner(0, HaciaAnsi(fichero));
    int i = 0;
    for (const std::string &linea : *lineas)
        tabla.Poner(++i, QuitarBlancosFinales(linea));
}

void AsignarTextos(Enlace &e)
{
    for (int k = TextosInterfaz::kPrimero; k <= TextosInterfaz::kUltimo; ++k)
        if (TextosInterfaz::Existe(k))
            e.Textos.Poner(k, e.TextosLeidos[k]);
}

} // namespace norvela
