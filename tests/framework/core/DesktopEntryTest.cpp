#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/DesktopEntry.h"

namespace fw {
namespace {

TEST(ParseDesktopEntryTest, ReadsTheDesktopEntryGroupOnly) {
  auto entry = ParseDesktopEntry(
      "# comment\n"
      "\n"
      "[Desktop Entry]\r\n"
      "  # indented comment\n"
      "Type = Application\n"
      "Name[de]=Rechner\n"
      "Name  =  Calc\\sulator\\\\x\\;\\n\\t\\r\n"
      "Exec=\"/opt/My App/run\" --x=\\\\$HOME %U\r\n"
      "not a key line\n"
      "Hidden=true\n"
      "[Desktop Action new]\n"
      "Name=Action\n"
      "Exec=other\n");
  ASSERT_TRUE(entry.has_value());
  EXPECT_EQ("Calc ulator\\x\\;\n\t\r", entry->name);
  EXPECT_EQ("\"/opt/My App/run\" --x=\\$HOME %U", entry->exec);
  EXPECT_TRUE(entry->hidden);
  EXPECT_EQ("Application", entry->type);
}

TEST(ParseDesktopEntryTest, HiddenOnlyWhenTrue) {
  for (const std::string value : {"false", "True", "1", "yes", ""}) {
    SCOPED_TRACE(value);
    auto entry = ParseDesktopEntry("[Desktop Entry]\nHidden=" + value + "\n");
    ASSERT_TRUE(entry.has_value());
    EXPECT_FALSE(entry->hidden);
  }
}

TEST(ParseDesktopEntryTest, OnlyTheGroupCounts) {
  EXPECT_FALSE(ParseDesktopEntry("").has_value());
  EXPECT_FALSE(ParseDesktopEntry("Name=Calculator\nExec=calc\n").has_value());
  EXPECT_FALSE(ParseDesktopEntry("[Desktop Action x]\nName=Calculator\n").has_value());
  EXPECT_FALSE(ParseDesktopEntry("# [Desktop Entry]\n[Desktop Entry Extra]\n").has_value());
  auto late = ParseDesktopEntry("Name=Calculator\nExec=calc\n[Desktop Entry]\n");
  ASSERT_TRUE(late.has_value());
  EXPECT_EQ("", late->name);
  EXPECT_EQ("", late->exec);
}

TEST(ExecArgumentsTest, SplitsByTheQuotingRules) {
  struct Case {
    std::string exec;
    std::vector<std::string> expected;
  };
  const std::vector<Case> cases = {
      {"calc", {"calc"}},
      {"", {}},
      {"   ", {}},
      {"calc  --mode  sci ", {"calc", "--mode", "sci"}},
      {"\"/opt/My App/calc\" \"two words\"", {"/opt/My App/calc", "two words"}},
      {R"("a \"quoted\" \`tick\` \$HOME \\ back")", {R"(a "quoted" `tick` $HOME \ back)"}},
      {R"("\x")", {R"(\x)"}},
      {R"(a\ b)", {R"(a\)", "b"}},
      {"calc \"\"", {"calc", ""}},
      {"calc %f %F %u %U %d %D %n %N %i %c %k %v %m", {"calc"}},
      {"calc %U --new", {"calc", "--new"}},
      {"calc --file=%f", {"calc", "--file="}},
      {"calc %f%u", {"calc"}},
      {"calc \"%f\"", {"calc"}},
      {"calc 100%% %%U", {"calc", "100%", "%U"}},
      {"calc %% \"%%\"", {"calc", "%", "%"}},
      {"calc %x 5%", {"calc", "%x", "5%"}},
      {"calc ;echo hi|cat $HOME `x` > out",
       {"calc", ";echo", "hi|cat", "$HOME", "`x`", ">", "out"}},
      {"pre\"mid dle\"post", {"premid dlepost"}},
      {"calc \"unterminated arg", {"calc", "unterminated arg"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE("Exec=" + c.exec);
    EXPECT_EQ(c.expected, ExecArguments(c.exec));
  }
}

}  // namespace
}  // namespace fw
