#pragma once
// The Applications folder over data folders of the test's own.
#include "gui/Applications.h"
#include "platform/DesktopFiles.h"
#include "support/DesktopEntriesFixture.h"

namespace fw {

class ApplicationsTest : public DesktopEntriesTest {
 protected:
  static Ref<FolderItem> Find(const std::string& name) {
    return ApplicationsFolder(platform::ApplicationsSearchPath()).Child(name);
  }
};

}  // namespace fw
