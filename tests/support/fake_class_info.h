// A fake "LumoMClass.ClassInfo", registered while it lives. It records every
// (property string, SQL) it is given and answers each call with the next
// queued table (nullptr when none is left), or raises `failure` when set
// (on every call, or only on call number `failingCall` when that is not 0).
#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "hostapi/class_info.h"
#include "platform/error.h"
#include "platform/recordset.h"

namespace lumo::testing {

struct Table {
  std::vector<std::string> columns;
  std::vector<Recordset::Row> rows;
};

inline RecordsetRef MakeRecordset(const Table& t) {
  return std::make_shared<Recordset>(t.columns, t.rows);
}

using Calls = std::vector<std::pair<std::string, std::string>>;  // (propString, sql)

struct FakeClassInfo {
  struct Db : IClassInfo {
    Calls calls;
    std::deque<Table> queue;
    std::optional<ErrorInfo> failure;
    size_t failingCall = 0;
    RecordsetRef GetData(const std::string& propString, const std::string& sql) override {
      calls.emplace_back(propString, sql);
      if (failure && (failingCall == 0 || calls.size() == failingCall)) Raise(*failure);
      if (queue.empty()) return nullptr;
      const RecordsetRef answer = MakeRecordset(queue.front());
      queue.pop_front();
      return answer;
    }
  };
  std::shared_ptr<Db> db = std::make_shared<Db>();
  ScopedRegistration registration{kClassInfoProgId, [db = db] { return db; }};
};

// An expected statement written as another one changed: each pair's first
// text (which must occur) replaced by its second, once.
inline std::string With(std::string sql,
                        const std::vector<std::pair<std::string, std::string>>& edits) {
  for (const auto& [from, to] : edits) {
    const size_t at = sql.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    if (at != std::string::npos) sql.replace(at, from.size(), to);
  }
  return sql;
}

}  // namespace lumo::testing
