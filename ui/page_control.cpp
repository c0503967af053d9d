#include "ui/page_control.h"

#include <QObject>
#include <QTabWidget>

#include "base/errors.h"
#include "ui/qt_text.h"

namespace ui {
namespace {

QTabWidget* TabsOf(const Control& c) { return static_cast<QTabWidget*>(c.widget()); }

}  // namespace

TabSheet::TabSheet(PageControl& control) : control_(&control), page_(new QWidget) {
  QTabWidget* tabs = TabsOf(control);
  tabs->addTab(page_, QString());
  // The page may go with its page control first; then only the pointer is cleared.
  QObject::connect(page_, &QObject::destroyed, [this] { page_ = nullptr; });
}

TabSheet::~TabSheet() { delete page_; }

void TabSheet::SetCaption(const std::string& caption) {
  TabsOf(*control_)->setTabText(PageIndex(), internal::ToQt(caption));
}

std::string TabSheet::Caption() const {
  return internal::ToSjis(TabsOf(*control_)->tabText(PageIndex()));
}

int TabSheet::PageIndex() const { return TabsOf(*control_)->indexOf(page_); }

QWidget* TabSheet::client_widget() const { return page_; }

PageControl::PageControl(Container& parent)
    : Control(parent, new QTabWidget(parent.client_widget())) {}

int PageControl::PageCount() const { return TabsOf(*this)->count(); }

int PageControl::ActivePageIndex() const { return TabsOf(*this)->currentIndex(); }

void PageControl::SetActivePageIndex(int index) {
  if (index < 0 || index >= PageCount()) throw base::IndexOutOfBounds(index);
  TabsOf(*this)->setCurrentIndex(index);
}

}  // namespace ui
