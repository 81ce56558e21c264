#pragma once

#include "kit/commondialog.h"
#include "form1.h"
#include "kit/toolbar.h"

#include <QDialog>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <functional>

// Fills in a dialog as a person would; true accepts it, false cancels it.
using Answer = std::function<bool(QDialog *)>;

// Scripts the next dialog of a dialog component; an empty answer cancels it
// untouched. The connection lasts for one dialog.
inline void answerNext(CommonDialog *component, Answer answer)
{
    auto *connection = new QMetaObject::Connection;
    *connection = QObject::connect(component, &CommonDialog::aboutToShow, component, [=](QDialog *dialog) {
        QObject::disconnect(*connection);
        delete connection;
        QTimer::singleShot(0, dialog, [=] { answer && answer(dialog) ? dialog->accept() : dialog->reject(); });
    });
}

// Chooses path in the next file dialog, or cancels it when path is empty.
inline void answerNextOpen(CommonDialog *component, const QString &path)
{
    answerNext(component, [=](QDialog *d) {
        static_cast<QFileDialog *>(d)->selectFile(path);
        return !path.isEmpty();
    });
}

inline void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
}

inline QAction *toolbarButton(Form1 &window, int position)
{
    return window.findChild<Toolbar *>(QStringLiteral("Toolbar1"))->button(position);
}

// Answers every message box of a window with OK, keeping their texts in order.
struct Notices
{
    QStringList texts;

    explicit Notices(Form1 &window)
    {
        QObject::connect(&window, &Form1::aboutToWarn, &window, [this](QMessageBox *box) {
            texts.append(box->text());
            QTimer::singleShot(0, box, &QMessageBox::accept);
        });
    }
};
