#pragma once

#include <QList>
#include <QString>

#include "platform/db/Connection.h"
#include "platform/files/Volumes.h"
#include "platform/ui/Form.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace platform::controls {
class TDBDate;
}

namespace sintegra {

// The SINTEGRA window: a company, a period within one year, the contact, and the folder and name of the
// file, whose generation the button starts. The folder list shows the folders inside the chosen folder
// (".." leads up); the drive list shows the mounted volumes.
class frmSintegra : public platform::ui::Form {
    Q_OBJECT
  public:
    explicit frmSintegra(QWidget* parent = nullptr);

    QGroupBox* fraAtiva;
    QLineEdit* txtCodigo;
    QPushButton* cmdPesqe;
    QLabel* lblNome;
    QGroupBox* Frame2;
    QLabel* lblDe1;
    platform::controls::TDBDate* tdbDini;
    QLabel* lblAt1;
    platform::controls::TDBDate* tdbDfin;
    QLineEdit* txtContato;
    QLineEdit* txtFone;
    QGroupBox* fraArquivo;
    QComboBox* driDrive;
    QListWidget* dirPasta;
    QLineEdit* txtNome;
    QLabel* lblCaminho;
    QPushButton* cmdGeraSint;
    QPushButton* cmdAjuda;
    QPushButton* cmdSair;

    // The folder the folder list shows, where the file is written (ending in "/").
    QString Pasta() const { return pasta_; }
    // Opens `path` in the folder list, as choosing it there does.
    void MudaPasta(const QString& path);

    void txtCodigo_LostFocus();
    void txtFone_KeyPress(int& KeyAscii);
    void cmdPesqe_Click();
    void dirPasta_Change();
    void driDrive_Change();
    void cmdGeraSint_Click();
    void cmdSair_Click();

  protected:
    void Form_Load() override;
    void Form_Unload(bool& Cancel) override;

  private:
    void MostraUnidade(const QString& path);
    void dirPasta_Activated(QListWidgetItem* item);

    platform::db::Connection cn;
    platform::db::Connection movimento_;
    QList<platform::files::Volume> unidades_;
    QString pasta_;
};

}  // namespace sintegra
