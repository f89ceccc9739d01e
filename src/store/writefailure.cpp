#include "writefailure.h"

#include "backup.h"
#include "fileondisk.h"

#include "engine/basedata/basefigures.h"
#include "engine/needs/customerrecord.h"

#include <QDir>
#include <QFileInfo>

#include <sqlite3.h>

namespace izoku::store {

namespace {

const QString kErrorTitle = QStringLiteral("エラー");

QString verbOf(WriteKind kind)
{
    switch (kind) {
    case WriteKind::Save:
        break;
    case WriteKind::Register:
        return QStringLiteral("登録");
    case WriteKind::Delete:
        return QStringLiteral("削除");
    case WriteKind::Restore:
        return QStringLiteral("復元");
    }
    return QStringLiteral("保存");
}

// The message of a failure the file gives no reason for.
engine::Message unexplained(WriteKind kind)
{
    switch (kind) {
    case WriteKind::Save:
        break;
    case WriteKind::Register:
        return engine::StoreFailedMessage();
    case WriteKind::Delete:
        return engine::DeleteFailedMessage();
    case WriteKind::Restore:
        return engine::Warning(QStringLiteral("復元できませんでした。ndata.mdb を確認してください。"), kErrorTitle);
    }
    return engine::SaveFailedMessage();
}

QString nativePath(const QString &path)
{
    return QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
}

} // namespace

int SqliteCode(const QSqlError &error)
{
    bool ok = false;
    // Extended codes carry the primary one in their low byte.
    const int code = error.nativeErrorCode().toInt(&ok);
    return ok ? code & 0xff : -1;
}

WriteFailure FailureOf(const QSqlError &error, const QString &path)
{
    if (!error.isValid())
        return WriteFailure::None;
    if (!QFileInfo(path).isFile())
        return WriteFailure::Missing;
    switch (SqliteCode(error)) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return WriteFailure::Locked;
    case SQLITE_READONLY:
        return WriteFailure::ReadOnly;
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB:
        return WriteFailure::Damaged;
    case SQLITE_FULL:
        return WriteFailure::DiskFull;
    default:
        break;
    }
    // A journal that cannot be created in a read-only folder is only "cannot
    // open" to SQLite.
    return WritableInPlace(path) ? WriteFailure::Other : WriteFailure::ReadOnly;
}

engine::Message WriteFailedMessage(WriteFailure failure, WriteKind kind, const QString &databasePath)
{
    const QString verb = verbOf(kind);
    switch (failure) {
    case WriteFailure::Damaged:
        return DamagedFileMessage(databasePath);
    case WriteFailure::ReadOnly:
        return engine::Warning(
            QStringLiteral("ndata.mdb に書き込めません（読み取り専用）。%1できませんでした。").arg(verb), kErrorTitle);
    case WriteFailure::Locked:
        return engine::Warning(
            QStringLiteral("ndata.mdb を別のプログラムが使用中です。しばらくしてからもう一度%1してください。")
                .arg(verb),
            kErrorTitle);
    case WriteFailure::DiskFull:
        return engine::Warning(QStringLiteral("ディスクの空きがないため%1できませんでした。").arg(verb), kErrorTitle);
    case WriteFailure::Missing:
        return engine::Warning(QStringLiteral("ndata.mdb が見つからないため%1できませんでした。"
                                              "ファイルが移動または削除されていないか確認してください。\n%2")
                                   .arg(verb, nativePath(databasePath)),
                               kErrorTitle);
    case WriteFailure::Replaced:
        return engine::Warning(
            QStringLiteral("ndata.mdb が別のファイルに置き換えられていたため、%1しませんでした。"
                           "置き換わったファイルを開き直したので、内容を確認してからもう一度%1してください。")
                .arg(verb),
            kErrorTitle);
    case WriteFailure::None:
    case WriteFailure::Other:
        break;
    }
    return unexplained(kind);
}

engine::Message DamagedFileMessage(const QString &databasePath)
{
    QString text = QStringLiteral("ndata.mdb が破損しています。バックアップから復元してください。\n");
    if (const std::optional<DailyCopy> copy = NewestSoundCopy(databasePath))
        text += QStringLiteral("最新の正常なバックアップ：%1（%2）")
                    .arg(engine::RecordDate(copy->day), QDir::toNativeSeparators(copy->path));
    else
        text += QStringLiteral("正常なバックアップが見つかりません。");
    return engine::Warning(text, kErrorTitle);
}

engine::Message ReadOnlyFileMessage()
{
    return engine::Warning(QStringLiteral("ndata.mdb に書き込めません（読み取り専用）。保存はできません。"),
                           kErrorTitle);
}

} // namespace izoku::store
