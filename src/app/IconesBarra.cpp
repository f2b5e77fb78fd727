#include "app/IconesBarra.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace app::Figuras {

namespace {

// Strong colours with dark outlines, so that a picture reads at 16 pixels and its greyed form differs.
const QColor Contorno(0x26, 0x32, 0x38);
const QColor Azul(0x1e, 0x6f, 0xc8);
const QColor Verde(0x2e, 0x9e, 0x4f);
const QColor Laranja(0xe6, 0x7e, 0x22);
const QColor Vermelho(0xc0, 0x39, 0x2b);
const QColor Roxo(0x7d, 0x3c, 0x98);
const QColor Amarelo(0xf4, 0xc4, 0x30);
const QColor Papel(0xfd, 0xfd, 0xf8);
const QColor Cinza(0x80, 0x8b, 0x96);

void Traco(QPainter& p, const QColor& cor, double largura = 3) {
    p.setPen(QPen(cor, largura, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

void Pessoa(QPainter& p, double x, double y, double escala, const QColor& cor) {
    Traco(p, Contorno);
    p.setBrush(cor);
    p.drawEllipse(QPointF(x, y + 9 * escala), 8 * escala, 8 * escala);
    QPainterPath corpo;
    corpo.moveTo(x - 15 * escala, y + 40 * escala);
    corpo.cubicTo(x - 15 * escala, y + 22 * escala, x + 15 * escala, y + 22 * escala, x + 15 * escala,
                  y + 40 * escala);
    corpo.closeSubpath();
    p.drawPath(corpo);
}

// A sheet with a folded corner, ruled like a fiscal document.
void Documento(QPainter& p) {
    Traco(p, Contorno);
    p.setBrush(Papel);
    p.drawPolygon(
        QPolygonF({QPointF(10, 4), QPointF(40, 4), QPointF(52, 16), QPointF(52, 60), QPointF(10, 60)}));
    p.drawLine(QLineF(40, 4, 40, 16));
    p.drawLine(QLineF(40, 16, 52, 16));
    Traco(p, Cinza, 2.5);
    for (int y = 14; y <= 26; y += 6) p.drawLine(QLineF(16, y, 34, y));
}

}  // namespace

void Empresas(QPainter& p) {
    Traco(p, Contorno);
    p.setBrush(Azul);
    p.drawRect(QRectF(12, 6, 30, 54));
    p.setBrush(QColor(0x15, 0x4e, 0x8c));
    p.drawRect(QRectF(42, 26, 14, 34));
    p.setPen(Qt::NoPen);
    p.setBrush(Amarelo);
    for (int linha = 0; linha < 4; ++linha)
        for (int coluna = 0; coluna < 3; ++coluna)
            p.drawRect(QRectF(16 + coluna * 8.5, 11 + linha * 9, 5, 5));
    p.drawRect(QRectF(46, 31, 6, 5));
    p.drawRect(QRectF(46, 41, 6, 5));
    p.setBrush(Contorno);
    p.drawRect(QRectF(23, 48, 8, 12));
}

void Socios(QPainter& p) {
    Pessoa(p, 42, 10, 1, Verde);
    Pessoa(p, 22, 16, 1.05, Azul);
}

void Terceiros(QPainter& p) {
    Traco(p, Contorno);
    p.setBrush(Papel);
    p.drawRoundedRect(QRectF(30, 28, 30, 22), 3, 3);
    Traco(p, Cinza, 2.5);
    p.drawLine(QLineF(36, 36, 54, 36));
    p.drawLine(QLineF(36, 43, 50, 43));
    Pessoa(p, 22, 14, 1.05, Laranja);
}

void CodigosFiscais(QPainter& p) {
    Traco(p, Contorno);
    p.setBrush(Papel);
    p.drawRect(QRectF(6, 6, 52, 52));
    p.setBrush(Roxo);
    p.drawRect(QRectF(6, 6, 52, 11));
    for (int linha = 0; linha < 3; ++linha) {
        const double y = 23 + linha * 12;
        p.setPen(Qt::NoPen);
        p.setBrush(linha == 1 ? Vermelho : Roxo);
        p.drawRect(QRectF(11, y, 13, 7));
        Traco(p, Cinza, 2.5);
        p.drawLine(QLineF(29, y + 3.5, 52, y + 3.5));
    }
}

void ForCli(QPainter& p) {
    Traco(p, Contorno);
    p.setBrush(Laranja);
    p.drawRect(QRectF(3, 16, 36, 28));
    p.setBrush(Azul);
    p.drawPolygon(
        QPolygonF({QPointF(39, 24), QPointF(52, 24), QPointF(61, 35), QPointF(61, 44), QPointF(39, 44)}));
    p.setBrush(Papel);
    p.drawRect(QRectF(43, 28, 8, 7));
    p.setBrush(Contorno);
    for (double x : {14.0, 50.0}) p.drawEllipse(QPointF(x, 47), 7, 7);
    p.setBrush(Cinza);
    for (double x : {14.0, 50.0}) p.drawEllipse(QPointF(x, 47), 2.5, 2.5);
}

void MovimentoIcms(QPainter& p) {
    Documento(p);
    Traco(p, Contorno);
    p.setBrush(QColor(0xc6, 0x8e, 0x4e));
    p.drawRect(QRectF(26, 34, 32, 26));
    Traco(p, QColor(0x8a, 0x5a, 0x26), 3);
    p.drawLine(QLineF(42, 34, 42, 60));
    Traco(p, Contorno);
    p.setBrush(Vermelho);
    p.drawRect(QRectF(38, 34, 8, 8));
}

void MovimentoIss(QPainter& p) {
    Documento(p);
    const QPointF centro(42, 46);
    QPainterPath engrenagem;
    constexpr int Dentes = 8;
    for (int i = 0; i < Dentes * 2; ++i) {
        const double angulo = i * M_PI / Dentes;
        const double raio = i % 2 == 0 ? 17 : 12.5;
        const QPointF ponto(centro.x() + raio * std::cos(angulo), centro.y() + raio * std::sin(angulo));
        if (i == 0)
            engrenagem.moveTo(ponto);
        else
            engrenagem.lineTo(ponto);
    }
    engrenagem.closeSubpath();
    Traco(p, Contorno, 2.5);
    p.setBrush(Verde);
    p.drawPath(engrenagem);
    p.setBrush(Papel);
    p.drawEllipse(centro, 5, 5);
}

void MudaUsuario(QPainter& p) {
    Pessoa(p, 32, 12, 1.0, Azul);
    Traco(p, Verde, 5);
    p.setBrush(Qt::NoBrush);
    const QRectF arco(4, 4, 56, 56);
    p.drawArc(arco, 100 * 16, 70 * 16);
    p.drawArc(arco, 280 * 16, 70 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(Verde);
    p.drawPolygon(QPolygonF({QPointF(2, 30), QPointF(14, 30), QPointF(8, 40)}));
    p.drawPolygon(QPolygonF({QPointF(50, 34), QPointF(62, 34), QPointF(56, 24)}));
}

void MudaImpressora(QPainter& p) {
    Traco(p, Contorno);
    p.setBrush(Papel);
    p.drawRect(QRectF(16, 4, 32, 20));
    p.setBrush(Cinza);
    p.drawRoundedRect(QRectF(4, 20, 56, 26), 5, 5);
    p.setBrush(Papel);
    p.drawRect(QRectF(16, 38, 32, 22));
    Traco(p, Azul, 2.5);
    for (int y = 45; y <= 53; y += 5) p.drawLine(QLineF(21, y, 43, y));
    p.setPen(Qt::NoPen);
    p.setBrush(Verde);
    p.drawEllipse(QPointF(52, 28), 3.5, 3.5);
}

}  // namespace app::Figuras
