// main(): the application, the single-instance test, the best times and the main window.
#include <QApplication>

#include "app/termination_signals.h"
#include "engine/levels.h"
#include "platform/key_repeats.h"
#include "platform/pointer_pixels.h"
#include "platform/qt_platform.h"
#include "store/best_time_store.h"
#include "ui/images/pictures.h"
#include "ui/window/main_window.h"

int main(int argc, char* argv[]) {
    using namespace kestravon;
    // The program reads no command line, so Qt gets none either: its own options
    // (-qwindowgeometry, -reverse, -style ...) would otherwise change the window.
    int qtArgumentCount = argc > 0 ? 1 : 0;
    UseWholeScreenScales();
    QApplication app(qtArgumentCount, argv);
    SnapPointerToLogicalPixels();
    FlagHeldKeyRepeats();
    QtPlatform platform;
    CloseWindowsOnTerminationSignals(platform);
    // A second copy ends at once, without a window, a message or a look at the store.
    if (platform.AnotherInstanceRunning()) {
        return 0;
    }

    const Pictures pictures;
    BestTimeTable bestTimes;
    MainWindow window(platform, bestTimes, pictures);
    platform.ShowMessagesOver(window);
    window.ChooseLevel(Level::Beginner);
    window.show();
    // No best time shows in the main window: the store is read while the window system maps
    // it, before the first event, and so before any game can end or any window show them.
    bestTimes = LoadBestTimes(platform);
    const int status = QApplication::exec();
    window.SaveChangedBestTimes();
    return status;
}
