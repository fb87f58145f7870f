// A transaction on a session that ends in a rollback unless it was
// committed, so a batch of changes is all or nothing however it is left.
#pragma once

#include "host/data/sql_session.h"

namespace lumo::data {

class Transaction {
 public:
  explicit Transaction(SqlSession& session) : session_(session) { session_.Begin(); }
  ~Transaction() {
    if (!committed_) session_.Rollback();
  }
  Transaction(const Transaction&) = delete;
  Transaction& operator=(const Transaction&) = delete;

  // A commit that fails leaves the transaction to be rolled back.
  void Commit() {
    session_.Commit();
    committed_ = true;
  }

 private:
  SqlSession& session_;
  bool committed_ = false;
};

}  // namespace lumo::data
