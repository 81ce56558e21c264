#pragma once

#include <QObject>
#include <QStringList>

class QMimeData;
class QWidget;

// Reports dropped on a window. A drag is taken only when every item it
// carries is a local regular file, so the cursor refuses a folder, a web
// address or a piece of text before anything is dropped, and a drop is never
// half taken. The files are handed on once the drop has ended.
class ReportDrop : public QObject
{
    Q_OBJECT

public:
    explicit ReportDrop(QWidget *target);

    // The dropped files, or none when anything else is among them.
    static QStringList reports(const QMimeData *data);

signals:
    void dropped(const QStringList &paths);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QStringList m_paths;
};
