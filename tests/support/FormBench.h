#pragma once

#include "app/FormController.h"
#include "support/FakeSerialPort.h"
#include "support/RecordingDialogs.h"
#include "ui/FormHlav.h"

#include <QLineEdit>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

namespace kx {

// Points the settings, the record copy, the marker file and the unit's history at a folder of
// the test's own, so no test reads what another one (or a user) left behind.
struct IsolatedSettings {
    explicit IsolatedSettings(const QString& folder = QString()) {
        qputenv("XDG_CONFIG_HOME", (folder.isEmpty() ? own.path() : folder).toUtf8());
        qputenv("XDG_DATA_HOME", (folder.isEmpty() ? own.path() : folder).toUtf8() + "/data");
    }
    QTemporaryDir own;
};

// The main window with its controller on an in-memory port, created as at start-up.
struct FormBench {
    IsolatedSettings settings;
    TFormHlav form;
    FakeSerialPort port;
    RecordingDialogs dialogs;
    FormState state;
    FormController controller{form, state, port, dialogs, {}};

    explicit FormBench(bool show = true, const QString& settingsFolder = QString())
        : settings(settingsFolder) {
        controller.FormCreate();
        if (show) {
            form.show();
            if (!QTest::qWaitForWindowExposed(&form))
                qWarning("the window was not exposed");
        }
    }

    template <typename T>
    T* get(const char* name) const {
        T* control = form.findChild<T*>(name);
        if (!control)
            qFatal("no control named %s", name);
        return control;
    }

    // Brings the tab page holding a control to the front, as a user would before using it.
    void showPageOf(QWidget* control) const {
        auto* pages = get<QTabWidget>("PageControl1");
        for (int i = 0; i < pages->count(); ++i) {
            if (pages->widget(i)->isAncestorOf(control))
                pages->setCurrentIndex(i);
        }
    }

    // Enables a control and its containers, whatever the view rules decided, to test its binding.
    void enableWithContainers(QWidget* control) {
        for (QWidget* w = control; w && w != &form; w = w->parentWidget())
            w->setEnabled(true);
    }

    // Types text into a spin field's edit as a user would and presses Enter.
    void typeAndEnter(const char* editName, const QString& text) {
        auto* edit = get<QLineEdit>(editName);
        showPageOf(edit);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, text);
        QTest::keyClick(edit, Qt::Key_Return);
    }
};

} // namespace kx
