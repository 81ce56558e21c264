#pragma once

#include "settings/recentreports.h"

#include <QObject>

class QMenu;

// The "Recientes" submenu: the reports opened last, newest first, each by its
// file name and match, then "Vaciar lista". Greyed out while the list is
// empty. A list that cannot be saved is not worth a message: the menu keeps
// it for the run all the same.
class RecentMenu : public QObject
{
    Q_OBJECT

public:
    RecentMenu(QMenu *menu, const QString &listFile, QObject *parent = nullptr);
    ~RecentMenu() override;

    void add(const QString &path, const QString &match);
    void remove(const QString &path);
    // The report opened last; empty when there is none.
    QString newest() const;

signals:
    void chosen(const QString &path);

private:
    void fill();
    void saveNow();

    QMenu *m_menu;
    RecentReports m_list;
    bool m_savePending = false;
};
