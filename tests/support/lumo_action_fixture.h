// The lumo-action executable run on fresh database files, as the end-to-end
// tests share it.
#pragma once

#include <gtest/gtest.h>
#include <pty.h>
#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace lumo::app {

namespace fs = std::filesystem;

inline std::string ReadText(const std::string& path) {
  std::ifstream file(path);
  return {std::istreambuf_iterator<char>(file), {}};
}

// Runs the statement on the database file as another program would; the
// first column of its last row.
inline std::string Sql(const std::string& database, const std::string& sql) {
  sqlite3* db = nullptr;
  std::string value;
  const auto keep = [](void* into, int, char** values, char**) {
    *static_cast<std::string*>(into) = values[0] ? values[0] : "NULL";
    return 0;
  };
  EXPECT_EQ(sqlite3_open(database.c_str(), &db), SQLITE_OK);
  EXPECT_EQ(sqlite3_exec(db, sql.c_str(), keep, &value, nullptr), SQLITE_OK) << sql;
  sqlite3_close(db);
  return value;
}

struct Outcome {
  int status;
  std::string out, err;
};

// Each test gets a fresh folder with a demo and an empty database written by
// --create-db; Run calls the executable in that folder with the arguments
// single-quoted and `input` as standard input, after the shell text `env`
// (assignments) and with the shell text `redirect` after its own
// redirections.
class LumoAction : public ::testing::Test {
 protected:
  const fs::path folder_ =
      fs::temp_directory_path() / ("lumo-action-test-" + std::to_string(::getpid()) + "-" +
                                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
  void SetUp() override {
    fs::create_directories(folder_);
    ASSERT_EQ(Run({"--create-db", demo}).status, 0);
    ASSERT_EQ(Run({"--create-db", empty, "--empty"}).status, 0);
  }
  void TearDown() override { fs::remove_all(folder_); }
  std::string Path(const char* name) const { return (folder_ / name).string(); }
  Outcome Run(const std::vector<std::string>& args, const std::string& input = "",
              const std::string& env = "", const std::string& redirect = "") const {
    std::ofstream(Path("in")) << input;
    std::string command = "cd '" + folder_.string() + "' && " + env + " " LUMO_ACTION_EXE;
    for (const std::string& arg : args) command += " '" + arg + "'";
    command += " <'" + Path("in") + "' >'" + Path("out") + "' 2>'" + Path("err") + "' " + redirect;
    const int status = std::system(command.c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadText(Path("out")),
            ReadText(Path("err"))};
  }
  // Run with standard input and standard error on a new terminal (a
  // pseudo-terminal) on which `input` is typed, and standard output into a
  // file, as `lumo-action ... | jq` has it: err is all the terminal showed.
  Outcome RunOnTerminal(const std::vector<std::string>& args, const std::string& input,
                        const std::string& env = "") const {
    std::string command = "cd '" + folder_.string() + "' && " + env + " " LUMO_ACTION_EXE;
    for (const std::string& arg : args) command += " '" + arg + "'";
    command += " >'" + Path("out") + "'";
    int terminal = -1, side = -1;
    if (::openpty(&terminal, &side, nullptr, nullptr, nullptr) != 0) {
      ADD_FAILURE() << "openpty: " << std::strerror(errno);
      return {-1, "", ""};
    }
    const pid_t child = ::fork();
    if (child == 0) {
      ::setsid();
      ::dup2(side, 0);
      ::dup2(side, 2);
      ::close(terminal);
      ::close(side);
      ::execl("/bin/sh", "sh", "-c", command.c_str(), nullptr);
      ::_exit(127);
    }
    ::close(side);
    EXPECT_EQ(::write(terminal, input.data(), input.size()), static_cast<ssize_t>(input.size()));
    std::string shown;
    char buffer[4096];
    // Read until the terminal's other side is closed (EIO) by the program's end.
    for (ssize_t n; (n = ::read(terminal, buffer, sizeof buffer)) != 0;) {
      if (n > 0) shown.append(buffer, static_cast<size_t>(n));
      if (n < 0 && errno != EINTR) break;
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    ::close(terminal);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadText(Path("out")), shown};
  }
  const std::string demo = Path("demo.db"), empty = Path("empty.db");
};

}  // namespace lumo::app
