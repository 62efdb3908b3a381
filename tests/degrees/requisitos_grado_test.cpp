// The requirements view: the judgement of the cut-off marks, the order of its
// lines, the subjects, and the catalogue and report modes.
#include "grados_prueba.h"
#include "requisitos_grado.h"

#include <gtest/gtest.h>
#include <tuple>

using namespace norvela;
using norvela::pruebas::GradosPrueba;

namespace {

const std::string kVineta = "\x95  ";

std::vector<std::string> Materias()
{
    std::vector<std::string> m;
    for (int i = 1; i <= 27; ++i)
        m.push_back("Materia " + std::to_string(i));
    return m;
}

} // namespace

TEST(JuicioNotasCorte, MarksOfNoPublishedValueDropOutAndTheAverageDecides)
{
    struct Caso {
        std::vector<int> notas;
        bool alta, media, mixta;
        int cuenta;
    };
    const Caso casos[] = {
        {{50, 55, 62}, false, true, true, 3},
        {{50, 55, 60, 10}, false, true, false, 3},   // no mark above 60: not mixed
        // Above 50 exactly one fifth of the marks is not enough for mixed; a
        // little more is.
        {{70, 50, 50, 50, 50}, false, true, false, 5},
        {{70, 51, 50, 50, 50, 50, 50, 50, 50, 50}, false, true, false, 10},
        {{70, 51, 50, 50, 50, 50, 50, 50, 50}, false, true, true, 9},
        {{60, 60}, true, false, false, 2},   // an average of exactly 6,0 is high
        {{10, 10, 11}, false, false, false, 0},   // 10 means no published mark, and 11 goes with it
        {{}, false, false, false, 0},
    };
    for (const Caso &c : casos) {
        const JuicioNotas j = ValorarNotasCorte(c.notas);
        EXPECT_EQ(std::tuple(j.alta, j.media, j.mixta, j.cuenta), std::tuple(c.alta, c.media, c.mixta, c.cuenta))
            << testing::PrintToString(c.notas);
    }
    EXPECT_NEAR(ValorarNotasCorte({50, 55, 62}).promedio, 55.67, 0.01);
}

TEST(JuicioNotasCorte, EveryUniversityOfADegreeCounts)
{
    // 100 marks of 5,0 then 25 of 14,0: the average of all 125 is 6,8, high;
    // the first 100 alone would make it medium.
    GradosPrueba g;
    std::vector<int> notas(100, 50);
    notas.insert(notas.end(), 25, 140);
    const int grado = g.Grado({"Medicina", 5, 0, {}, notas});
    const JuicioNotas j = ValorarNotasCorte(g.e, grado);
    EXPECT_EQ(j.cuenta, 125);
    EXPECT_TRUE(j.alta);
    EXPECT_FALSE(ValorarNotasCorte(g.e, 0).alta);
}

TEST(LineasRequisitos, FollowTheViewsOrderForAScienceDegree)
{
    GradosPrueba g;
    g.Materias(Materias());
    // Subject 21 comes from the degree and again in the branch list: once only.
    const int grado = g.Grado({"F\xEDsica", 2, 0, {21, 19, 0, 0}, {60, 70}});
    const std::vector<std::string> esperadas = {
        "-     T277", "", "T674", "T721 6.5",
        "", "T723", "T724", "Ciencias", "", "-  T725", "T726",
        kVineta + "Materia 21", kVineta + "Materia 19",
        "", "T727", kVineta + "Materia 3", kVineta + "Materia 11",
        "", "T730", "T731", "T732", "", "- T717", "T711", "T712", "T713", "T714", "T715"};
    EXPECT_EQ(LineasRequisitos(g.e, grado), esperadas);
}

TEST(LineasRequisitos, JudgementLinesAndTheAverageFormat)
{
    GradosPrueba g;
    g.Materias(Materias());
    const int mixta = g.Grado({"A", 3, 0, {}, {50, 55, 62}});
    const int sinNotas = g.Grado({"B", 3, 0, {}, {10, 10}});
    const int seis = g.Grado({"C", 3, 0, {}, {55, 65}});
    const int doce = g.Grado({"D", 5, 0, {}, {125, 130}});
    const auto tercera = [&](int grado) {
        const auto l = LineasRequisitos(g.e, grado);
        return std::vector<std::string>(l.begin() + 3, l.begin() + 5);
    };
    EXPECT_EQ(tercera(mixta), (std::vector<std::string>{"T720", "T722"}));
    EXPECT_EQ(tercera(sinNotas), (std::vector<std::string>{"", "T723"}));
    EXPECT_EQ(tercera(seis)[0], "T721 6.0");
    EXPECT_EQ(tercera(doce)[0], "T721 12.8");
}

TEST(LineasRequisitos, SubjectFieldsStopAtFiftyAndSkipNumbersWithoutASubject)
{
    GradosPrueba g;
    g.Materias(Materias());
    const int cincuenta = g.Grado({"Bellas Artes", 1, 0, {7, 50, 9, 10}, {}});
    auto l = LineasRequisitos(g.e, cincuenta);
    const auto desde = std::find(l.begin(), l.end(), "T726") + 1;
    EXPECT_EQ(std::vector<std::string>(desde, desde + 6),
              (std::vector<std::string>{kVineta + "Materia 7", "    T55", "", "T727", kVineta + "T728", ""}));

    // 28..100 lie beyond "materiasp" (27 lines): no line, and no stray flag.
    const int fuera = g.Grado({"Economía", 3, 0, {28, 100, -1, 9}, {}});
    l = LineasRequisitos(g.e, fuera);
    const auto d2 = std::find(l.begin(), l.end(), "T726") + 1;
    EXPECT_EQ(std::vector<std::string>(d2, d2 + 7),
              (std::vector<std::string>{kVineta + "Materia 9", "", "T727", kVineta + "Materia 20",
                                        kVineta + "Materia 12", kVineta + "Materia 18", ""}));
}

TEST(LineasRequisitos, ABranchOutsideOneToFiveAndAFewSubjectsDoNotBreakTheView)
{
    GradosPrueba g;
    g.Materias({"Solo una"});
    const int grado = g.Grado({"Raro", 9, 0, {1, 0, 0, 0}, {}});
    const auto l = LineasRequisitos(g.e, grado);
    EXPECT_EQ(l[6], "");   // no branch name
    EXPECT_EQ(std::count(l.begin(), l.end(), "T727"), 0);
    // Branch 4 names subjects up to 21 that a short "materiasp" lacks.
    const int ingenieria = g.Grado({"Ingenier\xED" "a", 4, 0, {1, 0, 0, 0}, {}});
    const auto l4 = LineasRequisitos(g.e, ingenieria);
    EXPECT_EQ(std::count_if(l4.begin(), l4.end(), [](const std::string &s) { return s.rfind(kVineta, 0) == 0; }), 1);
    EXPECT_TRUE(LineasRequisitos(g.e, 0).empty());
    EXPECT_TRUE(LineasRequisitos(g.e, g.e.NumGrados + 1).empty());
}

TEST(RequisitosCatalogo, StopAfterText730ForTheFirstAndLastDegreeAndNoneOutside)
{
    GradosPrueba g;
    g.Materias(Materias());
    // The first degree has a mark, a subject and three more of its branch;
    // the last has no mark, no subject and no branch.
    const int primero = g.Grado({"Qu\xEDmica", 2, 0, {11}, {80}});
    g.Grado({"Otro", 3, 0, {9}, {50}});
    const int ultimo = g.Grado({"Sin datos", 0, 0, {}, {}});
    struct Caso {
        int grado;
        size_t lineas;
        std::string juicio;   // line 4: the marks' judgement, empty without marks
    };
    const Caso casos[] = {{primero, 19, "T721 8.0"}, {ultimo, 13, ""}, {0, 0, ""}, {ultimo + 1, 0, ""}};
    for (const Caso &c : casos) {
        const auto l = RequisitosParaCatalogo(g.e, c.grado);
        ASSERT_EQ(l.size(), c.lineas) << c.grado;
        if (l.empty())
            continue;
        EXPECT_EQ(l.front(), "-     T277");
        EXPECT_EQ(l[3], c.juicio);
        EXPECT_EQ(l.back(), "T730");
    }
    // Nothing is left in the degrees screen's scratch list.
    EXPECT_EQ(g.e.ListaAux[1], "");
}

TEST(RequisitosInforme, FollowTheReportLinesWithTheHeadingInBold)
{
    GradosPrueba g;
    g.Materias(Materias());
    const int grado = g.Grado({"Qu\xEDmica", 2, 0, {11}, {80}});
    g.e.NumLineasInforme = 12;
    const int fin = RequisitosParaInforme(g.e, grado);
    EXPECT_EQ(g.e.ListaAux[13], "");
    EXPECT_EQ(g.e.LineasNegrita[3], 14);
    EXPECT_EQ(g.e.ListaAux[14], "-     T277");
    EXPECT_EQ(fin, 13 + static_cast<int>(LineasRequisitos(g.e, grado).size()));
    EXPECT_EQ(g.e.NumLineasInforme, fin);
    EXPECT_EQ(g.e.ListaAux[fin], "T715");
}
