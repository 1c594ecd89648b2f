#include <QGuiApplication>

#include <cstdlib>

#include <gtest/gtest.h>

#include "kit/desktop/application.h"

namespace {

TEST(Application, ItsTitleIsAppendedToNoWindowCaption) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    int argc = 1;
    char name[] = "orchard";
    char* argv[] = {name, nullptr};
    kit::Application app(argc, argv, QStringLiteral("Orchard for Windows 95"),
                         QStringLiteral("org.fallpack.Orchard"));
    EXPECT_EQ(QCoreApplication::applicationName(), "Orchard for Windows 95");
    // The platform appends an application display name, once one is set, to
    // every caption in the title bar ("Abort Game ? — Orchard for Windows 95").
    // While none is set, the display name only follows the application name.
    QCoreApplication::setApplicationName(QStringLiteral("another name"));
    EXPECT_EQ(QGuiApplication::applicationDisplayName(), "another name");
}

}  // namespace
