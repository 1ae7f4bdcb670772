#include "app/common/mnemonics.h"

#include <QAbstractButton>
#include <QAction>
#include <QDialog>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStackedWidget>
#include <QTabWidget>
#include <algorithm>
#include <functional>
#include <map>
#include <vector>

#include "app/common/wizard_base.h"

namespace lexorim::app {

QString WithoutMnemonic(const QString& caption) {
    QString plain;
    plain.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == u'&' && i + 1 < caption.size()) {
            ++i;  // "&&" is a literal ampersand, "&X" marks X
        }
        plain += caption[i];
    }
    return plain;
}

QChar MnemonicOf(const QString& caption) {
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != u'&')
            continue;
        if (caption[i + 1] != u'&')
            return caption[i + 1].toLower();
        ++i;
    }
    return {};
}

namespace {

// Escapes the caption's own ampersands and marks the character at `position`.
QString Marked(const QString& plain, qsizetype position) {
    QString marked;
    for (qsizetype i = 0; i < plain.size(); ++i) {
        if (i == position)
            marked += u'&';
        marked += plain[i];
        if (plain[i] == u'&')
            marked += u'&';
    }
    return marked;
}

qsizetype ChooseMnemonic(const QString& plain, const QSet<QChar>& taken, const QSet<QChar>& avoid) {
    const auto isWordStart = [&plain](qsizetype i) {
        return i == 0 || !plain[i - 1].isLetterOrNumber();
    };
    // Word starts before other letters, letters the menu bar does not use before those it does.
    for (const bool allowAvoided : {false, true}) {
        for (const bool wordStartsOnly : {true, false}) {
            for (qsizetype i = 0; i < plain.size(); ++i) {
                const QChar c = plain[i].toLower();
                if (!plain[i].isLetterOrNumber() || taken.contains(c))
                    continue;
                if (wordStartsOnly && !isWordStart(i))
                    continue;
                if (!allowAvoided && avoid.contains(c))
                    continue;
                return i;
            }
        }
    }
    return -1;
}

}  // namespace

QStringList WithMnemonics(const QStringList& captions, QSet<QChar> taken,
                          const QSet<QChar>& avoid) {
    QStringList plain;
    std::vector<std::pair<qsizetype, qsizetype>> order;  // (letters to choose from, caption)
    for (qsizetype i = 0; i < captions.size(); ++i) {
        plain << WithoutMnemonic(captions[i]);
        QSet<QChar> letters;
        for (const QChar c : plain.back()) {
            if (c.isLetterOrNumber())
                letters.insert(c.toLower());
        }
        order.emplace_back(letters.size(), i);
    }
    // The captions with the fewest letters choose first ("OK" before a long sentence), so that a
    // short caption does not find all of its letters taken.
    std::stable_sort(order.begin(), order.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    QStringList marked = plain;
    for (const auto& [letters, i] : order) {
        const qsizetype position = ChooseMnemonic(plain[i], taken, avoid);
        if (position >= 0)
            taken.insert(plain[i][position].toLower());
        marked[i] = Marked(plain[i], position);
    }
    return marked;
}

namespace {

// One control whose caption can carry a mnemonic.
struct Captioned {
    std::function<QString()> get;
    std::function<void(const QString&)> set;
};

std::optional<Captioned> CaptionOf(QWidget* widget) {
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        return Captioned{[button] { return button->text(); },
                         [button](const QString& text) { button->setText(text); }};
    }
    if (auto* group = qobject_cast<QGroupBox*>(widget)) {
        return Captioned{[group] { return group->title(); },
                         [group](const QString& text) { group->setTitle(text); }};
    }
    // Only a label that names a control can take the focus to it; other labels keep their text.
    if (auto* label = qobject_cast<QLabel*>(widget);
        label != nullptr && label->buddy() != nullptr) {
        return Captioned{[label] { return label->text(); },
                         [label](const QString& text) { label->setText(text); }};
    }
    return std::nullopt;
}

void Assign(std::vector<Captioned>& controls, const QSet<QChar>& taken, const QSet<QChar>& avoid) {
    QStringList captions;
    std::vector<Captioned*> withText;
    for (Captioned& control : controls) {
        const QString text = control.get();
        if (text.isEmpty())
            continue;
        captions << text;
        withText.push_back(&control);
    }
    const QStringList marked = WithMnemonics(captions, taken, avoid);
    for (qsizetype i = 0; i < marked.size(); ++i)
        withText[static_cast<size_t>(i)]->set(marked[i]);
}

QSet<QChar> MnemonicsOf(const std::vector<Captioned>& controls) {
    QSet<QChar> letters;
    for (const Captioned& control : controls) {
        if (const QChar c = MnemonicOf(control.get()); !c.isNull())
            letters.insert(c);
    }
    return letters;
}

std::vector<Captioned> ActionsOf(const QList<QAction*>& actions) {
    std::vector<Captioned> captioned;
    for (QAction* action : actions) {
        if (action->isSeparator())
            continue;
        captioned.push_back({[action] { return action->text(); },
                             [action](const QString& text) { action->setText(text); }});
    }
    return captioned;
}

// The page of a tab widget that `widget` lies on, or nullptr.
QWidget* PageOf(QWidget* widget, QWidget* window) {
    for (QWidget* w = widget; w != nullptr && w != window; w = w->parentWidget()) {
        auto* stack = qobject_cast<QStackedWidget*>(w->parentWidget());
        if (stack != nullptr && qobject_cast<QTabWidget*>(stack->parentWidget()) != nullptr)
            return w;
    }
    return nullptr;
}

// The dialog `widget` belongs to when it is not the window itself.
QWidget* DialogOf(QWidget* widget, QWidget* window) {
    for (QWidget* w = widget; w != nullptr && w != window; w = w->parentWidget()) {
        if (qobject_cast<QDialog*>(w) != nullptr)
            return w;
    }
    return nullptr;
}

bool InsideFileDialog(QWidget* widget, QWidget* window) {
    for (QWidget* w = widget; w != nullptr && w != window; w = w->parentWidget()) {
        if (qobject_cast<QFileDialog*>(w) != nullptr)
            return true;
    }
    return false;
}

}  // namespace

void AssignMnemonics(QWidget* window) {
    QSet<QChar> menuBarLetters;
    if (auto* menuBar = window->findChild<QMenuBar*>(QString(), Qt::FindDirectChildrenOnly)) {
        std::vector<Captioned> titles = ActionsOf(menuBar->actions());
        Assign(titles, {}, {});
        menuBarLetters = MnemonicsOf(titles);
    }
    for (QMenu* menu : window->findChildren<QMenu*>()) {
        if (DialogOf(menu, window) != nullptr || InsideFileDialog(menu, window))
            continue;
        std::vector<Captioned> items = ActionsOf(menu->actions());
        Assign(items, {}, {});
    }

    // A wizard's own buttons are seen together with each of its pages: they get their letters
    // first, and the pages take the others.
    std::map<QWidget*, std::vector<Captioned>> scopes;
    std::map<QWidget*, QSet<QChar>> takenInScope;
    for (WizardBase* wizard : window->findChildren<WizardBase*>()) {
        std::vector<Captioned> buttons;
        for (QPushButton* button :
             {wizard->backButton(), wizard->nextButton(), wizard->createButton()}) {
            if (std::optional<Captioned> caption = CaptionOf(button))
                buttons.push_back(*caption);
        }
        Assign(buttons, {}, menuBarLetters);
        const QSet<QChar> buttonLetters = MnemonicsOf(buttons);
        for (int page = 0; page < wizard->pages()->count(); ++page)
            takenInScope[wizard->pages()->widget(page)] = buttonLetters;
    }
    std::vector<QWidget*> order;
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (InsideFileDialog(widget, window))
            continue;  // Qt's file dialog sets its own texts and mnemonics
        if (widget->parentWidget() != nullptr &&
            qobject_cast<WizardBase*>(widget->parentWidget()) != nullptr &&
            qobject_cast<QPushButton*>(widget) != nullptr)
            continue;  // a wizard button, done above
        std::optional<Captioned> caption = CaptionOf(widget);
        if (!caption)
            continue;
        QWidget* scope = PageOf(widget, window);
        if (scope == nullptr)
            scope = DialogOf(widget, window);
        if (scope == nullptr)
            scope = window;
        if (!scopes.contains(scope))
            order.push_back(scope);
        scopes[scope].push_back(*caption);
    }
    for (QWidget* scope : order) {
        // A dialog has no menu bar of its own in sight; a page of the main window does.
        const bool underMenuBar =
            DialogOf(scope, window) == nullptr && qobject_cast<QDialog*>(scope) == nullptr;
        Assign(scopes[scope], takenInScope[scope], underMenuBar ? menuBarLetters : QSet<QChar>{});
    }
}

}  // namespace lexorim::app
