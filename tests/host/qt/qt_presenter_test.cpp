// The Qt presenter on Qt's offscreen platform: real windows, no display.
#include "host/qt/qt_presenter.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <QApplication>
#include <QDialog>
#include <QHeaderView>
#include <QImage>
#include <QMessageBox>
#include <QPushButton>
#include <QTableView>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>

#include "core/cls_action_ic.h"
#include "core/msg_box.h"
#include "dialog/frm_oos.h"
#include "host/components/register.h"
#include "host/data/database_file.h"
#include "host/data/register.h"
#include "host/ui/presenter_choice.h"
#include "hosting/variant_json.h"
#include "qt_application.h"
#include "support/item_list.h"

namespace lumo::ui {
namespace {

namespace fs = std::filesystem;

using Shown = std::function<void(QDialog&)>;

// One application for every test; each test registers the presenter with
// what to do once the window is on screen, and the dialog's helpers, with
// the profile in a folder of its own.
class QtDialog : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { EnsureQtApplication(); }
  void SetUp() override {
    fs::create_directories(folder_);
    ::setenv("LUMO_PROFILE", (folder_ / "ZEZSystem.INI").c_str(), 1);
  }
  void TearDown() override {
    ::unsetenv("LUMO_PROFILE");
    fs::remove_all(folder_);
  }
  std::unique_ptr<UiRegistration> Register(Shown shown) {
    std::istringstream in;
    PresenterSetup setup{in, std::cerr, nullptr, [shown](const UiWords& words) {
                           return std::make_shared<QtPresenter>(words, shown);
                         }};
    return std::make_unique<UiRegistration>(PresenterKind::Qt, PresenterChoice{}, setup);
  }
  const fs::path folder_ = fs::temp_directory_path() / ("lumo-qt-" + std::to_string(::getpid()));
};

std::shared_ptr<frmOOS> ItemListForm(int32_t showType) {
  auto form = std::make_shared<frmOOS>();
  form->SetOOSItemVect(testing::ItemList({testing::Dict({{"No", 1}, {"Price", "4.80"}})}));
  form->SetCaptionFooter1("footer");
  form->SetCaption("title");
  form->SetShowType(showType);
  return form;
}

TEST_F(QtDialog, EachButtonAnswersItsCodeFromItsPlaceAndTheCloseBoxNo) {
  using Places = std::map<std::string, int>;  // each visible button's left, in pixels
  const Places all = {{"cmdYes", 323}, {"CmdYesToAll", 405}, {"CmdNo", 487}, {"cmdCancel", 569}};
  const Places yesNo = {{"cmdYes", 487}, {"CmdNo", 569}};
  const struct {
    int32_t showType;
    const char* button;  // nullptr: the window's close box
    int32_t returnCode;
    Places shownAt;
  } cases[] = {
      {1, "cmdYes", 0, all},
      {1, "CmdYesToAll", 1, all},
      {1, "CmdNo", 2, all},
      {1, "cmdCancel", 3, all},
      {0, nullptr, 2, yesNo},
      {0, "cmdYes", 0, yesNo},
      {2, "cmdCancel", 3, {{"cmdCancel", 569}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.button ? c.button : "close box");
    Places shownAt;
    QSize size;
    const auto registration = Register([&](QDialog& window) {
      size = window.size();
      for (QPushButton* button : window.findChildren<QPushButton*>()) {
        if (button->isVisible()) shownAt[button->objectName().toStdString()] = button->x();
      }
      if (c.button) {
        window.findChild<QPushButton*>(c.button)->click();
      } else {
        window.close();
      }
    });
    auto form = ItemListForm(c.showType);
    form->Show();
    EXPECT_EQ(form->ReturnCode(), c.returnCode);
    EXPECT_FALSE(form->Visible());
    EXPECT_EQ(shownAt, c.shownAt);
    EXPECT_EQ(size, QSize(653, 407));
  }
}

TEST_F(QtDialog, ControlsFollowTheWindowAndDraggedWidthsAreRemembered) {
  QRect grid, cancel;
  const auto registration = Register([&](QDialog& window) {
    window.resize(900, 600);
    QCoreApplication::processEvents();
    auto* table = window.findChild<QTableView*>("ldgOOSItem");
    grid = table->geometry();
    cancel = window.findChild<QPushButton*>("cmdCancel")->geometry();
    table->horizontalHeader()->resizeSection(1, 150);
    window.findChild<QPushButton*>("cmdCancel")->click();
  });
  auto form = ItemListForm(1);
  form->Show();
  form->Unload();
  // 15 twips to the pixel: the rules of the dialog for 13500 x 9000 twips.
  EXPECT_EQ(grid, QRect(5, 56, 890, 422));
  EXPECT_EQ(cancel, QRect(816, 82, 75, 21));
  std::ifstream profile(folder_ / "ZEZSystem.INI");
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(profile), {}),
            "[frmOOS]\ncol1=1000\ncol2=2250\ncol3=1000\n");
}

// The box shows its title, text and icon; a button answers its own code,
// the close box the refusing one.
TEST_F(QtDialog, MessageBoxAnswersTheButtonClickedOrItsClosedAnswer) {
  using namespace msgbox;
  const struct {
    int32_t style;
    QMessageBox::StandardButton click;  // NoButton: the close box
    int32_t answer;
    QMessageBox::Icon icon;
  } cases[] = {
      {kOkOnly + kInformation, QMessageBox::Ok, kOk, QMessageBox::Information},
      {kYesNoCancel + kQuestion, QMessageBox::No, kNo, QMessageBox::Question},
      {kYesNo + kExclamation, QMessageBox::NoButton, kNo, QMessageBox::Warning},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.style);
    std::string shown;
    const auto registration = Register([&](QDialog& window) {
      auto& box = dynamic_cast<QMessageBox&>(window);
      shown = (box.windowTitle() + ": " + box.text()).toStdString();
      EXPECT_EQ(box.icon(), c.icon);
      QAbstractButton* button = box.button(c.click);  // none: the close box
      button ? button->click() : void(box.close());
    });
    EXPECT_EQ(MsgBox("该单据没有物料!", c.style, "Velmora提示"), c.answer);
    EXPECT_EQ(shown, "Velmora提示: 该单据没有物料!");
  }
}

// The demo purchase order through DoAction on the demo database: the
// window is saved as a PNG ($LUMO_SCREENSHOT, else in the test's temporary
// folder) and answered No.
TEST_F(QtDialog, DemoAlertShowsItsLinesAndRendersToPng) {
  const std::string database = (folder_ / "demo.db").string();
  data::CreateDatabase(database, /*withDemoData=*/true);
  const std::string props = "DBFile=" + database + ";UserID=16;Language=CHS";
  data::RegisterDataAccess();
  components::RegisterHostComponents({})->Set(static_cast<int32_t>(::getpid()), "PropsString",
                                              props);
  const char* named = std::getenv("LUMO_SCREENSHOT");
  const std::string png = named ? named : ::testing::TempDir() + "price-alert-dialog.png";

  QString family, title, price;
  QVariant priceAlignment, nameAlignment;
  const auto registration = Register([&](QDialog& window) {
    family = window.font().family();
    const QAbstractItemModel& rows = *window.findChild<QTableView*>("ldgOOSItem")->model();
    title = rows.headerData(0, Qt::Horizontal, Qt::DisplayRole).toString();
    price = rows.data(rows.index(2, 8)).toString();
    priceAlignment = rows.data(rows.index(0, 7), Qt::TextAlignmentRole);
    nameAlignment = rows.data(rows.index(0, 2), Qt::TextAlignmentRole);
    window.grab().save(QString::fromStdString(png));
    window.findChild<QPushButton*>("CmdNo")->click();
  });
  const auto bill = hosting::ReadJsonFile(LUMO_SOURCE_DIR "/data/po_bill_2201.json", std::cin);
  auto dctPara = ObjectAs<Dictionary>(hosting::VariantFromJson(bill));
  dctPara->SetValue("PropString", props);
  DictionaryRef dctReturn;
  EXPECT_EQ(clsActionIC().DoAction("TevSer_POPriceAlert", "", dctPara, dctReturn), 0);
  EXPECT_EQ(clsActionIC::LastError().number, 0) << clsActionIC::LastError().description;

  ASSERT_NE(dctReturn, nullptr);
  EXPECT_EQ(dctReturn->Value("CancelSeries"), Variant(true));
  EXPECT_EQ(family.toStdString(), "WenQuanYi Micro Hei");
  EXPECT_EQ(title.toStdString(), "行号");
  EXPECT_EQ(price.toStdString(), "1,280.50");
  EXPECT_EQ(priceAlignment.toInt(), int(Qt::AlignRight | Qt::AlignVCenter));
  EXPECT_EQ(nameAlignment.toInt(), int(Qt::AlignLeft | Qt::AlignVCenter));
  EXPECT_EQ(QImage(QString::fromStdString(png)).size(), QSize(653, 407));
}

}  // namespace
}  // namespace lumo::ui
