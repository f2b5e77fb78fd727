#pragma once

namespace app {

// Registers the layout of every report file the program prints, under its file name.
void RegistraRelatorios();

}  // namespace app
