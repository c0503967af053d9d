#include "ui/application.h"

#include <QApplication>
#include <QEventLoop>
#include <QFont>
#include <QMetaObject>
#include <QPointer>

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

}  // namespace

struct Application::Impl {
  Impl(int& argc, char** argv) : app(argc, argv) {}
  QApplication app;
  QPointer<QEventLoop> loop;
};

Application::Application(int& argc, char** argv) : impl_(std::make_unique<Impl>(argc, argv)) {
  the_application = this;
  // The main form's closing ends the program, not the last window's.
  QApplication::setQuitOnLastWindowClosed(false);
  MapFonts();
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
