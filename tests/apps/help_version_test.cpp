// lumo-action --help and --version.
#include <gtest/gtest.h>

#include <regex>
#include <sstream>
#include <string>

#include "options.h"

namespace lumo::app {
namespace {

TEST(HelpAndVersion, VersionIsOneLineWithTheProgramAndItsVersion) {
  const std::string text = ParseOptions({"--version"}).helpText;
  EXPECT_TRUE(std::regex_match(text, std::regex("lumo-action [0-9]+\\.[0-9]+\n"))) << text;
}

TEST(HelpAndVersion, HelpListsEveryOptionOnOneLineWithItsDescription) {
  const std::string help = ParseOptions({"--help"}).helpText;
  // Below "Options:" every line is one option: its name, then what it does.
  std::istringstream lines(help.substr(help.find("Options:\n") + 9));
  std::string options;
  for (std::string line; std::getline(lines, line) && !line.empty();) {
    SCOPED_TRACE(line);
    EXPECT_TRUE(std::regex_match(line, std::regex("  -[-,a-z]+ +[^ ].*")));
    options += line.substr(0, line.find(' ', 2)) + '\n';
  }
  EXPECT_EQ(options,
            "  -h,--help\n  --version\n  --create-db\n  --empty\n  --db\n  --props\n  --para\n"
            "  --return\n  --ui\n  --answer\n  --pick\n  --trace\n");
}

}  // namespace
}  // namespace lumo::app
