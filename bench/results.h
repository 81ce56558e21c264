#pragma once

#include <QList>
#include <QString>

// The figures of one run: each measured against its floor from the same run,
// with its goal and whether it was met. Printed as a Markdown table.
class Results
{
public:
    struct Row
    {
        QString figure;
        QString measured;
        QString floor;
        QString ratio;
        QString goal;
        bool met = false;
        // Shown to explain another figure; it has no goal of its own.
        bool informational = false;
    };

    void add(const Row &row);
    bool allMet() const;
    void print() const;

private:
    QList<Row> m_rows;
};
