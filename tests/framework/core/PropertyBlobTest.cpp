#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

#include "core/PropertyBlob.h"
#include "testing/BlobEncoding.h"

namespace {

using fw::Color;
using fw::PropertyBlobException;
using fw::PropertyEntry;
using fw::PropertyKind;
using fw::PropertyValue;
using fw::ReadPropertyBlob;
using fw::String;
using fw::blob::Encoded;
using fw::blob::Entry;

constexpr int32_t kInt32Min = std::numeric_limits<int32_t>::min();
constexpr int32_t kInt32Max = std::numeric_limits<int32_t>::max();

// "49 6E 20" -> the three bytes; quoted runs are taken as text: "'Width' 20".
String Bytes(std::string_view hex) {
  String out;
  std::size_t i = 0;
  while (i < hex.size()) {
    if (hex[i] == ' ') {
      ++i;
    } else if (hex[i] == '\'') {
      const std::size_t end = hex.find('\'', i + 1);
      out += hex.substr(i + 1, end - i - 1);
      i = end + 1;
    } else {
      out.push_back(static_cast<char>(std::stoi(String(hex.substr(i, 2)), nullptr, 16)));
      i += 2;
    }
  }
  return out;
}

// Reads blob from a buffer that goes on past it with bytes that would
// complete any cut-off value, so reading past the end cannot go unnoticed.
std::vector<PropertyEntry> ReadAsPrefix(std::string_view blob) {
  const String buffer = String(blob) + String(8, '\0') + "Width ";
  return ReadPropertyBlob(std::string_view(buffer).substr(0, blob.size()));
}

constexpr auto kIndexMin = std::to_array<Entry>({{"Index", kInt32Min}});
constexpr auto kTextColor = std::to_array<Entry>({{"TextColor", Color::RGB(0x004080)}});
constexpr auto kText = std::to_array<Entry>({{"Text", "% of"}});
constexpr auto kVisibleFalse = std::to_array<Entry>({{"Visible", false}});

struct ByteExample {
  std::string_view encoded;
  String bytes;
  PropertyEntry entry;
};

TEST(PropertyBlobTest, KnownByteFormsEncodeAndReadBack) {
  const ByteExample examples[] = {
      {Encoded<kIndexMin>.View(), Bytes("49 6E 64 65 78 20 80 00 00 00"), {"Index", kInt32Min, 0}},
      {Encoded<kTextColor>.View(),
       Bytes("'TextColor' 20 00 40 80"),
       {"TextColor", Color{0x00, 0x40, 0x80}, 0}},
      {Encoded<kText>.View(),
       Bytes("54 65 78 74 20 00 00 00 04 25 20 6F 66"),
       {"Text", String("% of"), 0}},
      {Encoded<kVisibleFalse>.View(), Bytes("'Visible' 20 00"), {"Visible", false, 0}},
  };
  for (const ByteExample& example : examples) {
    SCOPED_TRACE(example.entry.name);
    EXPECT_EQ(example.encoded, example.bytes);
    EXPECT_EQ(ReadPropertyBlob(example.bytes), std::vector{example.entry});
  }
}

TEST(PropertyBlobTest, Int32IsBigEndianTwosComplement) {
  const std::pair<const char*, int32_t> cases[] = {
      {"00 00 00 00", 0},          {"00 00 01 EA", 490},       {"FF FF FF FF", -1},
      {"7F FF FF FF", kInt32Max},  {"80 00 00 00", kInt32Min}, {"80 00 00 01", kInt32Min + 1},
      {"01 02 03 04", 0x01020304}, {"FF FF FF 7F", -129},
  };
  for (const auto& [bytes, value] : cases) {
    SCOPED_TRACE(bytes);
    const String blob = Bytes(String("'Left' 20 ") + bytes);
    ASSERT_EQ(ReadPropertyBlob(blob), (std::vector<PropertyEntry>{{"Left", value, 0}}));
    EXPECT_EQ(fw::blob::EncodeEntries({{"Left", value, 0}}), blob);
  }
}

constexpr auto kEmptyTextThenName =
    std::to_array<Entry>({{"HelpTag", ""}, {"Visible", true}, {"Caption", "OK"}});

TEST(PropertyBlobTest, EmptyTextIsAZeroCountAndTheNextNameFollowsAtOnce) {
  const String bytes =
      Bytes("'HelpTag' 20 00 00 00 00 'Visible' 20 01 'Caption' 20 00 00 00 02 'OK'");
  EXPECT_EQ(Encoded<kEmptyTextThenName>.View(), bytes);
  EXPECT_EQ(ReadPropertyBlob(bytes),
            (std::vector<PropertyEntry>{
                {"HelpTag", String(), 0}, {"Visible", true, 12}, {"Caption", String("OK"), 21}}));
}

constexpr auto kEndsWithEmptyParent = std::to_array<Entry>({{"Width", 48}, {"InitialParent", ""}});

TEST(PropertyBlobTest, BlobEndingInAnEmptyTextStopsAtItsLength) {
  const std::string_view blob = Encoded<kEndsWithEmptyParent>.View();
  ASSERT_EQ(blob.size(), 10u + 18u);
  EXPECT_EQ(blob.substr(blob.size() - 5), Bytes("20 00 00 00 00"));
  const std::vector<PropertyEntry> expected{{"Width", 48, 0}, {"InitialParent", String(), 10}};
  EXPECT_EQ(ReadPropertyBlob(blob), expected);
  EXPECT_EQ(ReadAsPrefix(blob), expected);
}

TEST(PropertyBlobTest, EmptyBlobHasNoEntries) {
  EXPECT_TRUE(ReadPropertyBlob("").empty());
}

TEST(PropertyBlobTest, EntriesRoundTripThroughTheRunTimeEncoder) {
  const std::vector<PropertyEntry> entries{
      {"Name", String("stInfo2"), 0},
      {"Index", kInt32Min, 16},
      {"TextColor", Color::RGB(0xFFFFFF), 26},
      {"Multiline", true, 39},
      {"Title", String("\xC2\xA9 \xE2\x82\xAC"), 50},  // UTF-8 passes through as bytes
      {"Mask", String("a\0 b", 4), 66},                // NUL and blank inside a text
      {"HelpTag", String(), 79},
      {"Enabled", false, 91},
  };
  const String blob = fw::blob::EncodeEntries(entries);
  EXPECT_EQ(blob.size(), 100u);
  EXPECT_EQ(ReadPropertyBlob(blob), entries);
}

constexpr auto kMixed = std::to_array<Entry>({
    {"Placement", 2},
    {"BackColor", Color::RGB(0xFFFFFF)},
    {"Title", "MainWindow"},
    {"Visible", true},
    {"MacProcID", 0},
});

TEST(PropertyBlobTest, CompileTimeAndRunTimeEncodersAgree) {
  const std::string_view blob = Encoded<kMixed>.View();
  EXPECT_EQ(blob.substr(24, 3), "\xFF\xFF\xFF");
  EXPECT_EQ(fw::blob::EncodeEntries(ReadPropertyBlob(blob)), blob);
}

TEST(PropertyBlobTest, KindsFollowTheExactName) {
  EXPECT_EQ(fw::PropertyKindOf("MacProcID"), PropertyKind::Int32);
  EXPECT_EQ(fw::PropertyKindOf("TextColor"), PropertyKind::Color);
  EXPECT_EQ(fw::PropertyKindOf("InitialParent"), PropertyKind::String);
  EXPECT_EQ(fw::PropertyKindOf("EraseBackground"), PropertyKind::Boolean);
  for (const char* name : {"width", "WIDTH", "Widt", "Widths", "Width ", "", "Resizable"}) {
    EXPECT_EQ(fw::PropertyKindOf(name), std::nullopt) << name;
  }
  static_assert(fw::PropertyKindOf("Resizeable") == PropertyKind::Boolean);
}

struct Malformed {
  const char* what;
  const char* bytes;
  std::size_t offset;
  const char* named;  // the quoted property in the message, or nullptr
};

TEST(PropertyBlobTest, MalformedBlobsThrowNamingTheOffset) {
  const Malformed cases[] = {
      {"unknown name after an entry", "'Width' 20 00 00 01 EA 'Widht' 20 00 00 00 01", 10,
       "\"Widht\""},
      {"names are case-sensitive", "'width' 20 00 00 00 01", 0, "\"width\""},
      {"empty name", "20 01", 0, nullptr},
      {"empty name after an entry", "'Visible' 20 01 20 01", 9, nullptr},
      {"digit in a name", "'Width2' 20 00 00 00 01", 5, nullptr},
      {"punctuation in a name", "'Wid-th' 20 00 00 00 01", 3, nullptr},
      {"non-ASCII byte in a name", "'W' C3 AF 'dth' 20 00 00 00 01", 1, nullptr},
      {"NUL where the blank belongs", "'Visible' 00 01", 7, nullptr},
      {"name runs to the end", "'Visible'", 0, "\"Visible\""},
      {"name cut off after an entry", "'Visible' 20 01 'Vis'", 9, "\"Vis\""},
      {"no value at all", "'Width' 20", 6, "\"Width\""},
      {"Int32 cut off", "'Width' 20 00 00 01", 6, "\"Width\""},
      {"Boolean cut off", "'Width' 20 00 00 01 EA 'Visible' 20", 18, "\"Visible\""},
      {"Color cut off", "'TextColor' 20 00 40", 10, "\"TextColor\""},
      {"String count cut off", "'Text' 20 00 00 00", 5, "\"Text\""},
      {"String bytes cut off", "'Text' 20 00 00 00 05 'abc'", 5, "\"Text\""},
      {"String count far past the end", "'Text' 20 FF FF FF FF 'ab'", 5, "\"Text\""},
      {"Boolean 02", "'Visible' 20 02", 8, "\"Visible\""},
      {"Boolean FF", "'Visible' 20 FF", 8, "\"Visible\""},
      {"name twice", "'Visible' 20 01 'Left' 20 00 00 00 00 'Visible' 20 00", 18, "\"Visible\""},
  };
  for (const Malformed& c : cases) {
    SCOPED_TRACE(c.what);
    try {
      ReadAsPrefix(Bytes(c.bytes));
      ADD_FAILURE() << "no exception";
    } catch (const PropertyBlobException& e) {
      const std::string_view message = e.what();
      EXPECT_TRUE(message.starts_with("property blob: ")) << message;
      EXPECT_TRUE(message.ends_with(" at byte " + std::to_string(c.offset))) << message;
      if (c.named) {
        EXPECT_NE(message.find(c.named), std::string_view::npos) << message;
      }
    }
  }
}

TEST(PropertyBlobTest, UnknownNameMessage) {
  try {
    ReadPropertyBlob(Bytes("'Width' 20 00 00 01 EA 'Height' 20 00 00 00 95 'Widht' 20 00"));
    FAIL() << "no exception";
  } catch (const fw::RuntimeException& e) {
    EXPECT_STREQ(e.what(), "property blob: unknown property \"Widht\" at byte 21");
    EXPECT_STREQ(e.ClassName(), "PropertyBlobException");
  }
}

TEST(PropertyBlobTest, EncoderRefusesWhatTheReaderWouldRefuse) {
  const std::vector<PropertyEntry> refused[] = {
      {{"Widht", 1, 0}},
      {{"Width", true, 0}},
      {{"Text", 4, 0}},
      {{"TextColor", String("red"), 0}},
      {{"Left", 1, 0}, {"Top", 2, 0}, {"Left", 3, 0}},
  };
  for (const auto& entries : refused) {
    SCOPED_TRACE(entries.back().name);
    EXPECT_THROW(fw::blob::EncodeEntries(entries), PropertyBlobException);
  }
  // The checks that make a constant table fail to compile also run at run time.
  const String name = "Widht";
  EXPECT_THROW(Entry(name, 1), PropertyBlobException);
  EXPECT_THROW(Entry("Visible", "True"), PropertyBlobException);
  EXPECT_THROW(Entry("Width", Color{}), PropertyBlobException);
}

}  // namespace
