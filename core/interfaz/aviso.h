// The one modal question window: a Yes/No confirmation, or a prompt for the
// student's name before a report is printed. Created once and reused.
#pragma once

#include <QDialog>
#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;

namespace norvela {

class Enlace;

class TForm4 : public QDialog {
    Q_OBJECT
public:
    // Modal results.
    static constexpr int kSi = 6;
    static constexpr int kNo = 2;

    explicit TForm4(Enlace &enlace);

    QLabel *LabelNombre = nullptr;
    QLineEdit *EditNombre = nullptr;
    QLabel *LabelNombre2 = nullptr;
    QPushButton *ShadowSi = nullptr;
    QPushButton *ShadowNo = nullptr;

    // Asks `pregunta`; true for Yes.
    bool Confirmar(const QString &pregunta);
    // Asks for the student's name until one is typed; nullopt when the
    // student answers anything but Yes. The name is cut to `maximo` characters.
    std::optional<QString> PedirNombre(const QString &peticion, int maximo = 45);

    void ShadowSiClick() { done(kSi); }
    void ShadowNoClick() { done(kNo); }
    // Unbound twins of the two buttons.
    void botImprimirClick() { done(kSi); }
    void botcerImpClick() { done(kNo); }

    // Escape and the close box answer No.
    void reject() override { done(kNo); }
    void done(int resultado) override;
};

} // namespace norvela
