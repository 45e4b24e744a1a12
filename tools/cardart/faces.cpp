// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#include "faces.h"

#include <QPainter>
#include <QPolygon>
#include <QRect>
#include <array>
#include <cmath>
#include <functional>
#include <map>
#include <stdexcept>

#include "glyphs.h"
#include "heads.h"

namespace {

constexpr int W = kCardWidth;
constexpr int H = kCardHeight;

constexpr QRgb kWhite = 0xFFFFFFFF;
constexpr QRgb kBlack = 0xFF000000;
constexpr QRgb kRed = 0xFFD00000;
constexpr QRgb kSilver = 0xFFC0C0C0;
constexpr QRgb kGreen = 0xFF008000;
constexpr QRgb kGold = 0xFFF0C000;
constexpr QRgb kDarkGold = 0xFFB07000;

enum Suit { Spades = 1, Hearts, Clubs, Diamonds };

bool IsRed(int suit) {
  return suit == Hearts || suit == Diamonds;
}
QRgb SuitColour(int suit) {
  return IsRed(suit) ? kRed : kBlack;
}

int ArtWidth(const Art& art) {
  return art.empty() ? 0 : static_cast<int>(art[0].size());
}
int ArtHeight(const Art& art) {
  return static_cast<int>(art.size());
}

void CheckArt(const Art& art) {
  for (const std::string& row : art)
    if (static_cast<int>(row.size()) != ArtWidth(art))
      throw std::logic_error("ragged bitmap row: " + row);
}

void Put(QImage& img, int x, int y, QRgb c) {
  if (x >= 0 && y >= 0 && x < img.width() && y < img.height()) img.setPixel(x, y, c);
}

// Stamps the 'X' pixels of `art` with its top-left at (x, y); `turned` draws it rotated by
// half a turn inside the same box.
void Stamp(QImage& img, const Art& art, int x, int y, QRgb c, bool turned = false) {
  CheckArt(art);
  const int w = ArtWidth(art);
  const int h = ArtHeight(art);
  for (int j = 0; j < h; ++j)
    for (int i = 0; i < w; ++i)
      if (art[j][i] == 'X')
        Put(img, turned ? x + w - 1 - i : x + i, turned ? y + h - 1 - j : y + j, c);
}

// Stamps `art` at (x, y) and once more turned at the point-symmetric place of the card.
void StampPair(QImage& img, const Art& art, int x, int y, QRgb c) {
  Stamp(img, art, x, y, c);
  Stamp(img, art, img.width() - x - ArtWidth(art), img.height() - y - ArtHeight(art), c, true);
}

using Legend = std::map<char, QRgb>;

void Paint(QImage& img, const Art& art, int x, int y, const Legend& legend) {
  CheckArt(art);
  for (int j = 0; j < ArtHeight(art); ++j)
    for (int i = 0; i < ArtWidth(art); ++i) {
      const char ch = art[j][i];
      if (ch == '.') continue;
      const auto it = legend.find(ch);
      if (it == legend.end()) throw std::logic_error(std::string("no colour for ") + ch);
      Put(img, x + i, y + j, it->second);
    }
}

QImage NewImage(int w, int h, QRgb fill) {
  QImage img(w, h, QImage::Format_ARGB32);
  img.fill(fill);
  return img;
}

// A card filling `area`: `fill` inside a one-pixel edge whose corners are cut, the three
// pixels outside each cut corner left as they were.
void DrawCardShape(QImage& img, const QRect& area, QRgb fill, QRgb edge = kBlack) {
  const int w = area.width(), h = area.height();
  for (int j = 0; j < h; ++j)
    for (int i = 0; i < w; ++i) {
      const int dx = std::min(i, w - 1 - i), dy = std::min(j, h - 1 - j);
      if (dx + dy <= 1) continue;
      const bool onEdge = dx == 0 || dy == 0 || (dx == 1 && dy == 1);
      img.setPixel(area.left() + i, area.top() + j, onEdge ? edge : fill);
    }
}

// A face-sized card on the `surround` colour.
QImage CardBase(QRgb fill = kWhite, QRgb edge = kBlack, QRgb surround = kWhite) {
  QImage img = NewImage(W, H, surround);
  DrawCardShape(img, QRect(0, 0, W, H), fill, edge);
  return img;
}

const Art& RankArt(int rank) {
  static const std::array<const Art*, 13> arts = {&kRankA, &kRank2, &kRank3, &kRank4, &kRank5,
                                                  &kRank6, &kRank7, &kRank8, &kRank9, &kRank10,
                                                  &kRankJ, &kRankQ, &kRankK};
  return *arts.at(static_cast<std::size_t>(rank - 1));
}

const Art& SmallPip(int suit) {
  static const std::array<const Art*, 4> arts = {&kSmallSpade, &kSmallHeart, &kSmallClub,
                                                 &kSmallDiamond};
  return *arts.at(static_cast<std::size_t>(suit - 1));
}

const Art& FieldPip(int suit) {
  static const std::array<const Art*, 4> arts = {&kPipSpade, &kPipHeart, &kPipClub, &kPipDiamond};
  return *arts.at(static_cast<std::size_t>(suit - 1));
}

// Rank over suit in the top-left corner and, turned, in the bottom-right one.
void DrawIndex(QImage& img, int suit, int rank) {
  const Art& r = RankArt(rank);
  const int rx = rank == 10 ? 2 : 3;
  StampPair(img, r, rx, 4, SuitColour(suit));
  StampPair(img, SmallPip(suit), 3, 15, SuitColour(suit));
}

// ---- large shapes, sampled at pixel centres ----

using Predicate = std::function<bool(double x, double y)>;

bool HeartAt(double x, double y) {
  const double a = x * x + y * y - 1.0;
  return a * a * a - x * x * y * y * y <= 0.0;
}

bool SpadeAt(double x, double y) {
  if (HeartAt(x * 0.98, -y - 0.05)) return true;
  if (y < -0.55 && y > -1.75) {
    const double t = (-0.55 - y) / 1.2;
    return std::abs(x) <= 0.08 + 0.5 * t * t;
  }
  return false;
}

bool ClubAt(double x, double y) {
  auto in = [&](double cx, double cy, double r) {
    return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= r * r;
  };
  if (in(0.0, 0.62, 0.5) || in(-0.55, -0.18, 0.5) || in(0.55, -0.18, 0.5) || in(0.0, 0.1, 0.3))
    return true;
  if (y < -0.1 && y > -1.3) {
    const double t = (-0.1 - y) / 1.2;
    return std::abs(x) <= 0.07 + 0.42 * t * t * t;
  }
  return false;
}

bool DiamondAt(double x, double y) {
  // Sides curving slightly inwards.
  const double u = std::abs(x) / 0.78, v = std::abs(y);
  return u + v + 0.3 * u * v <= 1.0;
}

// A w x h mask of the predicate, stretched so that its extent fills the box.
Art SampleShape(const Predicate& inside, int w, int h) {
  double minX = 9, maxX = -9, minY = 9, maxY = -9;
  for (int j = 0; j <= 600; ++j)
    for (int i = 0; i <= 600; ++i) {
      const double x = -2.0 + 4.0 * i / 600.0;
      const double y = -2.0 + 4.0 * j / 600.0;
      if (!inside(x, y)) continue;
      minX = std::min(minX, x);
      maxX = std::max(maxX, x);
      minY = std::min(minY, y);
      maxY = std::max(maxY, y);
    }
  Art art(static_cast<std::size_t>(h), std::string(static_cast<std::size_t>(w), '.'));
  for (int j = 0; j < h; ++j)
    for (int i = 0; i < w; ++i) {
      const double y = maxY - (maxY - minY) * (j + 0.5) / h;
      // Sample the left half only and mirror it, so the shape is exactly symmetric.
      const int mi = i < w / 2 ? i : w - 1 - i;
      const double mx = minX + (maxX - minX) * (mi + 0.5) / w;
      if (inside(mx, y)) art[j][i] = 'X';
    }
  return art;
}

Predicate SuitShape(int suit) {
  switch (suit) {
    case Spades:
      return SpadeAt;
    case Hearts:
      return HeartAt;
    case Clubs:
      return ClubAt;
    default:
      return DiamondAt;
  }
}

// Pixels of `art` that survive `n` rounds of four-neighbour erosion.
Art Erode(const Art& art, int n) {
  Art cur = art;
  for (int k = 0; k < n; ++k) {
    Art next = cur;
    for (int j = 0; j < ArtHeight(cur); ++j)
      for (int i = 0; i < ArtWidth(cur); ++i) {
        auto at = [&](int x, int y) {
          return x >= 0 && y >= 0 && x < ArtWidth(cur) && y < ArtHeight(cur) && cur[y][x] == 'X';
        };
        if (!(at(i - 1, j) && at(i + 1, j) && at(i, j - 1) && at(i, j + 1))) next[j][i] = '.';
      }
    cur = next;
  }
  return cur;
}

Art Minus(const Art& a, const Art& b) {
  Art out = a;
  for (int j = 0; j < ArtHeight(a); ++j)
    for (int i = 0; i < ArtWidth(a); ++i)
      if (b[j][i] == 'X') out[j][i] = '.';
  return out;
}

// ---- pip cards ----

struct PipSpot {
  int Column;  // 0 left, 1 middle, 2 right
  int Top;     // top row of the pip
};

constexpr std::array<int, 3> kColumnLeft = {17, 30, 43};
// Rows are chosen so that every pip in the lower half is the point mirror of one above.
constexpr int kRowA = 9, kRowB = 31, kRowC = 53, kRowD = 75;  // four to a column
constexpr int kRowMid = 42;                                   // the centre
constexpr int kRowAB = 20, kRowCD = 64;                       // between A-B and C-D (10)
constexpr int kRowAMid = 25, kRowMidD = 59;                   // between A and centre (7, 8)

std::vector<PipSpot> PipLayout(int rank) {
  switch (rank) {
    case 2:
      return {{1, kRowA}, {1, kRowD}};
    case 3:
      return {{1, kRowA}, {1, kRowMid}, {1, kRowD}};
    case 4:
      return {{0, kRowA}, {2, kRowA}, {0, kRowD}, {2, kRowD}};
    case 5:
      return {{0, kRowA}, {2, kRowA}, {1, kRowMid}, {0, kRowD}, {2, kRowD}};
    case 6:
      return {{0, kRowA}, {2, kRowA}, {0, kRowMid}, {2, kRowMid}, {0, kRowD}, {2, kRowD}};
    case 7:
      return {{0, kRowA},   {2, kRowA}, {1, kRowAMid}, {0, kRowMid},
              {2, kRowMid}, {0, kRowD}, {2, kRowD}};
    case 8:
      return {{0, kRowA},   {2, kRowA},    {1, kRowAMid}, {0, kRowMid},
              {2, kRowMid}, {1, kRowMidD}, {0, kRowD},    {2, kRowD}};
    case 9:
      return {{0, kRowA}, {2, kRowA}, {0, kRowB}, {2, kRowB}, {1, kRowMid},
              {0, kRowC}, {2, kRowC}, {0, kRowD}, {2, kRowD}};
    case 10:
      return {{0, kRowA}, {2, kRowA}, {1, kRowAB}, {0, kRowB}, {2, kRowB},
              {0, kRowC}, {2, kRowC}, {1, kRowCD}, {0, kRowD}, {2, kRowD}};
    default:
      return {};
  }
}

void DrawAce(QImage& img, int suit) {
  if (suit == Spades) {
    // The ornate ace: a large spade with an inlaid white line and a small white spade.
    const int w = 43, h = 50;
    const Art big = SampleShape(SpadeAt, w, h);
    const int x = (W - w) / 2, y = (H - h) / 2;
    Stamp(img, big, x, y, kBlack);
    const Art line = Minus(Erode(big, 3), Erode(big, 4));
    Stamp(img, line, x, y, kWhite);
    Stamp(img, kPipSpade, (W - ArtWidth(kPipSpade)) / 2, y + 16, kWhite);
    // Scrolls either side of the stem.
    static const Art kScroll = {
        "..XXXX.", ".X....X", "X..XX.X", "X.X..X.", "X..XX..", ".X.....", "..XXXXX",
    };
    static const Art kScrollFlipped = [] {
      Art a = kScroll;
      for (std::string& row : a) row = std::string(row.rbegin(), row.rend());
      return a;
    }();
    Stamp(img, kScroll, x + 6, y + h - 9, kBlack);
    Stamp(img, kScrollFlipped, x + w - 13, y + h - 9, kBlack);
    // The maker's name under the spade.
    const char* name = "LUMARO";
    int cx = (W - 35) / 2;
    for (const char* p = name; *p; ++p, cx += 6) Stamp(img, SmallLetter(*p), cx, y + h + 4, kBlack);
    return;
  }
  // Odd widths keep the shape centred on the middle column.
  const int w = suit == Diamonds ? 25 : 31;
  const int h = suit == Hearts ? 28 : suit == Clubs ? 32 : 34;
  const Art big = SampleShape(SuitShape(suit), w, h);
  Stamp(img, big, (W - w) / 2, (H - h) / 2, SuitColour(suit));
}

QImage DrawPipCard(int suit, int rank) {
  QImage img = CardBase();
  DrawIndex(img, suit, rank);
  if (rank == 1) {
    DrawAce(img, suit);
    return img;
  }
  const Art& pip = FieldPip(suit);
  for (const PipSpot& s : PipLayout(rank)) {
    const bool turned = s.Top > kRowMid;
    Stamp(img, pip, kColumnLeft[static_cast<std::size_t>(s.Column)], s.Top, SuitColour(suit),
          turned);
  }
  return img;
}

// ---- court cards ----

constexpr int kFrameLeft = 12, kFrameTop = 8, kFrameRight = 58, kFrameBottom = 87;

Legend CourtLegend(int suit, int rank) {
  static const std::array<QRgb, 4> accents = {0xFF2050C8, 0xFF7820A8, 0xFF108838, 0xFF008890};
  Legend l;
  l['K'] = kBlack;
  l['w'] = kWhite;
  l['S'] = 0xFFF8C8A0;
  l['s'] = 0xFFD89870;
  l['Y'] = kGold;
  l['O'] = kDarkGold;
  l['A'] = accents.at(static_cast<std::size_t>(suit - 1));
  l['M'] = kRed;
  l['R'] = IsRed(suit) ? kRed : kBlack;
  l['D'] = IsRed(suit) ? 0xFF800000 : 0xFF404040;
  l['G'] = kSilver;
  switch (rank) {
    case 13:
      l['H'] = kSilver;
      l['h'] = 0xFF808080;
      break;
    case 12:
      l['H'] = kGold;
      l['h'] = kDarkGold;
      break;
    default:
      l['H'] = 0xFF805020;
      l['h'] = 0xFF503010;
      break;
  }
  return l;
}

const Art kCourtHand = {
    ".KKKK.", "KSSSSK", "KSSSsK", "KSSSsK", ".KKKK.",
};

// Fills with `c` and outlines in black, as every painted part of a court figure is.
void Fill(QPainter& p, QRgb c) {
  p.setBrush(QColor::fromRgb(c));
  p.setPen(QColor::fromRgb(kBlack));
}

// Shoulders and robe, down to the middle where the turned half takes over, with a brocade
// lattice in the darker shade and gold at the crossings.
void DrawCourtRobe(QImage& img, const Legend& col) {
  const QRgb robe = col.at('R');
  {
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, false);
    Fill(p, robe);
    p.drawPolygon(QPolygon({QPoint(31, 28), QPoint(39, 28), QPoint(49, 32), QPoint(53, 36),
                            QPoint(53, 48), QPoint(17, 48), QPoint(17, 36), QPoint(21, 32)}));
  }
  for (int y = 29; y < 48; ++y)
    for (int x = 18; x < 53; ++x) {
      if (img.pixel(x, y) != robe) continue;
      const bool a = (x + y) % 6 == 0, b = (x - y + 600) % 6 == 0;
      if (a && b)
        img.setPixel(x, y, kGold);
      else if (a || b)
        img.setPixel(x, y, col.at('D'));
    }
}

// Ermine cape, a gold band down the front with a jewel, gold-edged sleeves, and the sword
// held upright.
void DrawKing(QImage& img, const Legend& col) {
  const QRgb accent = col.at('A');
  {
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, false);
    Fill(p, kGold);
    p.drawRect(32, 36, 6, 12);
    Fill(p, accent);
    p.drawRect(33, 40, 4, 3);
    Fill(p, kGold);
    p.drawRect(17, 42, 8, 2);
    p.drawRect(45, 42, 8, 2);
    Fill(p, kWhite);
    p.drawPolygon(QPolygon({QPoint(23, 30), QPoint(47, 30), QPoint(53, 35), QPoint(53, 37),
                            QPoint(17, 37), QPoint(17, 35)}));
    Fill(p, accent);
    p.drawRect(41, 40, 2, 2);
    p.drawRect(27, 40, 2, 2);
  }
  for (int x = 20; x < 52; x += 3) Put(img, x, 34 + (x / 3) % 2, kBlack);  // ermine tails
  for (int y = 11; y < 38; ++y) {
    Put(img, 18, y, kBlack);
    Put(img, 19, y, kWhite);
    Put(img, 20, y, kSilver);
    Put(img, 21, y, kBlack);
  }
  Put(img, 19, 10, kBlack);
  Put(img, 20, 10, kBlack);
  for (int x = 15; x <= 24; ++x) {
    Put(img, x, 37, kBlack);
    Put(img, x, 38, kGold);
    Put(img, x, 39, kDarkGold);
  }
  Paint(img, kCourtHand, 17, 40, col);
  Paint(img, kKingHead, 27, 9, col);
}

// A gold neckline over a laced bodice, a girdle, and a flower on a long stem.
void DrawQueen(QImage& img, const Legend& col) {
  const QRgb accent = col.at('A');
  {
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, false);
    Fill(p, kGold);
    p.drawPolygon(QPolygon({QPoint(24, 30), QPoint(46, 30), QPoint(35, 42)}));
    Fill(p, accent);
    p.drawPolygon(QPolygon({QPoint(28, 31), QPoint(42, 31), QPoint(35, 38)}));
    Fill(p, kGold);
    p.drawRect(17, 44, 36, 2);
    Fill(p, accent);
    p.drawRect(23, 38, 3, 6);
    p.drawRect(44, 38, 3, 6);
  }
  static const Art kFlower = {
      "..KKK..", ".KMYMK.", "KMYYYMK", "KYYOYYK", "KMYYYMK", ".KMYMK.", "..KAK..",
  };
  for (int y = 19; y < 41; ++y) {
    Put(img, 19, y, kBlack);
    Put(img, 20, y, accent);
    Put(img, 21, y, kBlack);
  }
  Paint(img, kFlower, 17, 13, col);
  Paint(img, kCourtHand, 17, 40, col);
  Paint(img, kQueenHead, 27, 9, col);
}

// A doublet with puffed, slashed sleeves, a collar and a row of buttons, and a halberd.
void DrawJack(QImage& img, const Legend& col) {
  {
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, false);
    Fill(p, col.at('A'));
    p.drawEllipse(16, 31, 12, 11);
    p.drawEllipse(42, 31, 12, 11);
    Fill(p, kGold);
    p.drawRect(28, 30, 14, 2);
  }
  for (int k = 0; k < 3; ++k) {
    Put(img, 19 + 3 * k, 35, kGold);
    Put(img, 19 + 3 * k, 36, kGold);
    Put(img, 45 + 3 * k, 35, kGold);
    Put(img, 45 + 3 * k, 36, kGold);
  }
  for (int y = 35; y < 48; y += 3) {
    Put(img, 35, y, kGold);
    Put(img, 35, y + 1, col.at('O'));
  }
  static const Art kAxe = {
      "...KK...", "..KGGK..", ".KGGGGKK", "KGGGGGGK",
      "KGGGGGGK", ".KGGGGKK", "..KGGK..", "...KK...",
  };
  for (int y = 12; y < 48; ++y) {
    Put(img, 49, y, kBlack);
    Put(img, 50, y, col.at('h'));
    Put(img, 51, y, kBlack);
  }
  Paint(img, kAxe, 46, 14, col);
  Put(img, 50, 10, kBlack);
  Put(img, 50, 11, kSilver);
  Paint(img, kCourtHand, 47, 39, col);
  Paint(img, kJackHead, 27, 10, col);
}

// The lower half of the picture is the upper one turned round, with a black band across
// the middle where the halves meet.
void TurnCourtHalf(QImage& img) {
  for (int y = kFrameTop + 1; y < H / 2; ++y)
    for (int x = kFrameLeft + 1; x < kFrameRight; ++x)
      img.setPixel(W - 1 - x, H - 1 - y, img.pixel(x, y));
  for (int x = kFrameLeft + 1; x < kFrameRight; ++x) {
    img.setPixel(x, H / 2 - 1, kBlack);
    img.setPixel(x, H / 2, kBlack);
  }
}

void DrawCourtFrame(QImage& img, QRgb c) {
  for (int x = kFrameLeft; x <= kFrameRight; ++x) {
    img.setPixel(x, kFrameTop, c);
    img.setPixel(x, kFrameBottom, c);
  }
  for (int y = kFrameTop; y <= kFrameBottom; ++y) {
    img.setPixel(kFrameLeft, y, c);
    img.setPixel(kFrameRight, y, c);
  }
}

QImage DrawCourt(int suit, int rank) {
  QImage img = CardBase();
  DrawIndex(img, suit, rank);
  const Legend col = CourtLegend(suit, rank);
  DrawCourtRobe(img, col);
  if (rank == 13)
    DrawKing(img, col);
  else if (rank == 12)
    DrawQueen(img, col);
  else
    DrawJack(img, col);
  // The suit beside the head, clear of the jack's halberd and the others' sword or flower.
  Stamp(img, SmallPip(suit), rank == 11 ? 16 : 47, 11, SuitColour(suit));
  TurnCourtHalf(img);
  DrawCourtFrame(img, col.at('R'));
  return img;
}

// ---- joker ----

QImage DrawJoker() {
  QImage img = CardBase();
  const char* word = "JOKER";
  for (int k = 0; k < 5; ++k) StampPair(img, SmallLetter(word[k]), 3, 4 + k * 9, kBlack);
  static const Art kJester = {
      "...KK.....................KK...", "..KYYK.........KK........KYYK..",
      "..KYYK........KYYK.......KYYK..", "...KKRK.......KYYK......KAKK...",
      ".....KRK.......KK......KAK.....", "......KRRK....KAAK...KKAAK.....",
      "......KRRRK..KAAAAK.KAAAAK.....", ".......KRRRKKAAAAAAKRRAAK......",
      ".......KRRRRKAAAAAAKRRRAK......", "........KRRRKAAAAAKRRRRK.......",
      "........KYKYKYKYKYKYKYKYK......", "........KSSSSSSSSSSSSSSK.......",
      ".......KSSSSSSSSSSSSSSSSK......", ".......KSSKKSSSSSSSKKSSSK......",
      ".......KSKwKSSSSSSSKwKSSK......", ".......KSSKKSSSsSSSKKSSSK......",
      ".......KSMMSSSSsSSSSSMMSK......", ".......KSSSSSSssSSSSSSSSK......",
      "........KSSMSSSSSSSSMSSK.......", "........KSSSMMMMMMMMSSK........",
      ".........KSSSSMMMMSSSK.........", "..........KKSSSSSSSKK..........",
      "....KKKKKKKKKKKKKKKKKKKKKKK....", "...KwwKwwKwwKwwKwwKwwKwwKwwK...",
      "....KwKKwKKwKKwKKwKKwKKwKKwK...", ".....K..K..K..K..K..K..K..K....",
  };
  Legend l;
  l['K'] = kBlack;
  l['w'] = kWhite;
  l['S'] = 0xFFF8D8C0;
  l['s'] = 0xFFD89870;
  l['Y'] = kGold;
  l['R'] = kRed;
  l['A'] = 0xFF108838;
  l['M'] = kRed;
  const int top = 10;
  Paint(img, kJester, (W - 31) / 2, top, l);
  constexpr QRgb kJesterGreen = 0xFF108838;
  auto harlequin = [](int x, int y) -> QRgb {
    const int u = x - 35, v = y;
    if ((u + v + 400) % 6 == 0 || (v - u + 400) % 6 == 0) return kBlack;
    const int a = (u + v + 400) / 6, b = (v - u + 400) / 6;
    if ((a + 2 * b) % 3 == 0) return kGold;
    return ((a + b) % 2) ? kRed : kJesterGreen;
  };
  {
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QColor::fromRgb(kBlack));
    // Arms: the left hangs down, the right holds up the bauble.
    p.setBrush(QColor::fromRgb(kJesterGreen));
    p.drawPolygon(QPolygon({QPoint(27, 37), QPoint(30, 41), QPoint(21, 55), QPoint(17, 52)}));
    p.setBrush(QColor::fromRgb(kRed));
    p.drawPolygon(QPolygon({QPoint(43, 37), QPoint(40, 41), QPoint(50, 47), QPoint(52, 43)}));
    // Legs in the two colours, and pointed shoes.
    p.setBrush(QColor::fromRgb(kRed));
    p.drawRect(29, 64, 5, 19);
    p.setBrush(QColor::fromRgb(kJesterGreen));
    p.drawRect(36, 64, 5, 19);
    p.setBrush(QColor::fromRgb(kGold));
    p.drawPolygon(QPolygon({QPoint(34, 83), QPoint(34, 87), QPoint(24, 87), QPoint(21, 83)}));
    p.drawPolygon(QPolygon({QPoint(36, 83), QPoint(36, 87), QPoint(46, 87), QPoint(49, 83)}));
    // The bauble on its stick.
    p.setBrush(QColor::fromRgb(kDarkGold));
    p.drawRect(53, 26, 1, 20);
    p.setBrush(QColor::fromRgb(0xFFF8D8C0));
    p.drawEllipse(50, 20, 7, 7);
    p.setBrush(QColor::fromRgb(kRed));
    p.drawPolygon(QPolygon({QPoint(49, 21), QPoint(53, 15), QPoint(58, 21)}));
  }
  Put(img, 52, 23, kBlack);
  Put(img, 55, 23, kBlack);
  Put(img, 53, 25, kRed);
  Put(img, 54, 25, kRed);
  Put(img, 53, 14, kGold);
  // Hands.
  static const Art kHandJ = {
      ".KKK.",
      "KSSSK",
      "KSSSK",
      ".KKK.",
  };
  Paint(img, kHandJ, 16, 53, l);
  Paint(img, kHandJ, 51, 43, l);
  // The harlequin tunic, widening to the hips, with a gold belt.
  const int bodyTop = top + 26;
  for (int y = bodyTop; y <= 64; ++y) {
    const int half = 8 + (y - bodyTop) / 4;
    for (int x = 35 - half; x <= 35 + half; ++x) {
      QRgb c = harlequin(x, y - bodyTop);
      if (x == 35 - half || x == 35 + half || y == 64) c = kBlack;
      if (y == 58 || y == 59) c = (x == 35 - half || x == 35 + half) ? kBlack : kGold;
      img.setPixel(x, y, c);
    }
  }
  // Bells on the shoe tips.
  Put(img, 21, 82, kGold);
  Put(img, 20, 82, kBlack);
  Put(img, 49, 82, kGold);
  Put(img, 50, 82, kBlack);
  return img;
}

// ---- backs ----

// Each pattern gives the colour at (x, y) inside a back's frame, counted from its corner.

QRgb BlueLattice(int x, int y) {
  const int a = (x + y) % 6, b = (x - y + 600) % 6;
  if (a == 0 && b == 0) return kWhite;  // the knots
  if (a == 0 || b == 0) return 0xFF60A0FF;
  return 0xFF0030A0;
}

QRgb RedDiamonds(int x, int y) {
  const int cx = (x + 4) % 8 - 4, cy = (y + 4) % 8 - 4;
  const int d = std::abs(cx) + std::abs(cy);
  if (d <= 1) return kGold;
  if (d == 3) return kWhite;
  return 0xFFB00000;
}

QRgb TealRingChain(int x, int y) {
  auto ring = [](int dx, int dy) {
    const int r2 = dx * dx + dy * dy;
    return r2 >= 12 && r2 <= 24;
  };
  const int cx = x % 8 - 4, cy = y % 8 - 4;              // rings centred in each tile
  const int ex = (x + 4) % 8 - 4, ey = (y + 4) % 8 - 4;  // and on the tile corners
  if (ring(cx, cy)) return kWhite;
  if (ring(ex, ey)) return 0xFF60E0E0;
  if (cx * cx + cy * cy < 4) return 0xFF60E0E0;
  return 0xFF006868;
}

QRgb BasketWeave(int x, int y) {
  const int tx = (x / 6) % 2, ty = (y / 6) % 2;
  const bool across = tx == ty;
  const int lane = across ? y % 6 : x % 6;
  if (lane == 0) return 0xFF204010;
  return across ? (lane < 3 ? 0xFFF0D060 : 0xFFC09020) : (lane < 3 ? 0xFF40A040 : 0xFF207020);
}

QRgb PurpleRings(int x, int y) {
  const int dx = std::abs(2 * x - 62), dy = std::abs(2 * y - 87);
  const int d = std::max(dx, dy * 62 / 87) / 2;
  switch (d % 5) {
    case 0:
      return kWhite;
    case 1:
    case 4:
      return 0xFFC080E0;
    default:
      return 0xFF602080;
  }
}

QRgb Sunburst(int x, int y) {
  const double dx = x - 31.0, dy = y - 43.5;
  const double r = std::sqrt(dx * dx + dy * dy);
  if (r < 7.0) return r < 5.0 ? 0xFFFFE040 : 0xFFFFA000;
  // A pseudo-angle in [0, 4) from exact arithmetic only, so no maths library can shift a
  // ray by a pixel.
  double turn;
  if (dy >= 0)
    turn = dx >= 0 ? dy / (dx + dy) : 1 - dx / (-dx + dy);
  else
    turn = dx < 0 ? 2 - dy / (-dx - dy) : 3 + dx / (dx - dy);
  const int ray = static_cast<int>(turn * 8.0);
  if (r < 9.5) return 0xFF802000;
  return (ray % 2) ? 0xFFE06000 : 0xFFFFA000;
}

QRgb MoonAndStars(int x, int y) {
  const int mx = x - 40, my = y - 18;
  const int nx = x - 44, ny = y - 15;
  if (mx * mx + my * my <= 81 && nx * nx + ny * ny > 64) return kGold;
  // A tiled field of stars of two sizes.
  static const Art kSky = {
      "...........Y........", "....................", "....+...............",
      "...+++..............", "....+..........Y....", "....................",
      ".Y.......+..........", "........+Y+.........", ".........+......Y...",
      "....................", "..............+.....", "...Y.........+Y+....",
      "..............+.....", "....................", ".......Y............",
      "................Y...", "..+.................", ".+Y+......Y.........",
      "..+.................", "....................",
  };
  const char ch = kSky[static_cast<std::size_t>(y % 20)][static_cast<std::size_t>(x % 20)];
  if (ch == 'Y') return 0xFFFFF080;
  if (ch == '+') return 0xFFC0C0FF;
  return 0xFF080828;
}

QRgb Tartan(int x, int y) {
  auto band = [](int v) {
    const int m = v % 16;
    if (m < 6) return 0;                         // red
    if (m < 8 || (m >= 13 && m < 15)) return 1;  // green
    if (m == 10) return 2;                       // gold thread
    return 3;                                    // dark
  };
  const int a = band(x), b = band(y);
  const int pick = ((x + y) % 2 == 0) ? a : b;
  switch (pick) {
    case 0:
      return 0xFFC01818;
    case 1:
      return 0xFF106830;
    case 2:
      return kGold;
    default:
      return 0xFF200808;
  }
}

QRgb SuitsOnBaize(int x, int y) {
  const int cx = x % 15, cy = y % 17;
  const int col = (x / 15 + y / 17) % 4;
  const Art& pip = SmallPip(col + 1);
  if (cx >= 4 && cx < 11 && cy >= 4 && cy < 12 &&
      pip[static_cast<std::size_t>(cy - 4)][static_cast<std::size_t>(cx - 4)] == 'X')
    return kGold;
  return 0xFF006000;
}

// A back: a white margin inside the card's edge, then the pattern in a one-pixel frame.
struct TBackDesign {
  QRgb (*Pattern)(int x, int y);
  QRgb Frame;
  QRgb Edge = kBlack;
  QRgb Surround = kWhite;  // the pixels outside the cut corners
  int Margin = 4;
};

// In card-back order, 1 to 9.
const std::array<TBackDesign, 9> kBackDesigns = {{
    {BlueLattice, 0xFF0030A0},
    {RedDiamonds, 0xFFB00000},
    {TealRingChain, 0xFF006868, kSilver},
    {BasketWeave, 0xFF204010},
    {PurpleRings, 0xFF602080},
    {Sunburst, 0xFF802000},
    {MoonAndStars, 0xFF080828},
    {Tartan, 0xFF200808},
    {SuitsOnBaize, kGold, kBlack, kGreen, 3},  // its corners sit on green
}};

// The pattern of a back in its frame, filling `area`.
void DrawBackPanel(QImage& img, const TBackDesign& design, const QRect& area) {
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x) {
      const bool border =
          x == area.left() || y == area.top() || x == area.right() || y == area.bottom();
      img.setPixel(x, y, border ? design.Frame : design.Pattern(x - area.left(), y - area.top()));
    }
}

QImage DrawBack(const TBackDesign& design) {
  QImage img = CardBase(kWhite, design.Edge, design.Surround);
  const int m = design.Margin;
  DrawBackPanel(img, design, QRect(m, m, W - 2 * m, H - 2 * m));
  return img;
}

// ---- title face ----

QImage DrawTitle() {
  QImage img = CardBase(0xFF006000, kBlack, kGreen);
  // A double gold frame.
  for (int x = 3; x < W - 3; ++x) {
    img.setPixel(x, 3, kGold);
    img.setPixel(x, H - 4, kGold);
    if (x >= 5 && x < W - 5) {
      img.setPixel(x, 5, kDarkGold);
      img.setPixel(x, H - 6, kDarkGold);
    }
  }
  for (int y = 3; y < H - 3; ++y) {
    img.setPixel(3, y, kGold);
    img.setPixel(W - 4, y, kGold);
    if (y >= 5 && y < H - 5) {
      img.setPixel(5, y, kDarkGold);
      img.setPixel(W - 6, y, kDarkGold);
    }
  }
  // A white plaque carrying the name.
  const int top = 34, bottom = 61;
  for (int y = top; y <= bottom; ++y)
    for (int x = 8; x <= W - 9; ++x) {
      const bool edge = y == top || y == bottom || x == 8 || x == W - 9;
      img.setPixel(x, y, edge ? kGold : kWhite);
    }
  const char* name = "Lumaro";
  int width = 0;
  for (const char* p = name; *p; ++p) width += ArtWidth(TitleLetter(*p)) + 1;
  width -= 1;
  int x = (W - width) / 2;
  for (const char* p = name; *p; ++p) {
    const Art& a = TitleLetter(*p);
    Stamp(img, a, x + 1, 43, 0xFF808080);
    Stamp(img, a, x, 42, kRed);
    x += ArtWidth(a) + 1;
  }
  // The four suits above and below.
  for (int s = 1; s <= 4; ++s) {
    const int px = 12 + (s - 1) * 13;
    Stamp(img, FieldPip(s), px, 14, kWhite);
    Stamp(img, FieldPip(s), px, 70, kWhite, true);
  }
  return img;
}

// ---- program icon ----

// Rounds n down to an odd number, so a shape centred on it has a middle column.
int Odd(int n) {
  return n % 2 ? n : n - 1;
}

}  // namespace

QImage DrawAppIcon(int size) {
  QImage img = NewImage(size, size, 0x00000000);
  const int h = size * 13 / 16;
  const int w = Odd(h * 74 / 100 + 1);
  const int side = std::max(1, size / 32);
  // The first back behind, to the upper left.
  const QRect back(side, 0, w, h);
  DrawCardShape(img, back, kWhite);
  const int m = size >= 32 ? 2 : 1;
  DrawBackPanel(img, kBackDesigns[0], back.adjusted(m, m, -m, -m));
  // The ace of hearts in front, to the lower right.
  const int fx = size - side - w, fy = size - h;
  DrawCardShape(img, QRect(fx, fy, w, h), kWhite);
  const int hw = Odd(w * 3 / 5), hh = hw * 9 / 10;
  Stamp(img, SampleShape(HeartAt, hw, hh), fx + (w - hw) / 2, fy + (h - hh) / 2, kRed);
  if (size >= 64) {  // smaller cards have no room for the index beside the heart
    const Art& a = RankArt(1);
    Stamp(img, a, fx + 3, fy + 3, kRed);
    Stamp(img, a, fx + w - 3 - ArtWidth(a), fy + h - 3 - ArtHeight(a), kRed, true);
  }
  return img;
}

std::vector<TFace> DrawAllFaces() {
  static const std::array<const char*, 4> suitWords = {"SPADES", "HEARTS", "CLUBS", "DIAMONDS"};
  static const std::array<const char*, 13> rankWords = {
      "ACE", "2", "3", "4", "5", "6", "7", "8", "9", "10", "JACK", "QUEEN", "KING"};
  std::vector<TFace> faces;
  for (int suit = 1; suit <= 4; ++suit)
    for (int rank = 1; rank <= 13; ++rank) {
      const QString name =
          QStringLiteral("CD%1OF%2.png")
              .arg(QLatin1String(rankWords.at(static_cast<std::size_t>(rank - 1))),
                   QLatin1String(suitWords.at(static_cast<std::size_t>(suit - 1))));
      faces.push_back({name, rank <= 10 ? DrawPipCard(suit, rank) : DrawCourt(suit, rank)});
    }
  faces.push_back({QStringLiteral("CDJOKER.png"), DrawJoker()});
  for (std::size_t i = 0; i < kBackDesigns.size(); ++i)
    faces.push_back({QStringLiteral("CDCARDBACK%1.png").arg(i + 1), DrawBack(kBackDesigns[i])});
  faces.push_back({QStringLiteral("TQUORVEL.png"), DrawTitle()});
  return faces;
}

QImage DrawWinIcon() {
  QImage img = NewImage(32, 32, 0x00000000);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing, false);
  // A stack of coins seen from the side, the top one face up.
  p.setPen(QColor::fromRgb(kBlack));
  for (int k = 0; k < 5; ++k) {
    const int y = 26 - k * 3;
    p.setBrush(QColor::fromRgb(kDarkGold));
    p.drawEllipse(3, y - 2, 18, 6);
    p.setBrush(QColor::fromRgb(kGold));
    p.drawEllipse(3, y - 4, 18, 6);
  }
  p.setBrush(QColor::fromRgb(0xFFFFE060));
  p.drawEllipse(6, 12, 12, 3);
  // A second, smaller stack.
  for (int k = 0; k < 3; ++k) {
    const int y = 28 - k * 3;
    p.setBrush(QColor::fromRgb(kDarkGold));
    p.drawEllipse(17, y - 2, 13, 4);
    p.setBrush(QColor::fromRgb(kGold));
    p.drawEllipse(17, y - 4, 13, 4);
  }
  p.end();
  // A sparkle above.
  static const Art kStar = {
      "....X....", "....X....", "...XXX...", "XXXXXXXXX", "...XXX...", "....X....", "....X....",
  };
  Stamp(img, kStar, 20, 2, 0xFFFFE060);
  Put(img, 24, 5, kWhite);
  return img;
}
