#include "paquetes.h"

#include <QFile>
#include <QResource>
#include <QtEndian>
#include <vector>

namespace norvela {

namespace {

// Where each pack's pictures appear while it is registered.
const QString kRaiz[2] = {QStringLiteral("/norvela-segdxg1"), QStringLiteral("/norvela-vector")};

// Qt trusts every offset inside a resource file it registers: a damaged
// pack would make it read far outside the file. So a pack is read whole
// and its index walked here first; only a pack whose header, nodes, names
// and data all lie inside it is handed over.
class EstructuraPaquete {
public:
    explicit EstructuraPaquete(const QByteArray &bytes) : b_(bytes) {}

    bool Valida()
    {
        if (b_.size() < 20 || !b_.startsWith("qres"))
            return false;
        const qint64 version = Entero(4);
        if (version < 1 || version > 3)
            return false;
        arbol_ = Entero(8);
        datos_ = Entero(12);
        nombres_ = Entero(16);
        const qint64 cabecera = version >= 3 ? 24 : 20;
        for (qint64 zona : {arbol_, datos_, nombres_})
            if (zona < cabecera || zona >= b_.size())
                return false;
        tamanoNodo_ = version >= 2 ? 22 : 14;
        nodos_ = (b_.size() - arbol_) / tamanoNodo_;
        if (nodos_ < 1 || !(Corto(arbol_ + 4) & kDirectorio))
            return false;
        // Children come after their parent; each node is checked once.
        visto_.assign(static_cast<size_t>(nodos_), false);
        std::vector<qint64> pendientes{0};
        while (!pendientes.empty()) {
            const qint64 nodo = pendientes.back();
            pendientes.pop_back();
            const qint64 n = arbol_ + nodo * tamanoNodo_;
            const qint64 cuenta = Entero(n + 6), primero = Entero(n + 10);
            if (cuenta == 0)
                continue;
            if (cuenta < 0 || primero <= nodo || primero + cuenta > nodos_)
                return false;
            for (qint64 hijo = primero; hijo < primero + cuenta; ++hijo) {
                if (visto_[static_cast<size_t>(hijo)])
                    continue;
                visto_[static_cast<size_t>(hijo)] = true;
                const qint64 h = arbol_ + hijo * tamanoNodo_;
                if (!NombreDentro(Entero(h)))
                    return false;
                if (Corto(h + 4) & kDirectorio)
                    pendientes.push_back(hijo);
                else if (!DatoDentro(Entero(h + 10)))
                    return false;
            }
        }
        return true;
    }

private:
    static constexpr quint16 kDirectorio = 0x02;

    // Big-endian fields; a field that does not fit is read as -1.
    qint64 Entero(qint64 en) const
    {
        if (en < 0 || en + 4 > b_.size())
            return -1;
        return qFromBigEndian<qint32>(b_.constData() + en);
    }
    quint16 Corto(qint64 en) const
    {
        if (en < 0 || en + 2 > b_.size())
            return 0;
        return qFromBigEndian<quint16>(b_.constData() + en);
    }
    bool Dentro(qint64 desde, qint64 longitud) const
    {
        return desde >= 0 && longitud >= 0 && desde + longitud <= b_.size();
    }
    // A name: its length in UTF-16 units, its hash, then the units.
    bool NombreDentro(qint64 desplazamiento) const
    {
        const qint64 en = nombres_ + desplazamiento;
        return desplazamiento >= 0 && Dentro(en, 6) && Dentro(en + 6, 2 * qint64(Corto(en)));
    }
    // A stored file: its length, then its bytes.
    bool DatoDentro(qint64 desplazamiento) const
    {
        const qint64 en = datos_ + desplazamiento;
        return desplazamiento >= 0 && Dentro(en, 4)
               && Dentro(en + 4, qint64(qFromBigEndian<quint32>(b_.constData() + en)));
    }

    const QByteArray &b_;
    qint64 arbol_ = 0, datos_ = 0, nombres_ = 0, tamanoNodo_ = 0, nodos_ = 0;
    std::vector<bool> visto_;
};

QByteArray LeerPaquete(const QString &ruta)
{
    QFile f(ruta);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QByteArray bytes = f.readAll();
    if (f.error() != QFileDevice::NoError || !EstructuraPaquete(bytes).Valida())
        return {};
    return bytes;
}

} // namespace

QString CargarPaquetesEscena(const QString &segdxg, const QString &vector, ImagenesEscena &imagenes)
{
    const QString ficheros[2] = {segdxg, vector};
    ImagenesEscena leidas;
    const std::vector<EntradaPaquete> entradas = EntradasPaquetes(leidas);
    for (int paquete = 0; paquete < 2; ++paquete) {
        // Registered from memory: Qt reads exactly the bytes checked above.
        const QByteArray bytes = LeerPaquete(ficheros[paquete]);
        const auto *datos = reinterpret_cast<const uchar *>(bytes.constData());
        if (bytes.isEmpty() || !QResource::registerResource(datos, kRaiz[paquete]))
            return ficheros[paquete];
        bool completo = true;
        for (const EntradaPaquete &entrada : entradas) {
            if (entrada.paquete != paquete)
                continue;
            *entrada.destino = LeerImagenLista(QStringLiteral(":") + kRaiz[paquete] + '/' + entrada.nombre);
            // A picture of another size would leave gaps or smears on the scene.
            completo = completo && entrada.destino->size() == entrada.tamano;
        }
        QResource::unregisterResource(datos, kRaiz[paquete]);
        if (!completo)
            return ficheros[paquete];
    }
    imagenes = std::move(leidas);
    return {};
}

} // namespace norvela
