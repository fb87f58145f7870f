#include "host/qt/qt_presenter.h"

#include <QApplication>
#include <QTimer>

#include "list_dialog_window.h"
#include "record_list_window.h"

namespace lumo::ui {

QtPresenter::QtPresenter(std::function<void(QDialog&)> shown) : shown_(std::move(shown)) {}

QtPresenter::~QtPresenter() = default;

void QtPresenter::ShowListDialog(IListDialog& dialog) {
  if (!QApplication::instance()) application_ = std::make_unique<QApplication>(argc_, argv_);
  ListDialogWindow window(dialog);
  if (shown_) QTimer::singleShot(0, &window, [this, &window] { shown_(window); });
  window.exec();
}

std::optional<size_t> QtPresenter::ShowRecordList(const RecordList& list) {
  if (!QApplication::instance()) application_ = std::make_unique<QApplication>(argc_, argv_);
  RecordListWindow window(list);
  if (shown_) QTimer::singleShot(0, &window, [this, &window] { shown_(window); });
  window.exec();
  return window.Picked();
}

}  // namespace lumo::ui
