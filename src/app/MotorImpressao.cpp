#include "app/MotorImpressao.h"

#ifdef RT_WITH_REPORT
#include "platform/report/PrintEngine.h"
#endif

namespace app {

#ifdef RT_WITH_REPORT
void AbreMotorImpressao() { platform::report::PEOpenEngine(); }
void FechaMotorImpressao() { platform::report::PECloseEngine(); }
bool MotorImpressaoAberto() { return platform::report::PEEngineOpen(); }
#else
// Without the report layer there is no engine to open: nothing prints yet.
namespace {
bool aberto = false;
}
void AbreMotorImpressao() { aberto = true; }
void FechaMotorImpressao() { aberto = false; }
bool MotorImpressaoAberto() { return aberto; }
#endif

}  // namespace app
