#include "app/startup.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

void setUpApplication()
{
    QApplication::setApplicationName(QStringLiteral("Tarvolin 2000"));
    QApplication::setApplicationVersion(QStringLiteral(TARVOLIN_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral(TARVOLIN_APP_ID));
    // One picture per size, so each size is drawn pixel for pixel instead of scaled.
    QIcon icon;
    for (const int size : {16, 32, 48})
        icon.addFile(QStringLiteral(":/tarvolin/icons/%1x%1.png").arg(size));
    QApplication::setWindowIcon(icon);

    // Without the catalogue the toolkit's texts stay English; nothing else depends on it.
    auto *translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(QLocale(QLocale::German), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
}

QString fileFromCommandLine()
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Stellt den Text der Nachrichtenfenster eines Spiels zusammen."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("DATEI"),
                                 QStringLiteral("Eine Textdatei, die „Text verteilen“ öffnet."),
                                 QStringLiteral("[DATEI]"));
    // The toolkit has taken its own options (-platform, -style) out already.
    parser.process(*QCoreApplication::instance());
    return parser.positionalArguments().value(0);
}
