// The cut-off marks and subject-weighting screen: two full-window panels,
// one at a time. The high cut-off marks list the degrees reaching a chosen
// mark; the weightings list the universities' PDF documents of the data
// folder.
#pragma once

#include "notas_corte.h"
#include "pantalla.h"

#include <QStringList>

#include <vector>

class QLabel;
class QListWidget;
class QPushButton;
class QTableWidget;

namespace norvela {

// The names of the PDF documents in `carpeta` (".pdf" in any case), sorted
// with case ignored; empty when the folder is missing.
QStringList NombresPdf(const QString &carpeta);

class TForm6 : public Pantalla {
    Q_OBJECT
public:
    TForm6(Enlace &e, Pantallas &p);

    // Shows the high cut-off marks with the list of the last threshold chosen.
    void MostrarNotaCorte();
    // Shows the weightings with the documents of the data folder's pdf/.
    void MostrarPonderaciones();
    // Lists the degrees whose latest mark reaches `umbral` tenths (the
    // buttons offer 8, 10 and 12); a list with none says so.
    void CalcularNotasCorte(int umbral);

protected:
    Pantalla *DestinoAlCerrar() override;

private:
    void ListarPDF(const QString &carpeta);

    void Buttoncorte6Click();
    void Buttoncorte7Click();
    void ButtonCorte8Click();
    void LClick(int fila);
    void ListUnisDblClick();
    void BotCerrar3Click();
    void Botcerrar4Click();

    // Every control bears its member's name as its object name.
    QWidget *PanelCorte = nullptr;
    QLabel *Imagecorte = nullptr;
    QLabel *LabelCorteSelecti = nullptr;
    QLabel *LabelCorte1 = nullptr;
    QPushButton *Buttoncorte6 = nullptr;
    QPushButton *Buttoncorte7 = nullptr;
    QPushButton *ButtonCorte8 = nullptr;
    QLabel *LabelCorte2 = nullptr;
    QLabel *LabelTotal = nullptr;
    QLabel *LabelMasde = nullptr;
    QTableWidget *L = nullptr;
    QLabel *LabelCorte3 = nullptr;
    QTableWidget *listcalc = nullptr;
    QPushButton *BotCerrar3 = nullptr;

    QWidget *PanelPonderacion = nullptr;
    QLabel *ImagePonderacion = nullptr;
    QWidget *PanelPonderacion2 = nullptr;
    QLabel *LabelPondera1 = nullptr;
    QLabel *LabelUnis = nullptr;
    QListWidget *ListUnis = nullptr;
    QPushButton *Botcerrar4 = nullptr;

    void CrearPanelCorte();
    void CrearPanelPonderacion();
    void PulsarUmbral(QPushButton *boton, int umbral);
    void VaciarListcalc();
    void VolverAGrados();

    std::vector<FilaCorte> filas_;
};

} // namespace norvela
