#pragma once

#include <QString>

namespace platform::files {

// Why a file operation failed, in the user's words: the system's error number told in Portuguese
// ("sem permissão de gravação na pasta ou no arquivo"); a number without words of its own keeps the
// system's text.
QString FailureReason(int error);

// The same for a failure the system or Qt told as text ("Permission denied"); other text as it is.
QString FailureReason(const QString& systemText);

}  // namespace platform::files
