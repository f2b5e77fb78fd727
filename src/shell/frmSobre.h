#pragma once

#include <QString>

#include "platform/ui/Form.h"

class QLabel;
class QPushButton;

namespace shell {

// The About box: the program's title and version, the thanks text, the start of the platform's
// System Information program and the contributors window.
class frmSobre : public platform::ui::Form {
    Q_OBJECT
  public:
    explicit frmSobre(QWidget* parent = nullptr);

    // "Versão " + major.minor.revision + " Janeiro/2012" of the version `versao` ("2.6.1").
    static QString TextoVersao(const QString& versao);

    QLabel* Image1;
    QLabel* lblTitle;
    QLabel* lblVersion;
    QLabel* lblDisclaimer;
    QPushButton* cmdOk;
    QPushButton* cmdSysInfo;
    QPushButton* cmdColabora;

    void cmdOk_Click();
    void cmdSysInfo_Click();
    void cmdColabora_Click();

  protected:
    void Form_Load() override;
};

}  // namespace shell
