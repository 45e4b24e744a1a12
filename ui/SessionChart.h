#pragma once
// TSessionChart: a small line chart of the total after each hand of the advisor's session,
// with the lowest and highest total written at its left edge.

#include <QWidget>
#include <cstdint>
#include <vector>

class TSessionChart : public QWidget {
  Q_OBJECT

 public:
  explicit TSessionChart(QWidget* parent = nullptr);

  void SetTotals(const std::vector<std::int32_t>& totals);
  const std::vector<std::int32_t>& Totals() const { return FTotals; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::vector<std::int32_t> FTotals;
};
