#include "ui/application.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QApplication>
#include <QEventLoop>
#include <QFont>
#include <QLibraryInfo>
#include <QMetaObject>
#include <QPointer>
#include <QString>
#include <QTranslator>
#include <QtGlobal>
#include <cstdlib>
#include <string>

#include "ui/accessible.h"
#include "ui/dispatch.h"
#include "ui/form.h"

namespace ui {
namespace {

Application* the_application = nullptr;

void MapFonts() {
  // The fixed-pitch and proportional Gothic fonts of the forms.
  const QString gothic = QStringLiteral("IPAGothic");
  const QString pgothic = QStringLiteral("IPAPGothic");
  QFont::insertSubstitution(QStringLiteral("ＭＳ ゴシック"), gothic);
  QFont::insertSubstitution(QStringLiteral("ＭＳ　ゴシック"), gothic);
  QFont::insertSubstitution(QStringLiteral("MS Gothic"), gothic);
  QFont::insertSubstitution(QStringLiteral("ＭＳ Ｐゴシック"), pgothic);
  QFont::insertSubstitution(QStringLiteral("ＭＳ　Ｐゴシック"), pgothic);
  QFont::insertSubstitution(QStringLiteral("MS PGothic"), pgothic);
}

// Qt wants a private runtime folder (XDG_RUNTIME_DIR); without one it warns at every start
// and falls back to <temp>/runtime-<user>. Take that same folder quietly: made when missing,
// private to the user. A folder that is set and exists is left to Qt as it is.
void UseRuntimeFolder() {
  struct stat st;
  const char* set = std::getenv("XDG_RUNTIME_DIR");
  if (set && *set && stat(set, &st) == 0 && S_ISDIR(st.st_mode)) return;
  const char* temp = std::getenv("TMPDIR");
  const passwd* user = getpwuid(getuid());
  std::string folder = std::string(temp && *temp ? temp : "/tmp") + "/runtime-" +
                       (user ? std::string(user->pw_name) : std::to_string(getuid()));
  mkdir(folder.c_str(), 0700);
  if (stat(folder.c_str(), &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != getuid()) return;
  if ((st.st_mode & 0777) != 0700) chmod(folder.c_str(), 0700);
  setenv("XDG_RUNTIME_DIR", folder.c_str(), 1);
}

// The interface is Japanese whatever the machine's locale: Qt's own texts too (the standard
// buttons of message boxes, "はい", "キャンセル", "OK"). Without the translation files Qt keeps
// its English texts.
void LoadJapaneseTranslations(QTranslator& translator) {
  if (translator.load(QStringLiteral("qtbase_ja"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QCoreApplication::installTranslator(&translator);
  }
}

QtMessageHandler previous_handler = nullptr;

// A platform without stacked windows or a keyboard of its own (the offscreen one of the
// tests and benchmarks) says "This plugin does not support raise()" at every raise of a
// window and "... grabbing the keyboard" at every opening of a combo's list, for every
// program. Both are requests the platform need not fulfil, and the windows stay the same on
// every platform: those two messages are dropped, every other goes on to Qt's handler.
void DropUnsupportedRequests(QtMsgType type, const QMessageLogContext& context,
                             const QString& text) {
  if (text == QStringLiteral("This plugin does not support raise()")) return;
  if (text == QStringLiteral("This plugin does not support grabbing the keyboard")) return;
  if (previous_handler) previous_handler(type, context, text);  // Qt's own when none other
}

}  // namespace

struct Application::Impl {
  Impl(int& argc, char** argv) : app(argc, argv) {}
  struct RuntimeFolder {
    RuntimeFolder() { UseRuntimeFolder(); }
  } runtime_folder;  // before the application, which reads it
  struct QuietPlatform {
    QuietPlatform() { previous_handler = qInstallMessageHandler(DropUnsupportedRequests); }
    ~QuietPlatform() { qInstallMessageHandler(previous_handler); }
  } quiet_platform;
  QApplication app;
  QTranslator translator;
  QPointer<QEventLoop> loop;
};

Application::Application(int& argc, char** argv) : impl_(std::make_unique<Impl>(argc, argv)) {
  the_application = this;
  // The main form's closing ends the program, not the last window's.
  QApplication::setQuitOnLastWindowClosed(false);
  MapFonts();
  LoadJapaneseTranslations(impl_->translator);
  internal::InstallAccessibleFactory();
}

Application::~Application() {
  if (the_application == this) the_application = nullptr;
}

Application* Application::Instance() { return the_application; }

int Application::Run(Form& main_form) {
  main_form_ = &main_form;
  main_closed_ = false;
  main_form.Show();
  if (!main_closed_) {
    QEventLoop loop;
    impl_->loop = &loop;
    loop.exec();
    impl_->loop = nullptr;
  }
  main_form.RunDestroyHandler();
  main_form_ = nullptr;
  return 0;
}

void Application::FormClosed(Form& form) {
  if (&form != main_form_) return;
  main_closed_ = true;
  if (impl_->loop) impl_->loop->quit();
}

void ProcessMessages() { QCoreApplication::processEvents(QEventLoop::AllEvents); }

void Post(std::function<void()> call) {
  QMetaObject::invokeMethod(
      QCoreApplication::instance(), [call = std::move(call)] { RunHandler(call); },
      Qt::QueuedConnection);
}

}  // namespace ui
