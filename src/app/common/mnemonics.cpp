#include "app/common/mnemonics.h"

#include <QAbstractButton>
#include <QAction>
#include <QDialog>
#include <QFileDialog>
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

// The characters a caption could be marked at, best first: word starts before other letters,
// letters the menu bar does not use before those it does.
std::vector<qsizetype> Candidates(const QString& plain, const QSet<QChar>& taken,
                                  const QSet<QChar>& avoid) {
    const auto isWordStart = [&plain](qsizetype i) {
        return i == 0 || !plain[i - 1].isLetterOrNumber();
    };
    std::vector<qsizetype> candidates;
    QSet<QChar> listed;
    for (const bool allowAvoided : {false, true}) {
        for (const bool wordStartsOnly : {true, false}) {
            for (qsizetype i = 0; i < plain.size(); ++i) {
                const QChar c = plain[i].toLower();
                if (!plain[i].isLetterOrNumber() || taken.contains(c) || listed.contains(c))
                    continue;
                if ((wordStartsOnly && !isWordStart(i)) || (!allowAvoided && avoid.contains(c)))
                    continue;
                listed.insert(c);
                candidates.push_back(i);
            }
        }
    }
    return candidates;
}

// Gives caption `i` a letter, moving captions that hold one to another of theirs where needed,
// so that as many captions as the letters allow get one.
bool Match(size_t i, const QStringList& plain, const std::vector<std::vector<qsizetype>>& options,
           std::map<QChar, size_t>& owner, std::vector<qsizetype>& chosen, QSet<QChar>& visited) {
    for (const qsizetype position : options[i]) {
        const QChar c = plain[static_cast<qsizetype>(i)][position].toLower();
        if (visited.contains(c))
            continue;
        visited.insert(c);
        const auto held = owner.find(c);
        if (held == owner.end() || Match(held->second, plain, options, owner, chosen, visited)) {
            owner[c] = i;
            chosen[i] = position;
            return true;
        }
    }
    return false;
}

}  // namespace

QStringList WithMnemonics(const QStringList& captions, QSet<QChar> taken,
                          const QSet<QChar>& avoid) {
    QStringList plain;
    for (const QString& caption : captions)
        plain << WithoutMnemonic(caption);
    std::vector<std::vector<qsizetype>> options;
    std::vector<size_t> order;
    for (qsizetype i = 0; i < plain.size(); ++i) {
        options.push_back(Candidates(plain[i], taken, avoid));
        order.push_back(static_cast<size_t>(i));
    }
    // The captions with the fewest letters choose first ("OK" before a long sentence).
    std::stable_sort(order.begin(), order.end(), [&options](size_t a, size_t b) {
        return options[a].size() < options[b].size();
    });
    std::map<QChar, size_t> owner;
    std::vector<qsizetype> chosen(options.size(), -1);
    for (const size_t i : order) {
        QSet<QChar> visited;
        Match(i, plain, options, owner, chosen, visited);
    }
    QStringList marked;
    for (qsizetype i = 0; i < plain.size(); ++i)
        marked << Marked(plain[i], chosen[static_cast<size_t>(i)]);
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

// The innermost page `widget` lies on: a page of a tab widget or a panel of the window, of which
// one at a time is in sight; nullptr when it lies outside every page.
QWidget* PageOf(QWidget* widget, QWidget* window) {
    for (QWidget* w = widget; w != nullptr && w != window; w = w->parentWidget()) {
        if (qobject_cast<QStackedWidget*>(w->parentWidget()) != nullptr)
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

    std::map<QWidget*, std::vector<Captioned>> scopes;
    std::vector<QWidget*> order;
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (InsideFileDialog(widget, window))
            continue;  // Qt's file dialog sets its own texts and mnemonics
        if (widget->parentWidget() != nullptr &&
            qobject_cast<WizardBase*>(widget->parentWidget()) != nullptr &&
            qobject_cast<QPushButton*>(widget) != nullptr)
            continue;  // a wizard button, done below
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
    // What lies outside every page and dialog (the side bar) is always in sight: it chooses
    // first, and the pages of the window keep off its letters where they can.
    QSet<QChar> windowLetters;
    if (scopes.contains(window)) {
        Assign(scopes[window], {}, menuBarLetters);
        windowLetters = MnemonicsOf(scopes[window]);
    }
    // A wizard's own buttons are seen together with each of its pages: they get their letters
    // next, and the pages take the others.
    std::map<QWidget*, QSet<QChar>> takenInScope;
    for (WizardBase* wizard : window->findChildren<WizardBase*>()) {
        std::vector<Captioned> buttons;
        for (QPushButton* button :
             {wizard->backButton(), wizard->nextButton(), wizard->createButton()}) {
            if (std::optional<Captioned> caption = CaptionOf(button))
                buttons.push_back(*caption);
        }
        Assign(buttons, {}, QSet<QChar>(menuBarLetters).unite(windowLetters));
        const QSet<QChar> buttonLetters = MnemonicsOf(buttons);
        for (int page = 0; page < wizard->pages()->count(); ++page)
            takenInScope[wizard->pages()->widget(page)] = buttonLetters;
    }
    // A dialog's own controls are in sight beside each of its pages: they choose before the
    // pages, which then keep off their letters.
    std::map<QWidget*, QSet<QChar>> dialogLetters;
    for (QWidget* scope : order) {
        if (scope != window && qobject_cast<QDialog*>(scope) != nullptr) {
            Assign(scopes[scope], {}, {});
            dialogLetters[scope] = MnemonicsOf(scopes[scope]);
        }
    }
    for (QWidget* scope : order) {
        if (scope == window || dialogLetters.contains(scope))
            continue;
        QWidget* dialog = DialogOf(scope, window);
        if (dialog != nullptr) {
            Assign(scopes[scope], dialogLetters[dialog], {});
            continue;
        }
        // The side bar's letters are avoided like the menu bar's, but a full page may use them
        // rather than leave a control without a mnemonic.
        Assign(scopes[scope], takenInScope[scope],
               QSet<QChar>(menuBarLetters).unite(windowLetters));
    }
}

}  // namespace lexorim::app
