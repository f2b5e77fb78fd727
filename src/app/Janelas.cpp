#include "app/Janelas.h"

#include "books/frmLivrosIcms.h"
#include "books/frmLivrosIss.h"
#include "companies/frmEmpresas.h"
#include "movement/frmMovIcms.h"
#include "movement/frmMovIss.h"
#include "partners/frmSocios.h"
#include "partners/frmTerceiros.h"
#include "platform/ui/Form.h"
#include "registers/frmCodFiscal.h"
#include "registers/frmForCliGeral.h"
#include "shell/frmAtImpr.h"
#include "shell/frmSobre.h"
#include "shell/frmUsuarios.h"
#include "sintegra/frmSintegra.h"
#include "terms/frmTermo.h"
#include "utilities/frmAjMov.h"
#include "utilities/frmAjuste.h"
#include "utilities/frmPadrao.h"
#include "utilities/frmRelatArq.h"

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
        {QStringLiteral("frmTermo"), [] { ShowForm<terms::frmTermo>(); }},
        {QStringLiteral("frmSintegra"), [] { ShowForm<sintegra::frmSintegra>(); }},
        {QStringLiteral("frmSocios"), [] { ShowForm<partners::frmSocios>(); }},
        {QStringLiteral("frmTerceiros"), [] { ShowForm<partners::frmTerceiros>(); }},
        {QStringLiteral("frmAjMov"), [] { ShowForm<utilities::frmAjMov>(); }},
        {QStringLiteral("frmAjuste"), [] { ShowForm<utilities::frmAjuste>(); }},
        {QStringLiteral("frmPadrao"), [] { ShowForm<utilities::frmPadrao>(); }},
        {QStringLiteral("frmRelatArq"), [] { ShowForm<utilities::frmRelatArq>(); }},
        {QStringLiteral("frmMovIcms"), [] { ShowForm<movimento::frmMovIcms>(); }},
        {QStringLiteral("frmMovIss"), [] { ShowForm<movimento::frmMovIss>(); }},
        {QStringLiteral("frmLivrosIcms"), [] { ShowForm<Livros::frmLivrosIcms>(); }},
        {QStringLiteral("frmLivrosIss"), [] { ShowForm<LivrosIss::frmLivrosIss>(); }},
    };
}

}  // namespace app
