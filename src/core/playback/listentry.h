#pragma once

#include <QString>
#include <QStringView>

// One line appended to an event list of the main window.
struct ListEntry
{
    // 1 and 2: home and away cards and substitutions (List1, List2);
    // 3 and 4: home and away goals (List3, List4).
    int list = 0;
    QString text;

    friend bool operator==(const ListEntry &, const ListEntry &) = default;
};

// What an entry records, as its recogniser wrote it: the goal lists hold
// goals; in the other two a card entry ends "(Amarilla,n)" or "(Roja,n)" and
// anything else is a substitution ("A<=>B(n)"). Only the part after the last
// "(" counts: a name may hold a parenthesis of its own.
enum class EventKind { Goal, Yellow, Red, Substitution };

inline EventKind eventKind(const ListEntry &entry)
{
    if (entry.list >= 3)
        return EventKind::Goal;
    const QStringView tail = QStringView(entry.text).mid(entry.text.lastIndexOf(u'(') + 1);
    if (tail.startsWith(u"Amarilla,"))
        return EventKind::Yellow;
    if (tail.startsWith(u"Roja,"))
        return EventKind::Red;
    return EventKind::Substitution;
}
