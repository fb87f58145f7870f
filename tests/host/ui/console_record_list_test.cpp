// The console presenter's record list: an aligned, numbered table, a page
// at a time, answered by a record's number.
#include <gtest/gtest.h>

#include <optional>
#include <sstream>
#include <string>

#include "host/ui/console_presenter.h"

namespace lumo::ui {
namespace {

struct Shown {
  std::optional<size_t> picked;
  std::string transcript;
};

// Three records, two to a page.
Shown ShowOnConsole(bool pickable, const std::string& input) {
  RecordList list;
  list.title = "采购价格资料";
  list.columns = {{"供应商", false}, {"单价", true}};
  list.rows = {{"昆山精密导轨有限公司", "185.00"}, {"Taiwan", "24.80"}, {"宁波", "1,280.50"}};
  list.pickable = pickable;
  std::istringstream in(input);
  std::ostringstream out;
  const std::optional<size_t> picked = ConsolePresenter(in, out, 2).ShowRecordList(list);
  return {picked, out.str()};
}

size_t Count(const std::string& text, const std::string& part) {
  size_t count = 0;
  for (size_t at = 0; (at = text.find(part, at)) != std::string::npos; at += part.size()) ++count;
  return count;
}

TEST(ConsoleRecordList, PrintsPagesOfAnAlignedTableWithWideCharactersCountedTwice) {
  EXPECT_EQ(ShowOnConsole(true, "\n3\n").transcript,
            "== 采购价格资料 ==\n"
            "#  供应商                    单价\n"
            "-  --------------------  --------\n"
            "1  昆山精密导轨有限公司    185.00\n"
            "2  Taiwan                   24.80\n"
            "records 1-2 of 3\n"
            "a record's number picks it, n next page, 0 cancels > "
            "#  供应商                    单价\n"
            "-  --------------------  --------\n"
            "3  宁波                  1,280.50\n"
            "records 3-3 of 3\n"
            "a record's number picks it, p previous page, 0 cancels > ");
}

TEST(ConsoleRecordList, AsksAgainUntilItUnderstandsAndTheEndOfInputCancels) {
  const struct {
    const char* input;
    bool pickable;
    std::optional<size_t> picked;
    size_t prompts, pages;
  } cases[] = {
      {"2\n", true, 1, 1, 1},
      {" 3 \n", true, 2, 1, 1},
      {"0\n", true, std::nullopt, 1, 1},
      {"", true, std::nullopt, 1, 1},
      {"4\nabc\n-1\n+1\n\n3\n", true, 2, 6, 2},
      {"p\n1\n", true, 0, 2, 1},
      {"n\n\np\n", true, std::nullopt, 4, 3},
      {"1\n0\n", false, std::nullopt, 2, 1},
      {"n\n", false, std::nullopt, 2, 2},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.input);
    const Shown shown = ShowOnConsole(c.pickable, c.input);
    EXPECT_EQ(shown.picked, c.picked);
    EXPECT_EQ(Count(shown.transcript, "> "), c.prompts);
    EXPECT_EQ(Count(shown.transcript, "records "), c.pages);
  }
}

}  // namespace
}  // namespace lumo::ui
