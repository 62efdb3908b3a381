// The user's settings record: interface language, alphabetical ordering and
// the animated home screen. It lives in the data folder as the small text
// file "ajustes"; when that folder cannot be written (an installed copy) the
// record lives in the user's configuration folder instead.
#pragma once

#include <QString>

namespace norvela {

struct Ajustes {
    int idioma = 0;          // 0 Castilian, 1 Catalan/Valencian, 2 Galician, 3 Basque
    bool orden = false;      // lists re-sorted alphabetically
    bool animacion = false;  // animated home screen

    bool operator==(const Ajustes &) const = default;
};

class AlmacenAjustes {
public:
    static constexpr const char *kNombre = "ajustes";

    // carpetaDatos: the data folder; carpetaUsuario: where the record goes
    // when the data folder is not writable.
    AlmacenAjustes(QString carpetaDatos, QString carpetaUsuario);

    // The stored record, or the first-run values when there is none. A field
    // that is missing or out of range takes its first-run value. Reading and
    // writing first remove what an interrupted save left behind.
    Ajustes Leer() const;

    // Writes the record atomically: on failure the stored record is left as
    // it was and false is returned.
    bool Grabar(const Ajustes &a) const;

    // Where the record is read from and written to.
    QString Ruta() const;

private:
    bool CarpetaDatosEscribible() const;
    // Removes the temporary files of saves that never finished, in both folders.
    void QuitarTemporales() const;

    QString carpetaDatos_;
    QString carpetaUsuario_;
};

} // namespace norvela
