// SPDX-License-Identifier: MIT
#include "CommandLine.h"
#include "TestFiles.h"

#include <QCryptographicHash>
#include <QDirIterator>
#include <QProcess>
#include <QtTest>

#include <sched.h>
#include <sys/mount.h>

using Action = CommandLine::Action;

// The command line: what each command does, and the program run as a process.
class TestCommandLine : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void parse_data();
    void parse();
    void program_data();
    void program();
    void exportWeb_data();
    void exportWeb();
    void exportSingleFile_data();
    void exportSingleFile();
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

// Every file and folder below folder, hidden ones too, with the size and a hash of each file.
QStringList filesUnder(const QString &folder)
{
    QStringList files;
    QDirIterator entries(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                         QDirIterator::Subdirectories);
    while (entries.hasNext()) {
        entries.next();
        QFile file(entries.filePath());
        const QByteArray hash = entries.fileInfo().isFile() && file.open(QIODevice::ReadOnly)
            ? QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha1).toHex()
            : QByteArray();
        files << entries.filePath() + ' ' + QString::number(entries.fileInfo().size()) + ' ' + hash;
    }
    files.sort();
    return files;
}

// A bind mount of source over folder, where the test may mount one.
class BindMount
{
public:
    BindMount(const QString &source, const QString &folder, bool wanted) : folder(QFile::encodeName(folder))
    {
        isMounted = wanted
            && ::mount(QFile::encodeName(source).constData(), this->folder.constData(), nullptr, MS_BIND,
                       nullptr)
                == 0;
    }
    ~BindMount()
    {
        if (isMounted)
            ::umount2(folder.constData(), MNT_DETACH);
    }
    BindMount(const BindMount &) = delete;
    BindMount &operator=(const BindMount &) = delete;
    bool mounted() const { return isMounted; }

private:
    QByteArray folder;
    bool isMounted = false;
};

} // namespace

// Mounts made by the tests stay in a mount namespace of their own: as root, or as root of a user
// namespace (unshare -rm) where the system allows one; where it does not, the tests that mount skip.
void TestCommandLine::initTestCase()
{
    if (::geteuid() != 0) {
        const QByteArray user = QByteArray::number(::geteuid()), group = QByteArray::number(::getegid());
        if (::unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0)
            return;
        QFile("/proc/self/setgroups").open(QIODevice::WriteOnly)
            && QFile("/proc/self/setgroups").write("deny");
        for (const auto &[map, id] :
             { std::pair { "/proc/self/uid_map", user }, { "/proc/self/gid_map", group } }) {
            QFile file(map);
            if (file.open(QIODevice::WriteOnly))
                file.write("0 " + id + " 1");
        }
    } else if (::unshare(CLONE_NEWNS) != 0) {
        return;
    }
    ::mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr);
}

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
    QTest::newRow("export as one file")
        << QStringList { "--export-web", "--single-file", "quiz.html", "a.qzt" } << Action::ExportWeb
        << QStringList { "/start/a.qzt" } << "";
    QTest::newRow("one file without a quiz")
        << QStringList { "--export-web", "--single-file", "quiz.html" } << Action::UsageError << QStringList()
        << "matchmaker: --export-web --single-file needs at least one quiz file after the page's file.\n"
            + usage;
    QTest::newRow("one file without --export-web")
        << QStringList { "--single-file", "quiz.html", "a.qzt" } << Action::UsageError
        << QStringList { "/start/a.qzt" }
        << "matchmaker: --single-file is given right after --export-web: --export-web --single-file OUT.html "
           "FILE...\n"
            + usage;
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
    QCOMPARE(command.singleFileExport(),
             arguments.mid(0, 2) == QStringList({ "--export-web", "--single-file" }));
    if (action == Action::ExportWeb)
        QCOMPARE(command.folderPath(), "/start/" + arguments[arguments.size() - paths.size() - 1]);
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

// The folder cases: what DIR is before (set up as the row's name says), DIR as typed in the shell,
// the quiz, and what the export does with it. A refused export leaves every file as it was.
void TestCommandLine::exportWeb_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("quiz");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("standardErrorHolds");
    QTest::addColumn<QString>("published"); // DIR as the printed path names it

    const QString longName = QString(83, QChar(0x6f22));
    const QString foreign = "it holds what no earlier export left there as it was: ";
    QTest::newRow("new folder") << "parent/web"
                                << "good.qzt" << 0 << ""
                                << "parent/web";
    QTest::newRow("earlier export") << "parent/web"
                                    << "good.qzt" << 0 << ""
                                    << "parent/web";
    QTest::newRow("user file added") << "parent/web"
                                     << "good.qzt" << 1
                                     << foreign + "\"about.html\" (not written by an export)"
                                     << "";
    QTest::newRow("copied marker") << "parent/web"
                                   << "good.qzt" << 1 << "\"index.html\" (missing since the export)"
                                   << "";
    QTest::newRow("symlinked marker")
        << "parent/web"
        << "good.qzt" << 1
        << foreign + R"(".matchmaker-export" (a symbolic link), "mine.txt" (not written by an export))"
        << "";
    QTest::newRow("old marker") << "parent/web"
                                << "good.qzt" << 1
                                << "(the marker of an older version, which does not list its files)"
                                << "";
    QTest::newRow("quiz inside") << "parent/web"
                                 << "parent/web/good.qzt" << 1 << "\"good.qzt\" (the quiz being published)"
                                 << "";
    QTest::newRow("bind mount inside") << "parent/web"
                                       << "good.qzt" << 1 << "\"photos\" (a mount point)"
                                       << "";
    QTest::newRow("mount point") << "parent/web"
                                 << "good.qzt" << 0 << ""
                                 << "parent/web";
    QTest::newRow("trailing slash") << "parent/web/"
                                    << "good.qzt" << 0 << ""
                                    << "parent/web";
    QTest::newRow("dot") << "."
                         << "../../good.qzt" << 0 << ""
                         << "parent/web";
    QTest::newRow("dot after a name") << "parent/web/."
                                      << "good.qzt" << 0 << ""
                                      << "parent/web";
    QTest::newRow("long name") << "'parent/" + longName + "'"
                               << "good.qzt" << 0 << ""
                               << "parent/" + longName;
    QTest::newRow("latin-1 name") << "\"$(printf 'parent/caf\\351')\""
                                  << "good.qzt" << 0 << ""
                                  << "parent/caf\\xe9";
    QTest::newRow("empty name") << "''"
                                << "good.qzt" << 2 << "\"\" names none"
                                << "";
    QTest::newRow("interrupt before placing")
        << "parent/web"
        << "good.qzt" << 130 << "matchmaker: interrupted; nothing was published.\n"
        << "";
    QTest::newRow("interrupt while placing") << "parent/web"
                                             << "good.qzt" << 130 << "interrupted once the page was in place"
                                             << "parent/web";
    QTest::newRow("leftover tidied") << "parent/web"
                                     << "good.qzt" << 0 << ""
                                     << "parent/web";
    QTest::newRow("full disk") << "parent/a/b/web"
                               << "good.qzt" << 1 << "cannot be written (No space left on device)."
                               << "";
    QTest::newRow("quiz with an error")
        << "parent/web"
        << "short.qzt" << 1 << "short.qzt:103: error: the file ends after line 103"
        << "";
    QTest::newRow("DIR is a file") << "parent/web"
                                   << "good.qzt" << 1 << "it is a file, not a folder."
                                   << "";
    QTest::newRow("read-only parent") << "parent/web"
                                      << "good.qzt" << 1 << "nothing can be written in"
                                      << "";
    QTest::newRow("no quiz") << "parent/web"
                             << "" << 2 << "needs at least one quiz file"
                             << "";
}

// Each row checks the exit status, every file of the user's byte for byte (all of them, where the
// export is refused), and that no hidden folder of the export is left beside DIR or in it.
void TestCommandLine::exportWeb()
{
    QFETCH(QString, typed);
    QFETCH(QString, quiz);
    QFETCH(int, exitCode);
    QFETCH(QString, standardErrorHolds);
    QFETCH(QString, published);
    const QString row = QTest::currentDataTag();
    TempQuizDir dir;
    const QString root = QString::fromStdString(dir.filePath(""));
    const QString parent = root + "parent", folder = parent + "/web";
    QVERIFY(QDir().mkpath(parent));
    dir.write("good.qzt", TempQuizDir::quizBody());
    dir.write("short.qzt", TempQuizDir::quizBody("\r\n", "Kest,Dorv,Oro", 103));
    const bool smallDisk = row == "read-only parent" || row == "full disk";
    const ScratchMount disk(parent, smallDisk, smallDisk ? "64k" : "4m");
    const ScratchMount volume(folder, row == "mount point" && QDir().mkpath(folder), "4m");
    if ((smallDisk && !disk.mounted()) || (row == "mount point" && !volume.mounted()))
        QSKIP("No file system can be mounted here, not even in a namespace of the test's own");
    const auto exported = [&](const QString &to) {
        return runProgram(root, { "--export-web", to, "good.qzt" }, false).exitCode == 0;
    };
    const auto writeFile = [](const QString &path, const QByteArray &bytes) {
        QFile file(path);
        return QDir().mkpath(QFileInfo(path).path()) && file.open(QIODevice::WriteOnly)
            && file.write(bytes) == bytes.size();
    };
    const QStringList needEarlier { "earlier export",
                                    "user file added",
                                    "quiz inside",
                                    "bind mount inside",
                                    "mount point",
                                    "interrupt before placing",
                                    "interrupt while placing",
                                    "leftover tidied",
                                    "quiz with an error",
                                    "no quiz" };
    if (needEarlier.contains(row))
        QVERIFY(exported("parent/web"));
    if (row == "user file added")
        QVERIFY(writeFile(folder + "/about.html", "<p>mine</p>"));
    if (row == "copied marker")
        QVERIFY(exported("parent/other") && writeFile(folder + "/mine.txt", "mine")
                && QFile::copy(parent + "/other/.matchmaker-export", folder + "/.matchmaker-export"));
    if (row == "symlinked marker")
        QVERIFY(writeFile(folder + "/mine.txt", "mine")
                && QFile::link("mine.txt", folder + "/.matchmaker-export"));
    if (row == "old marker")
        QVERIFY(writeFile(folder + "/.matchmaker-export",
                          "A web page of Brindlecast Match Maker; the next export replaces it.\n"));
    if (row == "quiz inside")
        QVERIFY(QFile::rename(root + "good.qzt", folder + "/good.qzt"));
    if (row == "dot")
        QVERIFY(QDir().mkpath(folder));
    if (row == "DIR is a file")
        QVERIFY(writeFile(folder, "mine"));
    if (row == "leftover tidied") {
        QVERIFY(QProcess::execute("cp", { "-a", folder, parent + "/.mm-new-0123456789abcdef" }) == 0);
        QVERIFY(QFile::resize(parent + "/.mm-new-0123456789abcdef/quizzes.js", 10));
    }
    QVERIFY(writeFile(root + "photos/holiday.jpg", "not a picture"));
    const BindMount photos(root + "photos", folder + "/photos",
                           row == "bind mount inside" && QDir().mkpath(folder + "/photos"));
    if (row == "bind mount inside" && !photos.mounted())
        QSKIP("No folder can be mounted here, not even in a namespace of the test's own");
    if (row == "read-only parent" && !disk.makeReadOnly())
        QSKIP("The folder cannot be made read-only");
    if (row == "full disk")
        disk.fill();
    const QStringList before = filesUnder(root);
    if (row.startsWith("interrupt"))
        qputenv("MATCHMAKER_TEST_INTERRUPT",
                row.endsWith("before placing") ? "before-placing" : "while-placing");

    const Ran ran = runProgram(row == "dot" ? folder : root, { "--export-web", typed, quiz }, false);
    qunsetenv("MATCHMAKER_TEST_INTERRUPT");

    QVERIFY2(ran.errors.contains(standardErrorHolds), qPrintable(ran.errors));
    QCOMPARE(ran.exitCode, exitCode);
    QVERIFY2(!filesUnder(root).join('\n').contains("/.mm-"), qPrintable(filesUnder(root).join('\n')));
    if (published.isEmpty()) {
        QCOMPARE(filesUnder(root), before);
        return;
    }
    QCOMPARE(ran.output, root + published + "/index.html\n");
    const std::string placed = published.endsWith("\\xe9")
        ? dir.filePath("parent/caf\xE9")
        : dir.filePath(QFile::encodeName(published).toStdString());
    QVERIFY(std::filesystem::exists(placed + "/.matchmaker-export")
            && std::filesystem::exists(placed + "/quizzes.js"));
}

void TestCommandLine::exportSingleFile_data()
{
    QTest::addColumn<QString>("before"); // "", "ours" or "mine": what OUT.html holds before
    QTest::addColumn<QString>("interrupt");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<bool>("replaced");
    QTest::newRow("new") << ""
                         << "" << 0 << true;
    QTest::newRow("earlier one") << "ours"
                                 << "" << 0 << true;
    QTest::newRow("file of the user's") << "mine"
                                        << "" << 1 << false;
    QTest::newRow("interrupt before placing") << "ours"
                                              << "before-placing" << 130 << false;
    QTest::newRow("interrupt while placing") << "ours"
                                             << "while-placing" << 130 << true;
}

// The page as one file: written or replaced in one step, or left exactly as it was, with no file
// of the export left beside it.
void TestCommandLine::exportSingleFile()
{
    QFETCH(QString, before);
    QFETCH(QString, interrupt);
    QFETCH(int, exitCode);
    QFETCH(bool, replaced);
    TempQuizDir dir;
    const QString root = QString::fromStdString(dir.filePath(""));
    dir.write("good.qzt", TempQuizDir::quizBody());
    const QStringList arguments { "--export-web", "--single-file", "quiz.html", "good.qzt" };
    if (before == "ours")
        QCOMPARE(runProgram(root, arguments, false).exitCode, 0);
    if (before == "mine")
        dir.write("quiz.html", "<p>mine</p>");
    // Everything but the page and the quiz, which the row rewrites.
    const auto others = [&root] {
        QStringList files = filesUnder(root);
        files.removeIf(
            [](const QString &file) { return file.contains("quiz.html") || file.contains("good.qzt"); });
        return files;
    };
    const QStringList files = others();
    QFile page(root + "quiz.html");
    const QByteArray earlier = page.open(QIODevice::ReadOnly) ? page.readAll() : QByteArray();
    page.close();
    if (!interrupt.isEmpty())
        qputenv("MATCHMAKER_TEST_INTERRUPT", interrupt.toLatin1());

    dir.write("good.qzt", TempQuizDir::quizBody("\r\n", "Kest,Dorv,Oro,Zed"));
    const Ran ran = runProgram(root, arguments, false);
    qunsetenv("MATCHMAKER_TEST_INTERRUPT");

    QCOMPARE(ran.exitCode, exitCode);
    QVERIFY(page.open(QIODevice::ReadOnly));
    const QByteArray now = page.readAll();
    QCOMPARE(now != earlier, replaced);
    QCOMPARE(now.contains("Zed"), replaced);
    if (before == "mine")
        QVERIFY2(ran.errors.contains("quiz.html\": it is not a page this program wrote"),
                 qPrintable(ran.errors));
    QCOMPARE(others(), files);
}

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
