#include "app/Janelas.h"

namespace app {

TabelaJanelas JanelasDoPrograma() {
    return {
        // {"frmEmpresas", [] { platform::ui::... }},
    };
}

}  // namespace app
