#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <memory>

class QCoreApplication;

// One run of izoku-calc without the process around it: the arguments after
// the program's name and the whole of standard input in, the exit status
// and both outputs back.
namespace izoku::cli {

// The bounds of one run: anything larger is refused before any
// calculation, so that no input can keep the tool busy or fill memory.
inline constexpr qsizetype kMaxInputBytes = 1024 * 1024;
inline constexpr qsizetype kMaxActions = 100;
inline constexpr qsizetype kMaxTextLength = 1000;

// Input that is echoed in an error is cut to this many characters.
inline constexpr qsizetype kMaxEchoLength = 40;
// An error line never runs longer than this, its "izoku-calc: " included.
inline constexpr qsizetype kMaxErrorLength = 200;

// The exit status of a run.
inline constexpr int kDone = 0;
inline constexpr int kRefused = 2;

struct CalcResult {
    int status = kDone;
    QByteArray out; // the answer (or the help text)
    QByteArray err; // one error line, ending in a newline
};

CalcResult Calculate(const QStringList &arguments, const QByteArray &input);

// The application a run needs: the report draws text, which takes a
// QGuiApplication (on the offscreen platform unless one is chosen, so that
// it runs on a server); every other run a QCoreApplication.
std::unique_ptr<QCoreApplication> MakeApplication(int &argc, char **argv);

// Whether the arguments name a run that reads its JSON from standard input.
bool ReadsInput(const QStringList &arguments);

struct Command;
// The command of that name; none for any other word.
const Command *FindCommand(const QString &name);

// A piece of the input quoted in an error: control characters written as
// escapes (\n, \t, \u001b), cut to kMaxEchoLength characters with "…".
QString Echo(const QString &text);

// "izoku-calc: message" on one line of at most kMaxErrorLength characters,
// whatever the message holds.
QByteArray ErrorLine(const QString &message);

} // namespace izoku::cli
