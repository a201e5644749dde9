// The best-time window: the twelve times, their clear buttons, and its two ways of opening.
#include "ui/dialogs/best_time_window.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include "engine/number_format.h"
#include "ui/dialogs/dialog_parts.h"
#include "ui/images/pictures.h"
#include "ui/screen/window_placement.h"

namespace kestravon {

namespace {

// Left edge of each level's column, 初級 to 超上級; the place rows' tops.
constexpr std::array<int, 4> kColumnLefts{40, 160, 280, 400};
constexpr std::array<int, 3> kPlaceTops{56, 96, 136};

// Shows the window, or brings a shown one to the front, as the active window: Windows
// shows a tool window without activating it, and the keyboard focus would stay behind.
void ShowActive(QWidget& window) {
    window.show();
    window.raise();
    window.activateWindow();
}

}  // namespace

BestTimeWindow::BestTimeWindow(BestTimeTable& bestTimes, const Pictures& pictures)
    : QDialog(nullptr,
              Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      bestTimes_(bestTimes) {
    setObjectName(QStringLiteral("ベストタイム"));
    setWindowTitle(QStringLiteral("ベストタイム"));
    setWindowIcon(pictures.windowIcon());
    // A parentless tool window would not count as one of the program's windows, and the
    // program would end with the main window although this one is still open.
    setAttribute(Qt::WA_QuitOnClose, true);
    DressDialog(*this);

    const std::array<const char*, 4> headings{"Label1", "Label5", "Label6", "Label7"};
    const std::array<const char*, 4> levels{"初級", "中級", "上級", "超上級"};
    int placeLabel = 2;  // Label2 .. Label16, skipping the headings 5, 6 and 7
    for (int level = 0; level < 4; ++level) {
        const int left = kColumnLefts[level];
        AddLabel(*this, QString::fromLatin1(headings[level]), QString::fromUtf8(levels[level]),
                 left, 24, level == 3 ? 49 : 25, 17);
        const int base = *BestTimeTable::BaseOf(BestTimeTable::kRankedLevels[level]);
        for (int place = 0; place < BestTimeTable::kPlacesPerLevel; ++place) {
            AddLabel(*this, QStringLiteral("Label%1").arg(placeLabel), QString::number(place + 1),
                     left, kPlaceTops[place], 9, 17);
            placeLabel += placeLabel == 4 ? 4 : 1;
            const int i = base + place;
            scores_[i] = AddLabel(*this, QStringLiteral("score%1").arg(i),
                                  QString::fromStdString(FormatTenths(bestTimes_.Entry(i))),
                                  left + 16, kPlaceTops[place], 57, 17);
        }
    }

    // Created in focus order: 初級's clear button, OK, then the other clear buttons.
    const std::array<const char*, 4> clearNames{"クリアボタン初", "クリアボタン中",
                                                "クリアボタン上", "クリアボタン超"};
    std::array<QPushButton*, 4> clear{};
    QPushButton* ok = nullptr;
    for (int level = 0; level < 4; ++level) {
        clear[level] = AddButton(*this, QString::fromUtf8(clearNames[level]),
                                 QStringLiteral("クリア"), kColumnLefts[level], 184, 81, 25);
        const Level ranked = BestTimeTable::kRankedLevels[level];
        connect(clear[level], &QPushButton::clicked, this, [this, ranked] { ClearLevel(ranked); });
        if (level == 0) {
            ok = AddButton(*this, QStringLiteral("OKボタン"), QStringLiteral("OK"), 216, 224, 89,
                           25);
            connect(ok, &QPushButton::clicked, this, &QWidget::close);
        }
    }
    setTabOrder(clear[0], ok);
    setTabOrder(ok, clear[1]);
    setTabOrder(clear[1], clear[2]);
    setTabOrder(clear[2], clear[3]);

    // setGeometry places a window's client area, where move() would place its frame.
    setGeometry(323, 364, 542, 265);
    setFixedSize(542, 265);
    clear[0]->setFocus();
}

void BestTimeWindow::keyPressEvent(QKeyEvent* event) {
    if (!TakeButtonOnlyDialogKey(*this, *event)) {
        QDialog::keyPressEvent(event);
    }
}

void BestTimeWindow::ClearLevel(Level level) {
    const int base = *BestTimeTable::BaseOf(level);
    for (int place = 0; place < BestTimeTable::kPlacesPerLevel; ++place) {
        scores_[base + place]->setText(QStringLiteral("999"));
    }
    bestTimes_.ClearLevel(level);
}

BestTimeWindowOpener::BestTimeWindowOpener(BestTimeTable& bestTimes, const Pictures& pictures,
                                           const QWidget& mainWindow)
    : bestTimes_(bestTimes), pictures_(pictures), mainWindow_(mainWindow) {}

BestTimeWindowOpener::~BestTimeWindowOpener() {
    delete window_;
}

BestTimeWindow* BestTimeWindowOpener::Create() {
    window_ = new BestTimeWindow(bestTimes_, pictures_);
    window_->setAttribute(Qt::WA_DeleteOnClose);
    KeepWithinScreen(*window_, mainWindow_);
    return window_;
}

void BestTimeWindowOpener::OpenModal() {
    if (window_) {
        ShowActive(*window_);
        return;
    }
    BestTimeWindow* window = Create();
    window->setWindowModality(Qt::ApplicationModal);
    ShowActive(*window);
    // exec() honours WA_DeleteOnClose: the window is gone when it returns.
    window->exec();
}

void BestTimeWindowOpener::ShowAfterWin() {
    ShowActive(window_ ? *window_ : *Create());
}

}  // namespace kestravon
