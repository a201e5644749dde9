// The header above the board: its face and counters, placed over the shown board.
#include "ui/window/header_bar.h"

#include <QString>
#include <algorithm>

#include "engine/game.h"
#include "ui/images/pictures.h"
#include "ui/window/counter_box.h"
#include "ui/window/face_button.h"
#include "ui/window/main_window_layout.h"

namespace kestravon {

namespace {

// The game's state in words, by its face.
QString StateName(Face face) {
    switch (face) {
        case Face::Start:
            return QStringLiteral("プレイ中");
        case Face::Clear:
            return QStringLiteral("クリア");
        case Face::Fail:
            return QStringLiteral("失敗");
    }
    return {};
}

}  // namespace

HeaderBar::HeaderBar(const Game& game, const Pictures& pictures, QWidget* parent)
    : QWidget(parent),
      game_(game),
      pictures_(pictures),
      elapsedTime_(new CounterBox(QStringLiteral("経過時間"), layout::kDesignedElapsedTime, this)),
      mineCounter_(new CounterBox(QStringLiteral("爆弾の数"), layout::kDesignedMineCounter, this)),
      face_(new FaceButton(this)) {
    setFixedHeight(layout::kHeaderHeightPixels);
    face_->setObjectName(QStringLiteral("リセットボタン"));
    face_->setGeometry(layout::kDesignedFaceButton);
    face_->ShowFace(pictures.face(game.face()), StateName(game.face()));
}

int HeaderBar::FitBoard(int boardWidth) {
    using namespace layout;
    narrow_ = !HeaderFits(CentredHeader(boardWidth), boardWidth);
    clientWidth_ = narrow_ ? kNarrowClientWidth : boardWidth;
    Place();
    mineCounter_->setEnabled(false);
    elapsedTime_->setEnabled(false);
    return clientWidth_;
}

void HeaderBar::Place() {
    using namespace layout;
    // From the width the window really shows, where that is less than the board asked for.
    const int shownWidth = std::min(width(), clientWidth_);
    const HeaderPlaces places =
        narrow_ && shownWidth == clientWidth_ ? NarrowHeader() : CentredHeader(shownWidth);
    face_->move(places.face, ToPixels(kFaceTopTwips));
    mineCounter_->move(places.mineCounter, ToPixels(kCounterTopTwips));
    elapsedTime_->move(places.elapsedTime, ToPixels(kCounterTopTwips));
}

void HeaderBar::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    // Whoever resized the window (the board's setup, the window system, the player), the
    // header stays over the board: at its place while the board shows whole.
    if (clientWidth_ > 0) {
        Place();
    }
}

void HeaderBar::ShowChanges(const GameChanges& changes) {
    if (changes.face) {
        face_->ShowFace(pictures_.face(game_.face()), StateName(game_.face()));
    }
    if (changes.mineCounter) {
        mineCounter_->ShowText(QString::fromStdString(game_.mineCounterText()));
    }
    if (changes.elapsedTime) {
        elapsedTime_->ShowText(QString::fromStdString(game_.elapsedTimeText()));
    }
}

}  // namespace kestravon
