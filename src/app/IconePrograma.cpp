#include "app/IconePrograma.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace app {

namespace {

QImage Desenha(int lado, const std::function<void(QPainter&)>& desenha) {
    QImage imagem(lado, lado, QImage::Format_ARGB32_Premultiplied);
    imagem.fill(Qt::transparent);
    QPainter p(&imagem);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(lado / 64.0, lado / 64.0);
    desenha(p);
    return imagem;
}

// Grey with no colour and little contrast, lighter than any enabled picture.
QImage Esmaecida(QImage imagem) {
    imagem = imagem.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < imagem.height(); ++y) {
        auto* linha = reinterpret_cast<QRgb*>(imagem.scanLine(y));
        for (int x = 0; x < imagem.width(); ++x) {
            const int cinza = 170 + qGray(linha[x]) * 60 / 255;
            linha[x] = qRgba(cinza, cinza, cinza, qAlpha(linha[x]) * 3 / 5);
        }
    }
    return imagem;
}

void Livro(QPainter& p) {
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
}

}  // namespace

QIcon IconeDesenhado(const std::function<void(QPainter&)>& desenha) {
    QIcon icone;
    for (int lado : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QImage imagem = Desenha(lado, desenha);
        icone.addPixmap(QPixmap::fromImage(imagem), QIcon::Normal);
        icone.addPixmap(QPixmap::fromImage(Esmaecida(imagem)), QIcon::Disabled);
    }
    return icone;
}

QIcon IconePrograma() { return IconeDesenhado(Livro); }

}  // namespace app
