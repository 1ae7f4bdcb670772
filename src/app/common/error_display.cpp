#include "app/common/error_display.h"

#include <QMessageBox>
#include <exception>

#include "app/common/qt_text.h"
#include "engine/errors.h"

namespace lexorim::app {

namespace {
MessageSink& Sink() {
    static MessageSink sink;
    return sink;
}
}  // namespace

MessageSink SetMessageSink(MessageSink sink) {
    return std::exchange(Sink(), std::move(sink));
}

void ShowError(QWidget* parent, const QString& text) {
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
