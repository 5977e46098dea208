#pragma once

#include <QStringList>

#include <string>
#include <vector>

// Recorded texts as a QStringList, for QCOMPARE against a table's column.
inline QStringList TextList(const std::vector<std::string>& texts)
{
    QStringList list;
    for (const auto& text : texts)
        list << QString::fromStdString(text);
    return list;
}
