// Sound file names from pasted text.
#include "commands/SoundFileName.h"

#include "support/ClipboardLine.h"

#include <QUrl>

#include <algorithm>

QString SoundFileNameFromText(const QString& text) {
    QString name = FirstLine(text);
    if (name.startsWith(QLatin1String("file:"), Qt::CaseInsensitive))
        name = QUrl(name).toLocalFile();
    const bool control = std::any_of(name.cbegin(), name.cend(),
                                     [](QChar c) { return c.category() == QChar::Other_Control; });
    return control ? QString() : name;
}
