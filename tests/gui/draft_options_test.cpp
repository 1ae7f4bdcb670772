// The clean draft in the desktop program: the one check box on the criteria page of each wizard,
// its partly checked state, the dialog with each option (OK, Abbrechen, Escape, the Tab order and
// the mnemonics), a saved configuration, and the captions in both languages.

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

#include "app/app_context.h"
#include "app/common/draft_options_dialog.h"
#include "app/common/draft_switch.h"
#include "app/common/error_display.h"
#include "app/common/mnemonics.h"
#include "app/common/qt_text.h"
#include "app/fileindex/file_index_wizard.h"
#include "app/keywordindex/keyword_index_wizard.h"
#include "app/main_window.h"
#include "app/textindex/text_index_wizard.h"
#include "gui_test_support.h"
#include "settings/configuration.h"
#include "settings/draft_settings.h"
#include "settings/languages.h"

using namespace lexorim;
using namespace lexorim::app;

class DraftOptionsTest : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<AppContext> context_;
    std::unique_ptr<MainWindow> window_;
    QStringList messages_;

    // The wizards with their criteria pages.
    struct Kind {
        const char* panel;
        std::function<WizardBase*(MainWindow&)> wizard;
        int criteriaPage;
    };
    static std::vector<Kind> Kinds() {
        return {{"pgtxt", [](MainWindow& w) { return w.textIndex(); }, TextIndexWizard::tt3},
                {"pgdateien", [](MainWindow& w) { return w.fileIndex(); }, FileIndexWizard::td2},
                {"pgstw", [](MainWindow& w) { return w.keywordIndex(); }, KeywordIndexWizard::ts2}};
    }
    std::vector<DraftSwitch*> Switches() const {
        std::vector<DraftSwitch*> switches;
        for (const Kind& kind : Kinds())
            switches.push_back(kind.wizard(*window_)->draftSwitch());
        return switches;
    }
    DraftOptionsDialog* Dialog() const {
        return window_->findChild<DraftOptionsDialog*>(QStringLiteral("Tentwurf"));
    }
    template <typename T>
    T* InDialog(const char* name) const {
        T* child = Dialog()->findChild<T*>(QString::fromLatin1(name));
        if (child == nullptr)
            qFatal("the draft dialog has no %s", name);
        return child;
    }
    bool On(const char* name) const { return context_->settings.IsOn("Tentwurf", name); }
    QString Value(const char* name) const {
        return ToQString(context_->settings.Value("Tentwurf", name));
    }
    // Opens the dialog with the button of the wizard's criteria page; `work` runs in the open
    // dialog, which it must close.
    void WithDialogOpenedFrom(const Kind& kind, std::function<void(DraftOptionsDialog*)> work) {
        window_->ShowPanel(kind.panel);
        WizardBase* wizard = kind.wizard(*window_);
        wizard->TabChosen(kind.criteriaPage);
        bool ran = false;
        QTimer::singleShot(0, this, [&] {
            auto* dialog = qobject_cast<DraftOptionsDialog*>(QApplication::activeModalWidget());
            if (dialog == nullptr) {
                Dialog()->reject();
                return;
            }
            ran = true;
            work(dialog);
            if (dialog->isVisible())
                dialog->reject();  // a failed check inside must not leave the dialog open
        });
        wizard->draftSwitch()->optionsButton()->click();
        QVERIFY(ran);
    }

  private slots:
    void init() {
        messages_.clear();
        SetMessageSink([this](MessageKind, const QString& text) { messages_ << text; });
        context_ = std::make_unique<AppContext>();
        window_ = std::make_unique<MainWindow>(*context_);
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    }

    void cleanup() {
        window_.reset();
        context_.reset();
        SetMessageSink({});
    }

    // Each wizard's check box switches every option, and the three boxes show the same state.
    void theCheckBoxSwitchesEveryOptionOnAndOff() {
        const DraftOptions plain = MakeDraftOptions(context_->settings);
        QVERIFY(!plain.AnyOn());
        for (const Kind& kind : Kinds()) {
            QCheckBox* box = kind.wizard(*window_)->draftSwitch()->checkBox();
            window_->ShowPanel(kind.panel);
            kind.wizard(*window_)->TabChosen(kind.criteriaPage);
            QVERIFY2(box->isVisible(), kind.panel);

            box->click();
            QCOMPARE(MakeDraftOptions(context_->settings), WithEveryDraftOption(plain));
            for (DraftSwitch* each : Switches())
                QCOMPARE(each->checkBox()->checkState(), Qt::Checked);
            // The range, the language and the numbers are no switches and stay as they were.
            QCOMPARE(Value("ew_sprache"), QStringLiteral("auto"));
            QCOMPARE(Value("ew_stichwortanzahl"), QStringLiteral("15"));

            box->click();
            QCOMPARE(MakeDraftOptions(context_->settings), plain);
            for (DraftSwitch* each : Switches())
                QCOMPARE(each->checkBox()->checkState(), Qt::Unchecked);
        }
    }

    // Some options on shows partly checked; a click then switches all on, never to partly.
    void someOptionsOnShowPartlyCheckedAndAClickSwitchesAllOn() {
        context_->settings.Set("Tentwurf.ew_wortformen", u"1");
        for (DraftSwitch* each : Switches())
            QCOMPARE(each->checkBox()->checkState(), Qt::PartiallyChecked);
        QCheckBox* box = window_->keywordIndex()->draftSwitch()->checkBox();
        box->click();
        QCOMPARE(box->checkState(), Qt::Checked);
        QCOMPARE(DraftSwitchStateOf(context_->settings), DraftSwitchState::On);
        // The last option off again is partly checked, as is the first of them off.
        context_->settings.Set("Tentwurf.ew_haeufigewoerter", u"0");
        QCOMPARE(box->checkState(), Qt::PartiallyChecked);
        box->click();
        box->click();
        QCOMPARE(box->checkState(), Qt::Unchecked);
        QVERIFY(!MakeDraftOptions(context_->settings).AnyOn());
        // The keyboard does what the click does.
        box->setFocus();
        QTest::keyClick(box, Qt::Key_Space);
        QCOMPARE(box->checkState(), Qt::Checked);
    }

    // OK keeps what was changed in the dialog; Abbrechen and Escape put back the values it was
    // opened with, the range, the language and the numbers as much as the check boxes. The
    // wizards' check boxes follow the dialog while it is open.
    void okKeepsTheChangesCancelAndEscapePutBackTheOpeningValues() {
        struct Case {
            const char* how;
            bool kept;
        };
        const Case cases[] = {{"OK", true}, {"Abbrechen", false}, {"Escape", false}};
        for (const Kind& kind : Kinds()) {
            for (const Case& c : cases) {
                context_->settings.Set("Tentwurf.ew_kurzwoerter", u"1");
                context_->settings.Set("Tentwurf.ew_kopfzeilen", u"0");
                context_->settings.Set("Tentwurf.ew_seitenbereich", u"");
                context_->settings.Set("Tentwurf.ew_sprache", u"auto");
                context_->settings.Set("Tentwurf.ew_haeufigewoerter", u"0");
                context_->settings.Set("Tentwurf.ew_dokumentanteil", u"80");
                const QByteArray where = QByteArray(kind.panel) + " " + c.how;
                Qt::CheckState whileOpen = Qt::Unchecked;
                WithDialogOpenedFrom(kind, [&](DraftOptionsDialog* dialog) {
                    InDialog<QCheckBox>("ew_kopfzeilen")->click();
                    InDialog<QCheckBox>("ew_kurzwoerter")->click();
                    InDialog<QLineEdit>("ew_seitenbereich")->setText(QStringLiteral("1-20"));
                    auto* language = InDialog<QComboBox>("ew_sprache");
                    language->setCurrentIndex(language->findText(QStringLiteral("en")));
                    InDialog<QCheckBox>("ew_haeufigewoerter")->click();
                    InDialog<QLineEdit>("ew_dokumentanteil")->setText(QStringLiteral("60"));
                    whileOpen = kind.wizard(*window_)->draftSwitch()->checkBox()->checkState();
                    if (std::string_view(c.how) == "Escape")
                        QTest::keyClick(dialog, Qt::Key_Escape);
                    else
                        InDialog<QPushButton>(c.how)->click();
                });
                QVERIFY2(!Dialog()->isVisible(), where);
                QVERIFY2(whileOpen == Qt::PartiallyChecked, where);
                QVERIFY2(On("ew_kopfzeilen") == c.kept, where);
                QVERIFY2(On("ew_kurzwoerter") == !c.kept, where);
                QVERIFY2(On("ew_haeufigewoerter") == c.kept, where);
                QCOMPARE(Value("ew_seitenbereich"), c.kept ? QStringLiteral("1-20") : QString());
                QCOMPARE(Value("ew_sprache"),
                         c.kept ? QStringLiteral("en") : QStringLiteral("auto"));
                QCOMPARE(Value("ew_dokumentanteil"),
                         c.kept ? QStringLiteral("60") : QStringLiteral("80"));
                // The dialog shows the settings again, whichever way it was closed.
                QCOMPARE(InDialog<QLineEdit>("ew_seitenbereich")->text(),
                         Value("ew_seitenbereich"));
            }
        }
    }

    // A number box shows whether its option is on; emptied and left with OK it takes its
    // default rather than an empty value.
    void aNumberBoxGoesWithItsOptionAndAnEmptiedOneTakesItsDefault() {
        auto* count = InDialog<QLineEdit>("ew_stichwortanzahl");
        QVERIFY(!count->isEnabled());
        context_->settings.Set("Tentwurf.ew_relevanz", u"1");
        QVERIFY(count->isEnabled());
        WithDialogOpenedFrom(Kinds()[2], [&](DraftOptionsDialog*) {
            count->clear();
            InDialog<QPushButton>("OK")->click();
        });
        QCOMPARE(Value("ew_stichwortanzahl"), QStringLiteral("15"));
    }

    // Tab goes through the options in the order they are shown, then OK and Abbrechen; every
    // control has a mnemonic of its own.
    void theTabOrderFollowsTheLinesAndEveryControlHasItsOwnMnemonic() {
        context_->settings.Set("Tentwurf.ew_relevanz", u"1");
        context_->settings.Set("Tentwurf.ew_haeufigewoerter", u"1");
        QStringList order;
        WithDialogOpenedFrom(Kinds()[0], [&](DraftOptionsDialog* dialog) {
            InDialog<QCheckBox>("ew_kopfzeilen")->setFocus();
            order << dialog->focusWidget()->objectName();
            for (int step = 0; step < 18; ++step) {
                QTest::keyClick(dialog->focusWidget(), Qt::Key_Tab);
                order << dialog->focusWidget()->objectName();
            }
            dialog->reject();
        });
        const QStringList expected = {
            "ew_kopfzeilen",       "ew_inhaltsseiten", "ew_seitenbereich",   "ew_gedrucktenummern",
            "ew_versatzdokumente", "ew_stoppwoerter",  "ew_sprache",         "ew_fachbegriffe",
            "ew_wortformen",       "ew_schreibweisen", "ew_kopfvorzeilen",   "ew_wiederholungen",
            "ew_kurzwoerter",      "ew_relevanz",      "ew_stichwortanzahl", "ew_haeufigewoerter",
            "ew_dokumentanteil"};
        QCOMPARE(order.mid(0, expected.size()), expected);
        // The two buttons follow, in the order they stand in, and Tab comes round again.
        QCOMPARE(
            QSet<QString>(order.begin() + expected.size(), order.begin() + expected.size() + 2),
            (QSet<QString>{"OK", "Abbrechen"}));

        for (const Language language : {Language::German, Language::English}) {
            window_->SetLanguage(language);
            QSet<QChar> letters;
            int captioned = 0;
            for (QWidget* widget : Dialog()->findChildren<QWidget*>()) {
                QString caption;
                if (auto* button = qobject_cast<QAbstractButton*>(widget))
                    caption = button->text();
                else if (auto* label = qobject_cast<QLabel*>(widget); label && label->buddy())
                    caption = label->text();
                else
                    continue;
                const QChar letter = MnemonicOf(caption);
                QVERIFY2(!letter.isNull(), qPrintable(caption));
                QVERIFY2(!letters.contains(letter), qPrintable(caption));
                letters.insert(letter);
                ++captioned;
            }
            // 13 check boxes, the labels of the range and the language, OK and Abbrechen.
            QCOMPARE(captioned, 13 + 2 + 2);
        }
    }

    // The check box and the options land in a saved configuration and come back from it.
    void theOptionsLandInASavedConfiguration() {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("Entwurf.lkfg"));
        window_->fileIndex()->draftSwitch()->checkBox()->click();
        context_->settings.Set("Tentwurf.ew_seitenbereich", u"iii-xii, 1-248");
        context_->settings.Set("Tentwurf.ew_sprache", u"en");
        context_->settings.Set("Tentwurf.ew_schreibweisen", u"0");
        const DraftOptions chosen = MakeDraftOptions(context_->settings);
        QVERIFY(window_->SaveConfiguration(path));

        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        // Written as UTF-16 with its byte order mark, as every configuration.
        const QByteArray bytes = file.readAll();
        QVERIFY(bytes.startsWith("\xFF\xFE"));
        const QString stored = QString::fromUtf16(
            reinterpret_cast<const char16_t*>(bytes.constData() + 2), (bytes.size() - 2) / 2);
        for (const QString line :
             {"[EWCH]", "ew_kopfzeilen=1", "ew_schreibweisen=0", "ew_relevanz=1", "[EWED]",
              "ew_seitenbereich=iii-xii, 1-248", "[EWCB]", "ew_sprache=en"})
            QVERIFY2(stored.contains(line), qPrintable(line));
        Settings loaded;
        ShellState shell;
        KonfigurationLaden(ToPath(path), false, loaded, shell, ScreenSize{}, {});
        QCOMPARE(MakeDraftOptions(loaded), chosen);

        window_->ResetAllSettings();
        QVERIFY(!MakeDraftOptions(context_->settings).AnyOn());
        QCOMPARE(window_->textIndex()->draftSwitch()->checkBox()->checkState(), Qt::Unchecked);
        window_->LoadConfiguration(path);
        QCOMPARE(MakeDraftOptions(context_->settings), chosen);
        QCOMPARE(InDialog<QLineEdit>("ew_seitenbereich")->text(), QStringLiteral("iii-xii, 1-248"));
        for (DraftSwitch* each : Switches())
            QCOMPARE(each->checkBox()->checkState(), Qt::PartiallyChecked);
    }

    // Both languages' captions on the wizards and in the dialog, with their mnemonics stripped.
    void theCaptionsAreThereInBothLanguages() {
        struct Case {
            Language language;
            QString box, button, title, pages, keywordGroup, firstOption, range;
        };
        const Case cases[] = {
            {Language::English, "Clean draft", "Draft...", "Clean Draft", "Pages",
             "File and Keyword Index", "Leave out running heads and feet",
             "Only these pages (e.g. iii-xii, 1-248):"},
            {Language::German, "Bereinigter Entwurf", "Entwurf...", "Bereinigter Entwurf", "Seiten",
             "Datei und Stichwort Index", "Kopf- und Fußzeilen weglassen",
             "Nur diese Seiten (z. B. iii-xii, 1-248):"},
        };
        for (const Case& c : cases) {
            window_->SetLanguage(c.language);
            for (DraftSwitch* each : Switches()) {
                QCOMPARE(WithoutMnemonic(each->checkBox()->text()), c.box);
                QCOMPARE(WithoutMnemonic(each->optionsButton()->text()), c.button);
                QVERIFY(!MnemonicOf(each->checkBox()->text()).isNull());
                QVERIFY(!MnemonicOf(each->optionsButton()->text()).isNull());
            }
            DraftOptionsDialog* dialog = Dialog();
            QCOMPARE(dialog->windowTitle(), c.title);
            QCOMPARE(InDialog<QGroupBox>("ew_seiten")->title(), c.pages);
            QCOMPARE(InDialog<QGroupBox>("ew_stichwoerter")->title(), c.keywordGroup);
            QCOMPARE(WithoutMnemonic(InDialog<QCheckBox>("ew_kopfzeilen")->text()), c.firstOption);
            QCOMPARE(WithoutMnemonic(InDialog<QLabel>("ew_seitenbereich_label")->text()), c.range);
            QCOMPARE(InDialog<QLineEdit>("ew_stichwortanzahl")->accessibleName(),
                     WithoutMnemonic(InDialog<QCheckBox>("ew_relevanz")->text()));
            // Every option of the window has its caption in this language.
            for (const ui::ControlId id : ui::tentwurf::kControls) {
                const QString name = QString::fromUtf8(id.name.data(), id.name.size());
                const QString expected =
                    ToQString(WindowText("Tentwurf", id.name, c.language, ui::TextRole::Caption));
                QString shown;
                if (auto* box = Dialog()->findChild<QCheckBox*>(name))
                    shown = box->text();
                else if (auto* label = Dialog()->findChild<QLabel*>(name + "_label"))
                    shown = label->text();
                else if (id.name == "ew_stichwortanzahl" || id.name == "ew_dokumentanteil")
                    continue;  // captioned by the check box before them
                QCOMPARE(WithoutMnemonic(shown), expected);
            }
        }
    }
};

LEXORIM_GUI_TEST_MAIN(DraftOptionsTest)
#include "draft_options_test.moc"
