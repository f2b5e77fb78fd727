#pragma once

#include <QIcon>
#include <functional>

class QPainter;

namespace app {

// The program's own icon, drawn at the sizes window frames, task bars and the preview ask for: an open
// ledger with ruled lines and a green tick.
QIcon IconePrograma();

// A picture that `desenha` draws on a 64-unit square, as an icon sharp at every size a frame or a
// toolbar shows; its disabled form is the same picture in pale grey, so that a button that cannot
// be pressed is plainly told apart from one that can.
QIcon IconeDesenhado(const std::function<void(QPainter&)>& desenha);

}  // namespace app
