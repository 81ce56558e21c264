#pragma once

#include "shell/commondialog.h"
#include "shell/form1.h"
#include "shell/toolbar.h"

#include <QDialog>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

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

// The main window on a program folder of its own, found by object names.
class FormFixture : public QObject
{
protected:
    void fresh()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        restart();
    }
    void restart() { m_window = std::make_unique<Form1>(m_dir->path()); }
    template<typename T> T *part(const char *name) { return m_window->findChild<T *>(QLatin1String(name)); }
    QString text(const char *label) { return part<QLabel>(label)->text(); }
    QAction *button(int position) { return part<Toolbar>("Toolbar1")->button(position); }
    void click(int position) { button(position)->trigger(); }
    void open(const QString &path)
    {
        answerNextOpen(part<CommonDialog>("Archivo"), path);
        click(1);
    }
    // Which of buttons 2, 3 and 4 are enabled, as "BCD" with "-" for disabled.
    QString playbackButtons()
    {
        QString state;
        for (int position = 2; position <= 4; ++position)
            state += button(position)->isEnabled() ? QChar(u'A' + position - 1) : QChar(u'-');
        return state;
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<Form1> m_window;
};
