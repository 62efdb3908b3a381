// The degree statistics charts: enrolment by field of study, academic
// difficulty and employment, each a horizontal bar chart with buttons that
// open its PDF documents. Opened from the degrees screen's information
// sub-menu; back and the close box return there.
#pragma once

#include "estadisticas_grados.h"
#include "pantalla.h"

#include <QList>
#include <QPixmap>
#include <QUrl>
#include <functional>

class QLabel;
class QPushButton;

namespace norvela {

class EtiquetaActiva;

// A chart row with its name already in the interface language.
struct FilaDibujo {
    QString nombre;
    QString texto;
    int clave = 0;
    double valor = 0;
};

// The chart's paint box: draws the rows it is given, nothing else.
class LienzoEstGra : public QWidget {
    Q_OBJECT
public:
    explicit LienzoEstGra(QWidget *padre);
    void Poner(std::vector<FilaDibujo> filas, int extra);
    const std::vector<FilaDibujo> &Filas() const { return filas_; }
    int Extra() const { return extra_; }

signals:
    void movido();

protected:
    void paintEvent(QPaintEvent *evento) override;
    void mouseMoveEvent(QMouseEvent *evento) override;

private:
    void DibujarBarra(QPainter &p, int FilaEstadistica, const FilaDibujo &f);

    std::vector<FilaDibujo> filas_;
    int extra_ = 0;
    QList<QPixmap> iconos_;
    QList<QPixmap> ramas_;
};

class TFormEstGra : public Pantalla {
    Q_OBJECT
public:
    TFormEstGra(Enlace &e, Pantallas &p);

    // The chart drawn last; the screen draws it again when shown.
    GraficoGrado Grafico() const { return grafico_; }
    bool GraficoMatricula() const { return grafico_ == GraficoGrado::Matricula; }
    bool GraficoDificultad() const { return grafico_ == GraficoGrado::Dificultad; }
    bool GraficoTrabajo() const { return grafico_ == GraficoGrado::Trabajo; }

    // The ministry's university statistics for the course 2018-2019.
    static const QUrl kPaginaEstadisticas;

protected:
    Pantalla *DestinoAlCerrar() override;
    void AlVolverPorCierre() override;
    void showEvent(QShowEvent *evento) override;
    void mouseMoveEvent(QMouseEvent *evento) override;
    bool eventFilter(QObject *objeto, QEvent *evento) override;

private:
    void ButtonMatriculaClick();
    void ButtonDificClick();
    void ButtonTrabajoClick();
    void ButtonRetroEstaClick();
    void LabelWebClick();

    // Every control bears its member's name as its object name.
    QWidget *PanelEst1 = nullptr;
    LienzoEstGra *chart1 = nullptr;
    QLabel *LabelEst1 = nullptr;
    QLabel *LabelEst2 = nullptr;
    QPushButton *ButtonMatricula = nullptr;
    QPushButton *ButtonDific = nullptr;
    QPushButton *ButtonTrabajo = nullptr;
    QPushButton *ButtonMas1 = nullptr;
    QPushButton *ButtonMas2 = nullptr;
    QPushButton *ButtonMas3 = nullptr;
    QPushButton *ButtonMas21 = nullptr;
    QPushButton *ButtonMas22 = nullptr;
    QPushButton *ButtonMas31 = nullptr;
    QPushButton *ButtonMas32 = nullptr;
    EtiquetaActiva *LabelWeb = nullptr;
    QLabel *LabelPDF = nullptr;
    QPushButton *ButtonRetroEsta = nullptr;

    void Dibujar(GraficoGrado g);
    void MostrarBotones(GraficoGrado g);
    void OcultarBotones();
    QPushButton *BotonPdf(int texto, const char *fichero, int y);
    void SubrayarWeb(bool si);

    GraficoGrado grafico_ = GraficoGrado::Ninguno;
};

} // namespace norvela
