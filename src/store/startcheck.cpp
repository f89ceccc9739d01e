#include "startcheck.h"

#include "backup.h"
#include "filecheck.h"
#include "writefailure.h"

#include "engine/needs/customerrecord.h"

#include <QDir>
#include <QStringList>

namespace izoku::store {

namespace {

const QString kBackupTitle = QStringLiteral("バックアップ");

engine::Message lockedMessage()
{
    return engine::Warning(QStringLiteral("ndata.mdb を別のプログラムが使用中のため、"
                                          "ファイルの確認と本日のバックアップができませんでした。"),
                           QStringLiteral("エラー"));
}

engine::Message copyFailedMessage(const BackupResult &backup)
{
    return engine::Warning(QStringLiteral("顧客データのバックアップを作成できませんでした。\n%1")
                               .arg(QDir::toNativeSeparators(backup.path)),
                           kBackupTitle);
}

// A clock once set ahead left copies that would push every real one out:
// they are kept aside, and the agent is told so that the clock is checked.
engine::Message futureCopiesMessage(const BackupResult &backup, const QString &path)
{
    QStringList days;
    for (const QDate &day : backup.futureDated)
        days << engine::RecordDate(day);
    return engine::Warning(QStringLiteral("今日より後の日付のバックアップがあります（%1）。パソコンの日付を確認して"
                                          "ください。これらのバックアップは自動では削除されません。\n%2")
                               .arg(days.join(QStringLiteral("、")), QDir::toNativeSeparators(BackupFolder(path))),
                           kBackupTitle);
}

} // namespace

std::vector<engine::Message> CheckCustomerFileAtStart(const QString &path, const QDate &today)
{
    switch (CheckDatabaseFile(path).condition) {
    case FileCondition::Damaged:
        return {DamagedFileMessage(path)};
    case FileCondition::ReadOnly:
        return {ReadOnlyFileMessage()};
    case FileCondition::Locked:
        return {lockedMessage()};
    // The base figures' warning names a file that is missing or unreadable.
    case FileCondition::Missing:
    case FileCondition::Unreadable:
        return {};
    case FileCondition::Sound:
        break;
    }
    std::vector<engine::Message> messages;
    const BackupResult backup = BackUpDaily(path, today);
    if (backup.status == BackupResult::Status::Failed)
        messages.push_back(copyFailedMessage(backup));
    else if (backup.status == BackupResult::Status::Damaged)
        messages.push_back(DamagedFileMessage(path));
    if (!backup.futureDated.isEmpty())
        messages.push_back(futureCopiesMessage(backup, path));
    return messages;
}

} // namespace izoku::store
