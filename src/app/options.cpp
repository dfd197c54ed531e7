#include "options.h"

#include <QCommandLineParser>

namespace kodrix {

Options parseOptions(const QStringList& arguments) {
    Options o;
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Kodrix egyfelhasználós integrált könyvtári rendszer"));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Ez a súgó."));
    const QCommandLineOption version(QStringLiteral("version"), QStringLiteral("A program verziója."));
    const QCommandLineOption dataDir(QStringLiteral("data-dir"),
                                     QStringLiteral("Az adatmappa (alapértelmezés: $KODRIX_DATA, "
                                                    "különben ~/.local/share/kodrix)."),
                                     QStringLiteral("DIR"));
    const QCommandLineOption workDir(QStringLiteral("work-dir"),
                                     QStringLiteral("A munkamappa a kimeneti fájloknak "
                                                    "(alapértelmezés: az aktuális mappa)."),
                                     QStringLiteral("DIR"));
    const QCommandLineOption database(QStringLiteral("database"),
                                      QStringLiteral("Másik adatbázis: fájl, vagy "
                                                     "gép[/port]:útvonal egy Firebird szerveren."),
                                      QStringLiteral("DB"));
    const QCommandLineOption user(QStringLiteral("user"),
                                  QStringLiteral("Felhasználó az adatbázishoz (SYSDBA)."),
                                  QStringLiteral("NAME"));
    const QCommandLineOption password(QStringLiteral("password"),
                                      QStringLiteral("Jelszó az adatbázishoz."),
                                      QStringLiteral("PASSWORD"));
    const QCommandLineOption demo(QStringLiteral("demo"),
                                  QStringLiteral("Új adatbázis egy bemutató könyvtárral (üres adatmappában)."));
    parser.addOptions({help, version, dataDir, workDir, database, user, password, demo});

    // Qt's usage line names the running file; ours names the program.
    QString usage = parser.helpText().section(QLatin1Char('\n'), 1);
    usage.replace(QStringLiteral("Options:"), QStringLiteral("Kapcsolók:"));
    usage.prepend(QStringLiteral("Használat: kodrix [kapcsolók]\n"));
    if (!parser.parse(arguments)) {
        o.outcome = Options::Outcome::Error;
        const QStringList unknown = parser.unknownOptionNames();
        o.text = unknown.isEmpty()
                     ? QStringLiteral("Hibás parancssor: %1")
                           .arg(QString(parser.errorText())
                                    .replace(QStringLiteral("Missing value after"),
                                             QStringLiteral("Hiányzik az érték:")))
                     : QStringLiteral("Ismeretlen kapcsoló: %1").arg(unknown.join(QStringLiteral(", ")));
        o.text += QStringLiteral("\n\n") + usage;
        return o;
    }
    if (!parser.positionalArguments().isEmpty()) {
        o.outcome = Options::Outcome::Error;
        o.text = QStringLiteral("Ismeretlen argumentum: %1\n\n%2")
                     .arg(parser.positionalArguments().join(QLatin1Char(' ')), usage);
        return o;
    }
    if (parser.isSet(help)) {
        o.outcome = Options::Outcome::Help;
        o.text = usage;
        return o;
    }
    if (parser.isSet(version)) {
        o.outcome = Options::Outcome::Version;
        o.text = QStringLiteral("kodrix %1\n").arg(QStringLiteral(KODRIX_VERSION));
        return o;
    }
    o.dataDir = parser.value(dataDir);
    o.workDir = parser.value(workDir);
    o.database = parser.value(database);
    if (parser.isSet(user)) o.user = parser.value(user);
    if (parser.isSet(password)) o.password = parser.value(password);
    o.demo = parser.isSet(demo);
    return o;
}

} // namespace kodrix
