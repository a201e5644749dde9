// The floor that the game's start-up is measured against: a bare Qt main window with the
// game's menu bar and an empty central widget of the 初級 board's client area.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>

#include "engine/levels.h"
#include "ui/window/main_menu.h"
#include "ui/window/main_window_layout.h"

int main(int argc, char* argv[]) {
    using namespace kestravon;
    int qtArgumentCount = argc > 0 ? 1 : 0;
    QApplication app(qtArgumentCount, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral(KESTRAVON_NAME));
    BuildMainMenu(*window.menuBar());
    window.setCentralWidget(new QWidget(&window));
    const FixedLevel& beginner = *FindFixedLevel(Level::Beginner);
    const QSize client = layout::BoardClientSize(beginner.rows, beginner.columns);
    window.resize(client + QSize(0, window.menuBar()->sizeHint().height()));
    window.show();
    return QApplication::exec();
}
