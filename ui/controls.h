// The standard controls. All texts are Shift-JIS, except those of an edit field or combo
// made for names of files and folders (TextKind); handlers are dispatched as dispatch.h
// describes. A handler set off by the program's own call (SetText, SetChecked, Click) runs
// inside that call.
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "base/dates.h"
#include "ui/control.h"
#include "ui/form.h"

namespace ui {

class Button : public Control {
 public:
  explicit Button(Container& parent);
  void SetCaption(const std::string& caption);
  std::string Caption() const;
  // What a user's click does: runs the click handler, unless the button (or its window)
  // is disabled.
  void Click();
  std::function<void()> on_click;
};

// A frame with a caption. The radio buttons put into it form one exclusive group.
class GroupBox : public Control, public Container {
 public:
  explicit GroupBox(Container& parent);
  void SetCaption(const std::string& caption);
  std::string Caption() const;
  QWidget* client_widget() const override { return widget(); }
};

class Label : public Control {
 public:
  explicit Label(Container& parent);
  void SetCaption(const std::string& caption);
  std::string Caption() const;
};

// A raised panel with a centred text; used as a status line (SetColor for its colour).
class Panel : public Control {
 public:
  explicit Panel(Container& parent);
  void SetText(const std::string& text);
  std::string Text() const;
};

// What the texts of an edit field or a combo are: texts of the system (Shift-JIS), or names
// of files and folders, which are the file system's bytes (base/file_names.h): shown decoded
// as its encoding, and typed or picked texts given back as its bytes, every byte kept.
enum class TextKind { kShiftJis, kFileName };

// A one-line edit field.
class Edit : public Control {
 public:
  explicit Edit(Container& parent, TextKind kind = TextKind::kShiftJis);
  // Replaces the text only when it differs, and only then runs the change handler, inside
  // this call. Setting the same text runs nothing.
  void SetText(const std::string& text);
  std::string Text() const;
  void SetBorder(bool border);
  void SetReadOnly(bool read_only);
  // Types the text key by key at the end of the field, as a user would: the change handler
  // runs at every keystroke. A "\b" byte is the backspace key, "\r" the return key
  // (which changes nothing). Nothing happens while the
  // field (or its window) is disabled or read-only.
  void Type(const std::string& keys);
  // What a user's click does: runs the click handler, unless the field is disabled.
  void Click();
  std::function<void()> on_change;
  // While it is set, the field also offers an accessible press: the user's click.
  std::function<void()> on_click;

 private:
  TextKind kind_;
};

// An editable drop-down list. The change handler runs on the user's changes only: when
// an item is picked (the text is already the item's) and at every keystroke in its field.
// Opening, scrolling or closing the list without a choice runs nothing, nor does leaving
// the field; changing the text or the items by code runs nothing.
class ComboBox : public Control {
 public:
  explicit ComboBox(Container& parent, TextKind kind = TextKind::kShiftJis);
  void SetText(const std::string& text);
  std::string Text() const;
  void Clear();                           // items and text
  void AddItem(const std::string& item);  // the text stays as it is
  std::vector<std::string> Items() const;
  int ItemCount() const;
  // What a user's choice of item `index` from the list does (an index outside the list
  // throws base::Error). Nothing happens while the combo is disabled.
  void Pick(int index);
  // Types keys at the end of the field, as Edit::Type does.
  void Type(const std::string& keys);
  std::function<void()> on_change;

 private:
  TextKind kind_;
};

// A radio button. The buttons of one container form a group of which at most one is
// checked.
class RadioButton : public Control {
 public:
  explicit RadioButton(Container& parent);
  ~RadioButton() override;
  void SetCaption(const std::string& caption);
  std::string Caption() const;
  // Setting checked while unchecked unchecks the other buttons of the group and runs the
  // click handler inside this call, as a user's click does; while checked, nothing runs.
  // Setting unchecked runs nothing.
  void SetChecked(bool checked);
  bool Checked() const;
  // Unchecks every button of this button's group; runs nothing.
  void UncheckGroup();
  // What a user's click does: SetChecked(true), unless the button is disabled.
  void Click();
  // Caption colour back to the normal button-text colour.
  void ResetFontColor();
  std::function<void()> on_click;

  // Used by the widget: a click of the user.
  void UserClick();

 private:
  void Check(bool as_event);
};

// A list of texts (in this system a hidden work list).
class ListBox : public Control {
 public:
  explicit ListBox(Container& parent);
  void Add(const std::string& item);
  // Throws base::Error (list index out of bounds) for an index outside the list.
  void Delete(int index);
  const std::string& Item(int index) const;
  const std::vector<std::string>& Items() const { return items_; }
  int Count() const { return static_cast<int>(items_.size()); }
  void Clear();
  // Ascending by plain byte-wise comparison.
  void Sort();
  // What a user's click does: runs the click handler, unless the list is disabled.
  void Click();
  std::function<void()> on_click;

 private:
  void Refresh();
  std::vector<std::string> items_;
};

// A multi-line log field (in this system hidden). Its text is kept byte for byte.
class RichEdit : public Control {
 public:
  explicit RichEdit(Container& parent);
  // Inserts the text at the end.
  void Append(const std::string& text);
  const std::string& Text() const { return text_; }
  void Clear();

 private:
  std::string text_;
};

// A date field.
class DatePicker : public Control {
 public:
  explicit DatePicker(Container& parent);
  // Throws base::ConversionError for a date that does not exist.
  void SetDate(const base::Date& date);
  base::Date Date() const;
};

}  // namespace ui
