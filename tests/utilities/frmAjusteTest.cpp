#include <QFile>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

#include "platform/ui/Form.h"
#include "platform/ui/MsgBox.h"
#include "support/Drive.h"
#include "support/RegistryWindowFixture.h"
#include "utilities/frmAjuste.h"

using namespace testsupport;
using platform::ui::Msg::OK;
using utilities::frmAjuste;

namespace {

class frmAjusteTest : public RegistryWindowFixture {};

TEST_F(frmAjusteTest, WithoutTheTemplateTheRebuildIsDone) {
    script->expect(QStringLiteral("Este ajuste já foi feito !"), OK);
    auto* w = platform::ui::ShowForm<frmAjuste>();
    settle();
    EXPECT_FALSE(w->cmdTrabdados->isEnabled());
    EXPECT_EQ(w->lbl1->text(), QStringLiteral("Ajuste já Efetuado !"));
}

TEST_F(frmAjusteTest, CarriesTheOfficesRowsKeepsTheBackupAndDeletesTheTemplateLast) {
    pasta.copyTemplate("Ajuste.mdb", "Ajuste.mdb");
    db.Execute("UPDATE Padrao SET Nvias = '07', L0 = 'Escritório'");
    const QByteArray antes = [&] {
        QFile f(pasta.filePath("Trabdados.mdb"));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }();
    db.Close();
    auto* w = platform::ui::ShowForm<frmAjuste>();
    settle();
    script->expect(QStringLiteral("Ajuste Finalizado !"), OK);
    click(w->cmdTrabdados);
    settle();
    EXPECT_FALSE(QFile::exists(pasta.filePath("Ajuste.mdb")));
    QFile seguro(pasta.filePath("seguro.bak"));
    ASSERT_TRUE(seguro.open(QIODevice::ReadOnly));
    EXPECT_EQ(seguro.readAll(), antes);
    db.OpenFile(pasta.filePath("Trabdados.mdb"));
    auto rs = db.OpenRecordset("SELECT Nvias, L0, COUNT(*) FROM Padrao");
    EXPECT_EQ(rs.Fields(0).toString(), QStringLiteral("07"));
    EXPECT_EQ(rs.Fields(1).toString(), QStringLiteral("Escritório"));
    EXPECT_EQ(rs.Fields(2).toInt(), 1);
}

}  // namespace
