#include "app/main_window.h"
#include "app/common/widgets.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QFileDialog>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QTabWidget>
#include <QVBoxLayout>
#include <filesystem>

#include "app/common/draft_options_dialog.h"
#include "app/common/draft_switch.h"
#include "app/common/error_display.h"
#include "app/common/mnemonics.h"
#include "app/common/output_settings_dialog.h"
#include "app/common/qt_text.h"
#include "app/common/settings_binding.h"
#include "app/common/window_texts.h"
#include "app/common/word_list_dialogs.h"
#include "app/fileindex/file_index_design_dialogs.h"
#include "app/fileindex/file_index_wizard.h"
#include "app/info/info_panel.h"
#include "app/info/problem_report.h"
#include "app/keywordindex/keyword_design_dialog.h"
#include "app/keywordindex/keyword_index_wizard.h"
#include "app/shell/shell_registration_window.h"
#include "app/textindex/text_index_dialogs.h"
#include "app/textindex/text_index_wizard.h"
#include "app/tools/compatibility_test.h"
#include "app/tools/page_writing_window.h"
#include "app/tools/text_to_index_window.h"
#include "engine/errors.h"
#include "engine/program_folder.h"
#include "settings/languages.h"
#include "textindex/text_to_index.h"

namespace lexorim::app {

namespace {

// The entries of the start page: the description is underlined while the mouse is over its
// entry, and a click does what the matching side button does.
class StartEntryFilter : public QObject {
  public:
    StartEntryFilter(QLabel* description, std::function<void()> open, QObject* parent)
        : QObject(parent), description_(description), open_(std::move(open)) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
            case QEvent::Enter:
                Underline(true);
                break;
            case QEvent::Leave:
                Underline(false);
                break;
            case QEvent::MouseButtonRelease:
                open_();
                return true;
            default:
                break;
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    void Underline(bool on) {
        QFont font = description_->font();
        font.setUnderline(on);
        description_->setFont(font);
    }
    QLabel* description_;
    std::function<void()> open_;
};

void RemoveFileIfPresent(const std::filesystem::path& path) {
    std::error_code ignored;  // a file that is not there needs no deleting
    std::filesystem::remove(path, ignored);
}

std::filesystem::path TemporaryPreviewPath() {
    return TemporaryFolder() / "temphtmlindex.html";
}

}  // namespace

MainWindow::MainWindow(AppContext& context, QWidget* parent)
    : QMainWindow(parent), context_(context) {
    setObjectName(QStringLiteral("Tprog"));
    auto* central = new QWidget(this);
    auto* layout = new QHBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    BuildSideBar(central, layout);
    panels_ = new QStackedWidget(central);
    panels_->setObjectName(QStringLiteral("panels"));
    panels_->addWidget(BuildStartPage());
    textIndex_ = new TextIndexWizard(context_, panels_);
    panels_->addWidget(textIndex_);
    fileIndex_ = new FileIndexWizard(context_, panels_);
    panels_->addWidget(fileIndex_);
    keywordIndex_ = new KeywordIndexWizard(context_, panels_);
    panels_->addWidget(keywordIndex_);
    panels_->addWidget(BuildInfoPanel());
    layout->addWidget(panels_, 1);
    setCentralWidget(central);
    BuildMenus();
    BuildDialogs();

    new SettingsBinding(context_.settings, "Tprog", this);
    panelListener_ = context_.settings.AddListener([this](const ControlRef& changed) {
        if (changed.window->className == "Tprog" && changed.control->kind == ui::ControlKind::Panel)
            ShowPanelOfSettings();
    });
    for (WizardBase* wizard : wizards()) {
        connect(wizard, &WizardBase::runStarted, this, [this] { SetInputBlocked(true); });
        connect(wizard, &WizardBase::runFinished, this, [this] { SetInputBlocked(false); });
    }

    configurations_ = ConfigurationMenu([this](TextView text) {
        return configurationMenu_->fontMetrics().horizontalAdvance(ToQString(text));
    });
    configurations_.SetStartConfigurationHint(StartConfigurationPath().string());
    configurations_.AddFolder(ProgramFolder());
    RebuildRecentConfigurations();

    textIndex_->ShowTextPage(TextIndexWizard::tt1);
    fileIndex_->ShowFilePage(FileIndexWizard::td1);
    keywordIndex_->ShowKeywordPage(KeywordIndexWizard::ts1);
    ShowPanel("pstart");
    setMinimumSize(760, 520);
    // Tall enough for the longest page, the file index settings, without squeezing its lines.
    resize(980, 712);
    AnnounceLanguage();
}

MainWindow::~MainWindow() {
    for (WizardBase* wizard : wizards())
        wizard->WaitForRun();
    context_.settings.RemoveListener(panelListener_);
}

std::filesystem::path MainWindow::TemporaryIndexPath() {
    return TemporaryIndexFilePath();
}

void MainWindow::AddToTextIndex(const QString& indexFile) {
    if (textIndex_->isRunning())
        return;
    context_.settings.Set(ui::tprog::kt_index, ToText(indexFile));
    context_.settings.Set(ui::tprog::kt_integrieren, u"1");
    textIndex_->ShowTextPage(TextIndexWizard::tt6);
    textIndex_->StartCreate();
}

void MainWindow::AddToFileIndex(const QString& indexFile) {
    if (fileIndex_->isRunning())
        return;
    context_.settings.Set(ui::tprog::dkt_index, ToText(indexFile));
    context_.settings.Set(ui::tprog::dkt_integrieren, u"1");
    fileIndex_->ShowFilePage(FileIndexWizard::td5);
    fileIndex_->StartCreate();
}

void MainWindow::TakeTextSource(const QString& text) {
    if (textIndex_->isRunning())
        return;
    // The handed text is the source: in file mode the run would index the chosen file instead.
    context_.settings.Set(ui::tprog::qu_text, u"1");
    context_.settings.Set(ui::tprog::qu_datei, u"0");
    textIndex_->source()->setPlainText(text);
    textIndex_->ShowTextPage(TextIndexWizard::tt1);
}

// ---------------------------------------------------------------------------------------------
// Building.

void MainWindow::BuildSideBar(QWidget* parent, QLayout* layout) {
    sideBar_ = new QFrame(parent);
    sideBar_->setObjectName(QStringLiteral("rand"));
    sideBar_->setStyleSheet(QStringLiteral(
        "#rand { background: #24476b; }"
        "#rand QPushButton { color: white; border: none; padding: 12px 10px; text-align: left;"
        " font-weight: bold; }"
        "#rand QPushButton:hover { background: #35628f; }"
        "#rand QPushButton:checked { background: #4a7db0; border-left: 4px solid white; }"));
    sideBar_->setMinimumWidth(150);
    auto* column = new QVBoxLayout(sideBar_);
    column->setContentsMargins(0, 8, 0, 8);
    const auto addButton = [this, column](const char* name, const char* panel) {
        auto* button = new QPushButton(sideBar_);
        button->setObjectName(QString::fromLatin1(name));
        button->setFlat(true);
        button->setCheckable(true);
        button->setProperty("panel", QString::fromLatin1(panel));
        button->setCursor(Qt::PointingHandCursor);
        connect(button, &QPushButton::clicked, this, [this, panel] { ShowPanel(panel); });
        column->addWidget(button);
    };
    addButton("rand_btstart", "pstart");
    addButton("rand_bttxtidx", "pgtxt");
    addButton("rand_btdidx", "pgdateien");
    addButton("rand_btstw", "pgstw");
    column->addStretch();
    addButton("rand_btinfo", "pinfo");
    layout->addWidget(sideBar_);
}

QWidget* MainWindow::BuildStartPage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("pstart"));
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(32, 28, 32, 28);
    auto* welcome = new QLabel(page);
    welcome->setObjectName(QStringLiteral("start_text0"));
    welcome->setWordWrap(true);
    welcome->setStyleSheet(QStringLiteral("font-size: 15pt; color: #24476b;"));
    layout->addWidget(welcome);
    layout->addSpacing(16);
    const char* panels[] = {"pgtxt", "pgdateien", "pgstw", "pinfo"};
    for (int i = 1; i <= 4; ++i) {
        auto* title = new QLabel(page);
        title->setObjectName(QStringLiteral("start_label%1").arg(i));
        title->setStyleSheet(QStringLiteral("font-size: 13pt; font-weight: bold; color: #2b5d8a;"));
        title->setCursor(Qt::PointingHandCursor);
        auto* description = new QLabel(page);
        description->setObjectName(QStringLiteral("start_text%1").arg(i));
        description->setWordWrap(true);
        description->setCursor(Qt::PointingHandCursor);
        const char* panel = panels[i - 1];
        const auto open = [this, panel] { ShowPanel(panel); };
        title->installEventFilter(new StartEntryFilter(description, open, title));
        description->installEventFilter(new StartEntryFilter(description, open, description));
        layout->addWidget(title);
        layout->addWidget(description);
        layout->addSpacing(12);
    }
    layout->addStretch();
    return page;
}

QWidget* MainWindow::BuildInfoPanel() {
    // Its two language panels pinfo_de and pinfo_en are stored panels, bound like the others.
    return new InfoPanel;
}

QAction* MainWindow::AddAction(QMenu* menu, const char* name, const QKeySequence& keys) {
    QAction* item = menu->addAction(QString());
    item->setObjectName(QString::fromLatin1(name));
    if (!keys.isEmpty())
        item->setShortcut(keys);
    return item;
}

QMenu* MainWindow::AddMenu(QMenu* parent, const char* name) {
    QMenu* menu = parent != nullptr ? parent->addMenu(QString()) : menuBar()->addMenu(QString());
    menu->setObjectName(QString::fromLatin1(name));
    return menu;
}

std::array<WizardBase*, 3> MainWindow::wizards() const {
    return {textIndex_, fileIndex_, keywordIndex_};
}

QAction* MainWindow::action(const char* name) const {
    return RequireChild<QAction>(this, name);
}

void MainWindow::BuildMenus() {
    QMenu* file = AddMenu(nullptr, "mdatei");
    QMenu* fresh = AddMenu(file, "mneu");
    connect(AddAction(fresh, "mneutxt"), &QAction::triggered, textIndex_, &TextIndexWizard::Clear);
    connect(AddAction(fresh, "mneudatei"), &QAction::triggered, fileIndex_,
            &FileIndexWizard::Clear);
    connect(AddAction(fresh, "mneustw"), &QAction::triggered, keywordIndex_,
            &KeywordIndexWizard::Clear);
    file->addSeparator();
    connect(AddAction(file, "mtidxload"), &QAction::triggered, this, [this] {
        if (textIndex_->isRunning())
            return;
        textIndex_->ChooseExistingIndex();
        textIndex_->ShowTextPage(TextIndexWizard::tt6);
        textIndex_->StartCreate();
    });
    connect(AddAction(file, "mdidxload"), &QAction::triggered, this, [this] {
        if (fileIndex_->isRunning())
            return;
        fileIndex_->ChooseExistingIndex();
        fileIndex_->ShowFilePage(FileIndexWizard::td5);
        fileIndex_->StartCreate();
    });
    file->addSeparator();
    QMenu* saveText = AddMenu(file, "mtidxsave");
    connect(AddAction(saveText, "ext1", QKeySequence::Save), &QAction::triggered, textIndex_,
            &TextIndexWizard::SaveOutputText);
    connect(AddAction(saveText, "Indexidx1"), &QAction::triggered, textIndex_,
            &TextIndexWizard::SaveIndexFile);
    QMenu* saveFile = AddMenu(file, "mdidxsave");
    connect(AddAction(saveFile, "extHTML1"), &QAction::triggered, fileIndex_,
            &FileIndexWizard::SaveOutputText);
    connect(AddAction(saveFile, "Indexidx2"), &QAction::triggered, fileIndex_,
            &FileIndexWizard::SaveIndexFile);
    connect(AddAction(file, "mstwidxsave"), &QAction::triggered, keywordIndex_,
            &KeywordIndexWizard::SaveOutputText);
    file->addSeparator();
    // The report of the interface language, beside the main window.
    connect(AddAction(file, "m_bug"), &QAction::triggered, this, [this] {
        (context_.language == Language::German ? problemReportGerman_ : problemReportEnglish_)
            ->Open();
    });
    // Ctrl+Q closes the window as its close button does, with the automatic save.
    auto* quit = new QShortcut(QKeySequence::Quit, this);
    connect(quit, &QShortcut::activated, this, &QWidget::close);
    connect(AddAction(file, "mbeenden"), &QAction::triggered, this, [] {
        // Ends at once: no close query, so no automatic save.
        RemoveFileIfPresent(TemporaryPreviewPath());
        QApplication::exit(0);
    });

    QMenu* settings = AddMenu(nullptr, "meinst");
    QMenu* text = AddMenu(settings, "met");
    connect(AddAction(text, "mets"), &QAction::triggered, this,
            [this] { textIndex_->ShowTextPage(TextIndexWizard::tt2); });
    connect(AddAction(text, "metk"), &QAction::triggered, this,
            [this] { textIndex_->ShowTextPage(TextIndexWizard::tt3); });
    connect(AddAction(text, "metd"), &QAction::triggered, this,
            [this] { textIndexDialogs_.design->exec(); });
    QMenu* files = AddMenu(settings, "med");
    connect(AddAction(files, "medk"), &QAction::triggered, this,
            [this] { fileIndex_->ShowFilePage(FileIndexWizard::td2); });
    connect(AddAction(files, "medd"), &QAction::triggered, fileIndex_,
            &FileIndexWizard::OpenDesign);
    QMenu* keywords = AddMenu(settings, "mes");
    connect(AddAction(keywords, "mesk"), &QAction::triggered, this,
            [this] { keywordIndex_->ShowKeywordPage(KeywordIndexWizard::ts2); });
    connect(AddAction(keywords, "mesd"), &QAction::triggered, keywordIndex_,
            &KeywordIndexWizard::OpenDesign);
    QMenu* lists = AddMenu(settings, "mewl");
    const auto openListsFrom = [this](auto* wizard) {
        using Wizard = std::remove_pointer_t<decltype(wizard)>;
        connect(wizard, &Wizard::negativeListRequested, this, [this] { negativeList_->exec(); });
        connect(wizard, &Wizard::positiveListRequested, this, [this] { positiveList_->exec(); });
    };
    openListsFrom(textIndex_);
    openListsFrom(fileIndex_);
    openListsFrom(keywordIndex_);
    connect(AddAction(lists, "mewlneg"), &QAction::triggered, this,
            [this] { negativeList_->exec(); });
    connect(AddAction(lists, "mewlpos"), &QAction::triggered, this,
            [this] { positiveList_->exec(); });
    // Not part of a configuration: a load or a reset leaves the choice as it is.
    QAction* latching = AddAction(settings, "zspmenu");
    latching->setCheckable(true);
    latching->setChecked(context_.previewCaching);
    connect(latching, &QAction::toggled, this, [this](bool on) { context_.previewCaching = on; });
    // The output settings stay open beside the main window while the user works.
    connect(AddAction(settings, "spopt"), &QAction::triggered, this, [this] {
        outputSettings_->show();
        outputSettings_->raise();
        outputSettings_->activateWindow();
    });
    QMenu* links = AddMenu(settings, "verk");
    connect(AddAction(links, "verk_lkfg"), &QAction::triggered, this,
            [this] { configurationShortcuts_->Open(); });
    connect(AddAction(links, "verk_idx"), &QAction::triggered, this,
            [this] { indexShortcuts_->Open(); });
    QMenu* language = AddMenu(settings, "mspr");
    QAction* german = AddAction(language, "msprde");
    QAction* english = AddAction(language, "mspren");
    german->setCheckable(true);
    english->setCheckable(true);
    // One language at a time: the menu shows the items as a choice of one.
    auto* languages = new QActionGroup(language);
    languages->addAction(german);
    languages->addAction(english);
    connect(german, &QAction::triggered, this, [this] { SetLanguage(Language::German); });
    connect(english, &QAction::triggered, this, [this] { SetLanguage(Language::English); });

    configurationMenu_ = AddMenu(nullptr, "mkonfig");
    BuildConfigurationMenu(configurationMenu_);

    QMenu* window = AddMenu(nullptr, "mfenster");
    connect(AddAction(window, "mfstart"), &QAction::triggered, this,
            [this] { ShowPanel("pstart"); });
    QMenu* textPages = AddMenu(window, "mft");
    connect(textPages, &QMenu::aboutToShow, this, [this] { ShowPanel("pgtxt"); });
    for (int page = 0; page < 6; ++page) {
        const std::string name = "mft" + std::to_string(page + 1);
        QAction* item = AddAction(textPages, name.c_str());
        connect(item, &QAction::triggered, this, [this, page] {
            textIndex_->ShowTextPage(static_cast<TextIndexWizard::Page>(page));
        });
    }
    // The page items show a page with the wizard's page function and run nothing.
    const auto addPageItems = [this, window](const char* menuName, const char* panel,
                                             WizardBase* wizard) {
        QMenu* pages = AddMenu(window, menuName);
        connect(pages, &QMenu::aboutToShow, this, [this, panel] { ShowPanel(panel); });
        for (int page = 0; page < 5; ++page) {
            const std::string name = menuName + std::to_string(page + 1);
            connect(AddAction(pages, name.c_str()), &QAction::triggered, this,
                    [wizard, page] { wizard->ShowPage(page); });
        }
    };
    addPageItems("mfd", "pgdateien", fileIndex_);
    addPageItems("mfs", "pgstw", keywordIndex_);
    QMenu* info = AddMenu(window, "mfi");
    connect(info, &QMenu::aboutToShow, this, [this] { ShowPanel("pinfo"); });
    auto* infoPanel = RequireChild<InfoPanel>(this, "pinfo");
    const auto showInfo = [this] { ShowPanel("pinfo"); };
    infoPanel->AddPageItems(info, {"mfi1", "mfi2", "Software2", "mfi3", "mfi4"}, showInfo);

    QMenu* tools = AddMenu(nullptr, "mtools");
    connect(AddAction(tools, "mt1"), &QAction::triggered, this, [this] {
        if (!textIndex_->isRunning())
            negativeTool_->Open();
    });
    connect(AddAction(tools, "mt2"), &QAction::triggered, this, [this] {
        if (!textIndex_->isRunning())
            positiveTool_->Open();
    });
    connect(AddAction(tools, "mt3"), &QAction::triggered, this, [this] { textToIndex_->Open(); });
    connect(AddAction(tools, "mt4"), &QAction::triggered, this, [this] { pageWriting_->Open(); });
    tools->addSeparator();
    connect(AddAction(tools, "m_komp"), &QAction::triggered, this,
            [this] { compatibilityTest_->Open(); });

    QMenu* about = AddMenu(nullptr, "minfo");
    infoPanel->AddPageItems(about, {"minfo1", "minfo2", "Software1", "minfo3", "minfo4"}, showInfo);
    about->addSeparator();
    infoPanel->AddLinkItems(about);
}

void MainWindow::BuildConfigurationMenu(QMenu* menu) {
    connect(AddAction(menu, "m_konfig_save"), &QAction::triggered, this,
            &MainWindow::ChooseConfigurationToSave);
    connect(AddAction(menu, "m_konfig_save_start"), &QAction::triggered, this,
            &MainWindow::SaveStartConfiguration);
    connect(AddAction(menu, "m_konfig_load", QKeySequence(Qt::CTRL | Qt::Key_K)),
            &QAction::triggered, this, &MainWindow::ChooseConfigurationToLoad);
    menu->addSeparator();
    QMenu* autoSave = AddMenu(menu, "m_konfig_autosave");
    QAction* never = AddAction(autoSave, "m_konfig_autosave_nie");
    QAction* all = AddAction(autoSave, "m_konfig_autosave_alles");
    auto* autoSaveChoice = new QActionGroup(autoSave);
    autoSaveChoice->addAction(never);
    autoSaveChoice->addAction(all);
    never->setCheckable(true);
    all->setCheckable(true);
    connect(never, &QAction::triggered, this, [this] { SetAutoSave(false); });
    connect(all, &QAction::triggered, this, [this] { SetAutoSave(true); });
    menu->addSeparator();
    connect(AddAction(menu, "m_konfig_standard", QKeySequence(Qt::Key_F2)), &QAction::triggered,
            this, &MainWindow::ResetAllSettings);
    connect(AddAction(menu, "m_konfig_start", QKeySequence(Qt::Key_F3)), &QAction::triggered, this,
            &MainWindow::LoadStartConfiguration);
    menu->addSeparator();
}

void MainWindow::BuildDialogs() {
    // Every dialog is made once and only hidden when closed, so its settings stay in force.
    negativeList_ = new WordListDialog(context_, WordListDialog::Kind::Negative, this);
    positiveList_ = new WordListDialog(context_, WordListDialog::Kind::Positive, this);
    textIndexDialogs_.criteria = new PageNumberCriteriaDialog(context_, this);
    textIndexDialogs_.pageList = new PageListEditDialog(context_, this);
    textIndexDialogs_.existingIndex = new ExistingIndexChooser(context_, this);
    textIndexDialogs_.design = new TextIndexDesignDialog(context_, this);
    outputSettings_ = new OutputSettingsDialog(context_, this);
    negativeTool_ =
        new IndexToListTool(context_, *negativeList_, WordListDialog::Kind::Negative, this);
    positiveTool_ =
        new IndexToListTool(context_, *positiveList_, WordListDialog::Kind::Positive, this);
    negativeList_->LoadAtStart();
    positiveList_->LoadAtStart();
    textIndex_->SetDialogs(textIndexDialogs_);
    // The file index adds to an existing index through the same chooser as the text index.
    fileIndex_->SetDialogs({.textDesign = new FileTextDesignDialog(context_, this),
                            .htmlDesign = new HtmlDesignDialog(context_, this),
                            .existingIndex = textIndexDialogs_.existingIndex});
    keywordIndex_->SetDesignDialog(new KeywordDesignDialog(context_, this));
    // One dialog for the draft options of all three kinds, as they share the settings.
    auto* draft = new DraftOptionsDialog(context_, this);
    for (WizardBase* wizard :
         std::initializer_list<WizardBase*>{textIndex_, fileIndex_, keywordIndex_})
        wizard->SetDraftDialog(draft);
    problemReportGerman_ = new ProblemReportWindow(Language::German, this);
    problemReportEnglish_ = new ProblemReportWindow(Language::English, this);
    compatibilityTest_ = new CompatibilityTestWindow(context_, this);
    configurationShortcuts_ =
        new ShellRegistrationWindow(context_, ShellRegistrationWindow::Kind::Configuration, this);
    indexShortcuts_ =
        new ShellRegistrationWindow(context_, ShellRegistrationWindow::Kind::Index, this);
    textToIndex_ = new TextToIndexWindow(context_, this);
    pageWriting_ = new PageWritingWindow(context_, this);
    connect(textToIndex_, &TextToIndexWindow::textIndexHandOver, this, &MainWindow::AddToTextIndex);
    connect(textToIndex_, &TextToIndexWindow::fileIndexHandOver, this, &MainWindow::AddToFileIndex);
    connect(pageWriting_, &PageWritingWindow::textSourceHandOver, this,
            &MainWindow::TakeTextSource);
}

// ---------------------------------------------------------------------------------------------
// Panels, languages, input.

void MainWindow::ShowPanel(const char* panel) {
    app::ShowPanel(context_.settings, panel);
}

void MainWindow::ShowPanelOfSettings() {
    for (const char* name : kContentPanels) {
        if (context_.settings.IsOn(ui::ControlId{ui::tprog::kWindow, name})) {
            panels_->setCurrentWidget(RequireChild<QWidget>(panels_, name));
            // The side bar marks the panel on show.
            for (auto* button : sideBar_->findChildren<QPushButton*>())
                button->setChecked(button->property("panel").toString() == QLatin1String(name));
            return;
        }
    }
}

QString MainWindow::visiblePanel() const {
    return panels_->currentWidget()->objectName();
}

void MainWindow::SetLanguage(Language language) {
    context_.language = language;
    AnnounceLanguage();
}

void MainWindow::AnnounceLanguage() {
    qtTranslations_.Use(context_.language);
    SetErrorLanguage(context_.language);
    // Reaches this window and every window and dialog below it, each of which sets its texts.
    QEvent change(QEvent::LanguageChange);
    QApplication::sendEvent(this, &change);
}

void MainWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        ApplyAllTexts();
    QMainWindow::changeEvent(event);
}

void MainWindow::ApplyAllTexts() {
    ApplyLanguageState(context_.settings, context_.language);
    ApplyWindowTexts(this, "Tprog", context_.language);
    setWindowTitle(QStringLiteral("Lexorim - Orvell"));
    RequireChild<InfoPanel>(this, "pinfo")->ApplyTexts(context_.language);
    const bool german = context_.language == Language::German;
    action("msprde")->setChecked(german);
    action("mspren")->setChecked(!german);
    // The Fenster menu's page items carry the captions of their pages.
    const std::pair<const char*, const char*> pageMenus[] = {
        {"mft", "tt"}, {"mfd", "td"}, {"mfs", "ts"}};
    for (const auto& [menu, pagePrefix] : pageMenus) {
        const int pages = std::string_view(menu) == "mft" ? 6 : 5;
        for (int page = 1; page <= pages; ++page) {
            action((menu + std::to_string(page)).c_str())
                ->setText(
                    WindowQText("Tprog", pagePrefix + std::to_string(page), context_.language));
        }
    }
    ShowShellState();
    // The draft switches take their captions from the draft dialog's table.
    ApplyDraftSwitchTexts(this, context_.language);
    // Again over the whole window: some captions above are set after its table's texts.
    AssignMnemonics(this);
}

void MainWindow::SetInputBlocked(bool blocked) {
    // While a run reads the settings nothing may change them; the window still moves and
    // repaints.
    menuBar()->setEnabled(!blocked);
    sideBar_->setEnabled(!blocked);
    const std::pair<WizardBase*, int> wizards[] = {{textIndex_, TextIndexWizard::tt5},
                                                   {fileIndex_, FileIndexWizard::td4},
                                                   {keywordIndex_, KeywordIndexWizard::ts4}};
    for (const auto& [wizard, progressPage] : wizards) {
        for (int page = 0; page < progressPage; ++page)
            wizard->pages()->widget(page)->setEnabled(!blocked);
    }
}

// ---------------------------------------------------------------------------------------------
// Configurations.

void MainWindow::ShowShellState() {
    action("m_konfig_autosave_nie")->setChecked(context_.shell.autoSave.never);
    action("m_konfig_autosave_alles")->setChecked(context_.shell.autoSave.all);
    action("m_konfig_start")
        ->setToolTip(QString::fromStdString(configurations_.startConfigurationHint()));
}

void MainWindow::SetAutoSave(bool all) {
    context_.shell.autoSave.never = !all;
    context_.shell.autoSave.all = all;
    ShowShellState();
}

bool MainWindow::SaveConfiguration(const QString& path) {
    ShellState shell = context_.shell;
    shell.geometry.maximized = isMaximized();
    shell.geometry.clientWidth = width();
    shell.geometry.clientHeight = height();
    shell.geometry.left = x();
    shell.geometry.top = y();
    return RunReportingErrors(
        this, [&] { KonfigurationSpeichern(ToPath(path), context_.settings, shell); });
}

void MainWindow::LoadConfiguration(const QString& path, bool startup) {
    ScreenSize screen;
    if (const QScreen* current = QApplication::primaryScreen()) {
        screen.width = current->availableGeometry().width();
        screen.height = current->availableGeometry().height();
    }
    KonfigurationLaden(ToPath(path), startup, context_.settings, context_.shell, screen,
                       [this] { AnnounceLanguage(); });
    const MainWindowGeometry& geometry = context_.shell.geometry;
    if (geometry.maximized) {
        showMaximized();
    } else if (geometry.clientWidth > 0 && geometry.clientHeight > 0) {
        // The stored position is the frame's (as x() and y() give it when saving) and the size
        // the client area's; setGeometry would place the client area there and move the window
        // up by its title bar on every load.
        move(geometry.left, geometry.top);
        resize(geometry.clientWidth, geometry.clientHeight);
    }
}

void MainWindow::ChooseConfigurationToSave() {
    const Language language = context_.language;
    const QString suggested = QString::fromStdString(
        (ProgramFolder() / ToPath(WindowQText("Tprog", "KonfigurationSpeichernDialog", language,
                                              ui::TextRole::DefaultFileName)))
            .string());
    QFileDialog dialog(
        this, WindowQText("Tprog", "KonfigurationSpeichernDialog", language, ui::TextRole::Title),
        suggested,
        DialogFilter(
            WindowText("Tprog", "KonfigurationSpeichernDialog", language, ui::TextRole::Filter)));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("lkfg"));
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().value(0).isEmpty())
        return;
    const QString path = dialog.selectedFiles().value(0);
    if (SaveConfiguration(path))
        AddConfigurationToMenu(path);
}

void MainWindow::ChooseConfigurationToLoad() {
    const Language language = context_.language;
    const QString path = QFileDialog::getOpenFileName(
        this, WindowQText("Tprog", "KonfigurationLadenDialog", language, ui::TextRole::Title),
        QString::fromStdString(ProgramFolder().string()),
        DialogFilter(
            WindowText("Tprog", "KonfigurationLadenDialog", language, ui::TextRole::Filter)));
    if (path.isEmpty())
        return;
    LoadConfiguration(path);
    AddConfigurationToMenu(path);
}

void MainWindow::SaveStartConfiguration() {
    const QString path = QString::fromStdString(StartConfigurationPath().string());
    if (SaveConfiguration(path)) {
        configurations_.SetStartConfigurationHint(path.toStdString());
        ShowShellState();
    }
}

void MainWindow::LoadStartConfiguration() {
    const std::filesystem::path path = StartConfigurationPath();
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        ShowMessage(
            this, WindowQText("Tprog", "m_konfig_start", context_.language, ui::TextRole::Message));
        return;
    }
    LoadConfiguration(QString::fromStdString(path.string()));
}

void MainWindow::ResetAllSettings() {
    KonfigurationLadenStandard(context_.settings, context_.shell.autoSave);
    AnnounceLanguage();
}

void MainWindow::AddConfigurationToMenu(const QString& path) {
    if (configurations_.Add(path.toStdString()))
        RebuildRecentConfigurations();
}

void MainWindow::RebuildRecentConfigurations() {
    for (QAction* item : recentActions_) {
        configurationMenu_->removeAction(item);
        item->deleteLater();
    }
    recentActions_.clear();
    for (const ConfigurationMenuItem& item : configurations_.items()) {
        QAction* entry = configurationMenu_->addAction(ToQString(item.caption));
        entry->setObjectName(QString::fromStdString(item.name));
        const QString path = QString::fromStdString(item.hint);
        entry->setToolTip(path);
        connect(entry, &QAction::triggered, this, [this, path] { LoadConfiguration(path); });
        recentActions_.push_back(entry);
    }
}

// ---------------------------------------------------------------------------------------------
// Start and end.

void MainWindow::StartUp(const std::vector<std::string>& arguments) {
    ReadContext read;
    read.language = context_.language;
    StartupPlan plan;
    RunReportingErrors(this, [&] { plan = PlanStartup(arguments, read); });
    for (const std::string& path : plan.configurations) {
        LoadConfiguration(QString::fromStdString(path), true);
        AddConfigurationToMenu(QString::fromStdString(path));
    }
    std::error_code error;
    if (plan.loadStartConfiguration &&
        std::filesystem::is_regular_file(StartConfigurationPath(), error))
        LoadConfiguration(QString::fromStdString(StartConfigurationPath().string()), true);
    ApplyStartArgument(plan);
}

void MainWindow::ApplyStartArgument(const StartupPlan& plan) {
    switch (plan.firstUse) {
        case FirstArgumentUse::Nothing:
            break;
        case FirstArgumentUse::TextSource:
            // The file is also named as the source file, so that the run indexes the text the
            // user sees (a file-mode run reads the named file).
            context_.settings.Set(ui::tprog::qu_datei, u"1");
            {
                const QSignalBlocker quiet(RequireChild<QLineEdit>(this, "edit_quelle"));
                context_.settings.Set(ui::tprog::edit_quelle, FromUtf8(plan.firstPath));
            }
            // Read through the core like any source file: a document brings its own pages.
            textIndex_->LoadSourceFile(QString::fromStdString(plan.firstPath));
            textIndex_->ShowTextPage(TextIndexWizard::tt1);
            break;
        case FirstArgumentUse::TextIndexFile:
            AddToTextIndex(QString::fromStdString(plan.firstPath));
            break;
        case FirstArgumentUse::FileIndexFile:
            AddToFileIndex(QString::fromStdString(plan.firstPath));
            break;
    }
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // Closing stops a run between pages; its result would be thrown away anyway.
    for (WizardBase* wizard : wizards()) {
        wizard->CancelRun();
        wizard->WaitForRun();
    }
    RemoveFileIfPresent(TemporaryIndexPath());
    if (context_.shell.autoSave.all) {
        const QString path = QString::fromStdString(StartConfigurationPath().string());
        if (!SaveConfiguration(path)) {
            event->ignore();  // the window stays open so nothing is lost
            return;
        }
        configurations_.SetStartConfigurationHint(path.toStdString());
    }
    RemoveFileIfPresent(TemporaryPreviewPath());
    event->accept();
    emit closed();
}

}  // namespace lexorim::app
