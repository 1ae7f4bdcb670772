#pragma once
// Keeps the widgets of one window and the settings model equal, both ways: a widget whose
// objectName is a control name of the window shows that control's value, and whatever the user
// does to the widget sets the value. Loading a configuration therefore makes the widgets change
// as if the user had changed them.

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <map>
#include <string>

#include "settings/settings.h"

namespace lexorim::app {

class SettingsBinding : public QObject {
    Q_OBJECT

  public:
    // Binds every child of `root` named like a control of `windowClass`; the binding is a child of
    // `root` and ends with it.
    SettingsBinding(Settings& settings, std::string windowClass, QWidget* root);
    ~SettingsBinding() override;

    // Binds the children created since (a page built later, say).
    void BindNewChildren();

  signals:
    // A bound widget now shows a new value of its control.
    void valueShown(const QString& control);

  private:
    void Bind(const ControlRef& ref, QWidget* widget);
    void ShowValue(const ControlRef& ref, QWidget* widget);
    void TakeValue(const ControlRef& ref, const Text& value);

    Settings& settings_;
    std::string windowClass_;
    QWidget* root_;
    size_t listenerId_ = 0;
    bool showing_ = false;
    std::map<std::string, QPointer<QWidget>, std::less<>> widgets_;
};

}  // namespace lexorim::app
