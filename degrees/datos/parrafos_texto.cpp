#include "parrafos_texto.h"

#include <QFont>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>
#include <QTextListFormat>

namespace norvela {

namespace {

QTextCharFormat Formato(TipoParrafo tipo, VistaTexto vista)
{
    QTextCharFormat f;
    f.setFontFamilies({QStringLiteral("Arial")});
    f.setFontPointSize(vista == VistaTexto::Salidas ? 10 : 9);
    f.setFontWeight(QFont::Normal);
    f.setForeground(Qt::black);
    const bool salidas = vista == VistaTexto::Salidas;
    switch (tipo) {
    case TipoParrafo::Titulo:
        f.setForeground(QColor(128, 0, 0));
        f.setFontWeight(QFont::Bold);
        break;
    case TipoParrafo::Encabezado:
        f.setForeground(salidas ? QColor(0, 128, 0) : QColor(128, 0, 0));
        f.setFontWeight(QFont::Bold);
        break;
    case TipoParrafo::Vineta:
        if (!salidas)
            f.setForeground(QColor(0, 0, 128));
        break;
    case TipoParrafo::Normal:
        break;
    }
    return f;
}

} // namespace

void EscribirParrafos(QTextDocument &documento, const std::vector<Parrafo> &parrafos, VistaTexto vista,
                      const std::vector<Resalte> &resaltes)
{
    documento.clear();
    QTextCursor cursor(&documento);
    cursor.beginEditBlock();
    QTextList *lista = nullptr;
    for (size_t i = 0; i < parrafos.size(); ++i) {
        const Parrafo &p = parrafos[i];
        const QTextCharFormat formato = Formato(p.tipo, vista);
        if (i > 0)
            cursor.insertBlock(QTextBlockFormat(), formato);
        else
            cursor.setBlockCharFormat(formato);
        if (p.tipo == TipoParrafo::Vineta) {
            // Consecutive bullets make one list.
            if (lista)
                lista->add(cursor.block());
            else
                lista = cursor.createList(QTextListFormat::ListDisc);
        } else {
            lista = nullptr;
        }
        cursor.insertText(p.texto, formato);
    }
    QTextCharFormat rojo;
    rojo.setForeground(kColorResalte);
    for (const Resalte &r : resaltes) {
        cursor.setPosition(r.desde);
        cursor.setPosition(r.desde + r.largo, QTextCursor::KeepAnchor);
        cursor.mergeCharFormat(rojo);
    }
    cursor.endEditBlock();
}

} // namespace norvela
