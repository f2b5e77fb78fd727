#include <gtest/gtest.h>

#include <QApplication>

// Every test binary runs offscreen and owns one application object; a death test re-runs the binary,
// so the child builds its own.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Redazor Tarvel"));
    return RUN_ALL_TESTS();
}
