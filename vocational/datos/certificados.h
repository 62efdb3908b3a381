// The professional certificates as the certificates screen and the catalogue
// read them: nine families of sub-groups, the certificates of a sub-group,
// a certificate's requirements, hours and description, and the printed
// report of a whole sub-group.
#pragma once

#include "datos_fp.h"
#include "informe_fp.h"
#include "textos_interfaz.h"

#include <array>
#include <string>
#include <vector>

namespace norvela {

constexpr int kFamiliasCert = 9;
// Characters of a requirement heading shown after its code.
constexpr int AnchoRequisitoCert = 28;

// The nine family lines of "certifica": characters 1..8 hold the letters of
// the family's sub-groups, characters 9 onwards its name. Entries 1..9.
struct FamiliasCertificados {
    std::array<std::string, kFamiliasCert + 1> CodigosFamiliaCert;
    std::array<std::string, kFamiliasCert + 1> NombresFamiliaCert;
};

// Takes the nine family lines out of NombresCertificados and the nine
// requirement headings out of ExplicacionCertificados (into
// EncabezadosCertificados), moving the other lines up, so that line k of
// both tables is the same sub-group or certificate. The counts lose nine.
// A file of fewer than nine lines is an ErrorRango naming it.
FamiliasCertificados DividirCertificados(DatosFP &d);

// A row of the sub-group or certificate list: its text and its line in
// NombresCertificados.
struct FilaCertificado {
    std::string texto;
    int linea = 0;
};

// The sub-groups of a family code, in file order: for each line, each
// letter of the code that opens it ("X-") adds a row; a letter twice adds
// the sub-group twice. The row shows "-" and the sub-group's name.
std::vector<FilaCertificado> SubgruposDeFamilia(const DatosFP &d, const std::string &codigo);

// The certificates of a sub-group's letter (lines "X" + name), their names.
std::vector<FilaCertificado> CertificadosDeSubgrupo(const DatosFP &d, char letra);

// The requirements of certificate line L, one a line: for each of its three
// codes, every heading with that code, in heading order.
std::vector<std::string> RequisitosCertificado(const DatosFP &d, int linea);
// Characters 2..61 of the certificate's line: its name.
std::string NombreCertificado(const DatosFP &d, int linea);
// Characters 4..6 of its explanation: the hours of training.
std::string HorasCertificado(const DatosFP &d, int linea);
// Characters 8..90 of its explanation, without trailing blanks.
std::string DescripcionCertificado(const DatosFP &d, int linea);

// The report of the certificates listed (their lines, in list order): the
// sub-group, then for each certificate its name (bold), the start of its
// description, its requirements (each heading's AnchoRequisitoCert
// characters, seven blanks in) and hours. Empty when none is listed.
InformeFP InformeSubgrupo(const DatosFP &d, const TextosInterfaz &t, const std::vector<int> &lineas);

} // namespace norvela
