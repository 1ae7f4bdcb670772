// The design dialogs driven as a user would: the two of the file index (every field bound to its
// setting, the preview line, the separator label, the colour fields with their swatches, the
// colour dialog and picking a colour from the screen) and the keyword index design with its
// preview, which is built the same way.

#include <QApplication>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <map>
#include <memory>

#include "app/app_context.h"
#include "app/common/error_display.h"
#include "app/common/mnemonics.h"
#include "app/common/qt_text.h"
#include "app/fileindex/file_index_design_dialogs.h"
#include "app/keywordindex/keyword_design_dialog.h"

using namespace lexorim;
using namespace lexorim::app;

namespace {

struct Binding {
    const char* control;
    const char* fromSettings;  // a value set through the settings
    const char* typed;         // a value the user types
};

void SendMouse(QWidget* target, QEvent::Type type, const QPoint& local, Qt::MouseButton button,
               Qt::MouseButtons held) {
    QMouseEvent event(type, QPointF(local), QPointF(target->mapToGlobal(local)), button, held,
                      Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

}  // namespace

class FileIndexDesignDialogsTest : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<AppContext> context_;
    QStringList messages_;

    QString Value(const char* window, const char* control) const {
        return ToQString(context_->settings.Value(window, control));
    }

    // Each edit and combo box shows a value set in the settings, and what is typed becomes the
    // setting; each check box the same with its two states.
    void CheckBoundBothWays(QDialog& dialog, const char* window,
                            const std::vector<Binding>& bindings) {
        for (const Binding& binding : bindings) {
            const QString name = QString::fromLatin1(binding.control);
            context_->settings.Set(std::string(window) + "." + binding.control,
                                   ToText(QString::fromUtf8(binding.fromSettings)));
            if (auto* edit = dialog.findChild<QLineEdit*>(name);
                edit != nullptr && edit->parent() != nullptr &&
                qobject_cast<QComboBox*>(edit->parent()) == nullptr) {
                QCOMPARE(edit->text(), QString::fromUtf8(binding.fromSettings));
                edit->clear();
                QTest::keyClicks(edit, QString::fromUtf8(binding.typed));
            } else if (auto* combo = dialog.findChild<QComboBox*>(name)) {
                QCOMPARE(combo->currentText(), QString::fromUtf8(binding.fromSettings));
                combo->setCurrentText(QString::fromUtf8(binding.typed));
            } else if (auto* box = dialog.findChild<QCheckBox*>(name)) {
                QCOMPARE(box->isChecked(), QByteArray(binding.fromSettings) == "1");
                box->click();
            } else {
                QFAIL(qPrintable(QStringLiteral("no control ") + name));
            }
            QCOMPARE(Value(window, binding.control), QString::fromUtf8(binding.typed));
        }
    }

    static QString Label(QDialog& dialog, const char* name) {
        return WithoutMnemonic(
            dialog.findChild<QLabel*>(QString::fromLatin1(name) + QStringLiteral("_label"))
                ->text());
    }

  private slots:
    void init() {
        messages_.clear();
        SetMessageSink([this](MessageKind, const QString& text) { messages_ << text; });
        context_ = std::make_unique<AppContext>();
    }

    void cleanup() {
        context_.reset();
        SetMessageSink({});
    }

    void textDesignFieldsAreBoundBothWays() {
        FileTextDesignDialog dialog(*context_, nullptr);
        CheckBoundBothWays(dialog, "Ttextdesign",
                           {{"titel", "Register", "Verzeichnis"},
                            {"s", " ; ", " / "},
                            {"es", " = ", " -> "},
                            {"b", "<", "("},
                            {"bl", " {", " <"},
                            {"l", "}", ">"},
                            {"kt_alphabet", "0", "1"},
                            {"namen", "0", "1"},
                            {"links", "1", "0"}});
    }

    void textDesignPreviewFollowsTheFields() {
        FileTextDesignDialog dialog(*context_, nullptr);
        auto* preview = dialog.findChild<QLabel*>(QStringLiteral("beispiel"));
        QCOMPARE(preview->text(),
                 QStringLiteral("Vorschau: Eintrag:  Bezeichung1 [Link1] | Bezeichung2 [Link2]"));
        dialog.findChild<QCheckBox*>(QStringLiteral("namen"))->click();
        QCOMPARE(preview->text(), QStringLiteral("Vorschau: Eintrag:   [Link1] |  [Link2]"));
        dialog.findChild<QCheckBox*>(QStringLiteral("links"))->click();
        QCOMPARE(preview->text(), QStringLiteral("Vorschau: Eintrag:   | "));
        // Values loaded from a configuration reach the preview as typed ones do.
        context_->settings.Set("Ttextdesign.namen", u"1");
        context_->settings.Set("Ttextdesign.links", u"1");
        context_->settings.Set("Ttextdesign.s", u"; ");
        context_->settings.Set("Ttextdesign.es", u" - ");
        context_->settings.Set("Ttextdesign.b", u"<");
        context_->settings.Set("Ttextdesign.bl", u"(");
        QTest::keyClicks(dialog.findChild<QLineEdit*>(QStringLiteral("l")), QStringLiteral(")"));
        QCOMPARE(preview->text(),
                 QStringLiteral("Vorschau: Eintrag - <Bezeichung1(Link1]); <Bezeichung2(Link2])"));
    }

    void htmlDesignFieldsAreBoundBothWays() {
        HtmlDesignDialog dialog(*context_, nullptr);
        CheckBoundBothWays(dialog, "Thdesign",
                           {{"kt_alphabet", "0", "1"},
                            {"linkleiste", "1", "0"},
                            {"LinkTrenner", " - ", " :: "},
                            {"schriftart", "Arial, Helvetica, Sans-Serif", "Fantasy"},
                            {"ft1", "30", "31"},
                            {"ft2", "8", "9px"},
                            {"ftt", "14", "1em"},
                            {"breite_all", "800px", "90%"},
                            {"breite_links", "200px", "210"},
                            {"breite_rechts", "400px", "410"},
                            {"breite_top", "80%", "700"},
                            {"abs_linksrechts", "1px", "2"},
                            {"abs_zwabschnitt", "3px", "4"},
                            {"abs_obenunten", "6px", "7"},
                            {"abs_zwtext", "8px", "9"},
                            {"htmltitel", "Register", "Verzeichnis"},
                            {"Ueberschrift", "Alle Dateien", "Dateien"},
                            {"farbe_text", "#101010", "#202020"},
                            {"farbe_links", "#303030", "red"},
                            {"farbe_hg", "#EEEEEE", "#DDDDDD"}});
    }

    void htmlDesignComboBoxesOfferTheirChoicesAndTakeTypedText() {
        HtmlDesignDialog dialog(*context_, nullptr);
        const QStringList sizes = {"8",  "9",  "10", "11", "12", "13", "14", "16",
                                   "18", "20", "22", "24", "26", "28", "30"};
        const std::map<QString, QStringList> choices = {
            {"schriftart",
             {"Verdana, Arial, Helvetica, Sans-Serif", "Arial, Helvetica, Sans-Serif",
              "Times New Roman, Times, Serif", "Georgia, Times New Roman, Times, Serif",
              "Geneva, Arial, Helvetica, Sans-Serif", "Courier New, Courier, Mono"}},
            {"ft1", sizes},
            {"ft2", sizes},
            {"ftt", sizes}};
        const std::map<QString, QString> defaults = {
            {"schriftart", "Verdana, Arial, Helvetica, Sans-Serif"},
            {"ft1", "24"},
            {"ft2", "16"},
            {"ftt", "12"}};
        for (const auto& [name, items] : choices) {
            auto* combo = dialog.findChild<QComboBox*>(name);
            QVERIFY2(combo != nullptr, qPrintable(name));
            QVERIFY(combo->isEditable());
            QStringList shown;
            for (int i = 0; i < combo->count(); ++i)
                shown << combo->itemText(i);
            QCOMPARE(shown, items);
            QCOMPARE(combo->currentText(), defaults.at(name));
        }
        // Switching the language sets the items again but keeps the chosen values.
        context_->settings.Set("Thdesign.schriftart", u"Courier New, Courier, Mono");
        context_->language = Language::English;
        dialog.ApplyTexts();
        QCOMPARE(dialog.findChild<QComboBox*>("schriftart")->currentText(),
                 QStringLiteral("Courier New, Courier, Mono"));
        QCOMPARE(Value("Thdesign", "ft1"), QStringLiteral("24"));
    }

    void captionsInBothLanguages() {
        struct Case {
            Language language;
            QString textTitle, htmlTitle, textGroup, htmlGroup, colourGroup, heading, separator,
                preview;
        };
        for (const Case& c :
             {Case{Language::German, "TextIndex Design", "HTML Einstellungen", "Verwendete Zeichen",
                   "Schriftart und Schriftgröße", "Farben", "Überschrift über dem Index",
                   "Zeichen zwischen den Links \" | \"",
                   "Vorschau: Eintrag:  Bezeichung1 [Link1] | Bezeichung2 [Link2]"},
              Case{Language::English, "TextIndex Design", "HTML Settings", "Used Characters",
                   "Font and Font Size", "Colors", "Headline over the Index",
                   "Character Between Links \" | \"",
                   "Preview: Entry:  Synonym1 [Link1] | Synonym2 [Link2]"}}) {
            context_->language = c.language;
            FileTextDesignDialog text(*context_, nullptr);
            HtmlDesignDialog html(*context_, nullptr);
            QCOMPARE(text.windowTitle(), c.textTitle);
            QCOMPARE(html.windowTitle(), c.htmlTitle);
            QCOMPARE(WithoutMnemonic(text.findChild<QGroupBox*>("gb3")->title()), c.textGroup);
            QCOMPARE(WithoutMnemonic(html.findChild<QGroupBox*>("gb2")->title()), c.htmlGroup);
            QCOMPARE(WithoutMnemonic(html.findChild<QGroupBox*>("gb7")->title()), c.colourGroup);
            QCOMPARE(Label(text, "titel"), c.heading);
            QCOMPARE(Label(html, "LinkTrenner"), c.separator);
            QCOMPARE(text.findChild<QLabel*>("beispiel")->text(), c.preview);
            QCOMPARE(Label(html, "farbe_hg"), c.language == Language::German
                                                  ? QStringLiteral("Hintergrund")
                                                  : QStringLiteral("Background"));
            for (const char* button : {"FarbwahlText", "FarbwahlLinks", "FarbwahlHG"})
                QCOMPARE(html.findChild<QPushButton*>(button)->text(), QStringLiteral("..."));
        }
    }

    void separatorLabelFollowsItsValue() {
        HtmlDesignDialog dialog(*context_, nullptr);
        auto* edit = dialog.findChild<QLineEdit*>(QStringLiteral("LinkTrenner"));
        edit->clear();
        QTest::keyClicks(edit, QStringLiteral(" - "));
        QCOMPARE(Label(dialog, "LinkTrenner"),
                 QStringLiteral("Zeichen zwischen den Links \" - \""));
        // An ampersand is shown as itself, not taken as the label's mnemonic.
        context_->settings.Set("Thdesign.LinkTrenner", u" & ");
        QCOMPARE(Label(dialog, "LinkTrenner"),
                 QStringLiteral("Zeichen zwischen den Links \" & \""));
        context_->language = Language::English;
        dialog.ApplyTexts();
        QCOMPARE(Label(dialog, "LinkTrenner"), QStringLiteral("Character Between Links \" & \""));
    }

    void swatchesShowTheirFieldsColours() {
        HtmlDesignDialog dialog(*context_, nullptr);
        const auto swatch = [&](const char* name) {
            return dialog.findChild<ColourSwatch*>(QString::fromLatin1(name))->colour();
        };
        QCOMPARE(swatch("pafa_text"), QColor(0x33, 0x33, 0x33));
        QCOMPARE(swatch("pafa_links"), QColor(0, 0, 0xFF));
        QCOMPARE(swatch("pafa_hg"), QColor(0xFF, 0xFF, 0xFF));
        for (const auto& [text, expected] :
             {std::pair{u"#00ff00", QColor(0, 0xFF, 0)}, std::pair{u"0000FF", QColor(0, 0, 0xFF)},
              std::pair{u"#A1B2C3", QColor(0xA1, 0xB2, 0xC3)}}) {
            context_->settings.Set("Thdesign.farbe_hg", text);
            QCOMPARE(swatch("pafa_hg"), expected);
        }
        QVERIFY(messages_.isEmpty());
    }

    void aBadColourIsReportedOnceAndKeepsTheSwatch() {
        HtmlDesignDialog dialog(*context_, nullptr);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        auto* edit = dialog.findChild<QLineEdit*>(QStringLiteral("farbe_text"));
        auto* swatch = dialog.findChild<ColourSwatch*>(QStringLiteral("pafa_text"));
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, QStringLiteral("#33"));
        // Typing is not interrupted: the swatch keeps its colour while the text is no colour.
        QVERIFY(messages_.isEmpty());
        QCOMPARE(swatch->colour(), QColor(0x33, 0x33, 0x33));
        QTest::keyClick(edit, Qt::Key_Tab);
        QVERIFY(!edit->hasFocus());
        QCOMPARE(messages_.size(), 1);
        QVERIFY2(messages_.front().contains(QStringLiteral("\"#33\" ist keine gültige Farbe")),
                 qPrintable(messages_.front()));
        // The text is kept as typed: the page may still understand it.
        QCOMPARE(Value("Thdesign", "farbe_text"), QStringLiteral("#33"));
        QCOMPARE(swatch->colour(), QColor(0x33, 0x33, 0x33));
        // OK does not repeat what the user has just been told.
        dialog.findChild<QPushButton*>(QStringLiteral("OK"))->click();
        QCOMPARE(messages_.size(), 1);
        QVERIFY(!dialog.isVisible());

        // A bad colour set without leaving its field is reported on OK, in the interface language.
        context_->language = Language::English;
        dialog.show();
        context_->settings.Set("Thdesign.farbe_links", u"blue");
        dialog.findChild<QPushButton*>(QStringLiteral("OK"))->click();
        QCOMPARE(messages_.size(), 2);
        QVERIFY2(messages_.back().startsWith(QStringLiteral("\"blue\" is not a valid colour")),
                 qPrintable(messages_.back()));
        QCOMPARE(dialog.findChild<ColourSwatch*>("pafa_links")->colour(), QColor(0, 0, 0xFF));
        QVERIFY(!dialog.isVisible());
    }

    void theColourDialogSetsTheField() {
        HtmlDesignDialog dialog(*context_, nullptr);
        dialog.show();
        auto* edit = dialog.findChild<QLineEdit*>(QStringLiteral("farbe_links"));
        QColor offered;
        const auto answer = [&offered](const QColor& chosen) {
            QTimer::singleShot(0, [&offered, chosen] {
                auto* colours = qobject_cast<QColorDialog*>(QApplication::activeModalWidget());
                if (colours == nullptr)
                    return;
                offered = colours->currentColor();
                if (chosen.isValid()) {
                    colours->setCurrentColor(chosen);
                    colours->accept();
                } else {
                    colours->reject();
                }
            });
        };
        answer(QColor(0x12, 0xAB, 0x5C));
        dialog.findChild<QPushButton*>(QStringLiteral("FarbwahlLinks"))->click();
        QCOMPARE(offered, QColor(0, 0, 0xFF));
        QCOMPARE(edit->text(), QStringLiteral("#12AB5C"));
        QCOMPARE(Value("Thdesign", "farbe_links"), QStringLiteral("#12AB5C"));
        QCOMPARE(dialog.findChild<ColourSwatch*>("pafa_links")->colour(), QColor(0x12, 0xAB, 0x5C));
        // Cancelling the colour dialog changes nothing.
        answer(QColor());
        dialog.findChild<QPushButton*>(QStringLiteral("FarbwahlLinks"))->click();
        QCOMPARE(offered, QColor(0x12, 0xAB, 0x5C));
        QCOMPARE(edit->text(), QStringLiteral("#12AB5C"));
        QVERIFY(messages_.isEmpty());
    }

    void pickingTakesTheLastColourUnderThePointer() {
        HtmlDesignDialog dialog(*context_, nullptr);
        dialog.show();
        auto* swatch = dialog.findChild<ColourSwatch*>(QStringLiteral("pafa_hg"));
        auto* edit = dialog.findChild<QLineEdit*>(QStringLiteral("farbe_hg"));
        // Two places on the screen, one inside the swatch and one far outside the dialog.
        const QPoint inside(5, 5), outside(-300, 900);
        const std::map<std::pair<int, int>, QColor> screen = {
            {{swatch->mapToGlobal(inside).x(), swatch->mapToGlobal(inside).y()},
             QColor(0x10, 0x20, 0x30)},
            {{swatch->mapToGlobal(outside).x(), swatch->mapToGlobal(outside).y()},
             QColor(0xC0, 0xFF, 0x01)}};
        QList<QPoint> asked;
        dialog.SetPixelSource([&](const QPoint& at) {
            asked << at;
            const auto found = screen.find({at.x(), at.y()});
            return found != screen.end() ? found->second : QColor(Qt::black);
        });

        // Moving without a pick in progress changes nothing.
        SendMouse(swatch, QEvent::MouseMove, inside, Qt::NoButton, Qt::NoButton);
        QVERIFY(asked.isEmpty());
        QCOMPARE(edit->text(), QStringLiteral("#FFFFFF"));

        SendMouse(swatch, QEvent::MouseButtonPress, inside, Qt::LeftButton, Qt::LeftButton);
        QVERIFY(swatch->isPicking());
        QCOMPARE(QWidget::mouseGrabber(), swatch);
        SendMouse(swatch, QEvent::MouseMove, inside, Qt::NoButton, Qt::LeftButton);
        QCOMPARE(edit->text(), QStringLiteral("#102030"));
        QCOMPARE(swatch->colour(), QColor(0x10, 0x20, 0x30));
        SendMouse(swatch, QEvent::MouseMove, outside, Qt::NoButton, Qt::LeftButton);
        QCOMPARE(edit->text(), QStringLiteral("#C0FF01"));
        SendMouse(swatch, QEvent::MouseButtonRelease, outside, Qt::LeftButton, Qt::NoButton);
        QVERIFY(!swatch->isPicking());
        QVERIFY(QWidget::mouseGrabber() == nullptr);
        QCOMPARE(asked, (QList<QPoint>{swatch->mapToGlobal(inside), swatch->mapToGlobal(outside)}));
        QCOMPARE(edit->text(), QStringLiteral("#C0FF01"));
        QCOMPARE(Value("Thdesign", "farbe_hg"), QStringLiteral("#C0FF01"));
        QCOMPARE(swatch->colour(), QColor(0xC0, 0xFF, 0x01));

        SendMouse(swatch, QEvent::MouseMove, inside, Qt::NoButton, Qt::NoButton);
        QCOMPARE(edit->text(), QStringLiteral("#C0FF01"));
        // The other swatches were not touched.
        QCOMPARE(Value("Thdesign", "farbe_text"), QStringLiteral("#333333"));
        QCOMPARE(Value("Thdesign", "farbe_links"), QStringLiteral("#0000FF"));
        QVERIFY(messages_.isEmpty());
    }

    void keywordDesignFieldsAreBoundBothWays() {
        KeywordDesignDialog dialog(*context_, nullptr);
        CheckBoundBothWays(dialog, "Tsdesign",
                           {{"v", "> ", "* "},
                            {"zwdl", " - ", " / "},
                            {"zw", " = ", ": "},
                            {"zwe", "; ", " | "},
                            {"ne", " <", "."},
                            {"bez", "1", "0"},
                            {"dateiname", "0", "1"},
                            {"leerzeile", "0", "1"}});
    }

    void keywordDesignPreviewFollowsTheFields() {
        struct Case {
            const char* control;
            const char16_t* value;
            QString german;
        };
        KeywordDesignDialog dialog(*context_, nullptr);
        auto* preview = dialog.findChild<QLabel*>(QStringLiteral("beispiel"));
        QCOMPARE(preview->text(), QStringLiteral("Vorschau: datei.txt:  Stichwort1, Stichwort2"));
        // Each change on top of the ones before it.
        for (const Case& c :
             {Case{"bez", u"1", "Vorschau: Dateiname datei.txt:  Stichwort1, Stichwort2"},
              Case{"zwdl", u" - ", "Vorschau: Dateiname - datei.txt:  Stichwort1, Stichwort2"},
              Case{"dateiname", u"0", "Vorschau: Dateiname:  Stichwort1, Stichwort2"},
              Case{"v", u"[", "Vorschau: [Dateiname:  Stichwort1, Stichwort2"},
              Case{"zw", u" = ", "Vorschau: [Dateiname = Stichwort1, Stichwort2"},
              Case{"zwe", u"; ", "Vorschau: [Dateiname = Stichwort1; Stichwort2"},
              Case{"ne", u"]", "Vorschau: [Dateiname = Stichwort1; Stichwort2]"},
              Case{"leerzeile", u"0", "Vorschau: [Dateiname = Stichwort1; Stichwort2]"}}) {
            context_->settings.Set(std::string("Tsdesign.") + c.control, c.value);
            QCOMPARE(preview->text(), c.german);
        }
        context_->language = Language::English;
        dialog.ApplyTexts();
        QCOMPARE(dialog.windowTitle(), QStringLiteral("KeywordIndex Design"));
        QCOMPARE(preview->text(), QStringLiteral("Preview: [Dateiname = Keyword1; Keyword2]"));
        QCOMPARE(Label(dialog, "zwdl"), QStringLiteral("Between Synonym and File Name"));
        context_->language = Language::German;
        dialog.ApplyTexts();
        QCOMPARE(dialog.windowTitle(), QStringLiteral("StichwortIndex Design"));
        QCOMPARE(Label(dialog, "zwdl"), QStringLiteral("Zwischen Bezeichnung/Dateiname"));
        QCOMPARE(WithoutMnemonic(dialog.findChild<QGroupBox*>("gb2")->title()),
                 QStringLiteral("Layout"));
    }
};

QTEST_MAIN(FileIndexDesignDialogsTest)
#include "file_index_design_dialogs_test.moc"
