#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QTemporaryDir>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "platform/Files.h"
#include "support/Unblocking.h"

namespace fw::platform {
namespace {

namespace fs = std::filesystem;

class FilesTest : public ::testing::Test {
 protected:
  fs::path Path(const char* name) const { return fs::path(dir_.path().toStdString()) / name; }
  fs::path Write(const char* name, const std::string& text) const {
    std::ofstream(Path(name), std::ios::binary) << text;
    return Path(name);
  }

  QTemporaryDir dir_;
};

TEST_F(FilesTest, OnlyRegularFilesWithinTheBoundAreRead) {
  const fs::path fifo = Path("fifo");
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  fs::create_symlink(Write("file", "four"), Path("link"));
  struct Case {
    fs::path path;
    size_t maxBytes;
    std::optional<std::string> expected;
  };
  const std::vector<Case> cases = {
      {Path("file"), 4, "four"},
      {Path("link"), 4, "four"},
      {Write("empty", ""), 0, ""},
      {Path("file"), 3, std::nullopt},
      {Path("missing"), 100, std::nullopt},
      {Path(""), 100, std::nullopt},
      {fifo, 100, std::nullopt},
      {"/dev/zero", 100, std::nullopt},
      {"/dev/null", 100, std::nullopt},
      // The kernel's files say they are empty; what they hold is still bounded.
      {"/proc/self/maps", 0, std::nullopt},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.path);
    auto text = WithoutWaitingOn(fifo, [&] { return ReadRegularFile(c.path, c.maxBytes); });
    EXPECT_EQ(c.expected, text);
  }
}

TEST_F(FilesTest, LinesAreHandedOnUntilTheReaderHasEnough) {
  const fs::path file = Write("lines", "one\r\n\ntwo\nthree\nlast without end");
  std::vector<std::string> lines;
  auto read = ReadLinesOfRegularFile(file, 1000, [&](std::string_view line) {
    lines.emplace_back(line);
    return true;
  });
  EXPECT_EQ(read, fs::file_size(file));
  EXPECT_EQ(lines, (std::vector<std::string>{"one\r", "", "two", "three", "last without end"}));

  lines.clear();
  ReadLinesOfRegularFile(file, 1000, [&](std::string_view line) {
    lines.emplace_back(line);
    return line != "two";
  });
  EXPECT_EQ(lines, (std::vector<std::string>{"one\r", "", "two"}));

  // A line longer than a read's chunk arrives whole.
  const std::string longLine(100000, 'x');
  lines.clear();
  ReadLinesOfRegularFile(Write("long", longLine + "\nend\n"), 200000, [&](std::string_view line) {
    lines.emplace_back(line);
    return true;
  });
  EXPECT_EQ(lines, (std::vector<std::string>{longLine, "end"}));
}

}  // namespace
}  // namespace fw::platform
