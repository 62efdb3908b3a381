// The family statistics charts: centres per higher-cycle title (chart 1),
// each family's share of the studies (chart 3), and per family the share
// of studies against the share of jobs (chart 4). The higher-cycle screen
// prepares a chart and then shows this screen; its back button returns.
#pragma once

#include "estadisticas_familia.h"
#include "estadisticas_grafico.h"
#include "pantalla.h"

#include <QTimer>
#include <QUrl>
#include <functional>

class QLabel;
class QPushButton;
class QScrollBar;
class QWheelEvent;

namespace norvela {

class EtiquetaActiva;

// A chart's paint box: draws what its chart's geometry says.
class LienzoGrafico : public QWidget {
    Q_OBJECT
public:
    LienzoGrafico(const GraficoEstadistico &grafico, QWidget *padre);

signals:
    // A wheel turn over the chart, for the screen to scroll.
    void rueda(int delta);

protected:
    void paintEvent(QPaintEvent *evento) override;
    void wheelEvent(QWheelEvent *evento) override;

private:
    void PintarFila(QPainter &p, const FilaDibujada &d);
    void PintarFilaEstudiosEmpleo(QPainter &p, const FilaDibujada &d);
    void PintarNombre(QPainter &p, const FilaDibujada &d, int x0, int y);
    void PintarCaja(QPainter &p, int x, int arriba, const std::string &texto, int xTexto, int yTexto);

    const GraficoEstadistico &grafico_;
};

class TEstadisticas : public Pantalla {
    Q_OBJECT
public:
    // Built on what its data step read.
    TEstadisticas(Enlace &e, Pantallas &p, LecturasEstadistica lecturas);
    // Reads the statistics' own copies of "fp", "familias" and
    // "fami_estad.txt", for the screen.
    static LecturasEstadistica PrepararDatos(Enlace &e);

    // Prepare chart 1 for title `TituloSel` (a line of "fp"), chart 3 or
    // chart 4 for family `FamiliaEstad` (1..26; 0 is a title without a
    // family). A number outside the lists shows the chart with no row
    // selected and says there are no data. The caller then shows the screen.
    void labelEstad1Click(int TituloSel);
    void labelEstad3Click(int FamiliaEstad);
    void labelEstad4Click(int FamiliaEstad);

    void ButtonRetroEstaClick();
    void LabelInfoClick();
    void Timer1Timer();
    void Timer2Timer();
    // Moves the active chart's scroll bar one row per 120 of delta, up for a positive one.
    void FormMouseWheel(int delta);

    // Chart 1 or 3 (on chart1), chart 4 (on Chart2).
    const GraficoEstadistico &Grafico1() const { return grafico1_; }
    const GraficoEstadistico &Grafico2() const { return grafico2_; }

    // What the screen's data step read.
    const ListaEstFP &EstFP() const { return lecturas_.fp; }
    const std::vector<std::string> &EstFamilias() const { return lecturas_.familias; }
    const std::vector<std::string> &EstDatos() const { return lecturas_.datos; }

    // The ministry page on the observatory of occupations.
    static const QUrl kPaginaObservatorio;
    // Opens a web page on the desktop; tests replace it.
    std::function<bool(const QUrl &)> AbrirPagina;

    QLabel *LabelEst1 = nullptr;
    QLabel *LabelEst2 = nullptr;
    QWidget *PanelEst1 = nullptr;
    QWidget *PanelEst2 = nullptr;
    LienzoGrafico *chart1 = nullptr;
    LienzoGrafico *Chart2 = nullptr;
    QScrollBar *ScrollBar1 = nullptr;
    QScrollBar *ScrollBar2 = nullptr;
    QLabel *LabelExplica1 = nullptr;
    QLabel *LabelExplica2 = nullptr;
    QLabel *LabelExplica3 = nullptr;
    QLabel *LabelVerde = nullptr;
    QLabel *LabelRojo = nullptr;
    EtiquetaActiva *LabelInfo2 = nullptr;
    QPushButton *ButtonRetroEsta = nullptr;
    QTimer Timer1;
    QTimer Timer2;

protected:
    Pantalla *DestinoAlCerrar() override;
    void AlVolverPorCierre() override;
    void wheelEvent(QWheelEvent *evento) override;
    bool eventFilter(QObject *objeto, QEvent *evento) override;

private:
    void Crear();
    void PonerTextos();
    void ScrollBar1Change(int posicion);
    void ScrollBar2Change(int posicion);
    void PrepararBarra(QScrollBar *barra, const GraficoEstadistico &g);
    void EmpezarGrafico(GraficoEstadistico &g, QScrollBar *barra, LienzoGrafico *lienzo, QTimer &reloj);
    QString SubtituloFamilia(const GraficoEstadistico &g) const;
    // "problema decimales" for every bad field of the families chart 3 or 4 reads.
    void AvisarCamposMalos(bool conEmpleo);
    // Caption with the chosen row's name, followed by the note `nota` (a
    // text number: no data, not in the chart) when it is not 0.
    QString Subtitulo(int texto, const QString &nombre, int nota) const;
    void Describir(LienzoGrafico *lienzo, const GraficoEstadistico &g);
    void LabelInfo2MouseMove();
    void PanelEst2MouseMove();
    bool SobreLabelInfo2(QEvent *movimiento) const;

    LecturasEstadistica lecturas_;
    GraficoEstadistico grafico1_;
    GraficoEstadistico grafico2_;
    bool chart2Activo_ = false;
};

} // namespace norvela
