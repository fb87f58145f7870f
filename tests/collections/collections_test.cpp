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

TEST(Dictionaries, NamesKeepInsertionOrderAcrossReplacement) {
  auto dictionary = Make({{"b", 1}, {"a", 2}, {"B", 3}, {"b", "again"}});
  EXPECT_EQ(Keys(*dictionary), (std::vector<std::string>{"b", "a", "B"}));
  EXPECT_EQ(dictionary->Value("b"), Variant("again"));
  EXPECT_TRUE(dictionary->Value("c").IsEmpty());
  EXPECT_VB_ERROR(dictionary->Name(4), 9);
}

TEST(Dictionaries, GetValueReturnsTheDefaultUnchangedWhenAbsent) {
  auto stored = Make({{"P_Key", "stored"}});
  for (const Variant& fallback : {Variant("text"), Variant(-1), Variant(2.5), Variant(true),
                                  Variant::Nothing(), Variant::Null(), Variant()}) {
    SCOPED_TRACE(static_cast<int>(fallback.kind()));
    EXPECT_EQ(stored->GetValue("P_Other", fallback), fallback);
    EXPECT_EQ(stored->GetValue("P_Key", fallback), Variant("stored"));
  }
}

TEST(Dictionaries, CloneAndMergeLeaveTheirSourcesAlone) {
  auto original = Make({{"a", 1}, {"b", 2}});
  auto copy = original->Clone();
  ASSERT_NE(copy, original);
  copy->Merge(*Make({{"b", 20}, {"d", 40}, {"c", 30}}), 0);
  copy->Merge(*NewDictionary(), 0);
  copy->Merge(*copy, 0);
  // The receiver's keys keep their places; new keys follow in the other's order.
  EXPECT_EQ(Keys(*copy), (std::vector<std::string>{"a", "b", "d", "c"}));
  EXPECT_EQ(copy->Value("b"), Variant(20));
  EXPECT_EQ(Keys(*original), (std::vector<std::string>{"a", "b"}));
  EXPECT_EQ(original->Value("b"), Variant(2));
  EXPECT_VB_ERROR(copy->Merge(*original, 1), 5);
}

TEST(Vectors, ItemsRunFromOneToUpperBound) {
  auto vector = NewVector();
  EXPECT_EQ(vector->UpperBound(), 0);
  EXPECT_EQ(vector->Add("first"), 1);
  EXPECT_EQ(vector->Add(2), 2);
  vector->SetItem(1, "changed");
  EXPECT_VB_ERROR(vector->Item(0), 9);
  EXPECT_VB_ERROR(vector->SetItem(3, 1), 9);
  const Variant& first = vector->Item(1);
  for (int32_t i = 0; i < 100; ++i) vector->Add(i);  // moves the items in memory
  EXPECT_EQ(first, Variant("changed"));
}

}  // namespace
}  // namespace lumo
