#include "app/Janelas.h"

#include "companies/frmEmpresas.h"
#include "movement/frmMovIcms.h"
#include "movement/frmMovIss.h"
#include "platform/ui/Form.h"
#include "registers/frmCodFiscal.h"
#include "registers/frmForCliGeral.h"
#include "shell/frmAtImpr.h"
#include "shell/frmSobre.h"
#include "shell/frmUsuarios.h"

namespace app {

TabelaJanelas JanelasDoPrograma() {
    using platform::ui::ShowForm;
    return {
        {QStringLiteral("frmUsuarios"), [] { ShowForm<shell::frmUsuarios>(); }},
        {QStringLiteral("frmAtImpr"), [] { ShowForm<shell::frmAtImpr>(); }},
        {QStringLiteral("frmSobre"), [] { ShowForm<shell::frmSobre>(); }},
        {QStringLiteral("frmEmpresas"), [] { ShowForm<Empresas::frmEmpresas>(); }},
        {QStringLiteral("frmForCliGeral"), [] { ShowForm<registers::frmForCliGeral>(); }},
        {QStringLiteral("frmCodFiscal"), [] { ShowForm<registers::frmCodFiscal>(); }},
        {QStringLiteral("frmCodFiscal03"), [] { ShowForm<registers::frmCodFiscal03>(); }},
        {QStringLiteral("frmMovIcms"), [] { ShowForm<movimento::frmMovIcms>(); }},
        {QStringLiteral("frmMovIss"), [] { ShowForm<movimento::frmMovIss>(); }},
    };
}

}  // namespace app
