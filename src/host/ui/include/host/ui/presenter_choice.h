// Which presenter shows the component's windows, and its registration.
//
// A host program turns its options (lumo-action's --ui, --answer, --pick)
// into a PresenterChoice, picks the presenter with ChoosePresenter and
// keeps a UiRegistration for as long as windows may be shown. Every window
// (the list dialog now, viewers and message boxes as they come) reaches the
// one registered presenter through "LumoUI.Presenter".
#pragma once

#include <cstdint>
#include <functional>
#include <iosfwd>
#include <memory>
#include <optional>
#include <string>

#include "host/ui/scripted_presenter.h"
#include "host/ui/ui_words.h"
#include "hostapi/presenter.h"
#include "platform/object.h"

namespace lumo::ui {

enum class UiMode { Auto, Qt, Console, None };
// A scripted answer: a button, or the window closed.
enum class Answer { Yes, All, No, Cancel, Close };

struct PresenterChoice {
  UiMode ui = UiMode::Auto;
  std::optional<Answer> answer;  // given: every window is answered so, unseen
  std::optional<int32_t> pick;   // given: every record list picks this row (from 1; 0 cancels)
};

enum class PresenterKind { Qt, Console, Scripted };

// What the process can show windows on.
struct Surroundings {
  bool qtBuilt = false;   // the program has the Qt presenter
  bool display = false;   // Qt has a display (DisplayAvailable)
  bool terminal = false;  // standard input and error are terminals
};

// A display for Qt: $DISPLAY or $WAYLAND_DISPLAY, or a platform named in
// $QT_QPA_PLATFORM (such as offscreen).
bool DisplayAvailable();
Surroundings CurrentSurroundings(bool qtBuilt);

// A given answer or pick is scripted whatever the mode. Otherwise qt, console and
// none are taken as said (none: scripted, closing every window), and auto
// is Qt when it is built and has a display, else the console on a
// terminal, else none. Throws std::invalid_argument when Qt is asked for
// and is not built or has no display.
PresenterKind ChoosePresenter(const PresenterChoice& choice, const Surroundings& surroundings);

struct PresenterSetup {
  std::istream& in;   // where the console presenter reads its answers
  std::ostream& out;  // and where it writes the windows
  // Hears the caption of each window closed because none could be shown
  // (a scripted presenter without an answer).
  ScriptedPresenter::Notice closedUnseen;
  // Makes the Qt presenter, in a program built with it, speaking the words.
  std::function<std::shared_ptr<IPresenter>(const UiWords& words)> makeQt;
  // Hears each message box that a scripted presenter answered unseen
  // (with or without a scripted answer).
  ScriptedPresenter::MessageNotice messageUnseen = {};
  // Hears each record list that the scripted presenter closed unseen or
  // cancelled for want of a pick it could make.
  ScriptedPresenter::ListNotice listUnseen = {};
  // The session's language (CHS, CHT, EN), for the presenters' own words.
  std::string language = {};
};

// Registers, for its lifetime, one presenter of the kind chosen as
// "LumoUI.Presenter", and the helpers the windows use:
// "LumoUtil.IniProfile" and "LumoGrid.GridTitleHelper".
class UiRegistration {
 public:
  UiRegistration(PresenterKind kind, const PresenterChoice& choice, const PresenterSetup& setup);

 private:
  ScopedRegistration presenter_;
  ScopedRegistration profile_;
  ScopedRegistration titles_;
};

}  // namespace lumo::ui
