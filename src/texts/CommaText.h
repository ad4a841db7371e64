// Settings values that hold a list, such as "English,Français,\"Par défaut\"".
#pragma once

#include <QString>
#include <QStringList>

// Items are separated by commas or blanks; an item holding blanks or commas stands in
// double quotes, in which a doubled quote is one quote. "a,,b" has an empty middle item
// and a comma at the very end adds an empty last item.
QStringList SplitCommaText(const QString& text);
