// The animated home screen needs a graphics library of version 7 or later.
// The version is a text such as "4.09.00.0904" whose 4th character is the
// major number; when no version can be had the version is 0.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace norvela {

// The stored version text, if the platform has one.
using ProveedorVersion = std::function<std::optional<std::string>()>;

// On this platform the scene is painted by Qt's own painting, which is always
// there and does all the scene asks of it: reported as version 9.
std::optional<std::string> VersionRegistradaDelSistema();

// The 4th character of the version text as a number; 0 when it is absent,
// too short or not a digit.
int VersionDeCadena(std::string_view version);

int LeerVersionDirectX(const ProveedorVersion &proveedor);

} // namespace norvela
