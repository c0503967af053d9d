#include "ui/message_box.h"

#include <QApplication>
#include <QMessageBox>

#include "ui/qt_text.h"

namespace ui {
namespace {

MessageRecorder* current_recorder = nullptr;

QMessageBox::StandardButton ShowBox(const Message& m) {
  QString caption =
      m.caption.empty() ? QCoreApplication::applicationName() : internal::ToQt(m.caption);
  // A box over a disabled window would be disabled with it.
  QWidget* owner = QApplication::activeWindow();
  if (owner && !owner->isEnabled()) owner = nullptr;
  QString text = internal::ToQt(m.text);
  switch (m.kind) {
    case MessageKind::kInformation:
      return QMessageBox::information(owner, caption, text);
    case MessageKind::kConfirmation:
      return QMessageBox::question(owner, caption, text, QMessageBox::Yes | QMessageBox::Cancel,
                                   QMessageBox::Yes);
    case MessageKind::kError:
      return QMessageBox::critical(owner, caption, text);
  }
  return QMessageBox::NoButton;
}

// The recorder's answer, or the user's.
bool Show(const Message& m) {
  if (current_recorder) return current_recorder->Record(m);
  return ShowBox(m) == QMessageBox::Yes;
}

}  // namespace

void ShowMessage(const std::string& text) { Show({MessageKind::kInformation, text, {}}); }

bool Confirm(const std::string& text, const std::string& caption) {
  return Show({MessageKind::kConfirmation, text, caption});
}

void ShowError(const std::string& text, const std::string& caption) {
  Show({MessageKind::kError, text, caption});
}

MessageRecorder::MessageRecorder() : previous_(current_recorder) { current_recorder = this; }

MessageRecorder::~MessageRecorder() { current_recorder = previous_; }

std::vector<std::string> MessageRecorder::texts() const {
  std::vector<std::string> result;
  for (const Message& m : messages_) result.push_back(m.text);
  return result;
}

bool MessageRecorder::Record(const Message& message) {
  messages_.push_back(message);
  if (on_message) on_message(message);
  if (message.kind != MessageKind::kConfirmation) return false;
  if (answers_.empty()) return default_answer_;
  bool answer = answers_.front();
  answers_.pop_front();
  return answer;
}

}  // namespace ui
