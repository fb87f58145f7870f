#include "host/components/res_loader.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "host/components/translation_catalogue.h"
#include "platform/hostapi/res_loader.h"

namespace lumo::embedded {
extern const std::string_view kTranslationsTsv;
}

namespace lumo::components {
namespace {

TEST(ResLoader, LoadStringAnswersInTheLanguageOfLanguageID) {
  static const struct {
    const char* language;
    const char* source;
    const char* expected;
  } kCases[] = {
      {"CHS", "采购最高限价报警和控制", "采购最高限价报警和控制"},
      {"CHT", "采购最高限价报警和控制", "採購最高限價報警和控制"},
      {"EN", "采购最高限价报警和控制", "Purchase Maximum Price Alert"},
      {"en", "否(&N)", "&No"},
      {"cht", "汇率$", "匯率$"},
      {"EN", "行号$", "Line$"},
      // A trailing blank in the catalogue belongs to the text.
      {"EN", "对于当前供应商", "For the current supplier "},
      // Unknown language or text: the source comes back unchanged.
      {"DE", "取消", "取消"},
      {"", "取消", "取消"},
      {"EN", "没有这个文本", "没有这个文本"},
      // Blanks are the caller's to strip: a padded text is not in the catalogue.
      {"EN", " 取消", " 取消"},
      {"EN", "", ""},
  };
  ResLoader loader;
  for (const auto& c : kCases) {
    SCOPED_TRACE(std::string(c.language) + " " + c.source);
    loader.SetLanguageID(c.language);
    EXPECT_EQ(loader.LoadString(c.source), c.expected);
  }
}

TEST(TranslationCatalogue, EveryTextHasAllThreeLanguagesOnce) {
  const TranslationCatalogue& catalogue = TranslationCatalogue::Embedded();
  ASSERT_EQ(catalogue.Languages(), (std::vector<std::string>{"CHS", "CHT", "EN"}));

  std::string_view tsv = embedded::kTranslationsTsv;
  tsv.remove_prefix(tsv.find('\n') + 1);
  std::set<std::string> sources;
  while (!tsv.empty()) {
    const std::string line(tsv.substr(0, tsv.find('\n')));
    tsv.remove_prefix(std::min(tsv.size(), line.size() + 1));
    SCOPED_TRACE(line);
    const std::string source = line.substr(0, line.find('\t'));
    EXPECT_TRUE(sources.insert(source).second) << "listed twice";
    EXPECT_EQ(catalogue.Find(source, "CHS"), source);
    EXPECT_TRUE(catalogue.Find(source, "CHT").has_value());
    EXPECT_TRUE(catalogue.Find(source, "EN").has_value());
  }
  EXPECT_EQ(sources.size(), catalogue.size());
}

TEST(TranslationCatalogue, ReadsCarriageReturnLineEndsAndSkipsBlankLines) {
  const TranslationCatalogue catalogue("CHS\tEN\r\n\r\n确定\tOK\r\n取消\t\r\n");
  EXPECT_EQ(catalogue.Find("确定", "EN"), "OK");
  EXPECT_EQ(catalogue.Find("取消", "EN"), std::nullopt);  // empty cell
  EXPECT_EQ(catalogue.size(), 2u);
}

}  // namespace
}  // namespace lumo::components
