// A copy of the demo database for one fuzzing process, in a folder of its
// own that goes with the object, and the checks that bad input left it
// sound: SQLite's integrity check, and a checksum of every table's rows
// (and of the schema) taken at the start and compared after each input.
// The tables that the actions are meant to write are left out of the
// comparison.
#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace lumo::fuzz {

class ScratchDatabase {
 public:
  // `program` names the folder; `meantToChange`: tables not compared.
  ScratchDatabase(const std::string& program, std::set<std::string> meantToChange);
  ~ScratchDatabase();
  ScratchDatabase(const ScratchDatabase&) = delete;
  ScratchDatabase& operator=(const ScratchDatabase&) = delete;

  const std::filesystem::path& folder() const { return folder_; }
  std::string path() const { return (folder_ / "demo.db").string(); }
  // The session property string of the database, as lumo-action writes it.
  std::string props() const;

  // What PRAGMA integrity_check answers, its rows joined by line feeds:
  // "ok" for a sound file.
  std::string IntegrityCheck() const;
  // The compared tables whose rows differ from the start, and
  // "sqlite_master" when the schema does; empty when nothing changed.
  std::vector<std::string> ChangedTables() const;

 private:
  // Table name (and "sqlite_master") -> checksum of its rows.
  std::map<std::string, uint64_t> Checksums() const;

  std::filesystem::path folder_;
  std::set<std::string> meantToChange_;
  std::map<std::string, uint64_t> start_;
};

}  // namespace lumo::fuzz
