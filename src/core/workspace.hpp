#pragma once

#include <filesystem>
#include <string_view>

namespace ravix {

// The workspace folders beside the settings file.
inline constexpr const char* kDrawingFolder = "Drawing";
inline constexpr const char* kFramesFolder = "Frames";
inline constexpr const char* kIldaFolder = "ILDAimage";
inline constexpr const char* kSectionFolder = "Section";
inline constexpr const char* kSequenceFolder = "Sequence";
inline constexpr const char* kEffectFolder = "Effect";
inline constexpr const char* kEffectListFolder = "EffectLIST";
inline constexpr const char* kMusicFolder = "Music";
inline constexpr const char* kQuickFrameFolder = "quickframe";
inline constexpr const char* kWorkspaceFolders[] = {
    kDrawingFolder, kFramesFolder,     kIldaFolder,  kSectionFolder,    kSequenceFolder,
    kEffectFolder,  kEffectListFolder, kMusicFolder, kQuickFrameFolder,
};

inline constexpr const char* kSettingsFileName = "Ravix.ini";
inline constexpr const char* kSplashFileName = "Start1.bmp";
inline constexpr const char* kDefaultEffectListName = "neweffect.ecl";

// The folder that holds the running program.
std::filesystem::path ProgramFolder();

// A stored name may use '\' as its separator; the result uses '/'.
std::filesystem::path StoredNameToPath(std::string_view storedName);

// The root folder and the paths built on it. The root is the program's folder
// unless the user points it elsewhere (--workspace).
class Workspace {
 public:
  explicit Workspace(std::filesystem::path root) : root_(std::move(root)) {}

  const std::filesystem::path& RootFolder() const { return root_; }
  std::filesystem::path Folder(std::string_view folder) const { return root_ / folder; }
  std::filesystem::path File(std::string_view folder, std::string_view storedName) const {
    return Folder(folder) / StoredNameToPath(storedName);
  }
  std::filesystem::path SettingsPath() const { return root_ / kSettingsFileName; }

 private:
  std::filesystem::path root_;
};

}  // namespace ravix
