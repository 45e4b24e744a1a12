// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#pragma once
// Fitting windows drawn for a 640 x 480 screen to the screen they run on.

#include <QFont>
#include <QMargins>
#include <QPointer>
#include <QProxyStyle>
#include <QRect>
#include <QSize>
#include <cstdint>
#include <vector>

class QWidget;

inline constexpr int DesignScreenWidth = 640;
inline constexpr int DesignScreenHeight = 480;

// a * m / d rounded to the nearest integer, halves away from zero, without overflow.
int MulDivRound(int a, int m, int d);

// A control with sizes of its own beyond its geometry and font (a grid's column widths)
// scales them here when its window is scaled.
class TScalable {
 public:
  virtual void ChangeScale(int m, int d) = 0;

 protected:
  ~TScalable() = default;
};

// Scales the contents of a window by m/d: every descendant's left, top, right and bottom
// edges, and the font size of the window and of every descendant with a font of its own.
// The window's own size is left alone.
void ScaleBy(QWidget* window, int m, int d);

// A ratio M/D by which a drawing is scaled.
struct TScale {
  int M = 1;
  int D = 1;
  bool IsOne() const { return M == D; }
  friend bool operator==(const TScale& a, const TScale& b) {
    return std::int64_t{a.M} * b.D == std::int64_t{b.M} * a.D;
  }
  friend bool operator<(const TScale& a, const TScale& b) {
    return std::int64_t{a.M} * b.D < std::int64_t{b.M} * a.D;
  }
};

// The scale followed by a further scaling by m/d, in lowest terms.
TScale ScaledAgain(const TScale& scale, int m, int d);

// The ratio M/D by which a window drawn for 640 x 480 is scaled on a screen of this size:
// the smaller of width / 640 and height / 480.
TScale ScreenScale(const QSize& screen);

// The largest scale at which a drawing of the design's size fits the room.
TScale FitScale(const QSize& room, const QSize& design);

// The part of the room left of, right of, above or below what covers it, whichever takes the
// design at the largest scale; the whole room when nothing of it is covered.
QRect RoomBeside(const QRect& room, const QRect& cover, const QSize& design);

// Scales the window's size (truncating) and its contents by ScreenScale(screen); nothing when
// that is 1.
void ScaleToScreen(QWidget* window, const QSize& screen);

// What the window manager's frame adds around a window on each side; nothing until the window
// has been framed.
QMargins FrameMargins(const QWidget* window);
// The window with its frame, as far as the frame is known.
QRect FramedGeometry(const QWidget* window);

// The room a maximised window can take on the primary screen: a desktop's panels are not
// ours to cover.
QSize ScreenRoom();

// The desktop style with the sizes that go with text grown by a scale: indicators, icons,
// scroll bars, margins and spacings. Frames and lines keep their width.
class TScaledStyle : public QProxyStyle {
 public:
  explicit TScaledStyle(const TScale& scale);
  TScale Scale() const { return FScale; }
  // Widgets drawn with this style must be laid out and painted again after a change.
  void SetScale(const TScale& scale) { FScale = scale; }
  int pixelMetric(PixelMetric metric, const QStyleOption* option,
                  const QWidget* widget) const override;
  QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                         const QWidget* widget) const override;
  QIcon standardIcon(StandardPixmap icon, const QStyleOption* option,
                     const QWidget* widget) const override;

 private:
  static bool Grows(PixelMetric metric);
  static bool IsIndicator(PixelMetric metric);
  static constexpr int kSmallestIndicator = 11;
  TScale FScale;
};

// Fits what the toolkit draws for every window to the screen, as the windows' own contents
// are: the application font (menus, tooltips, message boxes, the desktop's dialogs) and the
// style's sizes of indicators, icons and margins grow by ScreenScale(screen) from the design's.
// A scale of 1 leaves the design font and the desktop style as they are.
void ScaleApplication(const QFont& designFont, const QSize& screen);
// The scale ScaleApplication last applied; 1 before it is called.
TScale ApplicationScale();

// The places and fonts of a widget's contents as drawn, taken before any scaling, so that
// they can be scaled again and again from the drawing itself, never from an earlier
// scaling's rounded results. The widget itself keeps its place; its font is scaled.
class TDesignRecord {
 public:
  void Record(QWidget* root);
  // Scales the whole drawing, or only the part of it that lies in `part`, to `scale`.
  void ScaleTo(const TScale& scale, const QWidget* part = nullptr);

 private:
  struct TPlace {
    QPointer<QWidget> Widget;
    QRect Geometry;
    QFont Font;
    bool OwnFont = false;
    bool Placed = true;  // false for the root, which its parent places
    TScale Scale;
  };
  std::vector<TPlace> FPlaces;
};
