#pragma once

// What the command-line tests share: running a tool (with the fault-injection library where a
// test asks for it) and reading, writing and listing files.
//
// A tool may run through an emulator, in the manner of CMake's CROSSCOMPILING_EMULATOR:
//   KAZ_TOOL_EMULATOR  the command that runs it, for instance "wine" (split as a shell would)
//   KAZ_TOOL_DIR       the folder of the programs to run instead of those built here
//                      (TOOL.exe, or TOOL)

#include <QDir>
#include <QFileInfo>
#include <QList>
#include <QPair>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

#include "test_files.h"

namespace clitest {

struct Result {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

inline QStringList emulator() {
    return QProcess::splitCommand(qEnvironmentVariable("KAZ_TOOL_EMULATOR"));
}

// Whether the tools run through an emulator: what only POSIX has is skipped then.
inline bool emulated() { return !emulator().isEmpty(); }

// Whether, without a locale variable, Windows' display language chooses the tools' language
// (Windows' own, or the emulator's) rather than the rule for no locale.
inline bool displayLanguageDecides() {
#ifdef Q_OS_WIN
    return true;
#else
    return emulated();
#endif
}

// The program and arguments that run `program`, a tool built here, with `args`.
inline QPair<QString, QStringList> toolCommand(const QString& program, const QStringList& args) {
    QString tool = program;
    const QString dir = qEnvironmentVariable("KAZ_TOOL_DIR");
    if (!dir.isEmpty()) {
        const QString name = QFileInfo(program).fileName();
        tool = QDir(dir).filePath(name + QStringLiteral(".exe"));
        if (!QFileInfo::exists(tool)) tool = QDir(dir).filePath(name);
    }
    QStringList command = emulator();
    if (command.isEmpty()) return {tool, args};
    const QString first = command.takeFirst();
    return {first, command + QStringList{tool} + args};
}

// The environment a tool runs in: the locale LANG names alone (none where `lang` is empty), so
// that the tester's own locale decides nothing. The tools speak Japanese unless a test asks.
inline QProcessEnvironment toolEnvironment(const QString& lang = QStringLiteral("C.UTF-8")) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG", "LANGUAGE"}) {
        env.remove(QLatin1String(name));
    }
    if (!lang.isEmpty()) env.insert(QStringLiteral("LANG"), lang);
    return env;
}

// Settings of the fault-injection library for one run (empty: none).
using Faults = QList<QPair<QString, QString>>;

inline QProcessEnvironment withFaults(const Faults& faults) {
    QProcessEnvironment env = toolEnvironment();
    if (faults.isEmpty()) return env;
    env.insert(QStringLiteral("LD_PRELOAD"), QStringLiteral(KAZ_FAULT_LIBRARY));
    env.insert(QStringLiteral("ASAN_OPTIONS"), QStringLiteral("verify_asan_link_order=0"));
    for (const auto& [name, value] : faults) env.insert(name, value);
    return env;
}

// Waits for a started tool to end and collects what it wrote.
inline Result finish(QProcess& process, const QString& program) {
    Result result;
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit) {
        qWarning("%s did not finish normally", qPrintable(program));
        return result;
    }
    result.exitCode = process.exitCode();
    result.out = process.readAllStandardOutput();
    result.err = process.readAllStandardError();
    return result;
}

// Wine, under load, now and then fails to start a program at all and exits 127, which no
// tool does; such a run is tried again, up to three times in all.
template <typename Run>
Result runRetryingEmulator(const QString& program, Run run) {
    Result result = run();
    for (int attempt = 1; attempt < 3 && emulated() && result.exitCode == 127; ++attempt) {
        qWarning("%s did not start under the emulator (exit 127); trying again",
                 qPrintable(program));
        result = run();
    }
    return result;
}

// Runs `program` to its end; standard output goes to `stdoutFile` where one is given.
inline Result runTool(const QString& program, const QStringList& args,
                      const QString& stdoutFile = QString(), const Faults& faults = {}) {
    return runRetryingEmulator(program, [&] {
        QProcess process;
        process.setProcessEnvironment(withFaults(faults));
        if (!stdoutFile.isEmpty()) process.setStandardOutputFile(stdoutFile);
        const auto [command, commandArgs] = toolCommand(program, args);
        process.start(command, commandArgs);
        return finish(process, program);
    });
}

// Runs `program` to its end with `input` on its standard input, a pipe.
inline Result runToolWithInput(const QString& program, const QStringList& args,
                               const QByteArray& input) {
    return runRetryingEmulator(program, [&] {
        QProcess process;
        process.setProcessEnvironment(toolEnvironment());
        const auto [command, commandArgs] = toolCommand(program, args);
        process.start(command, commandArgs);
        process.write(input);
        process.closeWriteChannel();
        return finish(process, program);
    });
}

// Runs `program` to its end in the locale LANG names (none where `lang` is empty).
inline Result runToolInLocale(const QString& program, const QStringList& args,
                              const QString& lang) {
    return runRetryingEmulator(program, [&] {
        QProcess process;
        process.setProcessEnvironment(toolEnvironment(lang));
        const auto [command, commandArgs] = toolCommand(program, args);
        process.start(command, commandArgs);
        return finish(process, program);
    });
}

inline QString dataFile(const char* name) {
    return QStringLiteral(KAZ_TEST_DATA "/") + QLatin1String(name);
}

using testfiles::entries;
using testfiles::readFile;
using testfiles::writeFile;

}  // namespace clitest
