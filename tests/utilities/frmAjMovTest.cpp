#include <QLineEdit>
#include <QPushButton>

#include "platform/ui/Form.h"
#include "platform/ui/MsgBox.h"
#include "support/Drive.h"
#include "support/RegistryWindowFixture.h"
#include "utilities/frmAjMov.h"

using namespace testsupport;
using platform::ui::Msg::OK;
using utilities::frmAjMov;

namespace {

class frmAjMovTest : public RegistryWindowFixture {};

TEST_F(frmAjMovTest, FindsTheFileInAnyLetterCaseAndNamesAMissingOne) {
    auto* w = platform::ui::ShowForm<frmAjMov>();
    settle();
    w->txtCodigo->setText("12");
    w->tdbAno->setText("2005");
    script->expect(
        QStringLiteral("O arquivo de movimento MV050012.MDB não está presente no seu diretório, verifique !"),
        OK);
    click(w->cmdAjustar);
    settle();

    pasta.copyTemplate("Movimento.mdb", "Tarvel/mv050012.MDB");
    {
        platform::db::Connection banco;
        banco.OpenFile(pasta.filePath("Tarvel/mv050012.MDB"));
        banco.Execute("ALTER TABLE DIGE01 RENAME TO x");
        banco.Execute("ALTER TABLE x RENAME TO dige01");
        banco.Execute("INSERT INTO dige01 (codauto, especie) VALUES (5, 'NF')");
    }
    script->expect(QStringLiteral("Ajuste Realizado com Sucesso !"), OK);
    click(w->cmdAjustar);
    settle();
    platform::db::Connection novo;
    novo.OpenFile(pasta.filePath("Tarvel/mv050012.MDB"));
    EXPECT_EQ(novo.OpenRecordset("SELECT especie FROM DIGE01 WHERE codauto = 5").Fields(0).toString(), "NF");
}

}  // namespace
