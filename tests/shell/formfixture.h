#pragma once

#include "shell/commondialog.h"
#include "shell/form1.h"
#include "shell/toolbar.h"

#include <QDialog>
#include <QFile>
#include <QFileDialog>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

// Scripts the next file-open dialog of a dialog component: choose path, or
// cancel when path is empty. The connection lasts for one dialog.
inline void answerNextOpen(CommonDialog *component, const QString &path)
{
    auto *connection = new QMetaObject::Connection;
    *connection = QObject::connect(component, &CommonDialog::aboutToShow, component, [=](QDialog *dialog) {
        QObject::disconnect(*connection);
        delete connection;
        QTimer::singleShot(0, dialog, [=] {
            auto *files = qobject_cast<QFileDialog *>(dialog);
            if (path.isEmpty() || !files) {
                dialog->reject();
                return;
            }
            files->selectFile(path);
            static_cast<QDialog *>(files)->accept();
        });
    });
}

inline void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

inline QAction *toolbarButton(Form1 &window, int position)
{
    return window.findChild<Toolbar *>(QStringLiteral("Toolbar1"))->button(position);
}

// Which of buttons 2, 3 and 4 are enabled, as "BCD" with "-" for disabled.
inline QString playbackButtons(Form1 &window)
{
    QString state;
    const char keys[] = "BCD";
    for (int position = 2; position <= 4; ++position)
        state += toolbarButton(window, position)->isEnabled() ? QChar::fromLatin1(keys[position - 2]) : u'-';
    return state;
}
