#include "platform/files/FailureReason.h"

#include <cerrno>
#include <cstring>
#include <utility>

namespace platform::files {

namespace {
const std::pair<int, const char*> Motivos[] = {{EACCES, "sem permissão de gravação na pasta ou no arquivo"},
                                               {EPERM, "sem permissão de gravação na pasta ou no arquivo"},
                                               {EROFS, "o disco só permite leitura"},
                                               {ENOSPC, "o disco está cheio"},
                                               {EDQUOT, "o espaço em disco do usuário acabou"},
                                               {EEXIST, "já existe um arquivo ou uma pasta com esse nome"},
                                               {EISDIR, "há uma pasta com o nome do arquivo"},
                                               {ENOTDIR, "há um arquivo com o nome da pasta"},
                                               {ENOENT, "o arquivo ou a pasta não existe"},
                                               {EIO, "falha de leitura ou gravação no disco"},
                                               {EFBIG, "o arquivo passa do tamanho que o sistema permite"}};

QString Sistema(int error) { return QString::fromLocal8Bit(std::strerror(error)); }
}  // namespace

QString FailureReason(int error) {
    for (const auto& [numero, texto] : Motivos)
        if (numero == error) return QString::fromUtf8(texto);
    return Sistema(error);
}

QString FailureReason(const QString& systemText) {
    for (const auto& [numero, texto] : Motivos)
        if (systemText.contains(Sistema(numero), Qt::CaseInsensitive)) return QString::fromUtf8(texto);
    return systemText;
}

}  // namespace platform::files
