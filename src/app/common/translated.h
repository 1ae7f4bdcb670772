#pragma once
// Windows that set their texts again when the interface language changes. The main window
// announces a switch once with Qt's LanguageChange event, which reaches every window below it;
// no list of windows is kept anywhere.

#include <QEvent>
#include <QTranslator>
#include <memory>

#include "engine/language.h"

namespace lexorim::app {

template <typename Base>
class Translated : public Base {
  public:
    using Base::Base;

  protected:
    // Sets every text of the window in the interface language.
    virtual void ApplyTexts() = 0;

    void changeEvent(QEvent* event) override {
        if (event->type() == QEvent::LanguageChange)
            ApplyTexts();
        Base::changeEvent(event);
    }
};

// Qt's own texts (the buttons and labels of the file, colour and font dialogs) in the interface
// language; English is Qt's own language and needs no translation.
class QtTranslations {
  public:
    void Use(Language language);

  private:
    std::unique_ptr<QTranslator> translator_;
};

}  // namespace lexorim::app
