// The main of GUI test programs: the application object first, then the tests. A
// MessageRecorder for the whole run keeps any message box that a test does not expect
// from blocking it (confirmations are answered with Cancel); such boxes are printed.
#include <gtest/gtest.h>

#include <QString>
#include <QtGlobal>
#include <cstdio>

#include "base/sjis.h"
#include "ui/application.h"
#include "ui/message_box.h"

namespace {

QtMessageHandler qt_default_handler = nullptr;

// The offscreen platform cannot raise windows or grab the keyboard (for a combo's list) and
// says so each time.
void FilterQtMessages(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (text == QStringLiteral("This plugin does not support raise()")) return;
  if (text == QStringLiteral("This plugin does not support grabbing the keyboard")) return;
  if (qt_default_handler) qt_default_handler(type, context, text);
}

}  // namespace

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  qt_default_handler = qInstallMessageHandler(FilterQtMessages);
  ui::Application application(argc, argv);
  ui::MessageRecorder fallback;
  fallback.on_message = [](const ui::Message& m) {
    std::fprintf(stderr, "[message box] %s\n", base::SjisToUtf8(m.text).c_str());
  };
  return RUN_ALL_TESTS();
}
