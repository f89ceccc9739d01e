// The izoku-calc examples of the README, as a reader copies them: each one
// runs, for the build and for the program installed as the package
// installs it, and answers with JSON and no message.
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

// How the examples name the program: the test build's.
const QString kBuiltProgram = QStringLiteral("build/test/bin/izoku-calc");

// The commands of the shell block under the heading "### izoku-calc": a
// command starts at the left margin, its continuation lines are indented.
QStringList ExampleCommands(const QString &readme)
{
    const qsizetype section = readme.indexOf(QStringLiteral("\n### izoku-calc\n"));
    const qsizetype start = section < 0 ? -1 : readme.indexOf(QStringLiteral("```sh\n"), section);
    const qsizetype end = start < 0 ? -1 : readme.indexOf(QStringLiteral("\n```"), start);
    if (end < 0)
        return {};
    QStringList commands;
    const QString block = readme.mid(start + 6, end - start - 6);
    for (const QString &line : block.split(QLatin1Char('\n'))) {
        if (line.startsWith(QLatin1Char(' ')) && !commands.isEmpty())
            commands.last() += QLatin1Char('\n') + line;
        else if (!line.trimmed().isEmpty())
            commands << line;
    }
    return commands;
}

} // namespace

class TestReadmeExamples : public QObject {
    Q_OBJECT

    QStringList m_commands;
    // The build installed as the package lays it out: bin/ and share/.
    QTemporaryDir m_installed;

  private slots:
    void initTestCase()
    {
        QFile readme(QStringLiteral(IZOKU_README));
        QVERIFY(readme.open(QIODevice::ReadOnly));
        m_commands = ExampleCommands(QString::fromUtf8(readme.readAll()));
        QVERIFY(!m_commands.isEmpty());
        QProcess install;
        install.start(QStringLiteral(IZOKU_CMAKE), {QStringLiteral("--install"), QStringLiteral(IZOKU_BUILD_DIR),
                                                    QStringLiteral("--prefix"), m_installed.path()});
        QVERIFY(install.waitForFinished(120000));
        QVERIFY2(install.exitCode() == 0, install.readAllStandardError().constData());
    }

    void exampleAnswersWithJson_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<bool>("installed");
        for (const QString &command : std::as_const(m_commands)) {
            const QString shown = command.simplified().right(60);
            QTest::addRow("build: …%s", qPrintable(shown)) << command << false;
            QTest::addRow("installed: …%s", qPrintable(shown)) << command << true;
        }
    }
    void exampleAnswersWithJson()
    {
        QFETCH(QString, command);
        QFETCH(bool, installed);
        QVERIFY2(command.contains(kBuiltProgram), qPrintable(command));
        QProcess shell;
        shell.setWorkingDirectory(QStringLiteral(IZOKU_SOURCE_DIR));
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        if (installed) {
            // The package puts the program on the PATH.
            environment.insert(QStringLiteral("PATH"), m_installed.filePath(QStringLiteral("bin")) +
                                                           QDir::listSeparator() + environment.value("PATH"));
            command.replace(kBuiltProgram, QStringLiteral("izoku-calc"));
        } else {
            command.replace(kBuiltProgram, QStringLiteral(IZOKU_CALC));
        }
        shell.setProcessEnvironment(environment);
        shell.start(QStringLiteral("bash"),
                    {QStringLiteral("-o"), QStringLiteral("pipefail"), QStringLiteral("-c"), command});
        QVERIFY(shell.waitForFinished(60000));
        const QByteArray err = shell.readAllStandardError();
        QVERIFY2(shell.exitCode() == 0, err.constData());
        QVERIFY2(err.isEmpty(), err.constData());
        QJsonParseError error;
        const QJsonDocument answer = QJsonDocument::fromJson(shell.readAllStandardOutput(), &error);
        QVERIFY2(error.error == QJsonParseError::NoError, qPrintable(error.errorString()));
        // No warning: the base figures were found, beside the build or in
        // the installed share folder.
        QVERIFY(answer.object().value(QStringLiteral("messages")).isArray());
        QCOMPARE(answer.object().value(QStringLiteral("messages")).toArray(), QJsonArray());
    }
};

QTEST_GUILESS_MAIN(TestReadmeExamples)
#include "tst_readmeexamples.moc"
