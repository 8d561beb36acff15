#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "gui/BundleVersion.h"

namespace fw {
namespace {

std::string Plist(const std::string& body) {
  return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
         "<!DOCTYPE plist PUBLIC \"-//Apple//DTD PLIST 1.0//EN\" "
         "\"http://www.apple.com/DTDs/PropertyList-1.0.dtd\">\n"
         "<plist version=\"1.0\">\n<dict>\n" +
         body + "</dict>\n</plist>\n";
}

std::string Key(const std::string& name, const std::string& value) {
  return "  <key>" + name + "</key>\n  <string>" + value + "</string>\n";
}

std::string Short(const std::string& value) {
  return Key("CFBundleShortVersionString", value);
}

TEST(BundleVersionTest, ComesFromTheTopLevelDictionary) {
  struct Case {
    const char* what;
    std::string text;
    std::pair<int32_t, int32_t> expected;
  };
  const Case cases[] = {
      {"major and minor", Plist(Short("2.10")), {2, 10}},
      {"a minor with a leading zero", Plist(Short("1.05")), {1, 5}},
      {"a third part is ignored", Plist(Short("1.2.3")), {1, 2}},
      {"no minor", Plist(Short("4")), {4, 0}},
      {"an empty minor", Plist(Short("4.")), {4, 0}},
      {"no major", Plist(Short(".7")), {0, 7}},
      {"blanks around the value", Plist(Short("\n  3.1 \t")), {3, 1}},
      {"the bundle version without a short one", Plist(Key("CFBundleVersion", "3.4")), {3, 4}},
      {"the short version before the bundle version",
       Plist(Key("CFBundleVersion", "9.9") + Short("5.6")),
       {5, 6}},
      {"an empty short version", Plist(Short("") + Key("CFBundleVersion", "8.1")), {8, 1}},
      {"a commented-out key", Plist("<!-- " + Short("9.9") + " -->\n" + Short("1.2")), {1, 2}},
      {"a CDATA value", Plist(Short("<![CDATA[1.2]]>")), {1, 2}},
      {"entities", Plist(Short("&#49;.&#50;")), {1, 2}},
      {"the largest part", Plist(Short("2147483647.2147483647")), {2147483647, 2147483647}},
      {"an overflowing minor", Plist(Short("1.2147483648")), {1, 0}},
      {"an overflowing major", Plist(Short("99999999999999999999.5")), {0, 5}},
      {"negative parts", Plist(Short("-1.-1")), {0, 0}},
      {"a sign", Plist(Short("+1.+2")), {0, 0}},
      {"trailing letters", Plist(Short("2.3beta")), {2, 0}},
      {"leading zeros past ten digits", Plist(Short("00000000001.000000000002")), {1, 2}},
      {"a key in a nested dictionary",
       Plist("<key>Inner</key><dict>" + Short("9.9") + "</dict>" + Key("CFBundleVersion", "1.1")),
       {1, 1}},
      {"a value that is no string",
       Plist("<key>CFBundleShortVersionString</key><integer>3</integer>" +
             Key("CFBundleVersion", "2.2")),
       {2, 2}},
      {"a value that holds markup", Plist(Short("1.<b>2</b>")), {0, 0}},
      {"malformed XML", Plist(Short("1.2") + "<key>"), {0, 0}},
      {"a missing end", "<plist><dict>" + Short("1.2") + "</dict>", {0, 0}},
      {"no plist around the dictionary", "<dict>" + Short("1.2") + "</dict>", {0, 0}},
      {"neither key", Plist(Key("CFBundleName", "Other")), {0, 0}},
      {"an empty text", "", {0, 0}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.what) + ": " + c.text);
    EXPECT_EQ(ParseBundleVersion(c.text), c.expected);
  }
}

}  // namespace
}  // namespace fw
