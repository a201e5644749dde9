// The words a screen reader says of the board: its cells, what a press did, a new game, the
// counters.
#pragma once

#include <QString>

#include "engine/game.h"

namespace kestravon {

// What a tile shows, in a word: 未開, 旗, はてな, 空白, 1 to 8, 爆弾, 踏んだ爆弾.
QString TileName(Tile tile);

// A cell's name: what it shows, and its column and row counted from 1.
QString CellName(const Game& game, int cell);

// What a press on `cell` did, once the game has taken it; empty after a win, which its message
// boxes tell.
QString PressSpeech(const Game& game, int cell, Press press, const PressResult& result);

// A new game: the board's size and its mines.
QString NewGameSpeech(const Game& game);

// The two counters with their names.
QString CountersSpeech(const Game& game);

}  // namespace kestravon
