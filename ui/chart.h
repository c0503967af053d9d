// Charts of series of points: lines and bars over a bottom axis of point labels, drawn as
// their data (ui/chart_data.h) say.
#pragma once
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ui/chart_data.h"
#include "ui/color.h"
#include "ui/control.h"
#include "ui/input.h"

namespace ui {

// The range an axis shows.
struct AxisRange {
  double min = 0;
  double max = 0;
  friend bool operator==(const AxisRange&, const AxisRange&) = default;
};

enum class MouseButton { kLeft, kRight, kMiddle };

// Series are refilled whole (SetPoints) and read back as plain data (Points); nothing is
// animated. The left and bottom axes are shown, the right axis too while a series uses it;
// the top axis (one carrying no series) only when made visible.
class Chart : public Control {
 public:
  explicit Chart(Container& parent);
  ~Chart() override;

  // The whole set-up at once: its series added in order, then its axes, title, legend and
  // background.
  void SetUp(const ChartSetup& setup);
  // Adds a series after the others; returns its number (0, 1, ... in the order added).
  int AddSeries(const SeriesStyle& style);
  int SeriesCount() const;
  const SeriesStyle& Style(int series) const;
  // Replaces every point of the series; a series number outside the chart throws
  // base::IndexOutOfBounds.
  void SetPoints(int series, SeriesPoints points);
  const SeriesPoints& Points(int series) const;
  // The texts the bottom axis shows at 0, 1, 2, ...: at each place the label of the first
  // series (in the order added) that has a non-empty point with a label there.
  std::vector<std::string> BottomLabels() const;

  // kLeft, kRight and kTop are value axes; the bottom axis shows the point labels.
  void SetAxisScale(ChartAxis axis, const AxisScale& scale);
  const AxisScale& GetAxisScale(ChartAxis axis) const;
  // The range drawn now (the bottom axis: from -0.5 to the last place + 0.5).
  AxisRange ShownRange(ChartAxis axis) const;
  void SetAxisStyle(ChartAxis axis, const AxisStyle& style);
  const AxisStyle& GetAxisStyle(ChartAxis axis) const;
  void SetAxisTitle(ChartAxis axis, const std::string& title);
  void SetAxisVisible(ChartAxis axis, bool visible);
  bool AxisVisible(ChartAxis axis) const;

  void SetTitle(const std::string& title);
  void SetTitleVisible(bool visible);
  void SetLegendVisible(bool visible);
  bool LegendVisible() const;
  void SetBackgroundColor(Color color);

  // Runs at a press of a mouse button over the chart; x and y from the chart's top-left
  // corner. HeldModifiers() gives the keys held at the press.
  std::function<void(MouseButton button, int x, int y)> on_mouse_down;
  // What a user's press of the button at (x, y) does, with the modifier keys held.
  // Nothing happens while the chart (or its window) is disabled.
  void PressMouse(MouseButton button, int x, int y, KeyModifiers modifiers = {});

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace ui
