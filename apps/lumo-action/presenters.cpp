#include "presenters.h"

#include <algorithm>
#include <ostream>
#include <stdexcept>
#include <string>

#include "host/data/connection_target.h"
#include "platform/error.h"

#ifdef LUMO_WITH_QT
#include "host/qt/qt_presenter.h"
#endif

namespace lumo::app {

namespace {

// The language the property string names; none when it cannot be read (the
// action then says why).
std::string SessionLanguage(const std::string& props) {
  try {
    return data::FindProperty(data::ParsePropertyString(props), "Language").value_or("");
  } catch (const VbError&) {
    return {};
  }
}

}  // namespace

std::unique_ptr<ui::UiRegistration> RegisterPresenter(const Options& options,
                                                      const std::string& props, std::istream& in,
                                                      std::ostream& err) {
  const ui::PresenterChoice choice{options.ui, options.answer, options.pick};

  ui::PresenterSetup setup{in, err, nullptr, nullptr};
  setup.language = SessionLanguage(props);
  setup.closedUnseen = [&err](const std::string& caption) {
    err << "lumo-action: no user interface to show the dialog \"" << caption
        << "\" (see --ui): answered close\n";
  };
  setup.messageUnseen = [&err](const std::string& title, const std::string& prompt,
                               const std::string& answer) {
    std::string oneLine = prompt;
    std::replace_if(
        oneLine.begin(), oneLine.end(), [](char c) { return c == '\n' || c == '\r'; }, ' ');
    err << "lumo-action: no user interface to show the message \"" << oneLine << "\" titled \""
        << title << "\" (see --ui): answered " << answer << '\n';
  };
  setup.listUnseen = [&err, pick = options.pick](const RecordList& list) {
    const size_t count = list.rows.size();
    const std::string records = std::to_string(count) + (count == 1 ? " record" : " records");
    if (list.pickable && pick) {
      err << "lumo-action: --pick " << *pick << ": the list \"" << list.title << "\" has "
          << records << ": cancelled\n";
    } else {
      err << "lumo-action: no user interface to show the list \"" << list.title << "\" (" << records
          << (list.pickable ? "; see --ui, --pick): cancelled\n" : "; see --ui)\n");
    }
  };
#include "host/data/connection_target.h"
#include "platform/error.h"

#ifdef LUMO_WITH_QT
  constexpr bool kQtBuilt = true;
  setup.makeQt = [](const ui::UiWords& words) { return std::make_shared<ui::QtPresenter>(words); };
#else
  constexpr bool kQtBuilt = false;
#endif
  try {
    const ui::PresenterKind kind = ui::ChoosePresenter(choice, ui::CurrentSurroundings(kQtBuilt));
    return std::make_unique<ui::UiRegistration>(kind, choice, setup);
  } catch (const std::invalid_argument& error) {
    throw UsageError(error.what());
  }
}

}  // namespace lumo::app
