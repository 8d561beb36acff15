#include <sys/stat.h>

#include <QFile>
#include <filesystem>
#include <fstream>

#include "common/Pictures.h"
#include "support/Unblocking.h"
#include "support/WidgetFixture.h"

namespace fs = std::filesystem;

using Pictures = WidgetTest;

// One story, since a loaded picture stays for the rest of the process.
TEST_F(Pictures, LoadOnFirstSuccessAndKeep) {
  fs::path bundle = MakeBundle(/*withResources=*/false);
  EXPECT_TRUE(App48().IsNil()) << "no Resources folder";
  EXPECT_TRUE(alert48().IsNil());

  fs::create_directories(bundle / "Contents" / "Resources");
  EXPECT_TRUE(App48().IsNil()) << "no 48.png";

  fs::path alert = bundle / "Contents" / "Resources" / "002.png";
  std::ofstream(alert) << "not a picture";
  EXPECT_TRUE(alert48().IsNil()) << "a file that is no PNG";

  MakeBundle();
  auto app = App48();
  ASSERT_FALSE(app.IsNil()) << "the next call after the file appears loads it";
  EXPECT_EQ(app->Width(), 48);
  EXPECT_TRUE(alert48().IsNil() == false);

  fs::remove(bundle / "Contents" / "Resources" / "48.png");
  EXPECT_EQ(App48(), app) << "a loaded picture is kept, the file not read again";
}

TEST(BundleResources, AreBesideTheExecutablesFolder) {
  fw::testing::SetExecutableFile("/opt/X.app/Contents/MacOS/x");
  EXPECT_EQ(fw::GetApplicationBundleResources()->Path(), "/opt/X.app/Contents/Resources");
  fw::testing::SetExecutableFile("/x");
  EXPECT_THROW(fw::GetApplicationBundleResources(), fw::NilObjectException)
      << "an executable at the root has no grandparent";
  fw::testing::SetExecutableFile({});
}

TEST_F(Pictures, OnlyARegularFileCanBeAPicture) {
  fs::path resources = MakeBundle() / "Contents" / "Resources";
  fs::path fifo = resources / "fifo.png";
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  fs::create_symlink(resources / "48.png", resources / "link.png");
  EXPECT_FALSE(fw::FolderItem(resources / "link.png").OpenAsPicture().IsNil());
  for (const fs::path& path : {fifo, resources, fs::path("/dev/zero")}) {
    SCOPED_TRACE(path);
    auto picture = WithoutWaitingOn(fifo, [&] { return fw::FolderItem(path).OpenAsPicture(); });
    EXPECT_TRUE(picture.IsNil());
  }
}
