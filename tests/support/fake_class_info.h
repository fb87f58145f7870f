// A fake "LumoMClass.ClassInfo", registered while it lives. It records every
// (property string, SQL) it is given and answers from scripted tables: an
// exact SQL text first, else the next queued table, else nullptr. Every
// answer is a new Recordset, kept so that tests can see whether it was closed.
#pragma once

#include <deque>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/error.h"
#include "platform/hostapi/class_info.h"
#include "platform/object.h"
#include "platform/recordset.h"

namespace lumo::testing {

struct Table {
  std::vector<std::string> columns;
  std::vector<Recordset::Row> rows;
};

inline RecordsetRef MakeRecordset(const Table& table) {
  return std::make_shared<Recordset>(table.columns, table.rows);
}

class FakeClassInfo {
 public:
  struct Call {
    std::string propString;
    std::string sql;
  };

  FakeClassInfo()
      : registration_(kClassInfoProgId,
                      [state = state_] { return std::make_shared<Instance>(state); }) {}

  void Answer(const std::string& sql, Table table) { state_->bySql[sql] = std::move(table); }
  void AnswerNext(Table table) { state_->queue.push_back(std::move(table)); }
  // Every later call raises this error.
  void Fail(ErrorInfo error) { state_->failure = std::move(error); }

  const std::vector<Call>& calls() const { return state_->calls; }
  std::vector<std::string> sqls() const {
    std::vector<std::string> texts;
    for (const auto& call : state_->calls) texts.push_back(call.sql);
    return texts;
  }
  const std::vector<RecordsetRef>& answers() const { return state_->answers; }

 private:
  struct State {
    std::vector<Call> calls;
    std::map<std::string, Table> bySql;
    std::deque<Table> queue;
    std::optional<ErrorInfo> failure;
    std::vector<RecordsetRef> answers;
  };

  class Instance : public IClassInfo {
   public:
    explicit Instance(std::shared_ptr<State> state) : state_(std::move(state)) {}
    RecordsetRef GetData(const std::string& propString, const std::string& sql) override {
      state_->calls.push_back({propString, sql});
      if (state_->failure) Raise(*state_->failure);
      std::optional<Table> table;
      if (auto found = state_->bySql.find(sql); found != state_->bySql.end()) {
        table = found->second;
      } else if (!state_->queue.empty()) {
        table = std::move(state_->queue.front());
        state_->queue.pop_front();
      }
      if (!table) return nullptr;
      state_->answers.push_back(MakeRecordset(*table));
      return state_->answers.back();
    }

   private:
    std::shared_ptr<State> state_;
  };

  std::shared_ptr<State> state_ = std::make_shared<State>();
  ScopedRegistration registration_;
};

}  // namespace lumo::testing
