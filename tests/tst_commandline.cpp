// SPDX-License-Identifier: MIT
#include "CommandLine.h"
#include "TestFiles.h"

#include <QDirIterator>
#include <QProcess>
#include <QtTest>

using Action = CommandLine::Action;

// The command line: what each command does, and the program run as a process.
class TestCommandLine : public QObject
{
    Q_OBJECT

private slots:
    void parse_data();
    void parse();
    void program_data();
    void program();
    void exportWeb_data();
    void exportWeb();
};

namespace {

struct Ran
{
    int exitCode;
    QString output;
    QString errors;
};

// The program run by the shell in folder: arguments are words of the shell. Without a display,
// the platform plugin named does not exist. A window, once painted, ends the program and prints
// "shown".
Ran runProgram(const QString &folder, const QStringList &arguments, bool display)
{
    QProcess program;
    program.setWorkingDirectory(folder);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", display ? "offscreen" : "no-such-platform");
    environment.insert("MATCHMAKER_NONINTERACTIVE", "1");
    environment.insert("MATCHMAKER_STARTUP_PROBE", "1");
    environment.remove("MATCHMAKER_START_DIR");
    program.setProcessEnvironment(environment);
    program.start("/bin/sh", { "-c", "exec '" MATCHMAKER_BINARY "' " + arguments.join(' ') });
    if (!program.waitForFinished(30000) || program.exitStatus() != QProcess::NormalExit)
        return { -1, {}, QStringLiteral("the program did not end by itself") };
    QString output = QString::fromLocal8Bit(program.readAllStandardOutput());
    output.replace(QRegularExpression("^shown \\d+\n$"), "shown");
    return { program.exitCode(), output, QString::fromLocal8Bit(program.readAllStandardError()) };
}

// Every file and folder below folder, hidden ones too, with the size of each file.
QStringList filesUnder(const QString &folder)
{
    QStringList files;
    QDirIterator entries(folder, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                         QDirIterator::Subdirectories);
    while (entries.hasNext()) {
        entries.next();
        files << entries.filePath() + ' ' + QString::number(entries.fileInfo().size());
    }
    files.sort();
    return files;
}

} // namespace

void TestCommandLine::parse_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<Action>("action");
    QTest::addColumn<QStringList>("paths");
    QTest::addColumn<QString>("output");

    const QString usage = "Usage: matchmaker [FILE]\n";
    QTest::newRow("nothing") << QStringList() << Action::TakeQuiz << QStringList() << "";
    QTest::newRow("relative file") << QStringList { "quiz.qzt" } << Action::TakeQuiz
                                   << QStringList { "/start/quiz.qzt" } << "";
    QTest::newRow("absolute file") << QStringList { "/elsewhere/quiz.qzt" } << Action::TakeQuiz
                                   << QStringList { "/elsewhere/quiz.qzt" } << "";
    QTest::newRow("file like an option")
        << QStringList { "--", "-odd.qzt" } << Action::TakeQuiz << QStringList { "/start/-odd.qzt" } << "";
    QTest::newRow("check") << QStringList { "--check", "a.qzt", "/b.qzt" } << Action::Check
                           << QStringList { "/start/a.qzt", "/b.qzt" } << "";
    QTest::newRow("edit new") << QStringList { "--edit" } << Action::Edit << QStringList() << "";
    QTest::newRow("edit file") << QStringList { "--edit", "a.qzt" } << Action::Edit
                               << QStringList { "/start/a.qzt" } << "";
    QTest::newRow("help") << QStringList { "--help" } << Action::ShowHelp << QStringList() << usage;
    QTest::newRow("-h before a mistake")
        << QStringList { "-h", "a", "b" } << Action::ShowHelp << QStringList() << usage;
    QTest::newRow("version") << QStringList { "-v" } << Action::ShowVersion << QStringList()
                             << "matchmaker " MATCHMAKER_VERSION "\n";
    QTest::newRow("unknown option") << QStringList { "--bogus" } << Action::UsageError << QStringList()
                                    << "matchmaker: Unknown option 'bogus'.\n" + usage;
    QTest::newRow("check nothing") << QStringList { "--check" } << Action::UsageError << QStringList()
                                   << "matchmaker: --check needs at least one quiz file.\n" + usage;
    QTest::newRow("check and edit")
        << QStringList { "--check", "--edit", "a" } << Action::UsageError << QStringList { "/start/a" }
        << "matchmaker: Only one of --check, --edit and --export-web can be given.\n" + usage;
    QTest::newRow("export") << QStringList { "--export-web", "web", "a.qzt", "/b.qzt" } << Action::ExportWeb
                            << QStringList { "/start/a.qzt", "/b.qzt" } << "";
    QTest::newRow("export without a quiz")
        << QStringList { "--export-web", "web" } << Action::UsageError << QStringList()
        << "matchmaker: --export-web needs at least one quiz file after its folder.\n" + usage;
    QTest::newRow("export without a folder")
        << QStringList { "--export-web" } << Action::UsageError << QStringList()
        << "matchmaker: Missing value after '--export-web'.\n" + usage;
    QTest::newRow("two quizzes") << QStringList { "a", "b" } << Action::UsageError
                                 << QStringList { "/start/a", "/start/b" }
                                 << "matchmaker: Only one quiz file can be opened at a time.\n" + usage;
    QTest::newRow("edit two") << QStringList { "--edit", "a", "b" } << Action::UsageError
                              << QStringList { "/start/a", "/start/b" }
                              << "matchmaker: Only one quiz file can be opened at a time.\n" + usage;
    // What was typed is quoted with its control characters escaped, as findings are.
    QTest::newRow("terminal escapes in an option")
        << QStringList { "--check", "--\x1b]0;pwned\x07\x1b[2Jx.qzt" } << Action::UsageError << QStringList()
        << "matchmaker: Unknown option '\\x1b]0;pwned\\x07\\x1b[2Jx.qzt'.\n" + usage;
    QTest::newRow("line break in an option")
        << QStringList { "--a\nfake line" } << Action::UsageError << QStringList()
        << "matchmaker: Unknown option 'a\\x0afake line'.\n" + usage;
}

void TestCommandLine::parse()
{
    QFETCH(QStringList, arguments);
    QFETCH(Action, action);
    QFETCH(QStringList, paths);
    QFETCH(QString, output);

    const CommandLine command(QStringList { "matchmaker" } + arguments, "/start");

    QCOMPARE(command.action(), action);
    QCOMPARE(command.paths(), paths);
    QCOMPARE(command.output().left(output.size()), output);
    QCOMPARE(command.exitStatus(), action == Action::UsageError ? 2 : 0);
}

// The program run from a scratch folder holding good.qzt, warn.qzt, short.qzt, and caf\xE9.qzt and
// caf\xE9-short.qzt, whose Latin-1 names are not UTF-8. In the shell's words, $(printf ...) gives
// bytes that are not UTF-8, and >FILE sends standard output there. Everything but a window runs
// without a display.
void TestCommandLine::program_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("display");
    QTest::addColumn<QString>("standardOutput");
    QTest::addColumn<QString>("standardErrorHolds");
    QTest::addColumn<int>("exitCode");

    const QString latin1 = "\"$(printf 'caf\\351.qzt')\"";
    const QString latin1Short = "\"$(printf 'caf\\351-short.qzt')\"";
    const QString duplicateKest
        = ":103: warning: lines 101 and 103 hold the same name \"Kest\", so answers A and C "
          "vote for one cast member\n";
    QTest::newRow("clean") << QStringList { "--check", "good.qzt" } << false << ""
                           << "" << 0;
    QTest::newRow("warnings") << QStringList { "--check", "warn.qzt" } << false << "warn.qzt" + duplicateKest
                              << "" << 0;
    QTest::newRow("refused")
        << QStringList { "--check", "short.qzt" } << false
        << "short.qzt:103: error: the file ends after line 103, before the last name: 1 "
           "line is missing (a quiz needs 104: twenty questions of five lines each, then "
           "the four names)\n"
        << "" << 1;
    QTest::newRow("missing") << QStringList { "--check", "absent.qzt" } << false
                             << "absent.qzt: error: the file does not exist.\n"
                             << "" << 1;
    QTest::newRow("two files") << QStringList { "--check", "good.qzt", "warn.qzt", "good.qzt" } << false
                               << "warn.qzt" + duplicateKest << "" << 0;
    QTest::newRow("version") << QStringList { "--version" } << false << "matchmaker " MATCHMAKER_VERSION "\n"
                             << "" << 0;
    QTest::newRow("unknown option") << QStringList { "--bogus" } << false << ""
                                    << "matchmaker: Unknown option 'bogus'.\nUsage:" << 2;
    QTest::newRow("quiz that does not load") << QStringList { "short.qzt" } << true << ""
                                             << "/short.qzt\": it has only 103 lines" << 1;
    QTest::newRow("read error checked") << QStringList { "--check", "/proc/self/mem" } << false
                                        << "/proc/self/mem: error: the file cannot be read (Input/output "
                                           "error).\n"
                                        << "" << 1;
    QTest::newRow("read error taken") << QStringList { "/proc/self/mem" } << true << ""
                                      << "cannot be read (Input/output error)" << 1;
    QTest::newRow("latin-1 name checked")
        << QStringList { "--check", latin1 } << false << "caf\\xe9.qzt" + duplicateKest << "" << 0;
    QTest::newRow("latin-1 name taken") << QStringList { latin1 } << true << "shown"
                                        << "" << 0;
    QTest::newRow("latin-1 name edited") << QStringList { "--edit", latin1Short } << true << ""
                                         << "caf\\xe9-short.qzt\": it has only 103 lines" << 1;
    QTest::newRow("new latin-1 name edited")
        << QStringList { "--edit", "\"$(printf 'new\\351.qzt')\"" } << true << "shown"
        << "matchmaker: new\\xe9.qzt does not exist yet; the editor starts a new quiz" << 0;
    QTest::newRow("direction controls in a name")
        << QStringList { "--check", "'\u202Eevil.qzt'" } << false
        << "\u2068\u202Eevil.qzt\u2069: error: the file does not exist.\n"
        << "" << 1;
    // After a first file, so that the output does not start with the U+FEFF, which decoding drops.
    QTest::newRow("name that starts with U+FEFF")
        << QStringList { "--check", "warn.qzt", "'\uFEFFnone.qzt'" } << false
        << "warn.qzt" + duplicateKest + QChar(0xFEFF) + "none.qzt: error: the file does not exist.\n"
        << "" << 1;
    QTest::newRow("findings to a full disk")
        << QStringList { "--check", "warn.qzt", ">/dev/full" } << false << ""
        << "matchmaker: cannot write the findings: No space left on device" << 2;
    QTest::newRow("version to a full disk")
        << QStringList { "--version", ">/dev/full" } << false << ""
        << "matchmaker: cannot write the output: No space left on device" << 2;
}

void TestCommandLine::program()
{
    QFETCH(QStringList, arguments);
    QFETCH(bool, display);
    QFETCH(QString, standardOutput);
    QFETCH(QString, standardErrorHolds);
    QFETCH(int, exitCode);
    TempQuizDir dir;
    const std::string warn = TempQuizDir::quizBody("\n", "Kest,Dorv,Kest,Bexal");
    const std::string tooShort = TempQuizDir::quizBody("\r\n", "Kest,Dorv,Oro", 103);
    dir.write("good.qzt", TempQuizDir::quizBody());
    dir.write("warn.qzt", warn);
    dir.write("short.qzt", tooShort);
    dir.write("caf\xE9.qzt", warn);
    dir.write("caf\xE9-short.qzt", tooShort);
    const Ran ran = runProgram(QString::fromStdString(dir.filePath("")), arguments, display);

    QCOMPARE(ran.output, standardOutput);
    QVERIFY2(ran.errors.contains(standardErrorHolds), qPrintable(ran.errors));
    QCOMPARE(ran.exitCode, exitCode);
}

void TestCommandLine::exportWeb_data()
{
    QTest::addColumn<QString>("before"); // what DIR is before: nothing, an earlier export, a file...
    QTest::addColumn<QString>("quiz");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("standardErrorHolds");

    QTest::newRow("new folder") << "nothing"
                                << "good.qzt" << 0 << "";
    QTest::newRow("earlier export replaced") << "earlier export"
                                             << "good.qzt" << 0 << "";
    QTest::newRow("quiz with an error")
        << "earlier export"
        << "short.qzt" << 1 << "short.qzt:103: error: the file ends after line 103";
    QTest::newRow("DIR is a file") << "file"
                                   << "good.qzt" << 1 << "it is a file, not a folder.";
    QTest::newRow("DIR holds other files") << "other files"
                                           << "good.qzt" << 1 << "it holds other files";
    QTest::newRow("read-only parent") << "read-only"
                                      << "good.qzt" << 1 << "nothing can be written in";
    QTest::newRow("no quiz") << "earlier export"
                             << "" << 2 << "needs at least one quiz file";
}

// The export writes the page only from quizzes without errors, only where nothing but an earlier
// export is lost, and puts it in place whole: a refused export leaves the earlier one as it was,
// with nothing half-written beside it. Pictures and clips are missing here, which only warns.
void TestCommandLine::exportWeb()
{
    QFETCH(QString, before);
    QFETCH(QString, quiz);
    QFETCH(int, exitCode);
    QFETCH(QString, standardErrorHolds);
    TempQuizDir dir;
    const QString parent = QString::fromStdString(dir.filePath("parent"));
    QVERIFY(QDir().mkpath(parent));
    const ScratchMount disk(parent, before == "read-only", "4m");
    const QString folder = parent + "/web";
    dir.write("good.qzt", TempQuizDir::quizBody());
    dir.write("short.qzt", TempQuizDir::quizBody("\r\n", "Kest,Dorv,Oro", 103));
    const QStringList command { "--export-web", "parent/web", quiz };
    if (before == "earlier export" || before == "read-only") {
        QCOMPARE(runProgram(QString::fromStdString(dir.filePath("")), command.mid(0, 2) << "good.qzt", false)
                     .exitCode,
                 0);
        QVERIFY(QFile(folder + "/stale.txt").open(QIODevice::WriteOnly));
    }
    if (before == "file")
        QVERIFY(QFile(folder).open(QIODevice::WriteOnly));
    if (before == "other files")
        QVERIFY(QDir().mkpath(folder) && QFile(folder + "/mine.txt").open(QIODevice::WriteOnly));
    if (before == "read-only"
        && !(disk.mounted() ? disk.makeReadOnly()
                            : QFile::setPermissions(parent, QFileDevice::ReadOwner | QFileDevice::ExeOwner)))
        QSKIP("The folder cannot be made read-only");
    const QStringList earlier = filesUnder(parent);

    const Ran ran = runProgram(QString::fromStdString(dir.filePath("")), command, false);

    QVERIFY2(ran.errors.contains(standardErrorHolds), qPrintable(ran.errors));
    QCOMPARE(ran.exitCode, exitCode);
    if (exitCode != 0) {
        QCOMPARE(filesUnder(parent), earlier);
        return;
    }
    QCOMPARE(ran.output, QDir(folder).absoluteFilePath("index.html") + '\n');
    QVERIFY(QFile::exists(folder + "/.matchmaker-export") && QFile::exists(folder + "/quizzes.js"));
    QVERIFY(!QFile::exists(folder + "/stale.txt"));
    QCOMPARE(QDir(parent).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList { "web" });
}

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
