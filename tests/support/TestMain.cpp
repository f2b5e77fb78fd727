#include <gtest/gtest.h>

#include <QTranslator>

#include "platform/ui/Application.h"
#include "platform/ui/Translation.h"

// Every test binary runs offscreen and owns one application object, with the program's Portuguese
// translation of Qt's own texts; a death test re-runs the binary, so the child builds its own.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    platform::ui::Application app(argc, argv);
    platform::ui::Application::setApplicationName(QStringLiteral("Redazor Tarvel"));
    QTranslator qtTexts;
    platform::ui::installQtTranslation(qtTexts);
    return RUN_ALL_TESTS();
}
