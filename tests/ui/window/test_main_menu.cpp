// The game menu as each style Qt may pick draws it: only the checked level carries a mark.
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QStyleFactory>
#include <QTest>

#include "ui/window/main_menu.h"

using namespace kestravon;

class TestMainMenu : public QObject {
    Q_OBJECT

  private slots:
    void onlyTheCheckedLevelShowsAMark_data() {
        QTest::addColumn<QString>("style");
        for (const QString& style : QStyleFactory::keys()) {
            QTest::newRow(qPrintable(style)) << style;
        }
    }

    // Each level item is drawn as it is and as a plain item with the same caption: where
    // the two differ, the player sees a mark.
    void onlyTheCheckedLevelShowsAMark() {
        QFETCH(QString, style);
        QApplication::setStyle(style);
        QMenuBar bar;
        const MainMenu menu = BuildMainMenu(bar);
        auto* game = bar.findChild<QMenu*>(QStringLiteral("mnゲーム"));
        menu.levels[2]->setChecked(true);

        std::vector<bool> marked;
        for (QAction* level : menu.levels) {
            const bool checked = level->isChecked();
            const QImage drawn = game->grab(game->actionGeometry(level)).toImage();
            level->setCheckable(false);
            const QImage plain = game->grab(game->actionGeometry(level)).toImage();
            level->setCheckable(true);
            level->setChecked(checked);
            marked.push_back(drawn != plain);
        }
        QCOMPARE(marked, (std::vector<bool>{false, false, true, false, false, false}));
    }
};

QTEST_MAIN(TestMainMenu)
#include "test_main_menu.moc"
