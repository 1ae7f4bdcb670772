#pragma once
// Making and finding a window's widgets by their control names: a widget's objectName is the name
// of its setting, and a window that looks one up must find it.

#include <QObject>
#include <QString>
#include <QWidget>

#include "ui/control_ids.h"

namespace lexorim::app {

// A new widget of `parent` named `name`.
template <typename T>
T* Named(QWidget* parent, const char* name) {
    auto* widget = new T(parent);
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

// A new widget of `parent` for a stored control: a misspelt control does not compile.
template <typename T>
T* Named(QWidget* parent, ui::ControlId control) {
    auto* widget = new T(parent);
    widget->setObjectName(
        QString::fromUtf8(control.name.data(), static_cast<qsizetype>(control.name.size())));
    return widget;
}

// The child of `parent` named `name`. A window that lacks a control it was built with is a fault
// of the program, not of the user's input, so it stops with the name instead of crashing later.
template <typename T>
T* RequireChild(const QObject* parent, const QString& name) {
    T* child = parent->findChild<T*>(name);
    if (child == nullptr)
        qFatal("The window %s has no control %s", qPrintable(parent->objectName()),
               qPrintable(name));
    return child;
}

template <typename T>
T* RequireChild(const QObject* parent, const char* name) {
    return RequireChild<T>(parent, QString::fromLatin1(name));
}

}  // namespace lexorim::app
