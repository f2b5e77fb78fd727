#include "app/Janelas.h"

#include "platform/ui/Form.h"

namespace app {

TabelaJanelas JanelasDoPrograma() { return {}; }

}  // namespace app
