#include "dialog/column_widths.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "dialog/frm_oos.h"
#include "host/ui/ini_profile.h"
#include "support/fresh_thread.h"
#include "support/item_list.h"

namespace lumo::dialog {
namespace {

namespace fs = std::filesystem;
using Widths = std::vector<float>;

TEST(ColumnWidths, ProfileLivesWhereItIsNamedBesideTheComponentOrInTheUsersConfig) {
  const std::string home = "/home/me/.config/lumo-action/ZEZSystem.INI";
  const struct {
    const char* name;
    ProfileLocations where;
    fs::path expected;
  } cases[] = {
      {"named", {"/tmp/mine.ini", "/opt/lumo", true, "/cfg", "/home/me"}, "/tmp/mine.ini"},
      {"beside the component",
       {"", "/opt/lumo", true, "/cfg", "/home/me"},
       "/opt/lumo/ZEZSystem.INI"},
      {"XDG config", {"", "/usr/bin", false, "/cfg", "/home/me"}, "/cfg/lumo-action/ZEZSystem.INI"},
      {"relative XDG ignored", {"", "/usr/bin", false, "cfg", "/home/me"}, home},
      {"home config", {"", "", true, "", "/home/me"}, home},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(ChooseProfilePath(c.where), c.expected);
  }
}

std::string ReadText(const fs::path& path) {
  std::ifstream file(path);
  return {std::istreambuf_iterator<char>(file), {}};
}

// Each test names its own profile through LUMO_PROFILE and registers the
// INI helper; the helper is made once per thread, so each test runs on one.
class ColumnWidthsInProfile : public ::testing::Test {
 protected:
  const fs::path folder_ =
      fs::temp_directory_path() / ("lumo-widths-" + std::to_string(::getpid()));
  const fs::path profile_ = folder_ / "ZEZSystem.INI";
  ScopedRegistration ini_{kIniProfileProgId, [] { return std::make_shared<ui::IniProfile>(); }};

  void SetUp() override {
    fs::create_directories(folder_);
    ::setenv("LUMO_PROFILE", profile_.c_str(), 1);
  }
  void TearDown() override {
    ::unsetenv("LUMO_PROFILE");
    fs::remove_all(folder_);
  }
};

TEST_F(ColumnWidthsInProfile, WidthsReadBackAndANarrowerListLeavesHigherKeys) {
  testing::OnFreshThread([&] {
    SaveColumnWidths({1500, 800.5f, 0, 1234.567f});
    EXPECT_EQ(ReadText(profile_), "[frmOOS]\ncol1=1500\ncol2=800.5\ncol3=0\ncol4=1234.567\n");
    SaveColumnWidths({900, 700});
    EXPECT_EQ(ReadText(profile_), "[frmOOS]\ncol1=900\ncol2=700\ncol3=0\ncol4=1234.567\n");
    Widths widths(5, 1000);
    LoadColumnWidths(widths);
    EXPECT_EQ(widths, (Widths{900, 700, 0, 1234.567f, 1000}));
  });
}

// Values that are no width, and profiles that cannot be used, change nothing
// and raise nothing.
TEST_F(ColumnWidthsInProfile, UnusableValuesAndProfilesLeaveTheWidths) {
  testing::OnFreshThread([&] {
    std::ofstream(profile_) << "[FRMOOS]\nCOL1= 12 \ncol2=\ncol3=abc\ncol4=-5\ncol5=1e40\n"
                               "[other]\ncol6=50\n";
    Widths widths(6, 1000);
    LoadColumnWidths(widths);
    EXPECT_EQ(widths, (Widths{12, 1000, 1000, 1000, 1000, 1000}));

    std::ofstream(folder_ / "file") << "not a folder";
    for (const fs::path& unusable : {folder_ / "file" / "ZEZSystem.INI", folder_}) {
      SCOPED_TRACE(unusable);
      ::setenv("LUMO_PROFILE", unusable.c_str(), 1);
      Widths widths(2, 1000);
      SaveColumnWidths({5, 6});
      LoadColumnWidths(widths);
      EXPECT_EQ(widths, (Widths{1000, 1000}));
      EXPECT_EQ(Err().number, 0);
    }
    UnregisterClass(kIniProfileProgId);  // without the helper at all
    Widths one(1, 1000);
    LoadColumnWidths(one);
    EXPECT_EQ(one, Widths{1000});
  });
}

TEST_F(ColumnWidthsInProfile, TheDialogRemembersWidthsBetweenUses) {
  testing::OnFreshThread([&] {
    auto first = std::make_shared<frmOOS>();
    first->SetOOSItemVect(testing::ItemList());
    first->SetCaption("first");
    EXPECT_EQ(first->ColumnWidth(2), 1000);
    first->SetColumnWidth(2, 2250);
    first->Unload();
    EXPECT_EQ(ReadText(profile_), "[frmOOS]\ncol1=1000\ncol2=2250\ncol3=1000\n");

    auto second = std::make_shared<frmOOS>();
    second->SetOOSItemVect(testing::ItemList());
    second->SetCaption("second");
    EXPECT_EQ(second->ColumnWidth(2), 2250);
  });
}

}  // namespace
}  // namespace lumo::dialog
