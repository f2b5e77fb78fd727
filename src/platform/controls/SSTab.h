#pragma once

#include <QTabWidget>

namespace platform::controls {

// A tabbed container; Tab is the current tab, from 0.
class SSTab : public QTabWidget {
    Q_OBJECT
  public:
    explicit SSTab(QWidget* parent = nullptr) : QTabWidget(parent) {}
    int Tab() const { return currentIndex(); }
    void setTab(int tab) { setCurrentIndex(tab); }
    int Tabs() const { return count(); }
    QString TabCaption(int tab) const { return tabText(tab); }
    void setTabCaption(int tab, const QString& caption) { setTabText(tab, caption); }
    bool TabEnabled(int tab) const { return isTabEnabled(tab); }
    void setTabEnabled(int tab, bool enabled) { QTabWidget::setTabEnabled(tab, enabled); }
};

}  // namespace platform::controls
