#include "ui/main/main_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QMenuBar>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindowStateChangeEvent>
#include <algorithm>
#include <cstdio>

#include "platform/platform.h"
#include "platform/window_placement.h"
#include "store/best_time_store.h"
#include "ui/dialogs/board_change_dialog.h"
#include "ui/images/pictures.h"
#include "ui/main/board_accessibility.h"
#include "ui/main/board_layout.h"
#include "ui/main/board_scroll_area.h"
#include "ui/main/board_widget.h"
#include "ui/main/counter_box.h"
#include "ui/main/face_button.h"
#include "ui/main/screen_fit.h"

namespace kestravon {

namespace {

constexpr int kTickMilliseconds = 100;
constexpr std::string_view kAboutText = "ケストラヴォン Ver.1\r\n作: Kestravon 開発チーム";

QString ToQString(const std::string& text) {
    return QString::fromStdString(text);
}

}  // namespace

MainWindow::MainWindow(Platform& platform, BestTimeTable& bestTimes, const Pictures& pictures)
    : platform_(platform),
      bestTimes_(bestTimes),
      pictures_(pictures),
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
    auto* header = new QWidget(client);
    header->setFixedHeight(layout::kHeaderHeightPixels);
    elapsedTime_ = new CounterBox(QStringLiteral("経過時間"), layout::kDesignedElapsedTime, header);
    mineCounter_ = new CounterBox(QStringLiteral("爆弾の数"), layout::kDesignedMineCounter, header);
    faceButton_ = new FaceButton(header);
    faceButton_->setObjectName(QStringLiteral("リセットボタン"));
    faceButton_->setGeometry(layout::kDesignedFaceButton);
    faceButton_->ShowFace(pictures.face(game_.face()), FaceStateName(game_.face()));
    connect(faceButton_, &FaceButton::clicked, this, [this] { game_.NewGame(); });
    board_ = new BoardWidget(
        game_, pictures, [this](int cell, MouseButton button) { game_.PressCell(cell, button); });
    boardArea_ = new BoardScrollArea(board_, client);
    connect(board_, &BoardWidget::cursorMoved, boardArea_, &BoardScrollArea::ShowBoardPart);
    auto* rows = new QVBoxLayout(client);
    rows->setContentsMargins(0, 0, 0, 0);
    rows->setSpacing(0);
    rows->addWidget(header);
    rows->addWidget(boardArea_);

    menu_ = BuildMainMenu(*menuBar());
    ConnectMenu();
    resize(WithMenuBar(layout::kDesignedClientSize));

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
    using namespace layout;
    // The client area below the menu bar: what the window's outer size leaves after the
    // frame, the caption and the menu bar, widened where the counters would not fit.
    const QSize boardClient = BoardClientSize(game_.rows(), game_.columns());
    const bool narrow = !HeaderFits(CentredHeader(boardClient.width()), boardClient.width());
    const QSize client(narrow ? kNarrowClientWidth : boardClient.width(), boardClient.height());
    boardArea_->FitPage(client - QSize(0, kHeaderHeightPixels));
    narrowHeader_ = narrow;
    boardClientWidth_ = client.width();
    boardWindowSize_ = WithMenuBar(client);
    FitWindowOnScreen(*this, boardWindowSize_, boardArea_->ScrollBarExtents());

    PlaceHeader();
    mineCounter_->setEnabled(false);
    elapsedTime_->setEnabled(false);
    board_->FitBoard();
    board_->setFocus();
}

void MainWindow::PlaceHeader() {
    using namespace layout;
    // From the width the window really took, where that is less than the board asked for.
    const int shownWidth = std::min(width(), boardClientWidth_);
    const HeaderPlaces places = narrowHeader_ && shownWidth == boardClientWidth_
                                    ? NarrowHeader()
                                    : CentredHeader(shownWidth);
    faceButton_->move(places.face, ToPixels(kFaceTopTwips));
    mineCounter_->move(places.mineCounter, ToPixels(kCounterTopTwips));
    elapsedTime_->move(places.elapsedTime, ToPixels(kCounterTopTwips));
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    // Whoever resized the window (the board's setup, the window system, the player), the
    // header stays over the board: at its place while the board shows whole.
    if (boardClientWidth_ > 0) {
        PlaceHeader();
    }
    // The window system's answer to a restore: the size the window had before it was
    // maximised, maybe another board's. The board's own follows, once this one is handled.
    if (restoring_ && !isMaximized()) {
        restoring_ = false;
        QTimer::singleShot(0, this, [this] {
            if (!isMaximized() && !isMinimized()) {
                ResizeRestoredWindow(*this, boardWindowSize_, boardArea_->ScrollBarExtents());
            }
        });
    }
}

void MainWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    // Where the window system places windows, the state changes when the program asks for a
    // restore, before the window system has answered it with a size.
    if (event->type() == QEvent::WindowStateChange && WindowSystemPlacesWindows()) {
        const auto* change = static_cast<const QWindowStateChangeEvent*>(event);
        restoring_ = change->oldState().testFlag(Qt::WindowMaximized) && !isMaximized() &&
                     boardWindowSize_.isValid();
    }
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
    if (changes.face) {
        faceButton_->ShowFace(pictures_.face(game_.face()), FaceStateName(game_.face()));
    }
    if (changes.mineCounter) {
        mineCounter_->ShowText(ToQString(game_.mineCounterText()));
    }
    if (changes.elapsedTime) {
        elapsedTime_->ShowText(ToQString(game_.elapsedTimeText()));
    }
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
