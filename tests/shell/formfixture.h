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

// Scripts the next dialog of a dialog component: accept it after change, or
// cancel it when change is empty. The connection lasts for one dialog.
inline void answerNext(CommonDialog *component, std::function<void(QDialog *)> change)
{
    auto *connection = new QMetaObject::Connection;
    *connection = QObject::connect(component, &CommonDialog::aboutToShow, component, [=](QDialog *dialog) {
        QObject::disconnect(*connection);
        delete connection;
        QTimer::singleShot(0, dialog, [=] {
            if (!change)
                return dialog->reject();
            change(dialog);
            dialog->accept();
        });
    });
}

// Chooses path in the next file dialog, or cancels it when path is empty.
inline void answerNextOpen(CommonDialog *component, const QString &path)
{
    answerNext(component, path.isEmpty() ? std::function<void(QDialog *)>()
                                         : [path](QDialog *d) { static_cast<QFileDialog *>(d)->selectFile(path); });
}

template<typename T>
T *part(QWidget *window, const char *name)
{
    return window->findChild<T *>(QLatin1String(name));
}

inline void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

inline QAction *toolbarButton(Form1 &window, int position)
{
    return part<Toolbar>(&window, "Toolbar1")->button(position);
}

// Which of buttons 2, 3 and 4 are enabled, as "BCD" with "-" for disabled.
inline QString playbackButtons(Form1 &window)
{
    QString state;
    for (int position = 2; position <= 4; ++position)
        state += toolbarButton(window, position)->isEnabled() ? QChar(u'A' + position - 1) : QChar(u'-');
    return state;
}
