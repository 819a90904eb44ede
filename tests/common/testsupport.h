#pragma once

// Small fixtures shared by the tests: a program folder in a temporary
// directory, real SQLite databases, and answers to modal windows.

#include "app/database.h"
#include "tools/sampledata.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSettings>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <functional>

// A folder tree like an installation: <root>/Apps/Cheque/ holds the program's
// files, <root>/Apps/ is the folder above it.
struct ProgramFolder
{
    QTemporaryDir root;
    QString parentDir;
    QString exeDir;

    ProgramFolder()
    {
        QDir(root.path()).mkpath(QStringLiteral("Apps/Cheque"));
        // This machine's settings (the chosen printer) of this folder's own.
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, root.path() + QStringLiteral("/settings"));
        // The user's own folder for files (a column layout that cannot be
        // written beside the program), of this folder's own too.
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(root.path() + QStringLiteral("/config")));
        parentDir = QDir::toNativeSeparators(root.path() + QStringLiteral("/Apps/"));
        exeDir = QDir::toNativeSeparators(root.path() + QStringLiteral("/Apps/Cheque/"));
    }

    void writeDatabaseTxt(const QByteArray &content) const
    {
        QFile file(parentDir + QStringLiteral("Database.txt"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }

    QString fallbackDatabase() const { return exeDir + QStringLiteral("ZarvelCheque.db"); }
};

// Runs statements on a SQLite file outside the program's connection.
inline void sqliteExec(const QString &file, const QStringList &statements)
{
    const QString name = QStringLiteral("test-setup");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(file);
        QVERIFY2(db.open(), qPrintable(db.lastError().text()));
        QSqlQuery query(db);
        for (const QString &statement : statements)
            QVERIFY2(query.exec(statement), qPrintable(query.lastError().text() + u' ' + statement));
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
}

inline QVariantList sqliteColumn(const QString &file, const QString &statement)
{
    QVariantList values;
    const QString name = QStringLiteral("test-read");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(file);
        if (db.open()) {
            QSqlQuery query(db);
            if (query.exec(statement)) {
                while (query.next())
                    values.append(query.value(0));
            }
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(name);
    return values;
}

// The first modal window that opens gets `act`; the call that opens it then
// goes on. Returns a flag that tells whether one did open.
inline std::shared_ptr<bool> onNextModal(std::function<void(QWidget *)> act, const QString &objectName = {})
{
    auto seen = std::make_shared<bool>(false);
    auto timer = new QTimer;
    timer->setInterval(10);
    auto ticks = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, seen, act, ticks, objectName] {
        if (++*ticks > 3000) { // nothing opened within half a minute
            timer->stop();
            timer->deleteLater();
            return;
        }
        QWidget *modal = QApplication::activeModalWidget();
        if (!objectName.isEmpty()) {
            modal = nullptr;
            for (QWidget *window : QApplication::topLevelWidgets()) {
                if (window->objectName() == objectName && window->isVisible() && window->isModal())
                    modal = window;
            }
        }
        if (!modal || !modal->isVisible())
            return;
        timer->stop();
        timer->deleteLater();
        *seen = true;
        act(modal);
    });
    timer->start();
    return seen;
}
