#include "platform/ui/MdiHost.h"

#include <QMdiArea>
#include <QPointer>

namespace platform::ui {

namespace {
MdiHost* currentHost = nullptr;
}

void setMdiHost(MdiHost* host) { currentHost = host; }
MdiHost* mdiHost() { return currentHost; }

SimpleMdiHost::SimpleMdiHost(QWidget* parent) : QMainWindow(parent), area_(new QMdiArea(this)) {
    setWindowTitle(QStringLiteral("Redazor Tarvel"));
    setCentralWidget(area_);
    setMdiHost(this);
}

SimpleMdiHost::~SimpleMdiHost() {
    if (mdiHost() == this) setMdiHost(nullptr);
}

}  // namespace platform::ui
