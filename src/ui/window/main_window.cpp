// The main window: its parts, the menus' commands, and the game's changes shown.
#include "ui/window/main_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QMenuBar>
#include <QTimer>
#include <QVBoxLayout>
#include <cstdio>

#include "platform/platform.h"
#include "store/best_time_store.h"
#include "ui/board/board_scroll_area.h"
#include "ui/board/board_widget.h"
#include "ui/dialogs/board_change_dialog.h"
#include "ui/images/pictures.h"
#include "ui/screen/screen_fit.h"
#include "ui/window/face_button.h"
#include "ui/window/header_bar.h"
#include "ui/window/main_window_layout.h"

namespace kestravon {

namespace {

constexpr int kTickMilliseconds = 100;
constexpr std::string_view kAboutText = "ケストラヴォン Ver.1\r\n作: Kestravon 開発チーム";

}  // namespace

MainWindow::MainWindow(Platform& platform, BestTimeTable& bestTimes, const Pictures& pictures)
    : platform_(platform),
      bestTimes_(bestTimes),
      game_(platform, bestTimes),
      bestTimeWindow_(bestTimes, pictures, *this) {
    setObjectName(QStringLiteral("メイン"));
    setWindowTitle(QStringLiteral(KESTRAVON_NAME));
    setWindowIcon(pictures.windowIcon());

    auto* client = new QWidget(this);
    client->setAutoFillBackground(true);
    QPalette palette = client->palette();
    palette.setColor(QPalette::Window, Qt::black);
    palette.setColor(QPalette::WindowText, QColor(0x80, 0x00, 0x00));
    client->setPalette(palette);
    setCentralWidget(client);

    // Runs only while a game's clock runs, so that an idle window never wakes the computer.
    clockTimer_ = new QTimer(this);
    clockTimer_->setObjectName(QStringLiteral("Timer1sec"));
    clockTimer_->setInterval(kTickMilliseconds);
    connect(clockTimer_, &QTimer::timeout, this, [this] { game_.TickClock(); });

    // The face button and the counters stay in view above a board that scrolls.
    header_ = new HeaderBar(game_, pictures, client);
    connect(&header_->face(), &FaceButton::clicked, this, [this] { game_.NewGame(); });
    board_ = new BoardWidget(
        game_, pictures, [this](int cell, Press press) { return game_.PressCell(cell, press); });
    boardArea_ = new BoardScrollArea(board_, layout::ToPixels(layout::kBoardLeftTwips), client);
    connect(board_, &BoardWidget::cursorMoved, boardArea_, &BoardScrollArea::ShowBoardPart);
    auto* rows = new QVBoxLayout(client);
    rows->setContentsMargins(0, 0, 0, 0);
    rows->setSpacing(0);
    rows->addWidget(header_);
    rows->addWidget(boardArea_);

    menu_ = BuildMainMenu(*menuBar());
    ConnectMenu();
    resize(WithMenuBar(layout::kDesignedClientSize));
    fitter_ = new WindowFitter(*this);

    game_.SetObserver(this);
}

MainWindow::~MainWindow() {
    game_.SetObserver(nullptr);
}

void MainWindow::ConnectMenu() {
    connect(menu_.start, &QAction::triggered, this, [this] { game_.NewGame(); });
    for (std::size_t i = 0; i < menu_.levels.size(); ++i) {
        const auto level = static_cast<Level>(i);
        connect(menu_.levels[i], &QAction::triggered, this, [this, level] {
            ShowLevel();
            if (level == Level::Custom) {
                game_.AnswerBoardChange(BoardChangeDialog::Ask(platform_, *this));
            } else {
                game_.ChooseLevel(level);
            }
        });
    }
    connect(menu_.bestTimes, &QAction::triggered, this, [this] { bestTimeWindow_.OpenModal(); });
    connect(menu_.exit, &QAction::triggered, this, &QWidget::close);
    connect(menu_.about, &QAction::triggered, this, [this] { ShowAbout(); });
}

void MainWindow::FitWindowToBoard() {
    // The client area below the menu bar: what the window's outer size leaves after the
    // frame, the caption and the menu bar, widened where the counters would not fit.
    const QSize board = layout::BoardClientSize(game_.rows(), game_.columns());
    const QSize client(header_->FitBoard(board.width()), board.height());
    boardArea_->FitPage(client - QSize(0, layout::kHeaderHeightPixels));
    fitter_->Fit(WithMenuBar(client), boardArea_->ScrollBarExtents());
}

QSize MainWindow::WithMenuBar(QSize client) const {
    // The height the window's layout gives the menu bar at that width: it can differ from
    // the bar's size hint (by a pixel on Windows) and grows where the menus wrap.
    const int height = menuBar()->heightForWidth(client.width());
    return client + QSize(0, height > 0 ? height : menuBar()->sizeHint().height());
}

void MainWindow::ShowLevel() {
    for (std::size_t i = 0; i < menu_.levels.size(); ++i) {
        menu_.levels[i]->setChecked(game_.level() == static_cast<Level>(i));
    }
}

void MainWindow::ShowAbout() {
    platform_.ShowMessage(kAboutText);
}

void MainWindow::GameChanged(const GameChanges& changes) {
    if (changes.board) {
        FitWindowToBoard();
    }
    board_->ShowChanges(changes);
    header_->ShowChanges(changes);
    if (changes.level) {
        ShowLevel();
    }
    if (changes.clock) {
        if (game_.phase() == GamePhase::Playing) {
            clockTimer_->start();
        } else {
            clockTimer_->stop();
        }
    }
}

void MainWindow::ShowBestTimesAfterWin() {
    bestTimeWindow_.ShowAfterWin();
}

void MainWindow::SaveChangedBestTimes() {
    if (savedBestTimes_ == bestTimes_) {
        return;
    }
    // Recorded also when the write fails: the same table is not tried, nor reported, twice.
    savedBestTimes_ = bestTimes_;
    if (!SaveBestTimes(platform_, bestTimes_)) {
        std::fputs("kestravon: the best times could not be saved to the settings store\n", stderr);
    }
}

void MainWindow::closeEvent(QCloseEvent* event) {
    SaveChangedBestTimes();
    event->accept();
}

}  // namespace kestravon
