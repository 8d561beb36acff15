#include <gtest/gtest.h>

#include <string>
#include <utility>
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

TEST(ParseDesktopEntryTest, ReadsListsAndTryExec) {
  auto entry = ParseDesktopEntry(
      "[Desktop Entry]\n"
      "TryExec=/opt/My\\sApp/calc\n"
      "Categories=Qt;KDE;;Utility;Calculator;\n"
      "OnlyShowIn=KDE\n"
      "NotShowIn= a\\;b;c\\\\;d\\s;\n");
  ASSERT_TRUE(entry.has_value());
  EXPECT_EQ("/opt/My App/calc", entry->tryExec);
  EXPECT_EQ((std::vector<std::string>{"Qt", "KDE", "Utility", "Calculator"}), entry->categories);
  EXPECT_EQ(std::vector<std::string>{"KDE"}, entry->onlyShowIn);
  EXPECT_EQ((std::vector<std::string>{"a;b", "c\\", "d "}), entry->notShowIn);
}

TEST(ParseDesktopEntryTest, StopsAtTheGroupAfterTheDesktopEntry) {
  DesktopEntryParser parser;
  const std::vector<std::pair<std::string, bool>> lines = {
      {"[Other]", true},          {"Name=Other", true},          {"[Desktop Entry]", true},
      {"Name=Calc", true},        {"[Desktop Action x]", false}, {"Name=Action", false},
      {"[Desktop Entry]", false}, {"Exec=late", false},
  };
  for (const auto& [line, more] : lines) {
    SCOPED_TRACE(line);
    EXPECT_EQ(more, parser.Line(line));
  }
  ASSERT_TRUE(parser.Result().has_value());
  EXPECT_EQ("Calc", parser.Result()->name);
  EXPECT_EQ("", parser.Result()->exec) << "a second [Desktop Entry] group is not read";
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

TEST(DesktopFitTest, OnlyShowInNotShowInAndTheDesktopsCategories) {
  struct Case {
    std::string keys;
    std::vector<std::string> desktops;
    DesktopFit expected;
  };
  const auto meant = DesktopFit::MeantFor;
  const auto neutral = DesktopFit::Neutral;
  const auto notShown = DesktopFit::NotShown;
  const std::vector<Case> cases = {
      {"", {"KDE"}, neutral},
      {"", {}, neutral},
      {"Categories=Qt;KDE;Calculator;", {"KDE"}, meant},
      {"Categories=Qt;KDE;Calculator;", {"GNOME"}, neutral},
      {"Categories=GNOME;Calculator;", {"ubuntu", "GNOME"}, meant},
      {"Categories=KDE;", {"kde"}, neutral},
      {"OnlyShowIn=XFCE;MATE;", {"MATE"}, meant},
      {"OnlyShowIn=XFCE;MATE;", {"GNOME"}, notShown},
      {"OnlyShowIn=XFCE;", {}, notShown},
      {"NotShowIn=KDE;", {"KDE"}, notShown},
      {"NotShowIn=KDE;", {"GNOME"}, neutral},
      {"Categories=KDE;\nNotShowIn=KDE;", {"KDE"}, notShown},
      {"OnlyShowIn=KDE;\nNotShowIn=KDE;", {"KDE"}, notShown},
  };
  for (const auto& c : cases) {
    std::string desktops;
    for (const auto& d : c.desktops) {
      desktops += d + ":";
    }
    SCOPED_TRACE(c.keys + " on " + desktops);
    auto entry = ParseDesktopEntry("[Desktop Entry]\n" + c.keys + "\n");
    ASSERT_TRUE(entry.has_value());
    EXPECT_EQ(c.expected, FitFor(*entry, c.desktops));
  }
}

}  // namespace
}  // namespace fw
