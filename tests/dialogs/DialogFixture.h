#pragma once
// What the message and About window tests share: a bundle with pictures and
// a version, a registered application, and counts of open windows.
#include <filesystem>
#include <fstream>
#include <string>

#include "common/AppObject.h"
#include "support/WidgetFixture.h"

class DialogTest : public WidgetTest {
 protected:
  void TearDown() override {
    ReleaseWindowsAndMenuBar();  // also drops the menu bar that RegisterAppObject built
    WidgetTest::TearDown();
  }

  static void WriteInfoPlist(const std::filesystem::path& bundle, const std::string& version) {
    std::ofstream(bundle / "Contents" / "Info.plist")
        << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\">\n<dict>\n"
        << "  <key>CFBundleShortVersionString</key><string>" << version << "</string>\n"
        << "</dict>\n</plist>\n";
  }

  static int OpenWindowsOf(const fw::String& fullClassName) {
    int count = 0;
    for (const auto& window : fw::OpenWindows()) {
      count += window->FullClassName() == fullClassName;
    }
    return count;
  }
};
