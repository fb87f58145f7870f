// lumo-action run from the server database's tests, in a scratch folder of
// the test's own.
#pragma once

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace lumo::testing {

// A folder of the test's own, named after it (and `suffix`), removed with
// the object. A parameterized test's name holds a "/", which goes.
class Scratch {
 public:
  explicit Scratch(const std::string& suffix = "") : folder(Folder(suffix)) {
    std::filesystem::create_directories(folder);
  }
  ~Scratch() { std::filesystem::remove_all(folder); }
  Scratch(const Scratch&) = delete;
  Scratch& operator=(const Scratch&) = delete;

  std::string Path(const std::string& name) const { return (folder / name).string(); }

  const std::filesystem::path folder;

 private:
  static std::filesystem::path Folder(const std::string& suffix) {
    std::string name = "lumo-pg-" + std::to_string(::getpid()) + "-" +
                       ::testing::UnitTest::GetInstance()->current_test_info()->name() + suffix;
    std::replace(name.begin(), name.end(), '/', '_');
    return std::filesystem::temp_directory_path() / name;
  }
};

struct Outcome {
  int status;
  std::string out, err;
};

inline std::string FileText(const std::string& path) {
  std::ifstream file(path);
  return {std::istreambuf_iterator<char>(file), {}};
}

// Runs lumo-action with the arguments (single-quoted) in the scratch folder,
// `input` on its standard input.
inline Outcome RunLumoAction(const Scratch& scratch, const std::vector<std::string>& args,
                             const std::string& input = "") {
  std::ofstream(scratch.Path("in")) << input;
  std::string command = "cd '" + scratch.folder.string() + "' && " LUMO_ACTION_EXE;
  for (const std::string& arg : args) command += " '" + arg + "'";
  command += " <in >out 2>err";
  const int status = std::system(command.c_str());
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, FileText(scratch.Path("out")),
          FileText(scratch.Path("err"))};
}

}  // namespace lumo::testing
