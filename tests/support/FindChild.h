#pragma once

#include <QWidget>
#include <QtGlobal>

namespace kx {

// The window's control by its object name; a missing one ends the test at once with its name,
// rather than with a crash on a null pointer lines later.
template <class T>
T* Child(QWidget& window, const char* name) {
    T* child = window.findChild<T*>(name);
    if (!child)
        qFatal("no %s", name);
    return child;
}

} // namespace kx
