// A fake "BillDataAccess.SysInfo", registered while it lives. Every instance
// the component creates is counted, every call is recorded as one text, and
// the answers come from the scripted tables below (a missing entry answers
// as the real component does for an unknown id: no rows, -1, or 0 and 0).
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "hostapi/sys_info.h"
#include "support/fake_class_info.h"

namespace lumo::testing {

struct FakeSysInfo {
  struct Answers {
    int created = 0;
    std::vector<std::string> calls;
    // GetItemInfo: (table, id) -> rows.
    std::map<std::pair<std::string, int32_t>, Table> items;
    // GetPOMaxHighPrice: (supplier, item, currency, price type) -> price.
    std::map<std::tuple<int32_t, int32_t, int32_t, int32_t>, Variant> maxPrices;
    // GetCoeAndScale: unit -> (coefficient, scale).
    std::map<int32_t, std::pair<double, double>> units;
  };

  struct Info : ISysInfo {
    std::shared_ptr<Answers> answers;
    explicit Info(std::shared_ptr<Answers> a) : answers(std::move(a)) {}

    RecordsetRef GetItemInfo(const std::string& propString, const std::string& table, int32_t id,
                             const std::string& keyColumn) override {
      answers->calls.push_back("GetItemInfo " + propString + " " + table + " " +
                               std::to_string(id) + " " + keyColumn);
      const auto found = answers->items.find({table, id});
      return MakeRecordset(found == answers->items.end() ? Table{{keyColumn}, {}} : found->second);
    }
    Variant GetPOMaxHighPrice(std::string& propString, int32_t& supplierId, int32_t& itemId,
                              int32_t& currencyId, double& exchangeRate,
                              int32_t& priceType) override {
      answers->calls.push_back("GetPOMaxHighPrice " + propString + " " +
                               std::to_string(supplierId) + " " + std::to_string(itemId) + " " +
                               std::to_string(currencyId) + " " + std::to_string(exchangeRate) +
                               " " + std::to_string(priceType));
      const auto found = answers->maxPrices.find({supplierId, itemId, currencyId, priceType});
      return found == answers->maxPrices.end() ? Variant(-1.0) : found->second;
    }
    void GetCoeAndScale(std::string& propString, int32_t& unitId, double& coefficient,
                        double& scale) override {
      answers->calls.push_back("GetCoeAndScale " + propString + " " + std::to_string(unitId));
      const auto found = answers->units.find(unitId);
      std::tie(coefficient, scale) =
          found == answers->units.end() ? std::pair(0.0, 0.0) : found->second;
    }
  };

  std::shared_ptr<Answers> answers = std::make_shared<Answers>();
  ScopedRegistration registration{kSysInfoProgId, [answers = answers] {
                                    ++answers->created;
                                    return std::make_shared<Info>(answers);
                                  }};
};

}  // namespace lumo::testing
