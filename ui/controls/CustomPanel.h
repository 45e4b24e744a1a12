// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#pragma once
// The bevelled panel every panel of the game is made of: a filled rectangle with an outer
// bevel, a border and an inner bevel, a one-line caption, and edge docking of its children.

#include <QColor>
#include <QRect>
#include <QString>
#include <QWidget>
#include <cstdint>

enum TBevelCut : std::uint8_t { bvNone, bvLowered, bvRaised };
enum TAlign : std::uint8_t { alNone, alTop, alBottom, alLeft, alRight, alClient };

class TCustomPanel : public QWidget {
  Q_OBJECT

 public:
  explicit TCustomPanel(QWidget* parent = nullptr);
  ~TCustomPanel() override;

  // One line, vertically centred, aligned horizontally by Alignment().
  QString Caption() const { return FCaption; }
  void SetCaption(const QString& value);

  // Horizontal alignment of the caption; the vertical part is ignored. Default: centred.
  Qt::Alignment Alignment() const { return FAlignment; }
  void SetAlignment(Qt::Alignment value);

  // Fill colour; until set, the palette's button colour.
  QColor Color() const;
  void SetColor(const QColor& value);

  // Caption colour; until set, the palette's window text colour.
  QColor FontColor() const;
  void SetFontColor(const QColor& value);

  TBevelCut BevelOuter() const { return FBevelOuter; }
  void SetBevelOuter(TBevelCut value);
  TBevelCut BevelInner() const { return FBevelInner; }
  void SetBevelInner(TBevelCut value);
  // At least 1.
  int BevelWidth() const { return FBevelWidth; }
  void SetBevelWidth(int value);
  // At least 0.
  int BorderWidth() const { return FBorderWidth; }
  void SetBorderWidth(int value);

  // Docks the panel to an edge of its parent (or fills what the other docked panels leave).
  TAlign Align() const { return FAlign; }
  void SetAlign(TAlign value);

  // Resizes the panel and re-docks its parent's docked children, also while hidden.
  void SetWidth(int value);
  void SetHeight(int value);

  // Where docked children go: the client rect inside the border and the bevels.
  QRect DockRect() const;

  // Lays out the docked children again (called on resize and on every change that moves them).
  void Realign();

  // Lays out the docked TCustomPanel children of any widget inside the given rectangle:
  // top, bottom, left, right, then client, each group in creation order.
  static void DockChildren(QWidget* parent, const QRect& area);

  // Whether anything answers OnClick, and a click for the keyboard and screen readers:
  // OnClick, if the panel is enabled.
  bool Clickable() const;
  void Click();

 signals:
  // Left button pressed and released inside the panel.
  void OnClick();

 protected:
  bool event(QEvent* e) override;
  void paintEvent(QPaintEvent* e) override;
  void resizeEvent(QResizeEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;
  void mouseDoubleClickEvent(QMouseEvent* e) override;

 private:
  void RealignParent();
  void WatchParent();
  void AnnounceCaption(const QString& old);

  QString FCaption;
  Qt::Alignment FAlignment = Qt::AlignHCenter;
  QColor FColor;      // invalid: palette's button colour
  QColor FFontColor;  // invalid: palette's window text colour
  TBevelCut FBevelOuter = bvRaised;
  TBevelCut FBevelInner = bvNone;
  int FBevelWidth = 1;
  int FBorderWidth = 0;
  TAlign FAlign = alNone;
  bool FPressed = false;
};
