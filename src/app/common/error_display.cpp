#include "app/common/error_display.h"

#include <QMessageBox>
#include <exception>

#include "app/common/qt_text.h"
#include "engine/error_texts.h"
#include "engine/errors.h"

namespace lexorim::app {

namespace {
MessageSink& Sink() {
    static MessageSink sink;
    return sink;
}
Language& ErrorLanguage() {
    static Language language = Language::German;
    return language;
}
}  // namespace

void SetErrorLanguage(Language language) {
    ErrorLanguage() = language;
}

MessageSink SetMessageSink(MessageSink sink) {
    return std::exchange(Sink(), std::move(sink));
}

void ShowError(QWidget* parent, const QString& english) {
    // The core words its errors in English; the window shows them in its own language.
    const QString text = ToQString(ErrorTextIn(ToText(english), ErrorLanguage()));
    if (Sink()) {
        Sink()(MessageKind::Error, text);
        return;
    }
    QMessageBox::critical(parent, QStringLiteral("Lexorim - Orvell"), text);
}

void ShowMessage(QWidget* parent, const QString& text) {
    if (Sink()) {
        Sink()(MessageKind::Information, text);
        return;
    }
    QMessageBox::information(parent, QStringLiteral("Lexorim - Orvell"), text);
}

bool RunReportingErrors(QWidget* parent, const std::function<void()>& command) {
    try {
        command();
        return true;
    } catch (const UserError& error) {
        ShowError(parent, ToQString(error.text()));
    } catch (const std::exception& error) {
        ShowError(parent, QString::fromUtf8(error.what()));
    }
    return false;
}

}  // namespace lexorim::app
