#pragma once

#include <QSettings>
#include <QString>

// The settings kept between runs: a file beside the kept text, so that one folder holds all the
// program keeps, on every platform, and a test can give it a folder of its own.
inline QSettings settingsIn(const QString &dataFolder)
{
    return QSettings(dataFolder + QStringLiteral("/Tarvolin 2000.ini"), QSettings::IniFormat);
}
