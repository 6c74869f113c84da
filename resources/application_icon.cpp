#include "application_icon.h"

#include <QDir>

QIcon applicationIcon()
{
    QIcon icon;
    // One picture per size, so each size is drawn pixel for pixel instead of scaled.
    const QDir pictures(QStringLiteral(":/tarvolin/icons"));
    for (const QFileInfo &picture : pictures.entryInfoList(QDir::Files))
        icon.addFile(picture.filePath());
    return icon;
}
