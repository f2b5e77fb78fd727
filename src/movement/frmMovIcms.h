#pragma once

#include <QIcon>
#include <QList>
#include <QString>

#include "platform/controls/XArrayDB.h"
#include "platform/ui/Focus.h"
#include "platform/ui/Form.h"
#include "registers/CodigoFiscal.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace platform::controls {
class MaskEdBox;
class TDBDate;
class TDBGrid;
class TDBNumber;
}  // namespace platform::controls

namespace shell {
class JanelaCadastro;
}

namespace movimento {

class CadastroIcms;
class EmpresaPeriodo;
struct Abertura;

// "Movimento de Entrada" / "Movimento de Saída": the ICMS documents of one company and month, its
// entries or its exits. The company and period open the company's movement database of that year;
// a document is found by its record code (typed or through the record search), loaded, or begun
// with Novo under the code the database will give it.
class frmMovIcms : public platform::ui::Form {
    Q_OBJECT
  public:
    explicit frmMovIcms(QWidget* parent = nullptr);
    ~frmMovIcms() override;

    QGroupBox* fraAtiva;
    QLineEdit* txtCodigo;
    platform::controls::TDBDate* tdbAnomes;
    QLabel* lblNome;
    QLabel* lblUf;
    QPushButton* cmdPesqe;

    platform::controls::MaskEdBox* mskCodigo;
    platform::controls::TDBDate* tdbData;
    platform::controls::TDBDate* tdbDemiss;
    QLineEdit* txtEspecie;
    QLineEdit* txtSerie;
    QLineEdit* txtNinicio;
    QLineEdit* txtNfim;
    QLineEdit* txtCgc;
    QLineEdit* txtUf;
    platform::controls::MaskEdBox* mskCfiscal;
    platform::controls::TDBNumber* tdbVlrcont;
    QLineEdit* txtTipolan;
    platform::controls::TDBGrid* tdgItens;
    QGroupBox* fraIPI;
    platform::controls::TDBNumber* tdbBipi;
    platform::controls::TDBNumber* tdbVipi;
    platform::controls::TDBNumber* tdbIipi;
    platform::controls::TDBNumber* tdbOipi;
    QGroupBox* fraIcms;
    platform::controls::TDBNumber* tdbFicms;
    platform::controls::TDBNumber* tdbDicms;
    QLineEdit* txtObserv;
    QLabel* lblDescr;
    platform::ui::LabelArray lblTit;

    QPushButton* cmdNovo;
    QPushButton* cmdGravar;
    QPushButton* cmdApagar;
    QPushButton* cmdCancelar;
    QPushButton* cmdSair;
    QPushButton* cmdPesquisar;
    QPushButton* cmdMovimento;
    QPushButton* cmdPcgc;
    // The switch's two pictures: 0 stands for exits on the window, 1 for entries.
    QList<QIcon> imlColecao;

    // The window's state.
    bool Entradas = true;
    QString TabelaEntradas, TabelaSaidas, TabelaAtual, TabelaParticipante;
    registers::cfop::Tabela TabelaCfop = registers::cfop::Tabela::Desde2003;
    qint64 ProximoEntradas = 0, ProximoSaidas = 0;
    platform::controls::XArrayDB ArrayItens;

    shell::JanelaCadastro& Cadastro();
    EmpresaPeriodo& Empresa() { return *empresa_; }
    bool NovoRegistro() const;

    void cmdNovo_Click();
    void cmdMovimento_Click();
    void cmdPesquisar_Click();
    void tdbDemiss_GotFocus();
    void TravaCodigo();
    void LimpaItens();
    void txtTipolan_LostFocus();
    void mskCfiscal_LostFocus();
    void txtUf_LostFocus();
    void txtEspecie_LostFocus();
    void txtSerie_LostFocus();
    void txtNinicio_LostFocus();
    void txtNfim_LostFocus();
    void txtCgc_LostFocus();
    void cmdPcgc_Click();
    // Whether `pesq` is an accepted document species.
    bool Valida_Especie(const QString& pesq);
    void tdgItens_BeforeInsert(bool& Cancel);
    void tdgItens_BeforeDelete(bool& Cancel);
    void tdgItens_AfterColUpdate(int ColIndex);
    void tdgItens_KeyPress(int& KeyAscii);

  protected:
    void Form_Load() override;
    void Form_Unload(bool& Cancel) override;

  private:
    void Constroi();
    void AbreMovimento(const Abertura& abertura);

    CadastroIcms* cadastro_;
    EmpresaPeriodo* empresa_;
    QString conexaoMovimento_;
};

}  // namespace movimento
