#pragma once
// Configurations: every stored control of every window, the main window's geometry and the
// automatic-save choice in one profile file (.lkfg); the standard configuration; the start
// configuration; and the menu of recently used configurations.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "settings/settings.h"
#include "settings/shorten_path.h"

namespace lexorim {

struct MainWindowGeometry {
    bool maximized = false;
    int32_t clientWidth = 800;
    int32_t clientHeight = 600;
    int32_t top = 0;
    int32_t left = 0;
};

struct ScreenSize {
    int32_t width = 1920;
    int32_t height = 1080;
};

// The two check marks of the automatic save on closing.
struct AutoSaveChoice {
    bool never = true;  // m_konfig_autosave_nie
    bool all = false;   // m_konfig_autosave_alles
};

// What a configuration holds besides the controls.
struct ShellState {
    MainWindowGeometry geometry;
    AutoSaveChoice autoSave;
};

// The section of a control: window code and kind code ("PBCH"); empty for controls that are
// not stored.
std::string ConfigurationSection(const ui::WindowDefinition& window,
                                 const ui::ControlDefinition& control);

// Writes every stored control, then SP (PF, PB, PH, PT, PL) and AS (N, A), into `path`. A new
// file is UTF-16 LE; an existing file keeps its encoding and every line the program does not
// write. Throws UserError when the file cannot be read or written; the old file then stays.
void KonfigurationSpeichern(const std::string& path, const Settings& settings,
                            const ShellState& shell);

// Gives every control the value the file holds for it, as if the user had set it; what is
// missing or unreadable keeps its value. Then the geometry (checked against the screen) and the
// automatic-save choice; finally `reapplyTexts` runs, even when the file did not exist. Never
// fails.
void KonfigurationLaden(const std::string& path, bool startup, Settings& settings,
                        ShellState& shell, const ScreenSize& screen,
                        const std::function<void()>& reapplyTexts = {});

class ProfileFile;

// The same for a profile already read.
void ApplyConfiguration(const ProfileFile& file, bool startup, Settings& settings,
                        ShellState& shell, const ScreenSize& screen);

struct StandardValue {
    ui::ControlId control;
    std::u16string_view value;
};

// The values the standard configuration sets; panels, geometry, lists and texts keep theirs.
const std::vector<StandardValue>& StandardConfiguration();
void KonfigurationLadenStandard(Settings& settings, AutoSaveChoice& autoSave);

// The program folder's "Auto.lkfg".
std::filesystem::path StartConfigurationPath();

// The recently used configurations below the fixed items of the Konfiguration menu.
struct ConfigurationMenuItem {
    std::string name;  // "m_konfig_8", "m_konfig_9", ...
    Text caption;      // the shortened path
    std::string hint;  // the path
};

class ConfigurationMenu {
  public:
    // The width of a caption, in the unit of kCaptionWidth.
    explicit ConfigurationMenu(TextWidth width = CharacterCount) : width_(std::move(width)) {}

    static constexpr int kCaptionWidth = 440;
    // The fixed items, separators included, before the first configuration.
    static constexpr size_t kFixedItems = 8;

    // The hint of m_konfig_start; that path is never listed again.
    void SetStartConfigurationHint(std::string path) { startHint_ = std::move(path); }
    const std::string& startConfigurationHint() const { return startHint_; }

    // Offers `path` unless an item already has exactly this hint; true when it was added.
    bool Add(const std::string& path);
    // Offers every "*.lkfg" file of the folder (not of its subfolders), in name order, as the
    // menu is filled at start.
    void AddFolder(const std::filesystem::path& folder);
    const std::vector<ConfigurationMenuItem>& items() const { return items_; }

  private:
    TextWidth width_;
    std::string startHint_;
    std::vector<ConfigurationMenuItem> items_;
};

}  // namespace lexorim
