#pragma once

#include <QMainWindow>
#include <QString>
#include <map>
#include <vector>

#include "app/Janelas.h"
#include "platform/ui/MdiHost.h"

class QAction;
class QMdiArea;
class QMenu;
class QToolBar;

namespace app {

// The program's main window: the MDI frame whose menus and toolbar open the windows of every
// subsystem. Its load is the whole start-up; closing it ends the program.
class MDIformTarvel : public QMainWindow, public platform::ui::MdiHost {
    Q_OBJECT
  public:
    static constexpr int NumeroBotoes = 13;

    // `janelas`: the windows the items may open; an item whose window is missing stays disabled.
    explicit MDIformTarvel(TabelaJanelas janelas = JanelasDoPrograma(), QWidget* parent = nullptr);
    ~MDIformTarvel() override;

    QMainWindow* mainWindow() override { return this; }
    QMdiArea* mdiArea() override { return mdiArea_; }

    // The start-up: checks the program folder and its databases (offering a first installation),
    // builds the connection strings and runs the login. Returns only once a user is logged in;
    // every failure ends the program.
    void MDIForm_Load();
    // The login and the menus, toolbar and caption of the user logged in.
    void AbreSessao();

    // A menu item by its name ("mnuEmpresas"); a submenu is reached by its menu action.
    QAction* item(const QString& nome) const;
    // A toolbar button by its index, 1 to 13.
    QAction* botao(int indice) const;
    QToolBar* tobMdi() const { return tobMdi_; }

  public slots:
    void mnuEmpresas_Click();
    void mnuSocios_Click();
    void mnuTerceiros_Click();
    void mnuSair_Click();
    void mnuCodfiscal_Click();
    void mnuCodfiscal03_Click();
    void mnuForCliGeral_Click();
    void mnuMovICMS_Click();
    void mnuMovIss_Click();
    void mnuSintegra_Click();
    void mnuLICMS_Click();
    void mnuLISS_Click();
    void mnuTerAE_Click();
    void mnuRelArq_Click();
    void mnuEtiqPdr_Click();
    void mnuCascata_Click();
    void mnuUsuario_Click();
    void mnuAjIndMov_Click();
    void mnuMusu_Click();
    void mnuAjuste_Click();
    void mnuZelmorI_Click();
    void mnuSobre_Click();
    void tobMdi_ButtonClick(int indice);

  protected:
    void closeEvent(QCloseEvent* event) override;
    // The exit question; returns true (Cancel) when the user keeps the program.
    bool MDIForm_Unload();

  private:
    void CriaMenus();
    void CriaBarra();
    void AtualizaMenus();
    void AtualizaListaJanelas();
    void Mostra(const QString& janela);

    TabelaJanelas janelas_;
    QMdiArea* mdiArea_;
    QToolBar* tobMdi_;
    QMenu* mnuJanelas_ = nullptr;
    std::map<QString, QAction*> itens_;
    std::vector<QAction*> botoes_;
    std::vector<QAction*> listaJanelas_;
};

}  // namespace app
