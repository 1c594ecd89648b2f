// fallpack_bare_window WIDTH HEIGHT: the yardstick of tools/startup_time.sh. A plain
// Qt main window of the given size with a menu bar of two menus, in the desktop's
// own style and font, and nothing else: what any Qt program must spend to show a
// window of that size. It reports its first frame as the games do.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QWidget>

#include <cstdlib>

#include "kit/desktop/first_frame.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const int width = argc > 2 ? std::atoi(argv[1]) : 280;
    const int height = argc > 2 ? std::atoi(argv[2]) : 430;

    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    QMenu* game = window.menuBar()->addMenu(QStringLiteral("&Game"));
    game->addAction(QStringLiteral("&New"));
    game->addAction(QStringLiteral("&Pause"));
    game->addSeparator();
    game->addAction(QStringLiteral("E&xit"));
    window.menuBar()->addMenu(QStringLiteral("&?"))->addAction(QStringLiteral("&About"));
    window.setCentralWidget(new QWidget);
    window.setFixedSize(width, height);

    kit::reportFirstFrameIfAsked(window);
    window.show();
    return app.exec();
}
