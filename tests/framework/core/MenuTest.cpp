#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "core/Menu.h"

namespace {

// An index outside the items gives Nil, which raises NilObjectException on
// use, rather than whatever lies past the end.
TEST(MenuItemTest, ItemIsNilOutsideTheItems) {
  fw::MenuItem menu;
  auto first = std::make_shared<fw::MenuItem>();
  auto last = std::make_shared<fw::MenuItem>();
  menu.Append(first);
  menu.Append(last);
  EXPECT_EQ(menu.Item(0), fw::Ref<fw::MenuItem>(first));
  EXPECT_EQ(menu.Item(menu.Count() - 1), fw::Ref<fw::MenuItem>(last));
  for (const int32_t index :
       {menu.Count(), menu.Count() + 1, int32_t{-1}, std::numeric_limits<int32_t>::min(),
        std::numeric_limits<int32_t>::max()}) {
    SCOPED_TRACE(index);
    EXPECT_TRUE(menu.Item(index).IsNil());
  }
  EXPECT_THROW(menu.Item(menu.Count())->Name(), fw::NilObjectException);
  EXPECT_TRUE(fw::MenuItem().Item(0).IsNil()) << "an empty menu has no item 0";
}

}  // namespace
