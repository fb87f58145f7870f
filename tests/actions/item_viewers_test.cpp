// The stock status viewer and the item replacement browser, opened on the
// items of a bill ("P_ICItemID": one value, or a column from element 1).
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "support/action_test_access.h"
#include "support/dictionary_entries.h"
#include "support/fake_presenter.h"
#include "support/fake_res_loader.h"
#include "support/fake_share_props.h"
#include "support/fake_viewers.h"
#include "support/fresh_thread.h"
#include "support/vb_testing.h"

namespace lumo::testing {
namespace {

using Calls = std::vector<std::string>;
const Calls kBrowserMade = {"new", "ShowMode 1", "ShowType 2"};
const Calls kEveryItem = {"new", "Show"};

Calls ByBill(const std::string& list) {
  return {"new", "ShowByBill t1.FItemID IN (" + list + ")"};
}
Calls Filtered(const std::string& list) {
  return {"new", "ShowMode 1", "ShowType 2", "Filter t1.FItemID IN (" + list + ")", "Show"};
}

DictionaryRef ItemPara(const std::optional<Variant>& items) {
  return items ? ParaOf({{"P_ICItemID", *items}}) : ParaOf({});
}

}  // namespace

// Stock status leaves blank lines out and shows every item without any;
// the browser keeps a blank line's place and, without items, gives the
// message instead of showing itself.
TEST(ItemViewers, TurnTheBillsItemsIntoTheViewersCondition) {
  const Variant junk = "1) OR 1=1 --";  // element 0 is never read
  const struct {
    const char* name;
    std::optional<Variant> items;  // nullopt: no key
    Calls stock, browser;          // the browser without Show: the message
  } cases[] = {
      {"no key", std::nullopt, kEveryItem, kBrowserMade},
      {"10, 20, 30", VbArray(0, {junk, 10, 20, 30}), ByBill("10,20,30"), Filtered("10,20,30")},
      {"10, empty, 30", VbArray(0, {junk, 10, "", 30}), ByBill("10,30"), Filtered("10,,30")},
      {"empty, 10", VbArray(1, {"", 10}), ByBill("10"), Filtered("10")},
      {"only empty texts", VbArray(0, {junk, "", "", ""}), kEveryItem, kBrowserMade},
      {"only blanks", VbArray(0, {junk, " ", "  "}), kEveryItem, kBrowserMade},
      {"the text 5,6", "5,6", ByBill("5,6"), Filtered("5,6")},
      {"blanks around ids", " 7 , -8", ByBill(" 7 , -8"), Filtered(" 7 , -8")},
      {"a text with an empty piece", "10,,30", ByBill("10,,30"), Filtered("10,,30")},
      {"an empty text", "", kEveryItem, kBrowserMade},
      {"a text of blanks and commas", " , ", kEveryItem, kBrowserMade},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    FakeStockStatus stock;
    FakeResourcesBrowser browser;
    FakePresenter presenter;
    DictionaryRef result;
    EXPECT_EQ(ActionTestAccess::Call("TevSer_VStockStatus", ItemPara(c.items), result), 0);
    EXPECT_EQ(ActionTestAccess::Call("TevSer_VItemReplace", ItemPara(c.items), result), 0);
    EXPECT_EQ(stock.viewer->calls, c.stock);
    EXPECT_EQ(browser.viewer->calls, c.browser);
    EXPECT_EQ(presenter.presenter->messageBoxes.size(), c.browser.back() == "Show" ? 0u : 1u);
    EXPECT_EQ(result, nullptr);
  }
}

// Anything but whole numbers between the commas would become SQL in the
// viewer: refused before a viewer is made.
TEST(ItemViewers, RefuseItemListsThatAreNotIdsBeforeMakingTheViewer) {
  const struct {
    Variant items;
    std::string piece;
  } cases[] = {
      {"1) OR 1=1 --", "1) OR 1=1 --"},
      {VbArray(1, {10, "20); DROP TABLE t_ICItem; --"}), "20); DROP TABLE t_ICItem; --"},
      {"5, 7.5", "7.5"},
      {VbArray(1, {"x", ""}), "x"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.piece);
    FakeStockStatus stock;
    FakeResourcesBrowser browser;
    FakePresenter presenter;
    const std::string refused = "\"" + c.piece + "\" is not an item id";
    DictionaryRef result;
    EXPECT_VB_ERROR_INFO(ActionTestAccess::Call("TevSer_VStockStatus", ItemPara(c.items), result),
                         -1, "ViewStockStatus:P_ICItemID", refused);
    EXPECT_VB_ERROR_INFO(ActionTestAccess::Call("TevSer_VItemReplace", ItemPara(c.items), result),
                         -1, "P_ICItemID", refused);
    EXPECT_TRUE(stock.viewer->calls.empty());
    EXPECT_TRUE(browser.viewer->calls.empty());
    EXPECT_TRUE(presenter.presenter->messageBoxes.empty());
  }
}

TEST(ItemViewers, ABillWithoutItemsGetsTheTranslatedMessageWithOkAndInformation) {
  OnFreshThread([] {
    FakeShareProps session("Language=eng");
    FakeResLoaders loaders;
    FakeResourcesBrowser browser;
    FakePresenter presenter;
    DictionaryRef result;
    EXPECT_EQ(ActionTestAccess::Call("TevSer_VItemReplace", ParaOf({}), result), 0);
    using Box = FakePresenter::Presenter::MessageBox;
    EXPECT_EQ(presenter.presenter->messageBoxes,
              std::vector<Box>({{"ENG:该单据没有物料!", 64, "ENG:Velmora提示"}}));
  });
}

// The stock viewer's errors leave with "ViewStockStatus:"; the browser's
// reach DoAction as they were raised.
TEST(ItemViewers, ViewerErrorsLeaveByEachActionsPath) {
  FakeStockStatus stock;
  FakeResourcesBrowser browser;
  stock.viewer->failOn = "ShowByBill";
  browser.viewer->failOn = "ShowType";
  const auto para = ParaOf({{"P_ICItemID", "10"}});
  DictionaryRef result;
  EXPECT_VB_ERROR_INFO(ActionTestAccess::Call("TevSer_VStockStatus", para, result), 5,
                       "ViewStockStatus:Viewer", "the viewer failed");
  EXPECT_VB_ERROR_INFO(ActionTestAccess::Call("TevSer_VItemReplace", para, result), 5, "Viewer",
                       "the viewer failed");
  EXPECT_EQ(browser.viewer->calls, Calls({"new", "ShowMode 1", "ShowType 2"}));
}

}  // namespace lumo::testing
