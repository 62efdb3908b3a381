#include "certificados.h"

#include "cadenas.h"
#include "columnas.h"
#include "errores.h"

#include <QString>

namespace norvela {

namespace {

// Lines of the table from 10 on moved to 1.., the count down by nine.
void QuitarNueveLineas(TablaTexto &t, int &n)
{
    int k = 0;
    for (int i = kFamiliasCert + 1; i <= n; ++i)
        t.Poner(++k, t[i]);
    for (int i = k + 1; i <= n; ++i)
        t.Poner(i, "");
    n -= kFamiliasCert;
}

void ExigirNueveLineas(const TablaTexto &t, int n)
{
    if (n < kFamiliasCert)
        throw ErrorRango(QString::fromStdString(t[0]), n + 1,
                         QStringLiteral("faltan líneas: las nueve primeras son las familias y los requisitos"));
}

// The explanation of certificate line L, empty outside the table.
const std::string &Explicacion(const DatosFP &d, int linea)
{
    static const std::string vacia;
    return linea >= 1 && linea <= d.NumExplicacionesCert ? d.ExplicacionCertificados[linea] : vacia;
}

const std::string &Linea(const DatosFP &d, int linea)
{
    static const std::string vacia;
    return linea >= 1 && linea <= d.NumCertificados ? d.NombresCertificados[linea] : vacia;
}

} // namespace

FamiliasCertificados DividirCertificados(DatosFP &d)
{
    ExigirNueveLineas(d.NombresCertificados, d.NumCertificados);
    ExigirNueveLineas(d.ExplicacionCertificados, d.NumExplicacionesCert);
    for (int h = 1; h <= kFamiliasCert; ++h)
        d.EncabezadosCertificados.Poner(h, d.ExplicacionCertificados[h]);
    QuitarNueveLineas(d.ExplicacionCertificados, d.NumExplicacionesCert);

    FamiliasCertificados f;
    for (int k = 1; k <= kFamiliasCert; ++k) {
        const std::string &s = d.NombresCertificados[k];
        f.CodigosFamiliaCert[static_cast<size_t>(k)] = std::string(Columnas(s, 1, 8));
        f.NombresFamiliaCert[static_cast<size_t>(k)] = Cortar(Columnas(s, 9, static_cast<int>(s.size())), 60);
    }
    QuitarNueveLineas(d.NombresCertificados, d.NumCertificados);
    return f;
}

std::vector<FilaCertificado> SubgruposDeFamilia(const DatosFP &d, const std::string &codigo)
{
    std::vector<FilaCertificado> filas;
    for (int i = 1; i <= d.NumCertificados; ++i) {
        const std::string &s = d.NombresCertificados[i];
        if (Caracter(s, 2) != '-')
            continue;
        for (char letra : codigo)
            if (letra != ' ' && letra == Caracter(s, 1))
                filas.push_back({QuitarBlancosFinales(Columnas(s, 2, static_cast<int>(s.size()))), i});
    }
    return filas;
}

std::vector<FilaCertificado> CertificadosDeSubgrupo(const DatosFP &d, char letra)
{
    std::vector<FilaCertificado> filas;
    for (int i = 1; i <= d.NumCertificados; ++i) {
        const std::string &s = d.NombresCertificados[i];
        if (Caracter(s, 1) == letra && Caracter(s, 2) != '-')
            filas.push_back({QuitarBlancosFinales(Columnas(s, 2, static_cast<int>(s.size()))), i});
    }
    return filas;
}

std::vector<std::string> RequisitosCertificado(const DatosFP &d, int linea)
{
    std::vector<std::string> r;
    const std::string &e = Explicacion(d, linea);
    for (int k = 1; k <= 3; ++k)
        for (int h = 1; h <= kFamiliasCert; ++h) {
            const std::string &encabezado = d.EncabezadosCertificados[h];
            if (!encabezado.empty() && encabezado[0] == Caracter(e, k))
                r.push_back(QuitarBlancosFinales(Columnas(encabezado, 2, 1 + AnchoRequisitoCert)));
        }
    return r;
}

std::string NombreCertificado(const DatosFP &d, int linea)
{
    return QuitarBlancosFinales(Columnas(Linea(d, linea), 2, 61));
}

std::string HorasCertificado(const DatosFP &d, int linea)
{
    return std::string(Columnas(Explicacion(d, linea), 4, 6));
}

std::string DescripcionCertificado(const DatosFP &d, int linea)
{
    return QuitarBlancosFinales(Columnas(Explicacion(d, linea), 8, 90));
}

InformeFP InformeSubgrupo(const DatosFP &d, const TextosInterfaz &t, const std::vector<int> &lineas)
{
    InformeFP informe;
    if (lineas.empty())
        return informe;
    informe.titulo = t[580];
    informe.Anadir(t[583] + ":");
    informe.Anadir(std::string(Columnas(Linea(d, lineas.front() - 1), 2, 61)));
    informe.Anadir("");
    for (int linea : lineas) {
        const std::string &e = Explicacion(d, linea);
        informe.negritas.push_back(informe.Anadir(std::string(Columnas(Linea(d, linea), 2, 61))));
        informe.Anadir(std::string(Columnas(e, 8, 67)));
        informe.Anadir(t[581]);
        for (int k = 1; k <= 3; ++k) {
            // The printed report keeps only the last heading of a code,
            // whole: its end tells the levels apart ("... nivel 2").
            std::string requisito;
            for (int h = 1; h <= kFamiliasCert; ++h) {
                const std::string &encabezado = d.EncabezadosCertificados[h];
                if (!encabezado.empty() && encabezado[0] == Caracter(e, k))
                    requisito = QuitarBlancosFinales(Columnas(encabezado, 2, 1 + AnchoRequisitoCert));
            }
            if (!requisito.empty())
                informe.Anadir(std::string(7, ' ') + requisito);
        }
        informe.Anadir(Cortar(t[582] + ": ", 27) + std::string(Columnas(e, 4, 6)));
        informe.Anadir("");
    }
    informe.negritas.push_back(2);
    return informe;
}

} // namespace norvela
