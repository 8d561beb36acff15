#pragma once
// Applications folders of a test's own: data folders "home" (the user's),
// then "first" and "second" (the system's), found through the environment
// as the program finds the real ones.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>

namespace fw {

// Puts an environment variable back as it was when the test began.
class SavedEnv {
 public:
  explicit SavedEnv(const char* name) : name_(name) {
    if (const char* value = std::getenv(name)) {
      value_ = value;
    }
  }
  ~SavedEnv() {
    if (value_) {
      setenv(name_, value_->c_str(), 1);
    } else {
      unsetenv(name_);
    }
  }
  SavedEnv(const SavedEnv&) = delete;
  SavedEnv& operator=(const SavedEnv&) = delete;

 private:
  const char* name_;
  std::optional<std::string> value_;
};

inline void WriteFile(const std::filesystem::path& path, const std::string& text) {
  std::filesystem::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary) << text;
}

inline std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline std::string Entry(const std::string& name, const std::string& exec = "true",
                         const std::string& extra = "") {
  return "[Desktop Entry]\nType=Application\nName=" + name + "\nExec=" + exec + "\n" + extra;
}

class DesktopEntriesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // The space checks that paths reach the program as single arguments.
    std::string pattern =
        (std::filesystem::temp_directory_path() / "applications test XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr) << std::strerror(errno);
    root_ = pattern;
    setenv("HOME", (root_ / "user").c_str(), 1);
    setenv("XDG_DATA_HOME", (root_ / "home").c_str(), 1);
    setenv("XDG_DATA_DIRS",
           ((root_ / "first").string() + ":" + (root_ / "second").string()).c_str(), 1);
    unsetenv("XDG_CURRENT_DESKTOP");
  }
  void TearDown() override {
    std::error_code error;
    std::filesystem::remove_all(root_, error);
  }

  std::filesystem::path Apps(const std::string& dataDir) const {
    return root_ / dataDir / "applications";
  }
  void Write(const std::string& dataDir, const std::string& relative, const std::string& text) {
    WriteFile(Apps(dataDir) / relative, text);
  }
  void ClearDataFolders() {
    for (const char* dir : {"home", "first", "second"}) {
      std::filesystem::remove_all(root_ / dir);
    }
  }

  std::filesystem::path root_;

 private:
  SavedEnv home_{"HOME"};
  SavedEnv dataHome_{"XDG_DATA_HOME"};
  SavedEnv dataDirs_{"XDG_DATA_DIRS"};
  SavedEnv desktop_{"XDG_CURRENT_DESKTOP"};
  SavedEnv path_{"PATH"};
};

}  // namespace fw
