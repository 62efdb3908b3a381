// A page device that only records what is drawn on it, with a fixed page
// size and a predictable text width, so report layouts can be checked
// without a printer. It can also be told to fail like a real printer.
#pragma once

#include "pagina_informe.h"

#include <vector>

namespace norvela {

struct TrazoInforme {
    enum class Tipo { Texto, Rectangulo, Elipse, Imagen };
    Tipo tipo;
    int pagina;             // 1-based
    int x, y;               // text position, or the rectangle's first corner
    int x2 = 0, y2 = 0;     // the rectangle's far corner
    QString texto;
    QString familia;
    int puntos = 0;
    bool negrita = false;
};

class PaginaRegistrada : public PaginaInforme {
public:
    // Portrait size of the printable area; landscape swaps it.
    PaginaRegistrada(int anchoVertical = 4800, int altoVertical = 6600, int pixelesPorPulgada = 600)
        : anchoVertical_(anchoVertical), altoVertical_(altoVertical), ppp_(pixelesPorPulgada)
    {
    }

    bool Comenzar(const QString &titulo, bool apaisada) override;
    bool NuevaPagina() override;
    bool Terminar() override;
    void Abortar() override { abortado = true; }
    QString Destino() const override { return QStringLiteral("registro"); }

    int Ancho() const override { return apaisada ? altoVertical_ : anchoVertical_; }
    int Alto() const override { return apaisada ? anchoVertical_ : altoVertical_; }
    int PixelesPorPulgadaX() const override { return ppp_; }
    int PixelesPorPulgadaY() const override { return ppp_; }

    void PonerFuente(const QString &familia, int puntos, bool negrita) override;
    // 0.6 of the point size a character, as a fixed-pitch font.
    int AnchoTexto(const QString &s) override;
    void Texto(int x, int y, const QString &s) override;
    void Rectangulo(int x1, int y1, int x2, int y2) override;
    void Elipse(int x1, int y1, int x2, int y2) override;
    void Imagen(int x1, int y1, int x2, int y2, const QImage &imagen) override;

    // The texts of one page, in drawing order.
    std::vector<TrazoInforme> Textos(int pagina) const;
    // The first text equal to s, or nullptr.
    const TrazoInforme *Buscar(const QString &s) const;

    // Failures to play: at start, when page `fallarEnPagina` is begun, at the end.
    bool fallarAlComenzar = false;
    int fallarEnPagina = 0;
    bool fallarAlTerminar = false;

    // What happened.
    QString titulo;
    bool apaisada = false;
    bool comenzado = false;
    bool terminado = false;
    bool abortado = false;
    int paginas = 0;
    std::vector<TrazoInforme> trazos;

private:
    void Anotar(TrazoInforme::Tipo tipo, int x1, int y1, int x2, int y2, const QString &texto = {});

    int anchoVertical_;
    int altoVertical_;
    int ppp_;
    QString familia_;
    int puntos_ = 0;
    bool negrita_ = false;
};

} // namespace norvela
