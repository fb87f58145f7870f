#include "host/qt/qt_presenter.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <map>

#include "host/ui/message_box_style.h"
#include "list_dialog_window.h"
#include "record_list_window.h"

namespace lumo::ui {

namespace {

QMessageBox::Icon IconOf(int32_t icon) {
  switch (icon) {
    case msgbox::kCritical:
      return QMessageBox::Critical;
    case msgbox::kQuestion:
      return QMessageBox::Question;
    case msgbox::kExclamation:
      return QMessageBox::Warning;
    case msgbox::kInformation:
      return QMessageBox::Information;
    default:
      return QMessageBox::NoIcon;
  }
}

QMessageBox::StandardButton ButtonOf(int32_t answer) {
  switch (answer) {
    case msgbox::kCancel:
      return QMessageBox::Cancel;
    case msgbox::kAbort:
      return QMessageBox::Abort;
    case msgbox::kRetry:
      return QMessageBox::Retry;
    case msgbox::kIgnore:
      return QMessageBox::Ignore;
    case msgbox::kYes:
      return QMessageBox::Yes;
    case msgbox::kNo:
      return QMessageBox::No;
    default:
      return QMessageBox::Ok;
  }
}

}  // namespace

QtPresenter::QtPresenter(UiWords words, std::function<void(QDialog&)> shown)
    : words_(std::move(words)), shown_(std::move(shown)) {}

QtPresenter::~QtPresenter() = default;

void QtPresenter::EnsureApplication() {
  if (!QApplication::instance()) application_ = std::make_unique<QApplication>(argc_, argv_);
}

void QtPresenter::ShowListDialog(IListDialog& dialog) {
  EnsureApplication();
  ListDialogWindow window(dialog);
  if (shown_) QTimer::singleShot(0, &window, [this, &window] { shown_(window); });
  window.exec();
}

int32_t QtPresenter::ShowMessageBox(const std::string& prompt, int32_t style,
                                    const std::string& title) {
  const MessageBoxStyle shown = ReadMessageBoxStyle(style);
  EnsureApplication();
  QMessageBox box(IconOf(shown.icon), QString::fromStdString(title),
                  QString::fromStdString(prompt));
  std::map<const QAbstractButton*, int32_t> answers;
  for (const MessageBoxButton& button : shown.buttons) {
    QPushButton* pushButton = box.addButton(ButtonOf(button.answer));
    pushButton->setText(QString::fromStdString(words_.ButtonCaption(button.answer)));
    answers[pushButton] = button.answer;
    if (button.answer == shown.defaultAnswer) box.setDefaultButton(pushButton);
    if (button.answer == shown.closedAnswer) box.setEscapeButton(pushButton);
  }
  if (shown_) QTimer::singleShot(0, &box, [this, &box] { shown_(box); });
  box.exec();
  const auto clicked = answers.find(box.clickedButton());
  return clicked == answers.end() ? shown.closedAnswer : clicked->second;
}

std::optional<size_t> QtPresenter::ShowRecordList(const RecordList& list) {
  EnsureApplication();
  RecordListWindow window(list, words_);
  if (shown_) QTimer::singleShot(0, &window, [this, &window] { shown_(window); });
  window.exec();
  return window.Picked();
}

}  // namespace lumo::ui
