#include "shell/InformacaoSistema.h"

#include <QProcess>
#include <QStandardPaths>

namespace shell {

namespace {
LancadorPrograma* substituto = nullptr;
}

QString LancadorPrograma::Localiza(const QString& nome) const { return QStandardPaths::findExecutable(nome); }

bool LancadorPrograma::Inicia(const QString& caminho) { return QProcess::startDetached(caminho, {}); }

QStringList ProgramasInformacao() {
    return {QStringLiteral("hardinfo"), QStringLiteral("kinfocenter"),
            QStringLiteral("gnome-system-monitor")};
}

LancadorPrograma& Lancador() {
    static LancadorPrograma proprio;
    return substituto ? *substituto : proprio;
}

void DefineLancador(LancadorPrograma* lancador) { substituto = lancador; }

bool IniciaInformacaoSistema() {
    LancadorPrograma& lancador = Lancador();
    for (const QString& programa : ProgramasInformacao()) {
        const QString caminho = lancador.Localiza(programa);
        if (!caminho.isEmpty()) return lancador.Inicia(caminho);
    }
    return false;
}

}  // namespace shell
