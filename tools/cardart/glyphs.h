// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#pragma once
// Hand-drawn bitmaps: the index font, the small suit pips and the letters of the title.
// 'X' is ink, anything else is left alone. Every row of a bitmap has the same width.

#include <string>
#include <vector>

using Art = std::vector<std::string>;

// Index ranks, 9 rows high.
inline const Art kRankA = {
    "..XXX..", ".XX.XX.", "XX...XX", "XX...XX", "XX...XX",
    "XXXXXXX", "XX...XX", "XX...XX", "XX...XX",
};
inline const Art kRank2 = {
    ".XXXXX.", "XX...XX", ".....XX", ".....XX", "...XXX.",
    ".XXX...", "XX.....", "XX.....", "XXXXXXX",
};
inline const Art kRank3 = {
    ".XXXXX.", "XX...XX", ".....XX", ".....XX", "..XXXX.",
    ".....XX", ".....XX", "XX...XX", ".XXXXX.",
};
inline const Art kRank4 = {
    "....XX.", "...XXX.", "..XXXX.", ".XX.XX.", "XX..XX.",
    "XXXXXXX", "....XX.", "....XX.", "....XX.",
};
inline const Art kRank5 = {
    "XXXXXXX", "XX.....", "XX.....", "XXXXXX.", ".....XX",
    ".....XX", ".....XX", "XX...XX", ".XXXXX.",
};
inline const Art kRank6 = {
    "..XXXX.", ".XX....", "XX.....", "XXXXXX.", "XX...XX",
    "XX...XX", "XX...XX", "XX...XX", ".XXXXX.",
};
inline const Art kRank7 = {
    "XXXXXXX", ".....XX", "....XX.", "....XX.", "...XX..",
    "...XX..", "..XX...", "..XX...", "..XX...",
};
inline const Art kRank8 = {
    ".XXXXX.", "XX...XX", "XX...XX", "XX...XX", ".XXXXX.",
    "XX...XX", "XX...XX", "XX...XX", ".XXXXX.",
};
inline const Art kRank9 = {
    ".XXXXX.", "XX...XX", "XX...XX", "XX...XX", "XX...XX",
    ".XXXXXX", ".....XX", "....XX.", ".XXXX..",
};
inline const Art kRank10 = {
    ".XX..XXXX.", "XXX.XX..XX", ".XX.XX..XX", ".XX.XX..XX", ".XX.XX..XX",
    ".XX.XX..XX", ".XX.XX..XX", ".XX.XX..XX", "XXXX.XXXX.",
};
inline const Art kRankJ = {
    "..XXXXX", "....XX.", "....XX.", "....XX.", "....XX.",
    "....XX.", "XX..XX.", "XX..XX.", ".XXXX..",
};
inline const Art kRankQ = {
    ".XXXXX.", "XX...XX", "XX...XX", "XX...XX", "XX...XX",
    "XX.X.XX", "XX..XX.", ".XXX.XX", "......X",
};
inline const Art kRankK = {
    "XX...XX", "XX..XX.", "XX.XX..", "XXXX...", "XXX....",
    "XXXX...", "XX.XX..", "XX..XX.", "XX...XX",
};

// Index pips, 7 x 8.
inline const Art kSmallSpade = {
    "...X...", "..XXX..", ".XXXXX.", "XXXXXXX", "XXXXXXX", "XX.X.XX", "...X...", "..XXX..",
};
inline const Art kSmallHeart = {
    ".XX.XX.", "XXXXXXX", "XXXXXXX", "XXXXXXX", ".XXXXX.", "..XXX..", "...X...", ".......",
};
inline const Art kSmallClub = {
    "..XXX..", "..XXX..", "XX.X.XX", "XXXXXXX", "XX.X.XX", "...X...", "..XXX..", ".......",
};
inline const Art kSmallDiamond = {
    "...X...", "..XXX..", ".XXXXX.", "XXXXXXX", ".XXXXX.", "..XXX..", "...X...", ".......",
};

// Field pips, 11 x 12.
inline const Art kPipSpade = {
    ".....X.....", "....XXX....", "...XXXXX...", "..XXXXXXX..", ".XXXXXXXXX.", "XXXXXXXXXXX",
    "XXXXXXXXXXX", "XXXXXXXXXXX", ".XXX.X.XXX.", ".....X.....", "....XXX....", "..XXXXXXX..",
};
inline const Art kPipHeart = {
    "...........", ".XXX...XXX.", "XXXXX.XXXXX", "XXXXXXXXXXX", "XXXXXXXXXXX", "XXXXXXXXXXX",
    ".XXXXXXXXX.", "..XXXXXXX..", "...XXXXX...", "....XXX....", ".....X.....", "...........",
};
inline const Art kPipClub = {
    "....XXX....", "...XXXXX...", "...XXXXX...", "...XXXXX...", ".XXXXXXXXX.", "XXXXXXXXXXX",
    "XXXXXXXXXXX", "XXXXXXXXXXX", ".XXX.X.XXX.", ".....X.....", "....XXX....", "..XXXXXXX..",
};
inline const Art kPipDiamond = {
    ".....X.....", "....XXX....", "....XXX....", "...XXXXX...", "..XXXXXXX..", ".XXXXXXXXX.",
    ".XXXXXXXXX.", "..XXXXXXX..", "...XXXXX...", "....XXX....", "....XXX....", ".....X.....",
};

// A plain 5 x 7 capital font for the joker's index and small captions.
inline const Art& SmallLetter(char c) {
  static const Art kA = {".XXX.", "X...X", "X...X", "XXXXX", "X...X", "X...X", "X...X"};
  static const Art kE = {"XXXXX", "X....", "X....", "XXXX.", "X....", "X....", "XXXXX"};
  static const Art kJ = {"..XXX", "...X.", "...X.", "...X.", "...X.", "X..X.", ".XX.."};
  static const Art kK = {"X...X", "X..X.", "X.X..", "XX...", "X.X..", "X..X.", "X...X"};
  static const Art kL = {"X....", "X....", "X....", "X....", "X....", "X....", "XXXXX"};
  static const Art kM = {"X...X", "XX.XX", "X.X.X", "X.X.X", "X...X", "X...X", "X...X"};
  static const Art kO = {".XXX.", "X...X", "X...X", "X...X", "X...X", "X...X", ".XXX."};
  static const Art kR = {"XXXX.", "X...X", "X...X", "XXXX.", "X.X..", "X..X.", "X...X"};
  static const Art kU = {"X...X", "X...X", "X...X", "X...X", "X...X", "X...X", ".XXX."};
  static const Art kSpace = {".....", ".....", ".....", ".....", ".....", ".....", "....."};
  switch (c) {
    case 'A':
      return kA;
    case 'E':
      return kE;
    case 'J':
      return kJ;
    case 'K':
      return kK;
    case 'L':
      return kL;
    case 'M':
      return kM;
    case 'O':
      return kO;
    case 'R':
      return kR;
    case 'U':
      return kU;
    default:
      return kSpace;
  }
}

// The title lettering "Lumaro": bold, 11 rows with the lower-case letters on rows 3..10.
inline const Art& TitleLetter(char c) {
  static const Art kL = {
      "XX.....", "XX.....", "XX.....", "XX.....", "XX.....", "XX.....",
      "XX.....", "XX.....", "XX.....", "XXXXXXX", "XXXXXXX",
  };
  static const Art ku = {
      ".......", ".......", ".......", "XX...XX", "XX...XX", "XX...XX",
      "XX...XX", "XX...XX", "XX..XXX", "XXXXXXX", ".XXX.XX",
  };
  static const Art km = {
      "..........", "..........", "..........", "XX.XX.XXX.", "XXXXXXXXXX", "XX..XX..XX",
      "XX..XX..XX", "XX..XX..XX", "XX..XX..XX", "XX..XX..XX", "XX..XX..XX",
  };
  static const Art ka = {
      ".......", ".......", ".......", ".XXXXX.", "XX...XX", ".....XX",
      ".XXXXXX", "XX...XX", "XX...XX", "XX..XXX", ".XXX.XX",
  };
  static const Art kr = {
      "......", "......", "......", "XX.XXX", "XXXX.X", "XXX...",
      "XX....", "XX....", "XX....", "XX....", "XX....",
  };
  static const Art ko = {
      ".......", ".......", ".......", ".XXXXX.", "XX...XX", "XX...XX",
      "XX...XX", "XX...XX", "XX...XX", "XX...XX", ".XXXXX.",
  };
  switch (c) {
    case 'L':
      return kL;
    case 'u':
      return ku;
    case 'm':
      return km;
    case 'a':
      return ka;
    case 'r':
      return kr;
    default:
      return ko;
  }
}
