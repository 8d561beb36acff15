// The main() of every widget test binary: the offscreen platform unless one
// is set (test discovery runs outside CTest's environment), and a runtime
// directory of its own, so parallel tests never meet each other's program.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  QTemporaryDir runtimeDir;
  qputenv("XDG_RUNTIME_DIR", runtimeDir.path().toUtf8());
  qunsetenv("XDG_CURRENT_DESKTOP");
  ::testing::InitGoogleTest(&argc, argv);
  QApplication app(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  return RUN_ALL_TESTS();
}
