// The base of all controls: a Qt widget inside a form or a group box.
#pragma once
#include <string>

#include "ui/color.h"

class QWidget;

namespace ui {

class Container;

struct Bounds {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  friend bool operator==(const Bounds&, const Bounds&) = default;
};

// A control lives in its container (form or group box) at a position relative to the
// container's top-left corner. Visible and Enabled are the control's own settings: a
// control stays Visible while its form is hidden, and Enabled while its form is disabled.
class Control {
 public:
  virtual ~Control();
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  void SetBounds(int left, int top, int width, int height);
  Bounds GetBounds() const;

  void SetVisible(bool visible);
  bool Visible() const;
  void SetEnabled(bool enabled);
  bool Enabled() const;

  // Font of the control (inherited from its container until set); height in pixels.
  void SetFont(const std::string& name, int pixel_height);
  void SetFontStyle(bool bold, bool underline);
  void SetFontColor(Color color);
  Color FontColor() const;
  // Background colour.
  void SetColor(Color color);

  Container& parent() const { return *parent_; }
  QWidget* widget() const { return widget_; }

 protected:
  // Takes the widget (made with parent.client_widget() as its Qt parent).
  Control(Container& parent, QWidget* widget);
  // True when a user could act on the control now: it, its containers and its window
  // are enabled.
  bool Usable() const;

 private:
  Container* parent_;
  QWidget* widget_;
};

}  // namespace ui
