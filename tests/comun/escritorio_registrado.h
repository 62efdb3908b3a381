// Stands in for the desktop's handler of addresses: while it lives, every
// address of the given schemes that the program hands to the desktop is
// recorded here instead of being opened.
#pragma once

#include <QList>
#include <QObject>
#include <QStringList>
#include <QUrl>

namespace norvela::pruebas {

class EscritorioRegistrado : public QObject {
    Q_OBJECT
public:
    explicit EscritorioRegistrado(QStringList esquemas = {QStringLiteral("http"), QStringLiteral("https"),
                                                          QStringLiteral("file")});
    ~EscritorioRegistrado() override;

    QList<QUrl> abiertas;

public slots:
    void Abrir(const QUrl &url) { abiertas.append(url); }

private:
    QStringList esquemas_;
};

} // namespace norvela::pruebas
