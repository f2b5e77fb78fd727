#include <QTranslator>
#include <memory>

#include "app/MDIformTarvel.h"
#include "app/Relatorios.h"
#include "platform/db/Error.h"
#include "platform/report/Fonts.h"
#include "platform/ui/Application.h"
#include "platform/ui/Hourglass.h"
#include "platform/ui/MsgBox.h"
#include "platform/ui/Translation.h"
#include "platform/values/RuntimeError.h"

namespace {
// While another running copy holds a database, a statement waits for it under the hourglass; a handler
// that had set the hourglass itself keeps it after the wait.
void MostraEspera(bool esperando) {
    static bool jaAmpulheta = false;
    if (esperando) {
        jaAmpulheta = platform::ui::hourglassShown();
        platform::ui::setHourglass();
    } else if (!jaAmpulheta) {
        platform::ui::resetPointer();
    }
}
}  // namespace

// The main window is the first thing that loads: its load is the whole start-up, login included.
int main(int argc, char** argv) {
    platform::ui::Application app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Redazor Tarvel"));
    QApplication::setApplicationVersion(QStringLiteral(RT_VERSION));
    QTranslator traducao;
    platform::ui::installQtTranslation(traducao);
    // Every page is measured with the program's own faces; without them nothing could print right.
    std::unique_ptr<platform::report::ReportFonts> fontes;
    try {
        fontes =
            std::make_unique<platform::report::ReportFonts>(platform::report::ReportFonts::programFolder());
    } catch (const platform::values::RuntimeError& e) {
        platform::ui::MsgBox(e.description() + QStringLiteral(", Sistema Encerrado !"),
                             platform::ui::Msg::OKOnly + platform::ui::Msg::Critical,
                             QStringLiteral("Erro Fatal"));
        return 1;
    }
    app::RegistraRelatorios();
    platform::db::setLockWaitObserver(MostraEspera);

    app::MDIformTarvel janela;
    janela.MDIForm_Load();
    janela.show();
    return QApplication::exec();
}
