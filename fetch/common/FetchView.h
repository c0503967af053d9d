// What the fetch programs' call sequences need of their windows. The sequences are plain
// code over the JVLink interface and these views; the windows implement the views with
// their controls, the tests with recorders.
#pragma once
#include <string>

namespace fetch {

// A window with a status panel that keeps itself painted during a run.
class StatusView {
 public:
  virtual ~StatusView() = default;
  // Replaces the text of the status panel.
  virtual void ShowStatus(const std::string& text) = 0;
  // Lets pending window messages be handled (the windows repaint, clicks run).
  virtual void ProcessMessages() = 0;
  // True once the user has asked to close the window that runs the fetch.
  virtual bool CloseRequested() const = 0;
};

enum class DialogCursor { kNormal, kAppStart };

// storepull and cardpull: the hidden log of the main window and the modal reading dialog.
class ReadingView : public StatusView {
 public:
  // Adds the text at the end of the hidden log.
  virtual void AppendLog(const std::string& text) = 0;
  virtual void SetDialogCaption(const std::string& caption) = 0;
  virtual void SetDialogCursor(DialogCursor cursor) = 0;
  // Posts the reading dialog a close request: it closes once its show handler has returned.
  virtual void PostDialogClose() = 0;
};

}  // namespace fetch
