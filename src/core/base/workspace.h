#ifndef LUMORA_CORE_BASE_WORKSPACE_H_
#define LUMORA_CORE_BASE_WORKSPACE_H_

#include <string>
#include <string_view>

namespace lumora {

// The start stamp of a moment: the whole centiseconds since midnight divided by 100, as a
// float, in its general text ("45123.45").
std::string StartStampAt(int centiseconds_since_midnight);
// The whole centiseconds since midnight of now, local time.
int CentisecondsSinceMidnightNow();
// The start stamp of now, local time.
std::string StartStampNow();

// Where this run of the program keeps its files: the data folder and the start stamp that
// names the working files apart from those of any other run.
struct Workspace {
  std::string data_folder;
  std::string stamp;

  // A settings or library file of the data folder, by its bare name ("misc.set").
  std::string SettingsFile(std::string_view name) const;
  // A working file: data folder + stamp + name ("45123.45sheet.tlf").
  std::string WorkingFile(std::string_view name) const;
  // Deletes this run's working files (*.tlf, *.adj, *.tmp, *.lst after the stamp); files of
  // runs whose stamp merely starts with ours are left alone.
  void RemoveWorkingFiles() const;
};

}  // namespace lumora

#endif  // LUMORA_CORE_BASE_WORKSPACE_H_
