#include "shell/DiretorioPrograma.h"

#include <QCoreApplication>

namespace shell {

QString ComBarraFinal(const QString& pasta) { return pasta.endsWith(u'/') ? pasta : pasta + u'/'; }

QString DiretorioPrograma() {
    const QString escolhida = qEnvironmentVariable("REDAZOR_DIR");
    return ComBarraFinal(escolhida.isEmpty() ? QCoreApplication::applicationDirPath() : escolhida);
}

}  // namespace shell
