#pragma once

class QTranslator;

namespace platform::ui {

// Loads Qt's own Brazilian Portuguese texts (standard buttons "&Sim", "&Não", "Cancelar", the
// standard dialogs) into `translator` and installs it. The caller (main) owns the translator for the
// life of the application. False when the translation file is missing.
bool installQtTranslation(QTranslator& translator);

}  // namespace platform::ui
