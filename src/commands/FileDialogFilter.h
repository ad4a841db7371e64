// File-dialog filters as the language files write them ("Desc|*.a;*.b|Desc2|*.c"), for Qt.
#pragma once

#include <QString>
#include <QStringList>

// One Qt filter per pair: "Desc (*.a *.b)". A trailing description without a pattern is dropped.
QStringList QtFileFilters(const QString& filter);
