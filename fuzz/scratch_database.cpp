#include "scratch_database.h"

#include <sqlite3.h>
#include <unistd.h>

#include <memory>
#include <stdexcept>
#include <string_view>
#include <utility>

#include "host/data/database_file.h"

namespace lumo::fuzz {
namespace {

struct CloseDatabase {
  void operator()(sqlite3* db) const { sqlite3_close(db); }
};
struct FinalizeStatement {
  void operator()(sqlite3_stmt* statement) const { sqlite3_finalize(statement); }
};
using Connection = std::unique_ptr<sqlite3, CloseDatabase>;
using Statement = std::unique_ptr<sqlite3_stmt, FinalizeStatement>;

// A connection of the checks' own, which can change nothing.
Connection OpenReadOnly(const std::string& path) {
  sqlite3* db = nullptr;
  const int rc = sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr);
  Connection connection(db);
  if (rc != SQLITE_OK) throw std::runtime_error("cannot open " + path + ": " + sqlite3_errstr(rc));
  return connection;
}

Statement Prepare(sqlite3* db, const std::string& sql) {
  sqlite3_stmt* statement = nullptr;
  if (sqlite3_prepare_v2(db, sql.c_str(), -1, &statement, nullptr) != SQLITE_OK) {
    throw std::runtime_error(sql + ": " + sqlite3_errmsg(db));
  }
  return Statement(statement);
}

// FNV-1a over the rows' column types and bytes: a changed, added, removed
// or reordered row changes it.
class Checksum {
 public:
  void Add(std::string_view bytes) {
    for (unsigned char c : bytes) {
      hash_ = (hash_ ^ c) * 0x100000001b3ULL;
    }
  }
  void AddRows(sqlite3_stmt* statement) {
    int rc = SQLITE_ROW;
    while ((rc = sqlite3_step(statement)) == SQLITE_ROW) {
      for (int column = 0; column < sqlite3_column_count(statement); ++column) {
        const char type = static_cast<char>('0' + sqlite3_column_type(statement, column));
        const auto* bytes = static_cast<const char*>(sqlite3_column_blob(statement, column));
        const auto size = static_cast<size_t>(sqlite3_column_bytes(statement, column));
        Add(std::string_view(&type, 1));
        Add(bytes ? std::string_view(bytes, size) : std::string_view());
      }
      Add("\n");
    }
    if (rc != SQLITE_DONE) throw std::runtime_error("cannot read the rows of a table");
  }
  uint64_t value() const { return hash_; }

 private:
  uint64_t hash_ = 0xcbf29ce484222325ULL;
};

}  // namespace

ScratchDatabase::ScratchDatabase(const std::string& program, std::set<std::string> meantToChange)
    : folder_(std::filesystem::temp_directory_path() /
              (program + "_" + std::to_string(::getpid()))),
      meantToChange_(std::move(meantToChange)) {
  std::filesystem::remove_all(folder_);
  std::filesystem::create_directories(folder_);
  data::CreateDatabase(path(), /*withDemoData=*/true);
  start_ = Checksums();
}

ScratchDatabase::~ScratchDatabase() {
  std::error_code ignored;
  std::filesystem::remove_all(folder_, ignored);
}

std::string ScratchDatabase::props() const {
  return "DBFile={" + path() + "};UserID=16;Language=CHS";
}

std::string ScratchDatabase::IntegrityCheck() const {
  const Connection db = OpenReadOnly(path());
  const Statement check = Prepare(db.get(), "PRAGMA integrity_check");
  std::string answer;
  while (sqlite3_step(check.get()) == SQLITE_ROW) {
    if (!answer.empty()) answer += '\n';
    answer += reinterpret_cast<const char*>(sqlite3_column_text(check.get(), 0));
  }
  return answer;
}

std::map<std::string, uint64_t> ScratchDatabase::Checksums() const {
  const Connection db = OpenReadOnly(path());
  std::map<std::string, uint64_t> sums;
  const Statement schema =
      Prepare(db.get(), "SELECT type, name, tbl_name, sql FROM sqlite_master ORDER BY name");
  Checksum schemaSum;
  schemaSum.AddRows(schema.get());
  sums["sqlite_master"] = schemaSum.value();

  const Statement tables =
      Prepare(db.get(), "SELECT name FROM sqlite_master WHERE type = 'table' ORDER BY name");
  while (sqlite3_step(tables.get()) == SQLITE_ROW) {
    const std::string name = reinterpret_cast<const char*>(sqlite3_column_text(tables.get(), 0));
    if (meantToChange_.contains(name)) continue;
    // Rowid order: the order of the rows is part of the checksum.
    const Statement rows = Prepare(db.get(), "SELECT * FROM \"" + name + "\" ORDER BY rowid");
    Checksum sum;
    sum.AddRows(rows.get());
    sums[name] = sum.value();
  }
  return sums;
}

std::vector<std::string> ScratchDatabase::ChangedTables() const {
  const std::map<std::string, uint64_t> now = Checksums();
  std::vector<std::string> changed;
  for (const auto& [name, sum] : now) {
    const auto before = start_.find(name);
    if (before == start_.end() || before->second != sum) changed.push_back(name);
  }
  for (const auto& [name, sum] : start_) {
    if (!now.contains(name)) changed.push_back(name);
  }
  return changed;
}

}  // namespace lumo::fuzz
