// Whether the program starts on the animated home screen: the user's choice
// (settings record, or S / N on the command line), both image packs in the
// data folder, and a graphics library of version 7 or later.
#include "carpeta_prueba.h"
#include "enlace.h"

#include <gtest/gtest.h>

using namespace norvela;
using norvela::pruebas::CarpetaPrueba;

namespace {

enum class Version { Plataforma, Seis, Siete, Ninguna };

struct Caso {
    const char *nombre;
    bool segdxg, vector;
    Version version;
    bool registro;               // the record's animation choice
    QStringList argumentos;
    bool animado;
};

ProveedorVersion Proveedor(Version v)
{
    switch (v) {
    case Version::Plataforma:
        return VersionRegistradaDelSistema;
    case Version::Seis:
        return [] { return std::optional<std::string>("4.06.00.0600"); };
    case Version::Siete:
        return [] { return std::optional<std::string>("4.07.00.0700"); };
    case Version::Ninguna:
        break;
    }
    return {};
}

class Prerrequisitos : public testing::TestWithParam<Caso> {};

} // namespace

TEST_P(Prerrequisitos, DecideTheHomeScreen)
{
    const Caso &c = GetParam();
    CarpetaPrueba carpeta;
    carpeta.EscribirBytes("ajustes", c.registro ? "idioma=0\r\norden=0\r\nanimacion=1\r\n"
                                                : "idioma=0\r\norden=0\r\nanimacion=0\r\n");
    if (c.segdxg)
        carpeta.EscribirBytes("segdxg1.DXG", "x");
    if (c.vector)
        carpeta.EscribirBytes("vector.DXG", "x");
    MensajesRegistrados m;
    Enlace e(m);
    OpcionesInicio o;
    o.rutaPrograma = carpeta.Programa();
    o.argumentos = c.argumentos;
    o.carpetaUsuario = carpeta.Programa() + "usuario";
    o.versionGraficos = Proveedor(c.version);
    Inicializar(e, o);
    ASSERT_FALSE(e.ErrorFicheros) << m.textos.join('|').toStdString();
    EXPECT_EQ(e.ModoAnimado, c.animado);
    // The stored choice is what the settings panel shows, whatever this run does.
    EXPECT_EQ(e.AnimacionSi, c.registro);
    EXPECT_FALSE(e.AnimacionIniciada);
    EXPECT_TRUE(m.textos.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Animado, Prerrequisitos,
    testing::Values(
        Caso{"ChosenWithBothPacks", true, true, Version::Plataforma, true, {}, true},
        Caso{"NotChosen", true, true, Version::Plataforma, false, {}, false},
        Caso{"NoVectorPack", true, false, Version::Plataforma, true, {}, false},
        Caso{"NoSceneryPack", false, true, Version::Plataforma, true, {}, false},
        Caso{"NoPacks", false, false, Version::Plataforma, true, {}, false},
        Caso{"SOverridesTheRecord", true, true, Version::Plataforma, false, {"S"}, true},
        Caso{"SWithALanguage", true, true, Version::Plataforma, false, {"S", "2"}, true},
        Caso{"SWithoutPacks", false, false, Version::Plataforma, false, {"S"}, false},
        Caso{"NOverridesTheRecord", true, true, Version::Plataforma, true, {"N"}, false},
        Caso{"NWithALanguage", true, true, Version::Plataforma, true, {"N", "2"}, false},
        Caso{"LowerCaseSIsNotAChoice", true, true, Version::Plataforma, false, {"s"}, false},
        Caso{"VersionSevenIsEnough", true, true, Version::Siete, false, {"S"}, true},
        Caso{"VersionSixIsNot", true, true, Version::Seis, false, {"S"}, false},
        Caso{"NoVersionAtAll", true, true, Version::Ninguna, true, {"S"}, false}),
    [](const testing::TestParamInfo<Caso> &info) { return std::string(info.param.nombre); });
