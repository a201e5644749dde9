#include "ui/main/main_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QMenuBar>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>
#include <cstdio>

#include "platform/platform.h"
#include "store/best_time_store.h"
#include "ui/dialogs/board_change_dialog.h"
#include "ui/images/pictures.h"
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

メイン::メイン(Platform& platform, Module1& module1, const Pictures& pictures)
    : platform_(platform),
      module1_(module1),
      pictures_(pictures),
      game_(platform, module1),
      bestTimes_(module1, pictures) {
    setObjectName(QStringLiteral("メイン"));
    setWindowTitle(QStringLiteral("Kestravon"));
    setWindowIcon(pictures.mainWindowIcon());

    auto* client = new QWidget(this);
    client->setAutoFillBackground(true);
    QPalette palette = client->palette();
    palette.setColor(QPalette::Window, Qt::black);
    palette.setColor(QPalette::WindowText, QColor(0x80, 0x00, 0x00));
    client->setPalette(palette);
    setCentralWidget(client);

    // Runs only while a game's clock runs, so that an idle window never wakes the computer.
    Timer1sec = new QTimer(this);
    Timer1sec->setObjectName(QStringLiteral("Timer1sec"));
    Timer1sec->setInterval(kTickMilliseconds);
    connect(Timer1sec, &QTimer::timeout, this, [this] { game_.Timer1sec(); });

    // The face button and the counters stay in view above a board that scrolls.
    auto* header = new QWidget(client);
    header->setFixedHeight(layout::kHeaderHeightPixels);
    経過時間 = new CounterBox(QStringLiteral("経過時間"), layout::kDesignedElapsedTime, header);
    爆弾の数 = new CounterBox(QStringLiteral("爆弾の数"), layout::kDesignedMineCounter, header);
    リセットボタン = new FaceButton([this] { game_.NewGame(); }, header);
    リセットボタン->setObjectName(QStringLiteral("リセットボタン"));
    リセットボタン->setGeometry(layout::kDesignedFaceButton);
    リセットボタン->ShowFace(pictures.startFaceDesignCopy());
    board_ = new BoardWidget(
        game_, pictures, [this](int cell, MouseButton button) { game_.PressCell(cell, button); },
        nullptr);
    boardArea_ = new BoardScrollArea(board_, client);
    auto* rows = new QVBoxLayout(client);
    rows->setContentsMargins(0, 0, 0, 0);
    rows->setSpacing(0);
    rows->addWidget(header);
    rows->addWidget(boardArea_);

    menu_ = BuildMainMenu(*menuBar());
    ConnectMenu();
    ResizeClientArea(layout::kDesignedClientSize);

    game_.SetObserver(this);
}

メイン::~メイン() {
    game_.SetObserver(nullptr);
}

void メイン::ConnectMenu() {
    connect(menu_.start, &QAction::triggered, this, [this] { game_.NewGame(); });
    for (std::size_t i = 0; i < menu_.levels.size(); ++i) {
        const auto level = static_cast<Level>(i);
        connect(menu_.levels[i], &QAction::triggered, this, [this, level] {
            ShowLevelMarks();
            if (FindFixedLevel(level) != nullptr) {
                ChooseLevel(level);
            } else {
                ChangeBoard();
            }
        });
    }
    connect(menu_.bestTimes, &QAction::triggered, this, [this] { bestTimes_.OpenModal(); });
    connect(menu_.exit, &QAction::triggered, this, &QWidget::close);
    connect(menu_.about, &QAction::triggered, this, [this] { ShowAbout(); });
}

void メイン::盤面セットアップ(std::int16_t height, std::int16_t width) {
    using namespace layout;
    // The client area below the menu bar: what the window's outer size leaves after the
    // frame, the caption and the menu bar, widened where the counters would not fit.
    const QSize boardClient = BoardClientSize(height, width);
    const bool narrow = !HeaderFits(CentredHeader(boardClient.width()), boardClient.width());
    const QSize client(narrow ? kNarrowClientWidth : boardClient.width(), boardClient.height());
    boardArea_->FitPage(client - QSize(0, kHeaderHeightPixels));
    FitWindowToScreen(client);

    // Placed from the width the window really took.
    const HeaderPlaces places = narrow ? NarrowHeader() : CentredHeader(this->width());
    リセットボタン->move(places.face, ToPixels(kFaceTopTwips));
    爆弾の数->move(places.mineCounter, ToPixels(kCounterTopTwips));
    経過時間->move(places.elapsedTime, ToPixels(kCounterTopTwips));
    爆弾の数->setEnabled(false);
    経過時間->setEnabled(false);

    game_.SetupBoard(height, width);
    board_->FitBoard();
}

void メイン::ResizeClientArea(QSize client) {
    resize(client + QSize(0, menuBar()->sizeHint().height()));
}

void メイン::FitWindowToScreen(QSize client) {
    const QSize wanted = client + QSize(0, menuBar()->sizeHint().height());
    // The frame is known once the window manager has framed the shown window; until then
    // the window manager also chooses where the window goes.
    const bool framed = isVisible();
    const QRect outer = frameGeometry();
    const QRect inner = geometry();
    const QMargins frame =
        framed ? QMargins(inner.left() - outer.left(), inner.top() - outer.top(),
                          outer.right() - inner.right(), outer.bottom() - inner.bottom())
               : QMargins();
    const ScreenFit fit = FitOnScreen(wanted, outer.topLeft(), frame, screen()->availableGeometry(),
                                      boardArea_->ScrollBarExtents());
    resize(fit.size);
    if (framed && fit.frameOrigin != outer.topLeft()) {
        move(fit.frameOrigin);
    }
}

void メイン::ChooseLevel(Level level) {
    const FixedLevel* fixed = FindFixedLevel(level);
    if (fixed == nullptr) {
        return;
    }
    game_.SelectLevel(level);
    盤面セットアップ(fixed->rows, fixed->columns);
}

void メイン::ShowLevelMarks() {
    for (std::size_t i = 0; i < menu_.levels.size(); ++i) {
        menu_.levels[i]->setChecked(game_.LevelMark(static_cast<Level>(i)));
    }
}

void メイン::ShowAbout() {
    platform_.ShowMessage(kAboutText);
}

void メイン::ChangeBoard() {
    RunBoardChangeDialog(module1_);
    // -1 is a cancel; 0 means that no entry was ever accepted and the dialog was
    // closed by its close box: there is no custom board to set up then.
    if (module1_.CustomHeight < 1) {
        return;
    }
    game_.SelectLevel(Level::盤面の変更);
    盤面セットアップ(module1_.CustomHeight, module1_.CustomWidth);
}

void メイン::GameChanged(const GameChanges& changes) {
    const Display& display = game_.display();
    board_->Repaint(changes);
    if (changes.face) {
        リセットボタン->ShowFace(pictures_.face(display.リセットボタン));
    }
    if (changes.mineCounter) {
        爆弾の数->ShowText(ToQString(display.爆弾の数));
    }
    if (changes.elapsedTime) {
        経過時間->ShowText(ToQString(display.経過時間));
    }
    if (changes.clock) {
        if (game_.board().Playing == 1) {
            Timer1sec->start();
        } else {
            Timer1sec->stop();
        }
    }
    if (changes.levelMarks) {
        ShowLevelMarks();
    }
}

void メイン::ShowBestTimesAfterWin() {
    bestTimes_.ShowAfterWin();
}

void メイン::SaveChangedBestTimes() {
    if (savedBestTimes_ == module1_.BestTime) {
        return;
    }
    // Recorded also when the write fails: the same table is not tried, nor reported, twice.
    savedBestTimes_ = module1_.BestTime;
    if (!SaveBestTimes(module1_)) {
        std::fputs("kestravon: the best times could not be saved to the settings store\n", stderr);
    }
}

void メイン::closeEvent(QCloseEvent* event) {
    SaveChangedBestTimes();
    event->accept();
}

}  // namespace kestravon
