#pragma once
// Fitting windows drawn for a 640 x 480 screen to the screen they run on.

#include <QSize>

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

// The ratio M/D by which a window drawn for 640 x 480 is scaled on a screen of this size:
// the smaller of width / 640 and height / 480.
struct TScale {
  int M = 1;
  int D = 1;
};
TScale ScreenScale(const QSize& screen);

// Scales the window's size (truncating) and its contents by ScreenScale(screen); nothing when
// that is 1.
void ScaleToScreen(QWidget* window, const QSize& screen);
