// Which entry "Calculator.app" stands for: the one named Calculator, else
// the desktop's calculator by its category, and never this program.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "Framework.h"
#include "support/DesktopEntriesFixture.h"

namespace {

namespace fs = std::filesystem;
using fw::Entry;
using fw::FolderItem;
using fw::Ref;
using fw::WriteFile;

std::string InCategory(const std::string& name, const std::string& keys) {
  return Entry(name, "true", keys);
}

struct File {
  std::string dataDir;
  std::string relative;
  std::string text;
};

struct ChoiceCase {
  const char* what;
  const char* desktop;  // XDG_CURRENT_DESKTOP; nullptr: unset
  std::vector<File> files;
  // Data folder and relative path of the entry expected; empty: none.
  std::string foundDir;
  std::string foundRelative;
};

class CalculatorChoiceTest : public fw::DesktopEntriesTest {
 protected:
  void Check(const std::vector<ChoiceCase>& cases, const std::string& asked = "Calculator.app") {
    for (const auto& c : cases) {
      SCOPED_TRACE(c.what);
      ClearDataFolders();
      c.desktop ? setenv("XDG_CURRENT_DESKTOP", c.desktop, 1) : unsetenv("XDG_CURRENT_DESKTOP");
      for (const auto& file : c.files) {
        Write(file.dataDir, file.relative, file.text);
      }
      Ref<FolderItem> item = fw::SpecialFolder::Applications()->Child(asked);
      ASSERT_FALSE(item.IsNil());
      if (c.foundDir.empty()) {
        EXPECT_FALSE(item->Exists());
        EXPECT_EQ(Apps("home") / asked, item->Path());
      } else {
        EXPECT_TRUE(item->Exists());
        EXPECT_EQ(Apps(c.foundDir) / c.foundRelative, item->Path());
      }
    }
  }
};

TEST_F(CalculatorChoiceTest, TheNamedEntryFirstThenTheCategoryForTheDesktop) {
  const std::string calc = "Categories=Utility;Calculator;\n";
  Check({
      {"the name wins over the category",
       "KDE",
       {{"home", "kcalc.desktop", InCategory("KCalc", "Categories=KDE;Calculator;\n")},
        {"second", "gnome.desktop", Entry("Calculator")}},
       "second",
       "gnome.desktop"},
      {"the category alone, first in search order",
       nullptr,
       {{"first", "b.desktop", InCategory("Beta Calc", calc)},
        {"first", "a.desktop", InCategory("Alpha Calc", calc)},
        {"second", "0.desktop", InCategory("Zero Calc", calc)}},
       "first",
       "a.desktop"},
      {"meant for the desktop by OnlyShowIn",
       "XFCE",
       {{"first", "a.desktop", InCategory("A", calc)},
        {"first", "b.desktop", InCategory("B", calc + "OnlyShowIn=LXDE;XFCE;\n")}},
       "first",
       "b.desktop"},
      {"meant for the desktop by its category",
       "KDE",
       {{"first", "a.desktop", InCategory("A", "Categories=GTK;Utility;Calculator;\n")},
        {"first", "b.desktop", InCategory("B", "Categories=Qt;KDE;Utility;Calculator;\n")}},
       "first",
       "b.desktop"},
      {"any desktop of the list, even in a later folder",
       "ubuntu:GNOME",
       {{"home", "a.desktop", InCategory("A", calc)},
        {"second", "b.desktop", InCategory("B", "Categories=GNOME;Calculator;\n")}},
       "second",
       "b.desktop"},
      {"the desktop's name is compared exactly",
       "kde",
       {{"first", "a.desktop", InCategory("A", calc)},
        {"first", "b.desktop", InCategory("B", "Categories=KDE;Calculator;\n")}},
       "first",
       "a.desktop"},
      {"NotShowIn keeps an entry back",
       "MATE",
       {{"first", "a.desktop", InCategory("A", "Categories=MATE;Calculator;\nNotShowIn=MATE;\n")},
        {"first", "b.desktop", InCategory("B", calc)}},
       "first",
       "b.desktop"},
      {"OnlyShowIn another desktop keeps an entry back",
       "GNOME",
       {{"first", "a.desktop", InCategory("A", calc + "OnlyShowIn=KDE;\n")},
        {"first", "b.desktop", InCategory("B", calc)}},
       "first",
       "b.desktop"},
      {"OnlyShowIn without a current desktop keeps an entry back",
       nullptr,
       {{"first", "a.desktop", InCategory("A", calc + "OnlyShowIn=KDE;\n")},
        {"first", "b.desktop", InCategory("B", calc)}},
       "first",
       "b.desktop"},
      {"an entry kept back is still better than none",
       "GNOME",
       {{"first", "a.desktop", InCategory("A", calc + "OnlyShowIn=KDE;\n")}},
       "first",
       "a.desktop"},
      {"the category is compared exactly",
       nullptr,
       {{"first", "a.desktop", InCategory("A", "Categories=calculator;Calculators;\n")},
        {"first", "b.desktop", InCategory("B", "Categories=Utility;Calculator Pro;\n")}},
       "",
       ""},
      {"an escaped ; is no separator",
       nullptr,
       {{"first", "a.desktop", InCategory("A", "Categories=Utility\\;Calculator;\n")}},
       "",
       ""},
      {"Hidden and Link entries do not count",
       nullptr,
       {{"first", "a.desktop", InCategory("A", calc + "Hidden=true\n")},
        {"first", "b.desktop", "[Desktop Entry]\nType=Link\nName=B\nURL=x\n" + calc}},
       "",
       ""},
      {"an id masked by the user's entry does not count",
       nullptr,
       {{"home", "kcalc.desktop", Entry("KCalc")},
        {"second", "kcalc.desktop", InCategory("KCalc", calc)}},
       "",
       ""},
      {"the category in another group does not count",
       nullptr,
       {{"first", "a.desktop", Entry("A") + "[Desktop Action x]\n" + calc}},
       "",
       ""},
  });
}

TEST_F(CalculatorChoiceTest, AnEntryWhoseTryExecIsMissingCountsAsAbsent) {
  const fs::path bin = root_ / "bin";
  WriteFile(bin / "calc-here", "#!/bin/sh\n");
  fs::permissions(bin / "calc-here", fs::perms::owner_all);
  WriteFile(bin / "not-executable", "#!/bin/sh\n");
  fs::create_directories(bin / "a-folder");
  setenv("PATH", bin.c_str(), 1);
  const std::string calc = "Categories=Calculator;\n";
  auto tryExec = [](const std::string& program) { return "TryExec=" + program + "\n"; };
  const std::string here = (bin / "calc-here").string();
  const std::string gone = (root_ / "gone" / "calc").string();
  Check({
      {"an absolute TryExec that is there",
       nullptr,
       {{"first", "a.desktop", Entry("Calculator", "true", tryExec(here))}},
       "first",
       "a.desktop"},
      {"a TryExec name found on PATH",
       nullptr,
       {{"first", "a.desktop", Entry("Calculator", "true", tryExec("calc-here"))}},
       "first",
       "a.desktop"},
      {"a named entry left behind gives way to a later one",
       nullptr,
       {{"home", "old.desktop", Entry("Calculator", "true", tryExec(gone))},
        {"second", "new.desktop", Entry("Calculator", "true", tryExec(here))}},
       "second",
       "new.desktop"},
      {"a named entry left behind gives way to the category",
       nullptr,
       {{"home", "old.desktop", Entry("Calculator", "true", tryExec("no-such-calculator"))},
        {"second", "kcalc.desktop", InCategory("KCalc", calc)}},
       "second",
       "kcalc.desktop"},
      {"a category entry left behind gives way to one for no desktop",
       "KDE",
       {{"first", "a.desktop", InCategory("A", "Categories=KDE;Calculator;\n" + tryExec(gone))},
        {"first", "b.desktop", InCategory("B", calc)}},
       "first",
       "b.desktop"},
      {"TryExec not executable, a folder, or missing from PATH",
       nullptr,
       {{"first", "a.desktop",
         Entry("Calculator", "true", tryExec((bin / "not-executable").string()))},
        {"first", "b.desktop", Entry("Calculator", "true", tryExec((bin / "a-folder").string()))},
        {"first", "c.desktop", InCategory("C", calc + tryExec("sh"))},
        {"first", "d.desktop", InCategory("D", calc + tryExec(gone))}},
       "",
       ""},
  });
}

TEST_F(CalculatorChoiceTest, OtherNamesAreFoundByNameOnly) {
  Check(
      {
          {"an entry in the category of the name asked",
           nullptr,
           {{"first", "a.desktop", InCategory("Notes", "Categories=TextEditor;\n")}},
           "",
           ""},
          {"the entry of that name",
           nullptr,
           {{"first", "a.desktop", InCategory("TextEditor", "Categories=Calculator;\n")}},
           "first",
           "a.desktop"},
      },
      "TextEditor.app");
}

TEST_F(CalculatorChoiceTest, NeverThisProgram) {
  // This program's entry as installed; its command is a link to the
  // running executable on PATH.
  const fs::path bin = root_ / "bin";
  fs::create_directories(bin);
  fs::create_symlink(fs::read_symlink("/proc/self/exe"), bin / "zazudedid-idarero");
  setenv("PATH", bin.c_str(), 1);
  const std::string calc = "Categories=Utility;Calculator;\n";
  const std::string ours = Entry("Zazudedid Idarero", "zazudedid-idarero", calc);
  // The same entry under another id, by its path or by the link.
  const std::string oursByPath =
      Entry("Copy", fs::read_symlink("/proc/self/exe").string() + " %U", calc);
  const std::string oursByLink =
      Entry("Copy", "\"" + (bin / "zazudedid-idarero").string() + "\"", calc);
  Check({
      {"only ours", nullptr, {{"home", "zazudedid-idarero.desktop", ours}}, "", ""},
      {"ours by its id, whatever it starts",
       nullptr,
       {{"home", "zazudedid-idarero.desktop", Entry("Zazudedid Idarero", "true", calc)}},
       "",
       ""},
      {"ours first in search order, then another",
       nullptr,
       {{"home", "zazudedid-idarero.desktop", ours},
        {"first", "a.desktop", oursByPath},
        {"first", "b.desktop", oursByLink},
        {"second", "kcalc.desktop", InCategory("KCalc", calc)}},
       "second",
       "kcalc.desktop"},
      {"ours meant for the desktop, another not",
       "KDE",
       {{"first", "zazudedid-idarero.desktop",
         Entry("Zazudedid Idarero", "zazudedid-idarero", "Categories=KDE;Calculator;\n")},
        {"first", "other.desktop", InCategory("Other", calc)}},
       "first",
       "other.desktop"},
      {"named Calculator but starting this program",
       nullptr,
       {{"home", "calc.desktop", Entry("Calculator", "zazudedid-idarero")},
        {"second", "kcalc.desktop", InCategory("KCalc", calc)}},
       "second",
       "kcalc.desktop"},
  });
}

}  // namespace
