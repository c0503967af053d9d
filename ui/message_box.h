// Message boxes, and their recorder for tests.
//
// All texts are Shift-JIS. The caption of a box is the program's name unless one is given.
// While a MessageRecorder exists, no box is shown: every text is recorded with its kind and
// confirmations are answered by the recorder, so a test runs whole click sequences without
// anything modal and reads afterwards what would have been shown.
#pragma once
#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace ui {

enum class MessageKind {
  kInformation,   // ShowMessage: information icon, OK
  kConfirmation,  // Confirm: question icon, Yes and Cancel
  kError,         // ShowError: error icon, OK (also the dispatcher's error display)
};

struct Message {
  MessageKind kind = MessageKind::kInformation;
  std::string text;
  std::string caption;  // empty: the program's name
  friend bool operator==(const Message&, const Message&) = default;
};

void ShowMessage(const std::string& text);
// True when the user answers Yes; Cancel or closing the box gives false.
bool Confirm(const std::string& text, const std::string& caption = {});
void ShowError(const std::string& text, const std::string& caption = {});

// Records every box instead of showing it, from construction to destruction. Recorders
// nest: the newest one records; the one before it records again when it is gone.
class MessageRecorder {
 public:
  MessageRecorder();
  ~MessageRecorder();
  MessageRecorder(const MessageRecorder&) = delete;
  MessageRecorder& operator=(const MessageRecorder&) = delete;

  const std::vector<Message>& messages() const { return messages_; }
  std::vector<std::string> texts() const;
  void Clear() { messages_.clear(); }

  // Answers for the coming confirmations, in order; when none is queued, the default
  // answer (false, i.e. Cancel, unless changed) is given.
  void AnswerNext(bool yes) { answers_.push_back(yes); }
  void SetDefaultAnswer(bool yes) { default_answer_ = yes; }

  // Runs at each recorded box, while it "is shown" (for looking at the state then).
  std::function<void(const Message&)> on_message;

  // Used by the message functions.
  bool Record(const Message& message);

 private:
  std::vector<Message> messages_;
  std::deque<bool> answers_;
  bool default_answer_ = false;
  MessageRecorder* previous_ = nullptr;
};

}  // namespace ui
