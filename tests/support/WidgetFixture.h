#pragma once
// A fixture that starts each test from a clean runtime and leaves no window
// behind; a watchdog turns a hang into a failure.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <QTimer>
#include <filesystem>

#include "testing/FrameworkTesting.h"

class WidgetTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Lays out a bundle in a temporary folder and points the executable item
  // at it; pictures are copied from the source tree when asked.
  std::filesystem::path MakeBundle(bool withResources = true, bool withPictures = true);

  // Lets queued events (deferred deletes among them) run.
  static void Settle();

  QTemporaryDir scratch_;
  QTimer watchdog_;
};
