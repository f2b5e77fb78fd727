#include "support/UiFixture.h"

#include <QApplication>
#include <QTest>

#include "platform/ui/Form.h"
#include "platform/ui/Hourglass.h"

namespace testsupport {

namespace {
std::function<void()>& moduleReset() {
    static std::function<void()> reset;
    return reset;
}
}  // namespace

void setModuleStateReset(std::function<void()> reset) { moduleReset() = std::move(reset); }

void UiFixture::SetUp() {
    if (moduleReset()) moduleReset()();
    host = std::make_unique<platform::ui::SimpleMdiHost>();
    host->resize(1024, 720);
    host->show();
    QApplication::setActiveWindow(host.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(host.get()));
    script = std::make_unique<MessageScript>();
}

void UiFixture::TearDown() {
    platform::ui::destroyAllForms();
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w != host.get() && w->isVisible()) w->hide();
    settle();
    script.reset();
    host.reset();
    settle();
    platform::ui::resetPointer();
    if (moduleReset()) moduleReset()();
}

}  // namespace testsupport
