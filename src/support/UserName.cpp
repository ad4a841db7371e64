// The user's name from the environment or the password database.
#include "support/UserName.h"

#include <QFile>

#include <pwd.h>
#include <unistd.h>

QString CurrentUserName() {
    for (const char* variable : {"USER", "LOGNAME"}) {
        const QString name = qEnvironmentVariable(variable);
        if (!name.isEmpty())
            return name;
    }
    const passwd* entry = ::getpwuid(::getuid());
    return entry && entry->pw_name ? QFile::decodeName(entry->pw_name) : QString();
}
