#pragma once

#include <QObject>
#include <QString>
#include <functional>

class QAbstractButton;
class QLineEdit;
class QWidget;

namespace platform::controls {
class MaskEdBox;
}

namespace registers {

// The postal code's mask and its empty text.
inline const QString MascaraCep = QStringLiteral("#####-###");
inline const QString CepVazio = QStringLiteral("_____-___");
// The country a municipality code brings with it.
inline const QString PaisBrasil = QStringLiteral("Brasil");
inline const QString CodigoPaisBrasil = QStringLiteral("1058");

// The address part every register with an address shares (companies, suppliers and clients,
// partners, third parties): the state checked against the states table and put in upper case, the
// postal code checked and, for a new record, turned into the municipality code with the country, the
// municipality button that confirms, fills or searches the code, and (where the window has it) the
// country filled as the municipality code is left. A window attaches it to its fields and tells it
// whether a new record is being entered and whether a record is open.
class BlocoEndereco : public QObject {
    Q_OBJECT
  public:
    struct Campos {
        QLineEdit* cidade = nullptr;
        QLineEdit* uf = nullptr;
        platform::controls::MaskEdBox* cep = nullptr;
        QLineEdit* cMun = nullptr;
        QLineEdit* pais = nullptr;
        QLineEdit* cPais = nullptr;
        QAbstractButton* pesqMun = nullptr;
    };
    struct Regras {
        // A new record is being entered: only then does a postal code fill the municipality.
        std::function<bool()> inclusao;
        // A record is open: only then does the municipality button do anything.
        std::function<bool()> aberto;
        // Where the focus goes after a postal code filled the municipality (in a window without a
        // municipality code: after every valid postal code).
        std::function<void()> aposCep;
        // Leaving the municipality code fills the country (a foreign party, UF "EX", keeps its own).
        bool paisAoSairDoMunicipio = false;
    };

    // Connects the handlers of the fields; `janela` owns the block.
    BlocoEndereco(QWidget& janela, Campos campos, Regras regras);

    // The postal code's empty mask, as a cleared window shows it.
    void LimpaCep();

    // The save's rule for the postal code: one the clerk typed and that is not whole (eight digits, not
    // "00000-000") is a fatal row of the error list, which says what the field needs. A click may leave
    // the field with such a code; Tab and Enter never do.
    void TestaCep() const;

    void cmdPesqMun_Click();
    void mskCep_LostFocus();
    void txtUf_LostFocus();
    void txtCMun_LostFocus();

  private:
    bool CepRecusado() const;
    void FocaSelecionando(QWidget* campo);
    void PoeBrasil();

    QWidget& janela_;
    Campos c_;
    Regras regras_;
};

}  // namespace registers
