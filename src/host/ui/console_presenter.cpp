#include "host/ui/console_presenter.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <istream>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "host/ui/message_box_style.h"
#include "host/ui/row_cells.h"
#include "host/ui/text_width.h"
#include "platform/vb.h"

namespace lumo::ui {

namespace {

constexpr const char* kColumnGap = "  ";

struct Choice {
  int32_t answer;
  AccessKeyCaption caption;
};

// The shown buttons, left to right as the dialog placed them.
std::vector<Choice> Choices(const ListDialogControls& controls) {
  std::vector<std::pair<int32_t, int32_t>> shown;  // (left, answer)
  for (size_t i = 0; i < controls.buttons.size(); ++i) {
    if (controls.buttons[i].visible) {
      shown.emplace_back(controls.buttons[i].rect.left, static_cast<int32_t>(i));
    }
  }
  std::sort(shown.begin(), shown.end());
  std::vector<Choice> choices;
  choices.reserve(shown.size());
  for (const auto& [left, answer] : shown) {
    choices.push_back({answer, SplitAccessKey(controls.buttons[answer].caption)});
  }
  return choices;
}

std::optional<int32_t> Understand(const std::string& reply, const std::vector<Choice>& choices) {
  const std::string text = vb::Trim(reply);
  if (text.empty()) return std::nullopt;
  for (size_t i = 0; i < choices.size(); ++i) {
    const Choice& choice = choices[i];
    const bool byNumber = text == std::to_string(i + 1);
    const bool byKey = text.size() == 1 && choice.caption.key != 0 &&
                       std::toupper(static_cast<unsigned char>(text[0])) == choice.caption.key;
    if (byNumber || byKey || vb::UCase(text) == vb::UCase(choice.caption.text)) {
      return choice.answer;
    }
  }
  return std::nullopt;
}

void PrintCell(std::ostream& out, const std::string& text, size_t width, bool right) {
  out << PadToWidth(text, width, right);
}

void PrintGrid(std::ostream& out, IListDialog& dialog) {
  const auto columns = static_cast<size_t>(std::max(dialog.GridColumns(), 0));
  std::vector<std::vector<std::string>> rows;
  size_t titleRows = 0;
  for (int32_t r = 1; r <= dialog.GridRows(); ++r) {
    std::vector<std::string> cells = RowCells(dialog.RowText(r), columns);
    if (r <= dialog.GridHeaderRows()) {
      // An empty title row (the second, as a rule) takes no line.
      if (std::all_of(cells.begin(), cells.end(), [](const auto& c) { return c.empty(); })) {
        continue;
      }
      ++titleRows;
    }
    rows.push_back(std::move(cells));
  }
  std::vector<size_t> widths(columns, 0);
  for (const auto& cells : rows) {
    for (size_t c = 0; c < columns; ++c) widths[c] = std::max(widths[c], DisplayWidth(cells[c]));
  }

  const auto printRow = [&](const std::vector<std::string>& cells) {
    std::string line;
    for (size_t c = 0; c < columns; ++c) {
      const bool numeric = dialog.ColumnKind(static_cast<int32_t>(c + 1)) == 1;
      PrintCell(out, cells[c], widths[c], numeric);
      if (c + 1 < columns) out << kColumnGap;
    }
    out << '\n';
  };
  for (size_t r = 0; r < rows.size(); ++r) {
    printRow(rows[r]);
    if (r + 1 == titleRows) {
      for (size_t c = 0; c < columns; ++c) {
        out << std::string(widths[c], '-') << (c + 1 < columns ? kColumnGap : "");
      }
      out << '\n';
    }
  }
}

}  // namespace

void ConsolePresenter::ShowListDialog(IListDialog& dialog) {
  // Shown at its design size, so the buttons are those of its ShowType.
  dialog.Resize(dialog.Controls().clientWidth, dialog.Controls().clientHeight);
  const ListDialogControls& controls = dialog.Controls();

  out_ << "== " << dialog.Caption() << " ==\n";
  if (!controls.header.text.empty()) out_ << controls.header.text << '\n';
  out_ << '\n';
  PrintGrid(out_, dialog);
  out_ << '\n';
  for (const DialogLabel* footer : {&controls.footer1, &controls.footer2}) {
    if (!footer->text.empty()) out_ << footer->text << '\n';
  }

  const std::vector<Choice> choices = Choices(controls);
  std::string prompt;
  for (size_t i = 0; i < choices.size(); ++i) {
    prompt += std::to_string(i + 1) + ") " + choices[i].caption.text + "  ";
  }
  prompt += "> ";
  while (dialog.Visible()) {
    out_ << prompt << std::flush;
    std::string reply;
    if (choices.empty() || !std::getline(in_, reply)) {
      out_ << '\n';
      dialog.Close();
      break;
    }
    if (const auto answer = Understand(reply, choices)) {
      dialog.Click(*answer);
    } else {
      NotUnderstood(reply);
    }
  }
}

void ConsolePresenter::NotUnderstood(const std::string& reply) {
  // An empty line only asks again.
  if (vb::Trim(reply).empty()) return;
  out_ << words_("没看懂“{0}”，请再回答。", {vb::Trim(reply)}) << '\n';
}

int32_t ConsolePresenter::ShowMessageBox(const std::string& prompt, int32_t style,
                                         const std::string& title) {
  const MessageBoxStyle shown = ReadMessageBoxStyle(style);
  out_ << "== " << title << " ==\n" << prompt << "\n\n";
  std::string choices;
  for (size_t i = 0; i < shown.buttons.size(); ++i) {
    choices += std::to_string(i + 1) + ") " + words_.ButtonCaption(shown.buttons[i].answer) + "  ";
  }
  choices += "> ";
  for (;;) {
    out_ << choices << std::flush;
    std::string reply;
    if (!std::getline(in_, reply)) {
      out_ << '\n';
      return shown.closedAnswer;
    }
    const std::string text = vb::UCase(vb::Trim(reply));
    if (text.empty()) return shown.defaultAnswer;
    for (size_t i = 0; i < shown.buttons.size(); ++i) {
      const MessageBoxButton& button = shown.buttons[i];
      if (text == std::to_string(i + 1) || text == vb::UCase(button.caption) ||
          text == vb::UCase(words_.ButtonCaption(button.answer))) {
        return button.answer;
      }
    }
    NotUnderstood(reply);
  }
}

}  // namespace lumo::ui
