#pragma once

#include <QString>

// One line appended to an event list of the main window.
struct ListEntry
{
    // 1 and 2: home and away cards and substitutions (List1, List2);
    // 3 and 4: home and away goals (List3, List4).
    int list = 0;
    QString text;

    friend bool operator==(const ListEntry &, const ListEntry &) = default;
};
