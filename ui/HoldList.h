#pragma once
// THoldList: the holds of a dealt hand, best first, one row each: rank, the held cards in
// their suit colours, the expected pay in coins and per coin. The best holds are shaded
// and the player's current hold is framed. Shows the best five (and the current hold if it
// ranks lower) or, on demand, all 32.

#include <QAbstractScrollArea>
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

#include "advice.h"

class QPainter;

class THoldList : public QAbstractScrollArea {
  Q_OBJECT

 public:
  static constexpr int kShortList = 5;

  explicit THoldList(QWidget* parent = nullptr);

  // No advice: the list is empty and shows the message instead.
  void SetAdvice(const std::optional<THandAdvice>& advice);
  void SetMessage(const QString& message);
  void SetCurrent(std::uint8_t mask);
  void SetShowAll(bool showAll);

  const std::optional<THandAdvice>& Advice() const { return FAdvice; }
  QString Message() const { return FMessage; }
  bool ShowAll() const { return FShowAll; }
  std::uint8_t Current() const { return FCurrent; }
  // The ranks (1..32) of the rows shown, top to bottom.
  std::vector<int> ShownRanks() const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  int RowHeight() const;
  void Relayout();
  // Left edges of the four columns and the right edge of the last, in viewport pixels.
  std::vector<int> ColumnEdges() const;
  void PaintHeader(QWidget* header);
  void PaintRow(QPainter& painter, const QRect& rect, int rank);

  std::optional<THandAdvice> FAdvice;
  QString FMessage;
  std::uint8_t FCurrent = 0;
  bool FShowAll = false;
  QWidget* FHeader;
};
