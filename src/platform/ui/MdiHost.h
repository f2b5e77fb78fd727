#pragma once

#include <QMainWindow>

class QMdiArea;

namespace platform::ui {

// What every child window needs of the main window: its MDI area. The program's main window
// registers itself; tests register a SimpleMdiHost.
class MdiHost {
  public:
    virtual ~MdiHost() = default;
    virtual QMainWindow* mainWindow() = 0;
    virtual QMdiArea* mdiArea() = 0;
};

void setMdiHost(MdiHost* host);
MdiHost* mdiHost();

// A main window titled "Redazor Tarvel" with an MDI area and nothing else.
class SimpleMdiHost : public QMainWindow, public MdiHost {
    Q_OBJECT
  public:
    explicit SimpleMdiHost(QWidget* parent = nullptr);
    ~SimpleMdiHost() override;
    QMainWindow* mainWindow() override { return this; }
    QMdiArea* mdiArea() override { return area_; }

  private:
    QMdiArea* area_;
};

}  // namespace platform::ui
