#pragma once
// Mnemonics for every menu and every labelled control, worked out from the captions each time the
// texts are set, so that they are unique in each menu, each wizard page (with the wizard's own
// buttons) and each dialog, in either language, without a letter written into any caption.

#include <QSet>
#include <QString>
#include <QStringList>
#include <QWidget>

namespace lexorim::app {

// The captions with a mnemonic each, unique among them and different from `taken`: the first
// letter of a word where one is free, else any free letter or digit; letters in `avoid` (those of
// the menu bar) only when nothing else is left. A caption without a free letter stays without.
// Marks already in the captions are dropped first; a literal "&&" stays.
QStringList WithMnemonics(const QStringList& captions, QSet<QChar> taken = {},
                          const QSet<QChar>& avoid = {});

// The caption without its mnemonic mark, and the marked character (a null QChar when none).
QString WithoutMnemonic(const QString& caption);
QChar MnemonicOf(const QString& caption);

// Gives the menus, wizard pages and dialogs of `window` their mnemonics.
void AssignMnemonics(QWidget* window);

}  // namespace lexorim::app
