// The grid's column widths, remembered between uses of the list dialog in
// the profile "ZEZSystem.INI", section "frmOOS", keys "col1", "col2", ...
// (the width of each column position in twips). Every use of the dialog
// shares the one set of widths.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace lumo::dialog {

// Where the profile file may be.
struct ProfileLocations {
  std::string named;                      // $LUMO_PROFILE
  std::filesystem::path componentFolder;  // of the component's own file
  bool componentFolderWritable = false;
  std::string xdgConfigHome;  // $XDG_CONFIG_HOME
  std::string home;           // $HOME
};

// The file that $LUMO_PROFILE names; else "ZEZSystem.INI" beside the
// component's own file when that folder is writable; else the same name in
// the user's configuration folder ($XDG_CONFIG_HOME/lumo-action/, else
// ~/.config/lumo-action/).
std::filesystem::path ChooseProfilePath(const ProfileLocations& locations);

// ChooseProfilePath for this process. The component's own file is the
// shared library it was loaded from, or else the program.
std::filesystem::path ProfileFilePath();

// Sets widths[i] to the remembered width of column i + 1 where the profile
// holds a usable one (a number, 0 or more); the others keep their value.
// Never raises: an unreadable profile changes nothing.
void LoadColumnWidths(std::vector<float>& widths);

// Stores every width under its column's key, leaving the keys of higher
// columns as they are. Never raises: an unwritable profile stores nothing.
void SaveColumnWidths(const std::vector<float>& widths);

// The key of a column position: "col" and the position (col1, col10).
std::string ColumnKey(size_t position);

}  // namespace lumo::dialog
