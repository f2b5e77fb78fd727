#pragma once

namespace app {

// The print engine the books and terms print on: opened by the start-up, closed when the main window
// unloads (not when the program ends by the exit item or a failed start-up or login). Results are
// not tested: a failing engine shows when a print job opens.
void AbreMotorImpressao();
void FechaMotorImpressao();
bool MotorImpressaoAberto();

}  // namespace app
