#include "platform/string_list.h"

#include <functional>
#include <string>

#include <gtest/gtest.h>

#include "platform/exceptions.h"

namespace {

using Runtime::EStringListError;
using Runtime::TStringList;

TEST(StringList, AnIndexOutsideTheListRaisesStringListError) {
  TStringList list;
  list.Add("a");
  list.Add("b");
  struct Case {
    const char* call;
    int index;
    std::function<void(TStringList&)> run;
  };
  const Case cases[] = {
      {"Get", 2, [](TStringList& l) { l.Get(2); }},
      {"Get", -1, [](TStringList& l) { l.Get(-1); }},
      {"Insert", 3, [](TStringList& l) { l.Insert(3, "x"); }},
      {"Insert", -1, [](TStringList& l) { l.Insert(-1, "x"); }},
      {"Delete", 2, [](TStringList& l) { l.Delete(2); }},
  };
  for (const Case& c : cases) {
    try {
      c.run(list);
      ADD_FAILURE() << c.call << "(" << c.index << ") raised nothing";
    } catch (const EStringListError& error) {
      EXPECT_EQ(error.Message(), "List index out of bounds (" + std::to_string(c.index) + ")");
      EXPECT_STREQ(error.ClassName(), "EStringListError");
    }
    EXPECT_EQ(list.Items(), (std::vector<std::string>{"a", "b"})) << c.call << " changed the list";
  }
}

TEST(StringList, InsertAndDeleteReachBothEnds) {
  TStringList list;
  list.Add("b");
  list.Insert(1, "c");
  list.Insert(0, "a");
  EXPECT_EQ(list.Items(), (std::vector<std::string>{"a", "b", "c"}));
  list.Delete(2);
  list.Delete(0);
  EXPECT_EQ(list.Items(), std::vector<std::string>{"b"});
}

}  // namespace
