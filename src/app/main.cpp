#include <QApplication>

#include "platform/ui/MdiHost.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Redazor Tarvel"));
    QApplication::setApplicationVersion(QStringLiteral(RT_VERSION));

    platform::ui::SimpleMdiHost host;
    host.resize(1024, 720);
    host.show();
    return QApplication::exec();
}
