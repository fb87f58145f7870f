#include "collections/dictionary.h"
#include "collections/vector.h"
#include "support/vb_testing.h"

namespace lumo {
namespace {

DictionaryRef Make(std::initializer_list<std::pair<const char*, Variant>> entries) {
  auto dictionary = NewDictionary();
  for (const auto& [key, value] : entries) dictionary->SetValue(key, value);
  return dictionary;
}

std::vector<std::string> Keys(const Dictionary& dictionary) {
  std::vector<std::string> keys;
  for (int32_t i = 1; i <= dictionary.Count(); ++i) keys.push_back(dictionary.Name(i));
  return keys;
}

// Keys match by case; a missing one reads as Empty, or as the given default
// of whatever kind, unchanged.
TEST(Dictionaries, NamesKeepInsertionOrderAcrossReplacement) {
  auto dictionary = Make({{"b", 1}, {"a", 2}, {"B", 3}, {"b", "again"}});
  EXPECT_EQ(Keys(*dictionary), (std::vector<std::string>{"b", "a", "B"}));
  EXPECT_EQ(dictionary->Value("b"), Variant("again"));
  EXPECT_TRUE(dictionary->Value("c").IsEmpty());
  EXPECT_VB_ERROR(dictionary->Name(4), 9);
  for (const Variant& fallback : {Variant(-1), Variant::Nothing(), Variant::Null(), Variant()}) {
    EXPECT_EQ(dictionary->GetValue("c", fallback), fallback);
    EXPECT_EQ(dictionary->GetValue("a", fallback), Variant(2));
  }
}

TEST(Dictionaries, CloneAndMergeLeaveTheirSourcesAlone) {
  auto original = Make({{"a", 1}, {"b", 2}});
  auto copy = original->Clone();
  ASSERT_NE(copy, original);
  copy->Merge(*Make({{"b", 20}, {"d", 40}, {"c", 30}}), 0);
  copy->Merge(*copy, 0);
  // The receiver's keys keep their places; new keys follow in the other's order.
  EXPECT_EQ(Keys(*copy), (std::vector<std::string>{"a", "b", "d", "c"}));
  EXPECT_EQ(copy->Value("b"), Variant(20));
  EXPECT_EQ(Keys(*original), (std::vector<std::string>{"a", "b"}));
  EXPECT_EQ(original->Value("b"), Variant(2));
  EXPECT_VB_ERROR(copy->Merge(*original, 1), 5);
}

// An item read stays valid when later Adds move the items in memory.
TEST(Vectors, ItemsRunFromOneToUpperBound) {
  auto vector = NewVector();
  EXPECT_EQ(vector->Add("first"), 1);
  EXPECT_EQ(vector->Add(2), 2);
  vector->SetItem(1, "changed");
  EXPECT_VB_ERROR(vector->Item(0), 9);
  EXPECT_VB_ERROR(vector->SetItem(3, 1), 9);
  const Variant& first = vector->Item(1);
  for (int32_t i = 0; i < 100; ++i) vector->Add(i);
  EXPECT_EQ(first, Variant("changed"));
  EXPECT_EQ(vector->UpperBound(), 102);
}

}  // namespace
}  // namespace lumo
