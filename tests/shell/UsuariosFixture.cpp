#include "UsuariosFixture.h"

#include <QDialog>

#include "platform/controls/TDBList.h"
#include "platform/db/Error.h"
#include "platform/ui/Handlers.h"
#include "shell/EstadoGeral.h"
#include "shell/Geral.h"
#include "shell/RelatorioUsuario.h"
#include "shell/Sessao.h"

using namespace testsupport;

void UsuariosFixture::SetUp() {
    RegistryWindowFixture::SetUp();
    shell::RegistraRelatoriosShell();
}

void UsuariosFixture::InsereUsuario(int codigo, const QString& nome, const QString& senha,
                                    const QString& impressora, const QDate& dsenha, const QString& direitos) {
    platform::db::Params p{codigo, nome, Geral::CodificaSenha(senha)};
    p.push_back(impressora.isEmpty() ? platform::db::Param(platform::db::DbNull)
                                     : platform::db::Param(impressora));
    p.push_back(dsenha);
    for (QChar c : direitos) p.push_back(c == u'1');
    db.Execute(
        QStringLiteral("INSERT INTO usuarios(codigo,nome,senha,impressora,dsenha,bdcon,bdadi,bdexc,bdalt,"
                       "cfcon,cfadi,cfexc,cfalt,cfbai) VALUES(?,?,?,?,?,?,?,?,?,?,?,?,?,?)"),
        p);
}

QString UsuariosFixture::Coluna(int codigo, const QString& coluna) {
    auto rs = db.OpenRecordset(
        QStringLiteral("SELECT ") + coluna + QStringLiteral(" FROM usuarios WHERE codigo = ?"), {codigo});
    if (rs.Eof()) return QStringLiteral("<nenhum>");
    const auto f = rs.Fields(0);
    if (f.type() == platform::db::ColumnType::YesNo)
        return f.toBool() ? QStringLiteral("1") : QStringLiteral("0");
    return f.toString();
}

QString UsuariosFixture::Direitos(int codigo) {
    QString r;
    for (const char* c : {"bdcon", "bdadi", "bdexc", "bdalt", "cfcon", "cfadi", "cfexc", "cfalt", "cfbai"})
        r += Coluna(codigo, QString::fromLatin1(c));
    return r;
}

long UsuariosFixture::Usuarios() {
    return long(
        db.OpenRecordset(QStringLiteral("SELECT Count(*) AS I FROM usuarios")).Fields(0).toLongLong());
}

bool UsuariosFixture::Entra(const QString& nome, const QString& senha) {
    return shell::ConfereLogin(db, nome, senha).acesso == shell::Acesso::Usuario;
}

QString UsuariosFixture::BloqueiaEscrita() {
    for (const char* quando : {"INSERT", "UPDATE", "DELETE"})
        db.Execute(QStringLiteral("CREATE TRIGGER Bloqueia") + QString::fromLatin1(quando) +
                   QStringLiteral(" BEFORE ") + QString::fromLatin1(quando) +
                   QStringLiteral(" ON usuarios BEGIN SELECT RAISE(ABORT, 'registro somente leitura'); END"));
    try {
        db.Execute(QStringLiteral("INSERT INTO usuarios(codigo) VALUES(0)"));
    } catch (const platform::db::Error& e) {
        return platform::ui::errorText(e.number(), e.description());
    }
    return QStringLiteral("<nenhuma falha>");
}

void UsuariosFixture::EsperaErros(QStringList* linhas) {
    script->onDialog(QStringLiteral("frmErros"), [linhas](QDialog& d) {
        auto* lista = control<platform::controls::TDBList>(&d, QStringLiteral("tdbErros"));
        for (int i = 0; i < lista->Array()->Count(1); ++i)
            *linhas << lista->Array()->Value(lista->Array()->LowerBound(1) + i, 2).toString();
        click(&d, QStringLiteral("cmdOk"));
    });
}
