// A profile save that cannot be written whole (a full disk) is error 75 and
// leaves the profile, with the host's other sections, as it was.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "host/ui/ini_profile.h"
#include "platform/error.h"
#include "support/file_text.h"

namespace lumo::ui {
namespace {

namespace fs = std::filesystem;

// Writes col1 into the profile in a child process whose files may grow to
// `fileLimit` bytes; the error number raised, or 0.
int WriteWidthWithin(const fs::path& profile, rlim_t fileLimit) {
  const pid_t child = ::fork();
  if (child == 0) {
    const rlimit limit{fileLimit, fileLimit};
    ::signal(SIGXFSZ, SIG_IGN);  // a write past the limit fails instead of ending the process
    if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) ::_exit(100);
    try {
      IniProfile ini;
      ini.SetFileName(profile.string());
      ini.WriteValue("frmOOS", "col1", 900);
      ::_exit(0);
    } catch (const VbError& error) {
      ::_exit(error.number());
    }
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(IniProfileFaults, ASaveThatCannotBeWrittenWholeLeavesTheProfileAsItWas) {
  const fs::path folder =
      fs::temp_directory_path() / ("lumo-profile-faults-" + std::to_string(::getpid()));
  fs::remove_all(folder);
  fs::create_directories(folder);
  const fs::path profile = folder / "ZEZSystem.INI";
  const std::string kept = "[host]\nserver=" + std::string(200, 's') + "\n[frmOOS]\ncol1=1500\n";
  std::ofstream(profile) << kept;

  EXPECT_EQ(WriteWidthWithin(profile, 64), 75);
  EXPECT_EQ(testing::FileText(profile), kept);
  // With room, the same save goes through (SimpleIni puts blank lines
  // between sections), and no other file is left beside the profile.
  EXPECT_EQ(WriteWidthWithin(profile, RLIM_INFINITY), 0);
  EXPECT_EQ(testing::FileText(profile),
            "[host]\nserver=" + std::string(200, 's') + "\n\n\n[frmOOS]\ncol1=900\n");
  EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);
  fs::remove_all(folder);
}

}  // namespace
}  // namespace lumo::ui
