// Small text routines that every loader and most screens use to pad, trim and
// test fixed-length lines. Texts are Windows-1252 bytes.
#pragma once

#include <string>
#include <string_view>

namespace norvela {

// n - 1 copies of c, at most 80; empty when n <= 1. Padded lines and the
// report layouts count on the n - 1.
std::string RepetirCaracter(int n, char c);

// s without its trailing blanks (character 32 only; tabs stay).
std::string QuitarBlancosFinales(std::string_view s);

// True when s is empty or holds blanks only.
bool EsBlanco(std::string_view s);

// A fixed-length text of width w keeps the first w characters of what it is given.
std::string Cortar(std::string_view s, int w);

// The padded line of a fixed-width list: the line followed by
// RepetirCaracter(ancho, ' '), cut to ancho characters.
std::string LineaRellena(std::string_view linea, int ancho);

} // namespace norvela
