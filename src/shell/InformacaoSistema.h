#pragma once

#include <QString>
#include <QStringList>

namespace shell {

// How the About box finds and starts the platform's System Information program. The program's own
// launcher looks on the PATH and starts the program detached; tests put their own in its place, so
// that no test ever starts a program.
class LancadorPrograma {
  public:
    virtual ~LancadorPrograma() = default;
    // The full path of the executable `nome` found on the PATH, or "" when there is none.
    virtual QString Localiza(const QString& nome) const;
    // Starts `caminho` as a process of its own; false when it could not be started.
    virtual bool Inicia(const QString& caminho);
};

// The System Information programs, in the order they are looked for.
QStringList ProgramasInformacao();

// The launcher in use; `lancador` replaces it (nullptr puts the program's own back). Not an owner.
LancadorPrograma& Lancador();
void DefineLancador(LancadorPrograma* lancador);

// Starts the first of ProgramasInformacao() found on the PATH; false when none is found or its
// start fails.
bool IniciaInformacaoSistema();

}  // namespace shell
