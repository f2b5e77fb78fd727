#pragma once

#include <QString>

namespace shell {

// The program folder, always ending in "/": the folder named by the environment variable
// REDAZOR_DIR when it is set and not empty (an installed program's own folder is not writable),
// otherwise the folder of the running executable. Needs the application object.
QString DiretorioPrograma();

// `pasta` with a final "/" when it has none ("/" stays "/").
QString ComBarraFinal(const QString& pasta);

}  // namespace shell
