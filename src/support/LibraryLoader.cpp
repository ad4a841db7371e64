// dlopen with fall-backs to the bare file name and a default name.
#include "support/LibraryLoader.h"

#include <QFileInfo>

#include <dlfcn.h>

namespace {

void* tryLoad(const QString& name, QString& errorText) {
    if (name.isEmpty()) { // dlopen("") would hand back the program itself
        errorText = QStringLiteral("no library file name");
        return nullptr;
    }
    void* handle = dlopen(name.toUtf8().constData(), RTLD_NOW | RTLD_LOCAL);
    if (handle) {
        errorText.clear();
    } else {
        const char* why = dlerror();
        errorText = why ? QString::fromLocal8Bit(why) : QStringLiteral("cannot load ") + name;
    }
    return handle;
}

} // namespace

void* LoadLibraryFallback(const QString& path, const QString& defaultName, QString& errorText) {
    if (void* handle = tryLoad(path, errorText))
        return handle;
    const QString filePart = QFileInfo(path).fileName();
    if (filePart.compare(path, Qt::CaseInsensitive) != 0) {
        if (void* handle = tryLoad(filePart, errorText))
            return handle;
    }
    if (defaultName.compare(filePart, Qt::CaseInsensitive) != 0)
        return tryLoad(defaultName, errorText);
    return nullptr;
}
