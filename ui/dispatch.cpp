#include "ui/dispatch.h"

#include <exception>

#include "ui/message_box.h"

namespace ui {
namespace {

int handler_depth = 0;

class DepthGuard {
 public:
  DepthGuard() { ++handler_depth; }
  ~DepthGuard() { --handler_depth; }
  DepthGuard(const DepthGuard&) = delete;
  DepthGuard& operator=(const DepthGuard&) = delete;
};

}  // namespace

bool RunHandler(const std::function<void()>& handler) {
  if (!handler) return true;
  std::string error;
  try {
    DepthGuard guard;
    handler();
    return true;
  } catch (const std::exception& e) {
    error = e.what();
  } catch (...) {
    error = "An unknown error occurred";
  }
  ShowError(error);
  return false;
}

void CallHandler(const std::function<void()>& handler) {
  if (!handler) return;
  if (handler_depth > 0) {
    DepthGuard guard;
    handler();
  } else {
    RunHandler(handler);
  }
}

bool InHandler() { return handler_depth > 0; }

}  // namespace ui
