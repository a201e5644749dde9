// The words a screen reader says of the board, in Japanese.
#include "ui/board/board_speech.h"

namespace kestravon {

namespace {

QString FromGame(const std::string& text) {
    return QString::fromStdString(text);
}

QString MinesLeft(const Game& game) {
    return QStringLiteral("残り爆弾%1").arg(FromGame(game.mineCounterText()));
}

bool IsMark(Tile tile) {
    return tile == Tile::Flag || tile == Tile::Understand;
}

}  // namespace

QString TileName(Tile tile) {
    switch (tile) {
        case Tile::None:
            return QStringLiteral("未開");
        case Tile::Flag:
            return QStringLiteral("旗");
        case Tile::Understand:
            return QStringLiteral("はてな");
        case Tile::Push:
            return QStringLiteral("空白");
        case Tile::Bomb:
            return QStringLiteral("爆弾");
        case Tile::Bomb1:
            return QStringLiteral("踏んだ爆弾");
        default:
            return QString::number(static_cast<int>(tile) - static_cast<int>(Tile::Num1) + 1);
    }
}

QString CellName(const Game& game, int cell) {
    return QStringLiteral("%1、%2列%3行")
        .arg(TileName(game.cells()[static_cast<std::size_t>(cell)].tile))
        .arg(cell % game.columns() + 1)
        .arg(cell / game.columns() + 1);
}

QString PressSpeech(const Game& game, int cell, Press press, const PressResult& result) {
    const Tile tile = game.cells()[static_cast<std::size_t>(cell)].tile;
    if (!result.taken) {
        return QStringLiteral("ゲームは終わっています");
    }
    switch (game.phase()) {
        case GamePhase::Won:
            return {};
        case GamePhase::Lost:
            return QStringLiteral("爆弾を踏みました。失敗");
        case GamePhase::Ready:
        case GamePhase::Playing:
            break;
    }
    const bool closed = tile == Tile::None || IsMark(tile);
    if (press == Press::Mark) {
        if (!closed) {
            return QStringLiteral("開いています");
        }
        const QString mark = tile == Tile::None ? QStringLiteral("印なし") : TileName(tile);
        return QStringLiteral("%1、%2").arg(mark, MinesLeft(game));
    }
    if (result.opened > 1) {
        return QStringLiteral("%1、%2マス開きました").arg(TileName(tile)).arg(result.opened);
    }
    if (result.opened == 1) {
        return TileName(tile);
    }
    return closed ? QStringLiteral("%1のマスは開きません").arg(TileName(tile))
                  : QStringLiteral("開いています");
}

QString NewGameSpeech(const Game& game) {
    return QStringLiteral("新しいゲーム、%1列%2行、爆弾%3")
        .arg(game.columns())
        .arg(game.rows())
        .arg(FromGame(game.mineCounterText()));
}

QString CountersSpeech(const Game& game) {
    return QStringLiteral("%1、経過時間%2秒")
        .arg(MinesLeft(game), FromGame(game.elapsedTimeText()));
}

}  // namespace kestravon
