// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
// The face images the program carries, checked through the same lookup the control uses.

#include <QImage>
#include <QSet>
#include <QtTest>

#include "CardDeck.h"
#include "cards.h"

namespace {

QSet<QRgb> Colours(const QImage& image) {
  QSet<QRgb> set;
  const QImage img = image.convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x) set.insert(img.pixel(x, y));
  return set;
}

// The three pixels outside a cut corner, and the diagonal edge pixels inside them, for the
// corner at (cx, cy) with (dx, dy) pointing into the card.
struct TCornerPixels {
  QList<QPoint> Outside;
  QList<QPoint> Edge;
};

TCornerPixels Corner(int cx, int cy, int dx, int dy) {
  return {{QPoint(cx, cy), QPoint(cx + dx, cy), QPoint(cx, cy + dy)},
          {QPoint(cx + 2 * dx, cy), QPoint(cx + dx, cy + dy), QPoint(cx, cy + 2 * dy)}};
}

const char* const kRankWords[] = {"Ace", "2", "3",  "4",    "5",     "6",   "7",
                                  "8",   "9", "10", "Jack", "Queen", "King"};
const char* const kSuitWords[] = {"Spades", "Hearts", "Clubs", "Diamonds"};

}  // namespace

class TCardFacesTest : public QObject {
  Q_OBJECT
 private slots:
  void IdentifiersFollowSuitAndRank() {
    QCOMPARE(static_cast<int>(kCardFaceIdents.size()), 63);
    for (int code = 1; code <= 63; ++code) {
      const TCardFaceEntry& e = kCardFaceIdents[static_cast<std::size_t>(code - 1)];
      QCOMPARE(static_cast<int>(e.Code), code);
      QVERIFY(std::strlen(e.Ident) <= 17);
      QString ident;
      QVERIFY(CardFaceIdent(code, ident));
      QCOMPARE(ident, QString::fromLatin1(e.Ident));
      if (CardSuit(code) != 0) {
        const QString expected = QStringLiteral("cd%1of%2")
                                     .arg(QLatin1String(kRankWords[CardRank(code) - 1]),
                                          QLatin1String(kSuitWords[CardSuit(code) - 1]));
        QCOMPARE(ident, expected);
      }
    }
    QCOMPARE(CardFaceName(53), QStringLiteral("CdJoker"));
    QCOMPARE(CardFaceName(54), QStringLiteral("cdCardBack1"));
    QCOMPARE(CardFaceName(62), QStringLiteral("cdCardBack9"));
    QCOMPARE(CardFaceName(63), QStringLiteral("tquorvel"));
  }

  void CodesWithoutAFaceGetAHexName() {
    QString ident = QStringLiteral("untouched");
    QVERIFY(!CardFaceIdent(0, ident));
    QVERIFY(!CardFaceIdent(64, ident));
    QVERIFY(!CardFaceIdent(255, ident));
    QCOMPARE(ident, QStringLiteral("untouched"));
    QCOMPARE(CardFaceName(0), QStringLiteral("$00000000"));
    QCOMPARE(CardFaceName(63), QStringLiteral("tquorvel"));
    QCOMPARE(CardFaceName(64), QStringLiteral("$00000040"));
    QCOMPARE(CardFaceName(255), QStringLiteral("$000000ff"));
    QCOMPARE(CardFaceName(-1), QStringLiteral("$ffffffff"));
    QVERIFY(LoadCardFace(CardFaceName(0)).isNull());
    QVERIFY(LoadCardFace(CardFaceName(64)).isNull());
    QVERIFY(LoadCardFace(QString()).isNull());
  }

  void EveryIdentifierFindsItsImageWhateverTheCase() {
    for (int code = 1; code <= 63; ++code) {
      const QString name = CardFaceName(code);
      for (const QString& asked : {name, name.toUpper(), name.toLower()}) {
        const QImage face = LoadCardFace(asked);
        QVERIFY2(!face.isNull(), qPrintable(asked));
        QCOMPARE(face.size(), QSize(71, 96));
      }
    }
    // The files themselves are named in capitals.
    QVERIFY(QFile::exists(QStringLiteral(":/cards/CDACEOFSPADES.png")));
    QVERIFY(QFile::exists(QStringLiteral(":/cards/CDJOKER.png")));
    QVERIFY(QFile::exists(QStringLiteral(":/cards/TQUORVEL.png")));
  }

  void FacesAreAllDifferent() {
    QList<QImage> seen;
    for (int code = 1; code <= 63; ++code) {
      const QImage face = LoadCardFace(CardFaceName(code)).convertToFormat(QImage::Format_ARGB32);
      for (int other = 0; other < seen.size(); ++other)
        QVERIFY2(face != seen[other],
                 qPrintable(CardFaceName(code) + " repeats " + CardFaceName(other + 1)));
      seen.append(face);
    }
  }

  void ColourDepthsPerGroup() {
    const QSet<QRgb> blackAndWhite = {qRgb(0, 0, 0), qRgb(255, 255, 255)};
    for (int code = 1; code <= 63; ++code) {
      const QImage face = LoadCardFace(CardFaceName(code));
      QVERIFY2(face.format() == QImage::Format_Indexed8 || face.format() == QImage::Format_Mono ||
                   face.format() == QImage::Format_MonoLSB,
               qPrintable(CardFaceName(code)));
      QVERIFY(face.colorCount() <= 16);
      const QSet<QRgb> colours = Colours(face);
      const bool blackPipCard =
          (CardSuit(code) == 1 || CardSuit(code) == 3) && CardRank(code) <= 10;
      if (blackPipCard) {
        QVERIFY2(colours == blackAndWhite, qPrintable(CardFaceName(code)));
        QCOMPARE(face.colorCount(), 2);
      } else {
        QVERIFY2(colours.size() <= 16, qPrintable(CardFaceName(code)));
        QVERIFY2(colours.size() > 2, qPrintable(CardFaceName(code)));
      }
      // Hearts and diamonds are red, spades and clubs are not.
      const bool red = CardSuit(code) == 2 || CardSuit(code) == 4;
      if (CardSuit(code) != 0 && CardRank(code) <= 10) {
        bool hasRed = false;
        for (QRgb c : colours)
          hasRed = hasRed || (qRed(c) > 150 && qGreen(c) < 60 && qBlue(c) < 60);
        QCOMPARE(hasRed, red);
      }
    }
  }

  void CutCornersAndOutline() {
    for (int code = 1; code <= 63; ++code) {
      const QImage face = LoadCardFace(CardFaceName(code)).convertToFormat(QImage::Format_RGB32);
      const QRgb surround = (code == 62 || code == 63) ? qRgb(0, 128, 0) : qRgb(255, 255, 255);
      const QRgb edge = code == 56 ? qRgb(192, 192, 192) : qRgb(0, 0, 0);
      const int w = face.width() - 1, h = face.height() - 1;
      for (const TCornerPixels& c :
           {Corner(0, 0, 1, 1), Corner(w, 0, -1, 1), Corner(w, h, -1, -1), Corner(0, h, 1, -1)}) {
        for (const QPoint& p : c.Outside)
          QVERIFY2(face.pixel(p) == surround, qPrintable(CardFaceName(code)));
        for (const QPoint& p : c.Edge)
          QVERIFY2(face.pixel(p) == edge, qPrintable(CardFaceName(code)));
      }
      // The edge runs all round between the corners.
      for (int x = 2; x <= w - 2; ++x) {
        QCOMPARE(face.pixel(x, 0), edge);
        QCOMPARE(face.pixel(x, h), edge);
      }
      for (int y = 2; y <= h - 2; ++y) {
        QCOMPARE(face.pixel(0, y), edge);
        QCOMPARE(face.pixel(w, y), edge);
      }
    }
  }

  void WinIcon() {
    const QImage icon(QStringLiteral(":/icons/WINICON.png"));
    QVERIFY(!icon.isNull());
    QCOMPARE(icon.size(), QSize(32, 32));
    QVERIFY(icon.colorCount() > 2 && icon.colorCount() <= 16);
    QVERIFY(Colours(icon).size() <= 16);
  }
};

QTEST_MAIN(TCardFacesTest)
#include "cardfaces_test.moc"
