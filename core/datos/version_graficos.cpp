#include "version_graficos.h"

namespace norvela {

std::optional<std::string> VersionRegistradaDelSistema()
{
    return std::string("4.09.00.0904");
}

int VersionDeCadena(std::string_view version)
{
    if (version.size() < 4 || version[3] < '0' || version[3] > '9')
        return 0;
    return version[3] - '0';
}

int LeerVersionDirectX(const ProveedorVersion &proveedor)
{
    const auto version = proveedor ? proveedor() : std::nullopt;
    return version ? VersionDeCadena(*version) : 0;
}

} // namespace norvela
