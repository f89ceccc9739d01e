#include "restore.h"

#include "database.h"
#include "filecheck.h"
#include "fileondisk.h"
#include "onlinebackup.h"

#include "engine/needs/customerrecord.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sqlite3.h>

namespace izoku::store {

namespace {

const QString kTitle = QStringLiteral("復元");

bool unreadable(const QSqlError &error)
{
    return SqliteCode(error) == SQLITE_NOTADB || SqliteCode(error) == SQLITE_CORRUPT;
}

// The file as it is, before the copy replaces it: through SQLite, so a save
// of another program is whole in it, or byte for byte when the file is too
// damaged for SQLite to read.  The path of the copy; empty when it could not
// be written.
QString saveCurrent(const QString &databasePath, const QDateTime &now)
{
    const QDir folder(BackupFolder(databasePath));
    const QString saved = folder.filePath(
        QStringLiteral("ndata-before-restore-%1.mdb").arg(now.toString(QStringLiteral("yyyyMMdd-HHmmss"))));
    const QString partial = saved + QStringLiteral(".part");
    QFile::remove(partial);
    if (!QDir().mkpath(folder.path()))
        return {};
    if (const QSqlError error = OnlineBackup(databasePath, partial); error.isValid()) {
        QFile::remove(partial);
        if (!unreadable(error) || !QFile::copy(databasePath, partial))
            return {};
    }
    if (!QFile::rename(partial, saved)) {
        QFile::remove(partial);
        return {};
    }
    QFile::setPermissions(saved, QFile::ReadOwner | QFile::WriteOwner);
    return saved;
}

} // namespace

std::vector<RestorableCopy> RestorableCopies(const QString &databasePath)
{
    std::vector<RestorableCopy> copies;
    for (const DailyCopy &copy : DailyCopies(databasePath))
        copies.push_back({copy, CustomerCount(copy.path)});
    return copies;
}

RestoreOutcome RestoreCopy(const QString &databasePath, const DailyCopy &copy, const QDateTime &now)
{
    RestoreOutcome outcome;
    const std::optional<int> customers = CustomerCount(copy.path);
    if (!customers || !SoundCopy(copy.path)) {
        outcome.result = RestoreOutcome::Result::CopyUnusable;
        return outcome;
    }
    const bool existed = QFileInfo(databasePath).isFile();
    if (existed && !WritableInPlace(databasePath)) {
        outcome.failure = WriteFailure::ReadOnly;
        return outcome;
    }
    if (existed) {
        // A save another program left cut short is rolled back first, so
        // the file saved is whole.
        CheckDatabaseFile(databasePath);
        outcome.savedCurrent = saveCurrent(databasePath, now);
        if (outcome.savedCurrent.isEmpty()) {
            outcome.result = RestoreOutcome::Result::CurrentNotSaved;
            return outcome;
        }
    }
    QSqlError error = OnlineBackup(copy.path, databasePath);
    // A file SQLite cannot read as a database at all is emptied, now that
    // it is saved, and written afresh.
    if (SqliteCode(error) == SQLITE_NOTADB && QFile::resize(databasePath, 0))
        error = OnlineBackup(copy.path, databasePath);
    if (error.isValid()) {
        outcome.failure = FailureOf(error, databasePath);
        return outcome;
    }
    if (!existed)
        QFile::setPermissions(databasePath, QFile::ReadOwner | QFile::WriteOwner);
    if (CheckDatabaseFile(databasePath).condition != FileCondition::Sound || CustomerCount(databasePath) != customers) {
        outcome.failure = WriteFailure::Other;
        return outcome;
    }
    ReloadProcessBaseData(databasePath);
    outcome.result = RestoreOutcome::Result::Restored;
    outcome.customers = *customers;
    return outcome;
}

engine::Message RestoreQuestion(const DailyCopy &copy)
{
    engine::Message question = engine::Question(
        QStringLiteral(
            "%1 のバックアップで顧客データを置き換えます。現在のデータもバックアップします。よろしいですか？")
            .arg(engine::RecordDate(copy.day)),
        kTitle);
    question.icon = engine::MessageIcon::Warning;
    return question;
}

engine::Message RestoreOutcomeMessage(const RestoreOutcome &outcome, const DailyCopy &copy, const QString &databasePath)
{
    const QString day = engine::RecordDate(copy.day);
    switch (outcome.result) {
    case RestoreOutcome::Result::Restored: {
        QString text =
            QStringLiteral("%1 のバックアップから復元しました（顧客 %2 件）。").arg(day).arg(outcome.customers);
        if (!outcome.savedCurrent.isEmpty())
            text += QStringLiteral("\n復元前のデータ：%1").arg(QDir::toNativeSeparators(outcome.savedCurrent));
        return {text, kTitle, engine::MessageIcon::Information, {}, false};
    }
    case RestoreOutcome::Result::CopyUnusable:
        return engine::Warning(QStringLiteral("%1 のバックアップは破損しているか読み込めないため、復元できません。"
                                              "別の日のバックアップを選んでください。")
                                   .arg(day),
                               kTitle);
    case RestoreOutcome::Result::CurrentNotSaved:
        return engine::Warning(QStringLiteral("現在のデータをバックアップできなかったため、復元を中止しました。"
                                              "ディスクの空きと backup フォルダーを確認してください。\n%1")
                                   .arg(QDir::toNativeSeparators(BackupFolder(databasePath))),
                               kTitle);
    case RestoreOutcome::Result::Failed:
        break;
    }
    return WriteFailedMessage(outcome.failure, WriteKind::Restore, databasePath);
}

engine::Message NoCopiesMessage(const QString &databasePath)
{
    return {QStringLiteral("復元できるバックアップがありません。\n%1")
                .arg(QDir::toNativeSeparators(BackupFolder(databasePath))),
            kTitle,
            engine::MessageIcon::Information,
            {},
            false};
}

} // namespace izoku::store
