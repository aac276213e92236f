#pragma once

#include <QStringList>

class QTreeWidget;

// The texts of one column of a list's rows, top to bottom.
QStringList ColumnTexts(const QTreeWidget* list, int column);
// Clicks the list's header over the column, as the user sorts.
void ClickHeader(QTreeWidget* list, int column);
