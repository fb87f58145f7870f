// The console presenter's record list: pages of a numbered table whose
// columns are as wide as their widest text over the whole list, so every
// page lines up with the others.
#include <algorithm>
#include <cstdint>
#include <istream>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "host/ui/console_presenter.h"
#include "host/ui/text_width.h"
#include "platform/vb.h"

namespace lumo::ui {

namespace {

constexpr const char* kColumnGap = "  ";
// Between the choices of a prompt, in every language.
constexpr const char* kPromptGap = "  ";

class RecordTable {
 public:
  explicit RecordTable(const RecordList& list) : list_(list) {
    numberWidth_ = std::max<size_t>(1, std::to_string(list.rows.size()).size());
    for (const RecordColumn& column : list.columns) widths_.push_back(DisplayWidth(column.title));
    for (const auto& row : list.rows) {
      for (size_t c = 0; c < widths_.size() && c < row.size(); ++c) {
        widths_[c] = std::max(widths_[c], DisplayWidth(row[c]));
      }
    }
  }

  // The title line, its rule, and the records [first, last).
  void Print(std::ostream& out, size_t first, size_t last) const {
    std::vector<std::string> titles;
    std::vector<std::string> rules{std::string(numberWidth_, '-')};
    for (size_t c = 0; c < widths_.size(); ++c) {
      titles.push_back(list_.columns[c].title);
      rules.push_back(std::string(widths_[c], '-'));
    }
    PrintLine(out, "#", titles);
    out << JoinLine(rules) << '\n';
    for (size_t r = first; r < last; ++r) PrintLine(out, std::to_string(r + 1), list_.rows[r]);
  }

 private:
  void PrintLine(std::ostream& out, const std::string& number,
                 const std::vector<std::string>& texts) const {
    std::vector<std::string> cells{PadToWidth(number, numberWidth_, true)};
    for (size_t c = 0; c < widths_.size(); ++c) {
      const std::string& text = c < texts.size() ? texts[c] : std::string();
      cells.push_back(PadToWidth(text, widths_[c], list_.columns[c].numeric));
    }
    out << JoinLine(cells) << '\n';
  }
  static std::string JoinLine(const std::vector<std::string>& cells) {
    std::string line;
    for (size_t c = 0; c < cells.size(); ++c) line += (c ? kColumnGap : "") + cells[c];
    return vb::RTrim(line);  // no trailing blanks after a left-aligned last column
  }

  const RecordList& list_;
  size_t numberWidth_;
  std::vector<size_t> widths_;
};

// A record's number from 1 to count, written in decimal digits only.
std::optional<size_t> RecordNumber(const std::string& text, size_t count) {
  if (text.empty() || text.size() > 9 ||
      !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) {
    return std::nullopt;
  }
  const size_t number = std::stoul(text);
  if (number < 1 || number > count) return std::nullopt;
  return number;
}

}  // namespace

std::optional<size_t> ConsolePresenter::ShowRecordList(const RecordList& list) {
  const RecordTable table(list);
  const size_t count = list.rows.size();
  const size_t perPage = std::max<size_t>(pageRows_, 1);
  const size_t pages = std::max<size_t>((count + perPage - 1) / perPage, 1);

  out_ << "== " << list.title << " ==\n";
  size_t page = 0;
  bool printPage = true;
  for (;;) {
    const size_t first = page * perPage;
    const size_t last = std::min(first + perPage, count);
    if (printPage) {
      table.Print(out_, first, last);
      if (count == 0) {
        out_ << words_("（没有记录）") << '\n';
      } else {
        out_ << words_("第 {0}-{1} 条，共 {2} 条",
                       {std::to_string(first + 1), std::to_string(last), std::to_string(count)})
             << '\n';
      }
      printPage = false;
    }
    std::string prompt = list.pickable ? words_("数字选取该记录") + kPromptGap : "";
    if (page + 1 < pages) prompt += words_("n 下一页") + kPromptGap;
    if (page > 0) prompt += words_("p 上一页") + kPromptGap;
    out_ << prompt << words_(list.pickable ? "0 取消" : "0 关闭") << " > " << std::flush;

    std::string reply;
    if (!std::getline(in_, reply)) {
      out_ << '\n';
      return std::nullopt;
    }
    const std::string text = vb::Trim(reply);
    if (text == "0") return std::nullopt;
    if (list.pickable) {
      if (const auto number = RecordNumber(text, count)) return *number - 1;
    }
    if ((text.empty() || text == "n") && page + 1 < pages) {
      ++page;
      printPage = true;
    } else if (text == "p" && page > 0) {
      --page;
      printPage = true;
    } else {
      NotUnderstood(reply);
    }
  }
}

}  // namespace lumo::ui
