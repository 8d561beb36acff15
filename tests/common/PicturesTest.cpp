#include <QFile>
#include <filesystem>
#include <fstream>

#include "common/Pictures.h"
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
