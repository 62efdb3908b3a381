// The outlets text: a degree's block of "grados.txt", its kinds of line, the
// red words, the rich-text layout, the language-folder fallback; and the
// masters text.
#include "carpeta_prueba.h"
#include "enlace.h"
#include "errores.h"
#include "grados_prueba.h"
#include "parrafos_texto.h"
#include "salidas_grado.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>
#include <gtest/gtest.h>

using namespace norvela;

namespace {

const std::vector<std::string> kGrados = {
    "<<  7",
    "----",
    "Grado en Siete",
    "Perfil del Alumno",
    "texto",
    "<<101",
    "----",
    "Grado en Ciento Uno",
    "  perfil  ",
    "* Primera salida",
    "*",
    "<<102",
    "----",
    "Grado sin cierre",
    "Salidas Profesionales",
    "* Trabajar en empresas"};

std::vector<std::string> Blancos()
{
    return std::vector<std::string>(101, "  ");
}

} // namespace

TEST(BloqueGrado, RunsFromTheSecondLineAfterTheKeyToTheNextKeyOrTheEndOfTheFile)
{
    EXPECT_EQ(BloqueGrado(kGrados, 7), (std::vector<std::string>{"Grado en Siete", "Perfil del Alumno", "texto"}));
    EXPECT_EQ(BloqueGrado(kGrados, 101),
              (std::vector<std::string>{"Grado en Ciento Uno", "  perfil  ", "* Primera salida", "*"}));
    // The last block needs no closing key.
    EXPECT_EQ(BloqueGrado(kGrados, 102),
              (std::vector<std::string>{"Grado sin cierre", "Salidas Profesionales", "* Trabajar en empresas"}));
}

TEST(BloqueGrado, WithoutItsKeyOrWithNothingAfterItADegreeShowsBlankLines)
{
    EXPECT_EQ(BloqueGrado(kGrados, 103), Blancos());
    EXPECT_EQ(BloqueGrado({"<<104", "----"}, 104), Blancos());
    EXPECT_EQ(BloqueGrado({}, 101), Blancos());
    // Code 10 looks for "<< 10", which "<<101" does not hold.
    EXPECT_EQ(BloqueGrado(kGrados, 10), Blancos());
}

TEST(BloqueGrado, KeyLinesInsideTheBlockAreDroppedAndAnyLineWithTheMarkCloses)
{
    // The closing line is searched from the third line after the key, so a
    // key at the second is inside the block and dropped.
    const std::vector<std::string> lineas = {"x <<  5 x", "----", "<<  6", "T\xEDtulo", "a", "fin << aqu\xED", "b"};
    EXPECT_EQ(BloqueGrado(lineas, 5), (std::vector<std::string>{"T\xEDtulo", "a"}));
}

TEST(EncabezadosSalidas, TrimmedLinesEqualToAHeadingIgnoringAsciiCase)
{
    for (const char *s : {"Salidas Profesionales", "  perfil  ", "PLAN DE ESTUDIOS", "Qu\xE9 estudiar\xE9",
                          "Sa\xED" "das profesionais", "Pla d'estudis", "sortides PROFESSIONALS", "Asignaturas",
                          "Profila", " IRAKASGAIAK ", "irteera Profesionalak"})
        EXPECT_TRUE(EsEncabezadoSalidas(s)) << s;
    for (const char *s : {"Perfil del Alumno y algo m\xE1s", "Salidas", "", "* Perfil", "Perfiles", "Irteera",
                          "Profilak"})
        EXPECT_FALSE(EsEncabezadoSalidas(s)) << s;
}

TEST(ParrafosSalidas, TitleHeadingsBulletsAndPlainLines)
{
    const auto p = ParrafosSalidas({"Grado en Ciento Uno", "  perfil  ", "* Primera salida", "*", "texto",
                                    "Perfil del Alumno"});
    ASSERT_EQ(p.size(), 6u);
    EXPECT_EQ(p[0].tipo, TipoParrafo::Titulo);
    EXPECT_EQ(p[1].tipo, TipoParrafo::Encabezado);
    EXPECT_EQ(p[2].tipo, TipoParrafo::Vineta);
    EXPECT_EQ(p[2].texto, QStringLiteral("Primera salida"));
    EXPECT_EQ(p[3].tipo, TipoParrafo::Vineta);
    EXPECT_EQ(p[3].texto, QString());
    EXPECT_EQ(p[4].tipo, TipoParrafo::Normal);
    EXPECT_EQ(p[5].tipo, TipoParrafo::Encabezado);
    // The title is the title even when it reads like a heading.
    EXPECT_EQ(ParrafosSalidas({"Perfil"})[0].tipo, TipoParrafo::Titulo);
}

TEST(ParrafosMaster, BulletsFromTheThirdCharacterAndDashHeadingsWhole)
{
    const auto p = ParrafosMaster({"- M\xE1steres", "* Profesorado", "Texto *", ""});
    ASSERT_EQ(p.size(), 4u);
    EXPECT_EQ(p[0].tipo, TipoParrafo::Encabezado);
    EXPECT_EQ(p[0].texto, QStringLiteral("- Másteres"));
    EXPECT_EQ(p[1].tipo, TipoParrafo::Vineta);
    EXPECT_EQ(p[1].texto, QStringLiteral("Profesorado"));
    EXPECT_EQ(p[2].tipo, TipoParrafo::Normal);
    EXPECT_EQ(p[3].tipo, TipoParrafo::Normal);
}

TEST(ResaltarPalabra, EveryWholeWordOccurrenceIgnoringCase)
{
    const QString texto = QStringLiteral("Trabajar; trabajaré o TRABAJAR.\nsubtrabajar trabajar_x y trabajar");
    const auto r = ResaltarPalabra(texto, QStringLiteral("trabajar"));
    ASSERT_EQ(r.size(), 3u);
    EXPECT_EQ(r[0], (Resalte{0, 8}));
    EXPECT_EQ(r[1], (Resalte{22, 8}));
    EXPECT_EQ(texto.mid(r[2].desde, 8), QStringLiteral("trabajar"));
    EXPECT_EQ(r[2].desde, texto.size() - 8);
    // Accented letters are part of the word and fold their case.
    EXPECT_EQ(ResaltarPalabra(QStringLiteral("OCUPACIÓN, ocupaciónes"), QStringLiteral("ocupación")).size(), 1u);
    EXPECT_TRUE(ResaltarPalabra(QStringLiteral("abc"), QString()).empty());
}

TEST(EscribirParrafos, KindsGetTheirLookAndTheWordsTurnRed)
{
    const auto parrafos = ParrafosSalidas({"Grado en Uno", "Texto antes", "Salidas Profesionales",
                                           "* Puedes trabajar en hospitales", "* Otras profesiones", "fin"});
    const QString plano = TextoPlano(parrafos);
    std::vector<Resalte> resaltes = ResaltarPalabra(plano, QStringLiteral("trabajar"));
    const auto r2 = ResaltarPalabra(plano, QStringLiteral("profesiones"));
    resaltes.insert(resaltes.end(), r2.begin(), r2.end());
    ASSERT_EQ(resaltes.size(), 2u);

    QTextDocument doc;
    EscribirParrafos(doc, parrafos, VistaTexto::Salidas, resaltes);
    // The ranges count in the document as in the plain text.
    ASSERT_EQ(doc.toPlainText(), plano);
    ASSERT_EQ(doc.blockCount(), 6);

    const auto formato = [&](int posicion) {
        QTextCursor c(&doc);
        c.setPosition(posicion + 1);
        return c.charFormat();
    };
    const auto bloque = [&](int n) { return doc.findBlockByNumber(n); };
    EXPECT_EQ(formato(bloque(0).position()).foreground().color(), QColor(128, 0, 0));
    EXPECT_EQ(formato(bloque(0).position()).fontWeight(), QFont::Bold);
    EXPECT_EQ(formato(bloque(2).position()).foreground().color(), QColor(0, 128, 0));
    EXPECT_EQ(formato(bloque(1).position()).fontWeight(), QFont::Normal);
    for (const Resalte &r : resaltes) {
        EXPECT_EQ(formato(r.desde).foreground().color(), kColorResalte);
        EXPECT_EQ(formato(r.desde + r.largo - 2).foreground().color(), kColorResalte);
    }
    // The word before a red word keeps its colour.
    EXPECT_NE(formato(resaltes[0].desde - 3).foreground().color(), kColorResalte);
    // The two bullets are one list; the lines round them are in none.
    ASSERT_NE(bloque(3).textList(), nullptr);
    EXPECT_EQ(bloque(3).textList(), bloque(4).textList());
    EXPECT_EQ(bloque(3).textList()->format().style(), QTextListFormat::ListDisc);
    EXPECT_EQ(bloque(2).textList(), nullptr);
    EXPECT_EQ(bloque(5).textList(), nullptr);

    QTextDocument master;
    EscribirParrafos(master, ParrafosMaster({"- Doctorado", "* RUCT", "texto"}), VistaTexto::Master);
    QTextCursor c(master.findBlockByNumber(1));
    c.movePosition(QTextCursor::NextCharacter);
    EXPECT_EQ(c.charFormat().foreground().color(), QColor(0, 0, 128));
    EXPECT_EQ(c.charFormat().fontPointSize(), 9);
}

struct SalidasEnCarpeta : ::testing::Test {
    SalidasEnCarpeta() : c(QStringLiteral("minima"), false)
    {
        g.e.RutaDatos = c.Datos();
        g.e.CarpetaIdioma = QStringLiteral("galego/");
        grado = g.Grado({"Medicina", 5, 101});
    }
    pruebas::CarpetaPrueba c;
    pruebas::GradosPrueba g;
    int grado;
};

TEST_F(SalidasEnCarpeta, TheLanguageFolderFirstThenTheDataFolder)
{
    c.Borrar(QStringLiteral("galego/grados.txt"));
    c.EscribirLineas(QStringLiteral("grados.txt"), {"<<101", "", "Grado en Medicina", "Ocupaci\xF3n: trabajar"});
    auto s = SalidasGrado(g.e, grado);
    ASSERT_EQ(s.parrafos.size(), 2u);
    EXPECT_EQ(s.parrafos[1].texto, QStringLiteral("Ocupación: trabajar"));
    // "ocupación" comes before "trabajar", as the view colours them.
    ASSERT_EQ(s.resaltes.size(), 2u);
    EXPECT_EQ(s.resaltes[0].desde, QStringLiteral("Grado en Medicina\n").size());

    c.EscribirLineas(QStringLiteral("galego/grados.txt"), {"<<101", "", "Grao en Medicina"});
    s = SalidasGrado(g.e, grado);
    ASSERT_EQ(s.parrafos.size(), 1u);
    EXPECT_EQ(s.parrafos[0].texto, QStringLiteral("Grao en Medicina"));
    EXPECT_TRUE(SalidasGrado(g.e, 0).parrafos.empty());
}

TEST_F(SalidasEnCarpeta, MissingFilesAreFileErrors)
{
    c.Borrar(QStringLiteral("galego/grados.txt"));
    c.Borrar(QStringLiteral("grados.txt"));
    EXPECT_THROW(SalidasGrado(g.e, grado), ErrorEntradaSalida);
    c.Borrar(QStringLiteral("galego/master.txt"));
    EXPECT_THROW(LeerMaster(g.e), ErrorEntradaSalida);
    c.EscribirLineas(QStringLiteral("galego/master.txt"), {"- Mestrados", "* Un"});
    EXPECT_EQ(LeerMaster(g.e).size(), 2u);
}
