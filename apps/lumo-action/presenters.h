// How lumo-action shows the dialogs of the action it runs: --ui, --answer
// and --pick become the presenter registered for the run.
#pragma once

#include <iosfwd>
#include <memory>
#include <string>

#include "host/ui/presenter_choice.h"
#include "options.h"

namespace lumo::app {

// Registers the presenter the options choose, with the helpers the dialogs
// use, for the lifetime of the result. The console presenter reads `in` and
// writes `err`, so standard output keeps only the JSON; a dialog closed
// because nothing can show it, and a message box answered unseen, are told
// on `err` in one line each. The presenters' own words are in the language
// the session property string names. Throws UsageError when the options
// ask for Qt and it cannot be had.
std::unique_ptr<ui::UiRegistration> RegisterPresenter(const Options& options,
                                                      const std::string& props, std::istream& in,
                                                      std::ostream& err);

}  // namespace lumo::app
