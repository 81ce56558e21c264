#pragma once

// Answers the dialogs of the main window's dialog components by script, as a
// person would, so that the tests, the benchmarks and the screenshot tool
// drive the real commands without anyone at the keyboard.

#include "kit/commondialog.h"

#include <QDialog>
#include <QFileDialog>
#include <QObject>
#include <QTimer>

#include <functional>

// Fills in a dialog; true accepts it, false cancels it.
using Answer = std::function<bool(QDialog *)>;

// Scripts the next dialog of component; an empty answer cancels it untouched.
// gone, when given, runs once the dialog is destroyed: when the command that
// showed it goes on with its own work. The script lasts for one dialog.
inline void answerNext(CommonDialog *component, Answer answer, std::function<void()> gone = {})
{
    auto *connection = new QMetaObject::Connection;
    *connection = QObject::connect(component, &CommonDialog::aboutToShow, component, [=](QDialog *dialog) {
        QObject::disconnect(*connection);
        delete connection;
        if (gone)
            QObject::connect(dialog, &QObject::destroyed, gone);
        // Answered from the dialog's own event loop, once it runs.
        QTimer::singleShot(0, dialog, [=] { answer && answer(dialog) ? dialog->accept() : dialog->reject(); });
    });
}

// Chooses path in the next file-open dialog of component, or cancels it when
// path is empty.
inline void answerNextOpen(CommonDialog *component, const QString &path, std::function<void()> gone = {})
{
    answerNext(
        component,
        [=](QDialog *dialog) {
            auto *files = qobject_cast<QFileDialog *>(dialog);
            if (path.isEmpty() || !files)
                return false;
            files->selectFile(path);
            return true;
        },
        std::move(gone));
}
