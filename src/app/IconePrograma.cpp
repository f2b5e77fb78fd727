#include "app/IconePrograma.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace app {

namespace {
// Drawn on a 64-unit square and scaled, so that every size is sharp and the same picture.
QPixmap Desenha(int lado) {
    QPixmap imagem(lado, lado);
    imagem.fill(Qt::transparent);
    QPainter p(&imagem);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(lado / 64.0, lado / 64.0);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x1f, 0x4e, 0x79));
    p.drawRoundedRect(QRectF(2, 2, 60, 60), 10, 10);
    p.setBrush(QColor(0xfa, 0xf7, 0xee));
    p.drawRect(QRectF(10, 12, 21, 40));
    p.drawRect(QRectF(33, 12, 21, 40));
    p.setPen(QPen(QColor(0x9a, 0xa9, 0xb8), 2));
    for (int y = 20; y <= 44; y += 8) {
        p.drawLine(QLineF(13, y, 28, y));
        p.drawLine(QLineF(36, y, 51, y));
    }
    QPainterPath visto;
    visto.moveTo(37, 36);
    visto.lineTo(43, 44);
    visto.lineTo(55, 24);
    p.setPen(QPen(QColor(0x2e, 0x9e, 0x4f), 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(visto);
    return imagem;
}
}  // namespace

QIcon IconePrograma() {
    QIcon icone;
    for (int lado : {16, 24, 32, 48, 64, 128, 256}) icone.addPixmap(Desenha(lado));
    return icone;
}

}  // namespace app
