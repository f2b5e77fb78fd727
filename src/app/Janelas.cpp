#include "app/Janelas.h"

#include "platform/ui/Form.h"
#include "registers/frmCodFiscal.h"

namespace app {

TabelaJanelas JanelasDoPrograma() {
    using platform::ui::ShowForm;
    return {
        {QStringLiteral("frmCodFiscal"), [] { ShowForm<registers::frmCodFiscal>(); }},
        {QStringLiteral("frmCodFiscal03"), [] { ShowForm<registers::frmCodFiscal03>(); }},
    };
}

}  // namespace app
