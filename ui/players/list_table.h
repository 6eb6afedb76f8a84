// The players' lists look like the turn list: grid lines, whole rows selected,
// nothing edited in place, headers on the left.
#pragma once

#include <QStringList>

class QTableWidget;
class QWidget;

namespace kwarrel::ui {

QTableWidget* makeListTable(const QStringList& headers, QWidget* parent);

// Whether `text` holds only characters of ISO-8859-1, the core's texts.
bool isLatin1Text(const QString& text);

}  // namespace kwarrel::ui
