#pragma once
// Making and finding a window's widgets by their control names: a widget's objectName is the name
// of its setting, and a window that looks one up must find it.

#include <QObject>
#include <QString>
#include <QWidget>

namespace lexorim::app {

// A new widget of `parent` named `name`.
template <typename T>
T* Named(QWidget* parent, const char* name) {
    auto* widget = new T(parent);
    widget->setObjectName(QString::fromLatin1(name));
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
