// Addresses reach the desktop's handler only when they are allowed: a
// recording handler stands in for the browser and the PDF viewer.
#include "abrir_enlace.h"
#include "carpeta_prueba.h"
#include "escritorio_registrado.h"
#include "mensajes.h"

#include <QUrl>
#include <gtest/gtest.h>

using namespace norvela;

TEST(AbrirEnlace, OnlyWebPagesAndDataFilesReachTheDesktop)
{
    pruebas::CarpetaPrueba c(QStringLiteral("minima"), false);
    c.EscribirBytes(QStringLiteral("pdf/est/Becas.pdf"), "%PDF-1.4\n");
    pruebas::EscritorioRegistrado navegador({"http", "https", "file", "javascript", "ftp"});

    EXPECT_TRUE(AbrirWeb(QStringLiteral("www.ub.edu"), c.Datos()));
    EXPECT_TRUE(AbrirWeb(QStringLiteral(" https://www.ucm.es/grados "), c.Datos()));
    EXPECT_TRUE(AbrirFichero(c.Ruta(QStringLiteral("pdf/est/Becas.pdf")), c.Datos()));
    // A shell would have run these; here they are refused before the desktop sees them.
    EXPECT_FALSE(AbrirWeb(QStringLiteral("javascript:alert(1)"), c.Datos()));
    EXPECT_FALSE(AbrirWeb(QStringLiteral("www.ub.edu\"; rm -rf ~; \""), c.Datos()));
    EXPECT_FALSE(AbrirWeb(QUrl::fromLocalFile(c.Ruta(QStringLiteral("pdf/est/Becas.pdf"))).toString(), c.Datos()));
    EXPECT_FALSE(AbrirFichero(QStringLiteral("/etc/passwd"), c.Datos()));
    EXPECT_FALSE(AbrirDireccion(QUrl(QStringLiteral("ftp://ftp.ub.edu/")), c.Datos()));

    ASSERT_EQ(navegador.abiertas.size(), 3);
    EXPECT_EQ(navegador.abiertas[0], QUrl(QStringLiteral("http://www.ub.edu")));
    EXPECT_EQ(navegador.abiertas[1], QUrl(QStringLiteral("https://www.ucm.es/grados")));
    EXPECT_TRUE(navegador.abiertas[2].isLocalFile());
    EXPECT_TRUE(navegador.abiertas[2].toLocalFile().endsWith(QStringLiteral("/pdf/est/Becas.pdf")));
}

TEST(AbrirEnlace, AnAddressTheDesktopCannotOpenIsToldWithTheAddress)
{
    pruebas::CarpetaPrueba c(QStringLiteral("minima"), false);
    MensajesRegistrados m;
    AvisarEnlacesFallidosCon(&m);
    // No handler and no browser here: the desktop says no.
    EXPECT_FALSE(AbrirWeb(QStringLiteral("www.ub.edu"), c.Datos()));
    // A refused address is not the desktop's failure: nothing to tell.
    EXPECT_FALSE(AbrirWeb(QStringLiteral("javascript:alert(1)"), c.Datos()));
    // A document that is no PDF is damage in the data folder: told like a missing file.
    const QString becas = c.Ruta(QStringLiteral("pdf/est/Becas.pdf"));
    c.EscribirBytes(QStringLiteral("pdf/est/Becas.pdf"), "no es un PDF");
    EXPECT_FALSE(AbrirFichero(becas, c.Datos()));
    AvisarEnlacesFallidosCon(nullptr);
    ASSERT_EQ(m.textos.size(), 2);
    EXPECT_EQ(m.textos[1], "Faltan ficheros (" + becas + "). Vuelva a instalar el programa");
    EXPECT_TRUE(m.textos[0].startsWith(QStringLiteral("No se ha podido abrir http://www.ub.edu.\n")))
        << m.textos[0].toStdString();
}
