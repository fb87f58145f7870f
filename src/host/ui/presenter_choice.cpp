#include "host/ui/presenter_choice.h"

#include <cstdlib>
#include <stdexcept>

#include "host/ui/console_presenter.h"
#include "host/ui/grid_title_helper.h"
#include "host/ui/ini_profile.h"
#include "hostapi/grid_title.h"
#include "hostapi/ini_profile.h"
#include "platform/os.h"

namespace lumo::ui {

namespace {

bool Set(const char* name) {
  const char* value = std::getenv(name);
  return value && *value;
}

std::optional<int32_t> ButtonOf(Answer answer) {
  switch (answer) {
    case Answer::Yes:
      return kAnswerYes;
    case Answer::All:
      return kAnswerYesToAll;
    case Answer::No:
      return kAnswerNo;
    case Answer::Cancel:
      return kAnswerCancel;
    case Answer::Close:
      break;
  }
  return std::nullopt;
}

std::shared_ptr<IPresenter> MakePresenter(PresenterKind kind, const PresenterChoice& choice,
                                          const PresenterSetup& setup) {
  switch (kind) {
    case PresenterKind::Qt:
      if (!setup.makeQt) throw std::invalid_argument("this program has no Qt presenter");
      return setup.makeQt(UiWords(setup.language));
    case PresenterKind::Console:
      return std::make_shared<ConsolePresenter>(setup.in, setup.out, UiWords(setup.language));
    case PresenterKind::Scripted:
      break;
  }
  // A dialog answered as asked is not told; one closed for want of an answer is.
  if (choice.answer) {
    return std::make_shared<ScriptedPresenter>(ButtonOf(*choice.answer), nullptr, choice.pick,
                                               setup.listUnseen, setup.messageUnseen);
  }
  return std::make_shared<ScriptedPresenter>(std::nullopt, setup.closedUnseen, choice.pick,
                                             setup.listUnseen, setup.messageUnseen);
}

}  // namespace

bool DisplayAvailable() {
  return Set("DISPLAY") || Set("WAYLAND_DISPLAY") || Set("QT_QPA_PLATFORM");
}

Surroundings CurrentSurroundings(bool qtBuilt) {
  return {qtBuilt, DisplayAvailable(), os::InputAndErrorAreTerminals()};
}

PresenterKind ChoosePresenter(const PresenterChoice& choice, const Surroundings& surroundings) {
  if (choice.answer || choice.pick) return PresenterKind::Scripted;
  switch (choice.ui) {
    case UiMode::Qt:
      if (!surroundings.qtBuilt) throw std::invalid_argument("--ui qt: built without Qt");
      // Qt would end the process on its own without one.
      if (!surroundings.display) {
        throw std::invalid_argument(
            "--ui qt: no display (set DISPLAY, or QT_QPA_PLATFORM=offscreen)");
      }
      return PresenterKind::Qt;
    case UiMode::Console:
      return PresenterKind::Console;
    case UiMode::None:
      return PresenterKind::Scripted;
    case UiMode::Auto:
      break;
  }
  if (surroundings.qtBuilt && surroundings.display) return PresenterKind::Qt;
  if (surroundings.terminal) return PresenterKind::Console;
  return PresenterKind::Scripted;
}

UiRegistration::UiRegistration(PresenterKind kind, const PresenterChoice& choice,
                               const PresenterSetup& setup)
    : presenter_(kPresenterProgId,
                 [presenter = MakePresenter(kind, choice, setup)] { return presenter; }),
      profile_(kIniProfileProgId, [] { return std::make_shared<IniProfile>(); }),
      titles_(kGridTitleHelperProgId, [] { return std::make_shared<GridTitleHelper>(); }) {}

}  // namespace lumo::ui
