#pragma once
// Teinstshortcuts_lkfg and Teinstshortcuts_idx: the program's entries in the desktop for
// configuration files or for index files, each registered and removed by its own buttons, with
// the status of each and the administrator state.

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QUrl>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "app/app_context.h"
#include "app/common/translated.h"
#include "app/info/web_pages.h"
#include "shell/shell_registration.h"

namespace lexorim::app {

// The caption of the window's help link: the help page on shortcuts and administrator rights.
QString ShellHelpCaption(Language language);
// The address a click on the help link opens. The link has no referrer of its own.
QUrl ShellHelpAddress(const QString& caption);

class ShellRegistrationWindow : public Translated<QDialog> {
    Q_OBJECT
  public:
    enum class Kind { Configuration, Index };

    // What the window acts on: the desktop's folders, the program whose entries it writes, the
    // administrator test, the elevated restart and the browser. Tests give their own.
    struct Environment {
        ShellFolders folders;
        std::filesystem::path program;
        std::function<bool()> runsAsAdministrator;
        // Starts a command without waiting for it; false when it could not be started.
        std::function<bool(const std::vector<std::string>& command)> startDetached;
        // Ends the program.
        std::function<void()> quit;
        WebPageOpener openWebPage;
    };
    // The user's desktop folders, this program file, geteuid, QProcess and the desktop browser.
    static Environment DesktopEnvironment();

    ShellRegistrationWindow(AppContext& context, Kind kind, QWidget* parent);

    // Shows the window without blocking the others, raises it and refreshes the statuses.
    void Open();
    void ApplyTexts() override;
    // Every status label and the administrator state, as the desktop has them now.
    void RefreshStatuses();
    void SetEnvironment(Environment environment);
    const char* windowClass() const;

  private:
    void BuildLayout();
    ShellRegistration Registration() const;
    QString Caption(const char* name) const;
    QString Message(const char* name) const;
    // Runs one register or remove action, shows its failure, and refreshes the statuses
    // unless `refresh` is false.
    void Act(const std::function<void(const ShellRegistration&)>& action, bool refresh = true);
    void ShowToolFailures(const std::vector<DesktopToolFailure>& failures);
    void ShowStatus(QLabel* label, bool active);
    void RestartAsAdministrator();

    AppContext& context_;
    Kind kind_;
    Environment environment_;
    QLabel* fileTypeStatus_;
    QLabel* sendToStatus_;
    QLabel* foldersStatus_;
    QLabel* allFilesStatus_;
    QLabel* adminState_;
    QLabel* helpLink_;
    QLineEdit* extensionList_;
};

}  // namespace lexorim::app
