#pragma once
// Windows that set their texts again when the interface language changes. The main window
// announces a switch once with Qt's LanguageChange event, which reaches every window below it;
// no list of windows is kept anywhere.

#include <QDialog>
#include <QEvent>
#include <QTranslator>
#include <memory>
#include <optional>
#include <type_traits>

#include "engine/language.h"

namespace lexorim::app {

template <typename Base>
class Translated : public Base {
  public:
    explicit Translated(QWidget* parent = nullptr) : Base(parent) {
        // A dialog has a title and a close button, no minimise or maximise buttons.
        if constexpr (std::is_base_of_v<QDialog, Base>) {
            this->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                 Qt::WindowCloseButtonHint);
        }
    }

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
    std::optional<Language> current_;
};

}  // namespace lexorim::app
