#include "ansi.h"
#include "cadenas.h"

#include <gtest/gtest.h>

using namespace norvela;

TEST(TextHelpers, RepetirCaracterGivesOneLessUpToEighty)
{
    EXPECT_EQ(RepetirCaracter(0, ' '), "");
    EXPECT_EQ(RepetirCaracter(1, ' '), "");
    EXPECT_EQ(RepetirCaracter(-5, ' '), "");
    EXPECT_EQ(RepetirCaracter(60, ' '), std::string(59, ' '));
    EXPECT_EQ(RepetirCaracter(81, '-'), std::string(80, '-'));
    EXPECT_EQ(RepetirCaracter(200, ' '), std::string(80, ' '));
}

TEST(TextHelpers, QuitarBlancosFinalesRemovesOnlyTrailingSpaces)
{
    EXPECT_EQ(QuitarBlancosFinales("   "), "");
    EXPECT_EQ(QuitarBlancosFinales(""), "");
    EXPECT_EQ(QuitarBlancosFinales("a b "), "a b");
    EXPECT_EQ(QuitarBlancosFinales("  a"), "  a");
    EXPECT_EQ(QuitarBlancosFinales("a\t"), "a\t");
    EXPECT_TRUE(EsBlanco(""));
    EXPECT_TRUE(EsBlanco("    "));
    EXPECT_FALSE(EsBlanco("  x "));
}

TEST(TextHelpers, PaddedLineIsExactlyItsWidth)
{
    EXPECT_EQ(LineaRellena("abc", 60), "abc" + std::string(57, ' '));
    EXPECT_EQ(LineaRellena("", 60), std::string(59, ' '));
    EXPECT_EQ(LineaRellena(std::string(70, 'x'), 60), std::string(60, 'x'));
    // Past 81 the padding (80 blanks) no longer reaches the width.
    EXPECT_EQ(LineaRellena("ab", 90).size(), 82u);
    EXPECT_EQ(Cortar("abcdef", 4), "abcd");
}

TEST(Ansi, Windows1252RoundTripsItsSpecialRange)
{
    const QString texto = QString::fromUtf8("Año € – «sí» Œ ‘a’");
    const std::string bytes = HaciaAnsi(texto);
    EXPECT_EQ(bytes.size(), static_cast<size_t>(texto.size()));
    EXPECT_EQ(static_cast<unsigned char>(bytes[1]), 0xF1);   // ñ
    EXPECT_EQ(static_cast<unsigned char>(bytes[4]), 0x80);   // €
    EXPECT_EQ(DesdeAnsi(bytes), texto);
    // A character Windows-1252 has no place for.
    EXPECT_EQ(HaciaAnsi(QString::fromUtf8("x→y")), "x?y");
    // Undefined bytes are kept as their code point rather than dropped.
    EXPECT_EQ(DesdeAnsi("\x81").size(), 1);
}
