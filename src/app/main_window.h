#pragma once
// Tprog, the main window: the side bar rand, the five panels (start page, the three wizards and
// the information panel), the menu bar, the configuration menu, the language switch and what
// happens at start and at the end.

#include <QMainWindow>
#include <QMenu>
#include <QStackedWidget>
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "app/app_context.h"
#include "app/common/translated.h"
#include "app/start_up.h"
#include "app/textindex/text_index_wizard.h"
#include "settings/configuration.h"

namespace lexorim::app {

class SettingsBinding;
class SettingsDialog;
class OutputSettingsDialog;
class WordListDialog;
class IndexToListTool;
class FileIndexWizard;
class ProblemReportWindow;
class CompatibilityTestWindow;
class TextToIndexWindow;
class ShellRegistrationWindow;
class PageWritingWindow;
class KeywordIndexWizard;

class MainWindow : public QMainWindow {
    Q_OBJECT

  public:
    explicit MainWindow(AppContext& context, QWidget* parent = nullptr);
    ~MainWindow() override;

    // The start-up steps that follow the first showing of the window: configurations from the
    // command line or the start configuration, then the first argument.
    void StartUp(const std::vector<std::string>& arguments);

    // Shows one of pstart, pgtxt, pgdateien, pgstw, pinfo and hides the others.
    void ShowPanel(const char* panel);
    QString visiblePanel() const;

    void SetLanguage(Language language);
    // Every window's language routine, in the program's order.
    // The main window's own texts (menus, panels); the other windows set theirs on the same
    // language change.
    void ApplyAllTexts();
    // Tells every window that the interface language may have changed.
    void AnnounceLanguage();

    // The configuration commands (the menu items call these).
    bool SaveConfiguration(const QString& path);
    void LoadConfiguration(const QString& path, bool startup = false);
    void SaveStartConfiguration();
    void LoadStartConfiguration();
    void ResetAllSettings();
    void AddConfigurationToMenu(const QString& path);

    TextIndexWizard* textIndex() const { return textIndex_; }
    FileIndexWizard* fileIndex() const { return fileIndex_; }
    KeywordIndexWizard* keywordIndex() const { return keywordIndex_; }
    QAction* action(const char* name) const;
    const ConfigurationMenu& configurationMenu() const { return configurations_; }

    // Where the temporary index file of the text-to-index editor lives.
    static std::filesystem::path TemporaryIndexPath();
    // An index file to add to and rebuild on the wizard's result page (from the tools or the
    // command line), or a source text handed over by a tool.
    void AddToTextIndex(const QString& indexFile);
    void AddToFileIndex(const QString& indexFile);
    void TakeTextSource(const QString& text);

  signals:
    // The window was closed and the program ends (the splash goes with it).
    void closed();

  protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    QtTranslations qtTranslations_;
    void BuildSideBar(QWidget* parent, QLayout* layout);
    QWidget* BuildStartPage();
    QWidget* BuildInfoPanel();
    void BuildMenus();
    void BuildConfigurationMenu(QMenu* menu);
    void BuildDialogs();
    QAction* AddAction(QMenu* menu, const char* name, const QKeySequence& keys = {});
    QMenu* AddMenu(QMenu* parent, const char* name);
    void ShowPanelOfSettings();
    void SetInputBlocked(bool blocked);
    // The three wizards, text index first.
    std::array<WizardBase*, 3> wizards() const;
    void ApplyStartArgument(const StartupPlan& plan);
    void ChooseConfigurationToSave();
    void ChooseConfigurationToLoad();
    void RebuildRecentConfigurations();
    void SetAutoSave(bool all);
    void ShowShellState();

    AppContext& context_;
    ConfigurationMenu configurations_;
    QStackedWidget* panels_ = nullptr;
    QWidget* sideBar_ = nullptr;
    TextIndexWizard* textIndex_ = nullptr;
    FileIndexWizard* fileIndex_ = nullptr;
    KeywordIndexWizard* keywordIndex_ = nullptr;
    QMenu* configurationMenu_ = nullptr;
    std::vector<QAction*> recentActions_;
    size_t panelListener_ = 0;
    TextIndexDialogs textIndexDialogs_;
    OutputSettingsDialog* outputSettings_ = nullptr;
    WordListDialog* negativeList_ = nullptr;
    WordListDialog* positiveList_ = nullptr;
    IndexToListTool* negativeTool_ = nullptr;
    IndexToListTool* positiveTool_ = nullptr;
    ProblemReportWindow* problemReportGerman_ = nullptr;
    ProblemReportWindow* problemReportEnglish_ = nullptr;
    CompatibilityTestWindow* compatibilityTest_ = nullptr;
    TextToIndexWindow* textToIndex_ = nullptr;
    ShellRegistrationWindow* configurationShortcuts_ = nullptr;
    ShellRegistrationWindow* indexShortcuts_ = nullptr;
    PageWritingWindow* pageWriting_ = nullptr;
};

}  // namespace lexorim::app
