#include "app/MotorImpressao.h"

#include "platform/report/PrintEngine.h"

namespace app {

void AbreMotorImpressao() { platform::report::PEOpenEngine(); }
void FechaMotorImpressao() { platform::report::PECloseEngine(); }
bool MotorImpressaoAberto() { return platform::report::PEEngineOpen(); }

}  // namespace app
