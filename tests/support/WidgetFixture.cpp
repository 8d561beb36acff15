#include "support/WidgetFixture.h"

#include <QApplication>
#include <QTest>
#include <fstream>

#ifndef ZI_SOURCE_DIR
#error "ZI_SOURCE_DIR must name the source tree"
#endif

void WidgetTest::SetUp() {
  fw::RuntimeInit();
  fw::testing::CaptureShowURL([](const fw::String&) {});
  watchdog_.setSingleShot(true);
  QObject::connect(&watchdog_, &QTimer::timeout, [] {
    ADD_FAILURE() << "watchdog: a window was still open after 3 s";
    QApplication::closeAllWindows();
    QCoreApplication::exit(2);
  });
  watchdog_.start(3000);
}

void WidgetTest::TearDown() {
  watchdog_.stop();
  fw::RuntimeReleaseWindowLists();
  Settle();
  fw::testing::CaptureShowURL({});
  fw::testing::SetExecutableFile({});
}

void WidgetTest::Settle() {
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QCoreApplication::processEvents();
}

std::filesystem::path WidgetTest::MakeBundle(bool withResources, bool withPictures) {
  namespace fs = std::filesystem;
  fs::path bundle = fs::path(scratch_.path().toStdString()) / "Test.app";
  fs::create_directories(bundle / "Contents" / "MacOS");
  std::ofstream(bundle / "Contents" / "MacOS" / "Test").put('\n');
  if (withResources) {
    fs::create_directories(bundle / "Contents" / "Resources");
    if (withPictures) {
      for (const char* name : {"48.png", "002.png"}) {
        fs::copy_file(fs::path(ZI_SOURCE_DIR) / "resources" / name,
                      bundle / "Contents" / "Resources" / name,
                      fs::copy_options::overwrite_existing);
      }
    }
  }
  fw::testing::SetExecutableFile(bundle / "Contents" / "MacOS" / "Test");
  return bundle;
}
