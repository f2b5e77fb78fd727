#pragma once

#include <QIcon>

namespace app {

// The program's own icon, drawn at the sizes window frames, task bars and the preview ask for: an open
// ledger with ruled lines and a green tick.
QIcon IconePrograma();

}  // namespace app
