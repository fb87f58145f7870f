// A fake "BillDataAccess.GetData", registered while it lives. Every instance
// the component creates is counted; every GetSupplyInfo call is recorded
// with its property string and the request's entries in their order, and
// answered with `answer`.
#pragma once

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "hostapi/bill_data.h"
#include "support/dictionary_entries.h"

namespace lumo::testing {

struct FakeBillGetData {
  struct Request {
    std::string propString;
    Entries entries;
    bool operator==(const Request&) const = default;
  };

  struct Answers {
    int created = 0;
    std::vector<Request> requests;
    Variant answer = Variant::Nothing();
  };

  struct GetData : IBillGetData {
    std::shared_ptr<Answers> answers;
    explicit GetData(std::shared_ptr<Answers> a) : answers(std::move(a)) {}

    Variant GetSupplyInfo(const std::string& propString, const DictionaryRef& request) override {
      answers->requests.push_back({propString, EntriesOf(Deref(request))});
      return answers->answer;
    }
  };

  std::shared_ptr<Answers> answers = std::make_shared<Answers>();
  ScopedRegistration registration{kBillGetDataProgId, [answers = answers] {
                                    ++answers->created;
                                    return std::make_shared<GetData>(answers);
                                  }};
};

}  // namespace lumo::testing
