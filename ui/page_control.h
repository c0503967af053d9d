// Pages with tabs, each page a container of controls.
#pragma once
#include <string>

#include "ui/control.h"
#include "ui/form.h"

namespace ui {

class PageControl;

// One page of a page control, with the caption of its tab. A new page is added after the
// control's last page. Declare a page after its page control.
class TabSheet : public Container {
 public:
  explicit TabSheet(PageControl& control);
  ~TabSheet() override;
  TabSheet(const TabSheet&) = delete;
  TabSheet& operator=(const TabSheet&) = delete;

  void SetCaption(const std::string& caption);
  std::string Caption() const;
  // The page's place among the pages, from 0.
  int PageIndex() const;
  QWidget* client_widget() const override;

 private:
  PageControl* control_;
  QWidget* page_;
};

// The pages' tabs along the top; the active page shows its controls. The user changes the
// active page by its tab.
class PageControl : public Control {
 public:
  explicit PageControl(Container& parent);
  int PageCount() const;
  // -1 while there is no page. An index outside the pages throws base::IndexOutOfBounds.
  int ActivePageIndex() const;
  void SetActivePageIndex(int index);
};

}  // namespace ui
