// The two shortcut windows as a user meets them: each button writes or removes its entry in a
// desktop home of the test's own, the status labels follow in both languages, entries of another
// program path count as not active, the administrator state decides the restart button, and the
// help link opens its page.

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <filesystem>
#include <fstream>
#include <memory>

#include "app/app_context.h"
#include "app/common/error_display.h"
#include "app/common/mnemonics.h"
#include "app/shell/shell_registration_window.h"

using namespace lexorim;
using namespace lexorim::app;
namespace fs = std::filesystem;

namespace {

using Kind = ShellRegistrationWindow::Kind;

constexpr const char* kProgram = "/opt/lexorim/lexorim";

// A window on the test's own desktop folders, with what it starts, ends and opens recorded.
struct Fixture {
    explicit Fixture(Kind kind, const QString& home, const char* program = kProgram,
                     Language language = Language::German) {
        context.language = language;
        window = std::make_unique<ShellRegistrationWindow>(context, kind, nullptr);
        ShellRegistrationWindow::Environment environment;
        environment.folders = {fs::path(home.toStdString()) / "data",
                               fs::path(home.toStdString()) / "config"};
        environment.program = program;
        environment.runsAsAdministrator = [this] { return administrator; };
        environment.startDetached = [this](const std::vector<std::string>& command) {
            started = command;
            return true;
        };
        environment.quit = [this] { ++quits; };
        environment.openWebPage = [this](const QUrl& address) { opened = address; };
        window->SetEnvironment(std::move(environment));
    }

    void Click(const char* button) {
        auto* target = window->findChild<QPushButton*>(QString::fromLatin1(button));
        QVERIFY2(target != nullptr, button);
        QVERIFY2(target->isEnabled(), button);
        QTest::mouseClick(target, Qt::LeftButton);
    }
    QLabel* Label(const char* name) const {
        return window->findChild<QLabel*>(QString::fromLatin1(name));
    }
    void SwitchTo(Language language) {
        context.language = language;
        QEvent change(QEvent::LanguageChange);
        QApplication::sendEvent(window.get(), &change);
    }

    AppContext context;
    std::unique_ptr<ShellRegistrationWindow> window;
    bool administrator = false;
    std::vector<std::string> started;
    int quits = 0;
    QUrl opened;
};

const QColor kGreen(0, 128, 0);
const QColor kRed(255, 0, 0);

QColor TextColour(const QLabel* label) {
    return label->palette().color(QPalette::WindowText);
}

}  // namespace

class ShellRegistrationTest : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        home_ = std::make_unique<QTemporaryDir>();
        QVERIFY(home_->isValid());
        messages_.clear();
        SetMessageSink([this](MessageKind, const QString& text) { messages_ << text; });
    }
    void cleanup() { SetMessageSink({}); }

    void isAModelessWindowOfItsKind() {
        for (const Kind kind : {Kind::Configuration, Kind::Index}) {
            Fixture fixture(kind, home_->path());
            fixture.window->Open();
            QCOMPARE(fixture.window->objectName(),
                     QString::fromLatin1(kind == Kind::Configuration ? "Teinstshortcuts_lkfg"
                                                                     : "Teinstshortcuts_idx"));
            QVERIFY(fixture.window->isVisible());
            QVERIFY(!fixture.window->isModal());
            QCOMPARE(fixture.window->windowTitle(), QStringLiteral("Verknüpfungen"));
            QCOMPARE(fixture.window->findChild<QLineEdit*>("beldateien")->text(),
                     QStringLiteral("txt,log,php,htm,html"));
        }
    }

    void eachButtonPairSetsItsStatus_data() {
        QTest::addColumn<QString>("registerButton");
        QTest::addColumn<QString>("removeButton");
        QTest::addColumn<QString>("status");
        QTest::addColumn<QString>("file");
        QTest::newRow("file type") << "KonfigAn"
                                   << "KonfigAus"
                                   << "ver_konfig"
                                   << "data/applications/lexorim-idx.desktop";
        QTest::newRow("send to") << "SendenAnAn"
                                 << "SendenAnAus"
                                 << "ver_sendenan"
                                 << "data/Thunar/sendto/lexorim.desktop";
        QTest::newRow("folders") << "OrdnerAn"
                                 << "OrdnerAus"
                                 << "ver_ordner"
                                 << "data/nemo/actions/OrvellLexorimIDX-folders.nemo_action";
        QTest::newRow("all files") << "AlleDateienAn"
                                   << "AlleDateienAus"
                                   << "ver_alledateien"
                                   << "data/nemo/actions/OrvellLexorimIDX-files.nemo_action";
    }
    void eachButtonPairSetsItsStatus() {
        QFETCH(QString, registerButton);
        QFETCH(QString, removeButton);
        QFETCH(QString, status);
        QFETCH(QString, file);
        Fixture fixture(Kind::Index, home_->path());
        fixture.window->Open();
        QLabel* label = fixture.Label(qPrintable(status));
        QCOMPARE(label->text(), QStringLiteral("Nicht aktiv"));
        QCOMPARE(TextColour(label), kRed);

        fixture.Click(qPrintable(registerButton));
        QCOMPARE(label->text(), QStringLiteral("Aktiv"));
        QCOMPARE(TextColour(label), kGreen);
        QVERIFY(QFile::exists(home_->filePath(file)));
        QVERIFY2(messages_.isEmpty(), qPrintable(messages_.join(u'\n')));

        fixture.SwitchTo(Language::English);
        QCOMPARE(label->text(), QStringLiteral("Activated"));
        fixture.Click(qPrintable(removeButton));
        QCOMPARE(label->text(), QStringLiteral("Not activated"));
        QCOMPARE(TextColour(label), kRed);
        QVERIFY(!QFile::exists(home_->filePath(file)));
    }

    void showsTheTextsOfEachLanguage() {
        Fixture fixture(Kind::Configuration, home_->path(), kProgram, Language::English);
        QCOMPARE(fixture.window->windowTitle(), QStringLiteral("Shortcuts"));
        const auto caption = [&](const char* button) {
            return WithoutMnemonic(fixture.window->findChild<QPushButton*>(button)->text());
        };
        QCOMPARE(caption("KonfigAn"), QStringLiteral("Register"));
        QCOMPARE(caption("BeliebigeDateienAus"), QStringLiteral("Remove"));
        QCOMPARE(fixture.Label("ver_ordner")->text(), QStringLiteral("Not activated"));
        QCOMPARE(fixture.Label("Label2")->text(), QStringLiteral("Status:"));
        QVERIFY(fixture.Label("Label1")->text().contains(QStringLiteral(".lkfg")));
        fixture.SwitchTo(Language::German);
        QCOMPARE(caption("KonfigAn"), QStringLiteral("Verknüpfen"));
        QCOMPARE(caption("OrdnerAus"), QStringLiteral("Entfernen"));
        QCOMPARE(fixture.Label("ver_ordner")->text(), QStringLiteral("Nicht aktiv"));
        QCOMPARE(fixture.window->windowTitle(), QStringLiteral("Verknüpfungen"));
        // The folder entry carries the menu text of the language it was registered in.
        fixture.Click("OrdnerAn");
        std::ifstream action(home_
                                 ->filePath("data/nemo/actions/OrvellLexorimLKFG-folders"
                                            ".nemo_action")
                                 .toStdString());
        std::string text((std::istreambuf_iterator<char>(action)), {});
        QVERIFY(text.find("Name=Öffnen mit Orvell Lexorim\n") != std::string::npos);
    }

    void entriesOfAnotherProgramPathShowNotActive() {
        Fixture original(Kind::Configuration, home_->path());
        for (const char* button : {"KonfigAn", "SendenAnAn", "OrdnerAn", "AlleDateienAn"})
            original.Click(button);
        Fixture copy(Kind::Configuration, home_->path(), "/home/user/other copy/lexorim");
        copy.window->Open();
        for (const char* status : {"ver_konfig", "ver_sendenan", "ver_ordner", "ver_alledateien"}) {
            QCOMPARE(original.Label(status)->text(), QStringLiteral("Aktiv"));
            QCOMPARE(copy.Label(status)->text(), QStringLiteral("Nicht aktiv"));
        }
    }

    void bothWindowsShareTheSendToEntry() {
        Fixture index(Kind::Index, home_->path());
        Fixture configuration(Kind::Configuration, home_->path());
        index.Click("SendenAnAn");
        configuration.window->Open();
        QCOMPARE(configuration.Label("ver_sendenan")->text(), QStringLiteral("Aktiv"));
        configuration.Click("SendenAnAus");
        QCOMPARE(index.Label("ver_sendenan")->text(), QStringLiteral("Aktiv"));
        index.window->Open();
        QCOMPARE(index.Label("ver_sendenan")->text(), QStringLiteral("Nicht aktiv"));
    }

    void listedTypesFollowTheStoredExtensionList() {
        Fixture fixture(Kind::Index, home_->path());
        auto* list = fixture.window->findChild<QLineEdit*>("beldateien");
        QTest::keyClicks(list, QStringLiteral(",  MD ,x:y,."), Qt::NoModifier);
        QCOMPARE(fixture.context.settings.Value(ui::teinstshortcuts_idx::beldateien),
                 u"txt,log,php,htm,html,  MD ,x:y,.");
        // The other window keeps a list of its own.
        QCOMPARE(fixture.context.settings.Value(ui::teinstshortcuts_lkfg::beldateien),
                 u"txt,log,php,htm,html");
        fixture.Click("BeliebigeDateienAn");
        const QDir actions(home_->filePath("data/nemo/actions"));
        QCOMPARE(actions.entryList(QDir::Files).size(), 6);
        QVERIFY(actions.exists("OrvellLexorimIDX-type-md.nemo_action"));
        list->setText(QStringLiteral("md, txt"));
        fixture.Click("BeliebigeDateienAus");
        QCOMPARE(
            actions.entryList(QDir::Files),
            (QStringList{
                "OrvellLexorimIDX-type-htm.nemo_action", "OrvellLexorimIDX-type-html.nemo_action",
                "OrvellLexorimIDX-type-log.nemo_action", "OrvellLexorimIDX-type-php.nemo_action"}));
    }

    void aFailedWriteIsShownWithTheFile() {
        QVERIFY(QDir(home_->path()).mkpath("data"));
        QFile blocker(home_->filePath("data/nemo"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        Fixture fixture(Kind::Index, home_->path());
        fixture.Click("AlleDateienAn");
        QCOMPARE(messages_.size(), 1);
        QVERIFY2(messages_[0].contains(QStringLiteral("OrvellLexorimIDX-files.nemo_action")),
                 qPrintable(messages_[0]));
        QVERIFY2(messages_[0].contains(QStringLiteral("kann nicht angelegt werden")),
                 qPrintable(messages_[0]));
        QCOMPARE(fixture.Label("ver_alledateien")->text(), QStringLiteral("Nicht aktiv"));
    }

    void theAdministratorStateDecidesTheRestartButton() {
        Fixture fixture(Kind::Configuration, home_->path());
        auto* restart = fixture.window->findChild<QPushButton*>("AlsAdminStarten");
        QCOMPARE(fixture.Label("Label9")->text(),
                 QStringLiteral("Das Programm wird gerade nicht als Administrator ausgeführt."));
        QCOMPARE(TextColour(fixture.Label("Label9")), kRed);
        QVERIFY(restart->isEnabled());
        fixture.Click("AlsAdminStarten");
        QCOMPARE(fixture.started.front(), std::string("pkexec"));
        QCOMPARE(fixture.started.back(), std::string(kProgram));
        QCOMPARE(fixture.quits, 1);

        fixture.administrator = true;
        fixture.SwitchTo(Language::English);
        QCOMPARE(fixture.Label("Label9")->text(),
                 QStringLiteral("The Program is running as an Administrator."));
        QCOMPARE(TextColour(fixture.Label("Label9")), kGreen);
        QVERIFY(!restart->isEnabled());
    }

    void theRestartEndsTheProgramEvenWhenItIsRefused() {
        Fixture fixture(Kind::Index, home_->path());
        ShellRegistrationWindow::Environment refusing;
        refusing.program = kProgram;
        refusing.startDetached = [](const std::vector<std::string>&) { return false; };
        int quits = 0;
        refusing.quit = [&quits] { ++quits; };
        fixture.window->SetEnvironment(std::move(refusing));
        fixture.Click("AlsAdminStarten");
        QCOMPARE(quits, 1);
    }

    void theHelpLinkOpensTheShortcutsPage() {
        QCOMPARE(ShellHelpAddress(ShellHelpCaption(Language::German)).toString(),
                 QStringLiteral("https://www.orvell.example/de/lexorim/hilfe/verknuepfungen/"));
        QCOMPARE(ShellHelpAddress(ShellHelpCaption(Language::English)).toString(),
                 QStringLiteral("https://www.orvell.example/en/lexorim/help/shortcuts/"));
        Fixture fixture(Kind::Index, home_->path(), kProgram, Language::English);
        QLabel* link = fixture.Label("Label70");
        QVERIFY(link->text().contains(QStringLiteral("orvell.example/en/lexorim/help/shortcuts/")));
        QVERIFY(!link->text().contains(QStringLiteral("https://")));
        emit link->linkActivated(QStringLiteral("ignored"));
        QCOMPARE(fixture.opened.toString(),
                 QStringLiteral("https://www.orvell.example/en/lexorim/help/shortcuts/"));
    }

    void openRefreshesFromTheDesktop() {
        Fixture fixture(Kind::Index, home_->path());
        QCOMPARE(fixture.Label("ver_konfig")->text(), QStringLiteral("Nicht aktiv"));
        const ShellRegistration behindItsBack(ShellFileKind::Index,
                                              {fs::path(home_->path().toStdString()) / "data",
                                               fs::path(home_->path().toStdString()) / "config"},
                                              kProgram);
        (void)behindItsBack.RegisterFileType();
        QCOMPARE(fixture.Label("ver_konfig")->text(), QStringLiteral("Nicht aktiv"));
        fixture.window->Open();
        QCOMPARE(fixture.Label("ver_konfig")->text(), QStringLiteral("Aktiv"));
        fixture.Click("OK");
        QVERIFY(!fixture.window->isVisible());
    }

  private:
    std::unique_ptr<QTemporaryDir> home_;
    QStringList messages_;
};

QTEST_MAIN(ShellRegistrationTest)
#include "shell_registration_test.moc"
