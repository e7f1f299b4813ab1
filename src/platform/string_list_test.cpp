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
      {"Put", 2, [](TStringList& l) { l.Put(2, "x"); }},
      {"Put", -1, [](TStringList& l) { l.Put(-1, "x"); }},
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

TEST(StringList, PutReplacesOneItemInPlace) {
  TStringList list;
  for (const char* item : {"a", "b", "c"}) list.Add(item);
  list.Put(0, "A");
  list.Put(2, "C");
  EXPECT_EQ(list.Items(), (std::vector<std::string>{"A", "b", "C"}));
}

}  // namespace
