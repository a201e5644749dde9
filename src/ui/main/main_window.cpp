#include "ui/main/main_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QFontDatabase>
#include <QLineEdit>
#include <QMenuBar>
#include <QTimer>
#include <cstdio>

#include "platform/platform.h"
#include "store/best_time_store.h"
#include "ui/dialogs/board_change_dialog.h"
#include "ui/images/pictures.h"
#include "ui/main/board_layout.h"
#include "ui/main/board_widget.h"
#include "ui/main/face_button.h"

namespace kestravon {

namespace {

constexpr int kTickMilliseconds = 100;
constexpr std::string_view kAboutText = "ケストラヴォン Ver.1\r\n作: Kestravon 開発チーム";

QFont CounterFont() {
    QFont font;
    // The designed Gothic face first, then Japanese Gothic faces that Linux has.
    font.setFamilies({QStringLiteral("ＭＳ ゴシック"), QStringLiteral("IPAGothic"),
                      QStringLiteral("Noto Sans CJK JP"),
                      QFontDatabase::systemFont(QFontDatabase::FixedFont).family()});
    font.setPointSize(12);
    font.setBold(true);
    return font;
}

QLineEdit* MakeCounter(const char* name, const QRect& geometry, QWidget* parent) {
    auto* counter = new QLineEdit(QStringLiteral("0"), parent);
    counter->setObjectName(QString::fromUtf8(name));
    counter->setGeometry(geometry);
    counter->setFont(CounterFont());
    counter->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    counter->setTextMargins(0, 0, 0, 0);
    // Disabled by every board setup, yet as legible as an enabled box.
    QPalette palette = counter->palette();
    for (const QPalette::ColorRole role : {QPalette::Text, QPalette::Base}) {
        palette.setColor(QPalette::Disabled, role, palette.color(QPalette::Active, role));
    }
    counter->setPalette(palette);
    return counter;
}

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

    Timer1sec = new QTimer(this);
    Timer1sec->setObjectName(QStringLiteral("Timer1sec"));
    Timer1sec->setInterval(kTickMilliseconds);
    connect(Timer1sec, &QTimer::timeout, this, [this] { game_.Timer1sec(); });

    経過時間 = MakeCounter("経過時間", layout::kDesignedElapsedTime, client);
    爆弾の数 = MakeCounter("爆弾の数", layout::kDesignedMineCounter, client);
    リセットボタン = new FaceButton([this] { game_.NewGame(); }, client);
    リセットボタン->setObjectName(QStringLiteral("リセットボタン"));
    リセットボタン->setGeometry(layout::kDesignedFaceButton);
    リセットボタン->ShowFace(pictures.startFaceDesignCopy());
    board_ = new BoardWidget(
        game_, pictures, [this](int cell, MouseButton button) { game_.PressCell(cell, button); },
        client);

    menu_ = BuildMainMenu(*menuBar());
    ConnectMenu();
    ResizeClientArea(layout::kDesignedClientSize);

    game_.SetObserver(this);
    Timer1sec->start();
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
    // The window's outer size, of which the client area below the menu bar is
    // what remains after the frame, the caption and the menu bar.
    const int outerHeight = ToPixels(OuterHeightTwips(height));
    const int outerWidth = ToPixels(OuterWidthTwips(width));
    ResizeClientArea({outerWidth - kFrameWidthPixels, outerHeight - kFrameHeightPixels});

    // Placed from the width the window really took.
    const double appliedOuterWidthTwips = (this->width() + kFrameWidthPixels) * kTwipsPerPixel;
    const double faceLeft =
        FaceLeftTwips(appliedOuterWidthTwips, リセットボタン->width() * kTwipsPerPixel);
    リセットボタン->move(ToPixels(faceLeft), ToPixels(kFaceTopTwips));
    爆弾の数->move(ToPixels(faceLeft + kMineCounterShiftTwips), ToPixels(kCounterTopTwips));
    経過時間->move(ToPixels(faceLeft + kElapsedTimeShiftTwips), ToPixels(kCounterTopTwips));
    爆弾の数->setEnabled(false);
    経過時間->setEnabled(false);

    game_.SetupBoard(height, width);
    board_->FitBoard();
}

void メイン::ResizeClientArea(QSize client) {
    resize(client + QSize(0, menuBar()->sizeHint().height()));
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
        爆弾の数->setText(ToQString(display.爆弾の数));
    }
    if (changes.elapsedTime) {
        経過時間->setText(ToQString(display.経過時間));
    }
    if (changes.levelMarks) {
        ShowLevelMarks();
    }
}

void メイン::ShowBestTimesAfterWin() {
    bestTimes_.ShowAfterWin();
}

void メイン::closeEvent(QCloseEvent* event) {
    // The best times are written once, however the window closes.
    if (!shutDown_) {
        shutDown_ = true;
        if (!SaveBestTimes(module1_)) {
            std::fputs("kestravon: the best times could not be saved to the settings store\n",
                       stderr);
        }
    }
    event->accept();
}

}  // namespace kestravon
