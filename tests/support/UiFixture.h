#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "platform/ui/MdiHost.h"
#include "support/Drive.h"
#include "support/MessageScript.h"
#include "support/QtPrinters.h"

namespace testsupport {

// Resets the program's shared module state; the shell registers its reset here so that every window
// test starts from the state the program starts with.
void setModuleStateReset(std::function<void()> reset);

// A window test: a shown and active main window with its MDI area, a message script, and after each
// test every window destroyed, the pointer reset and the module state put back.
class UiFixture : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    std::unique_ptr<platform::ui::SimpleMdiHost> host;
    std::unique_ptr<MessageScript> script;
};

}  // namespace testsupport
