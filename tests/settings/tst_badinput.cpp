// Bad input of every kind as users meet it: a settings file, a quote data file or signature
// files that are missing, odd, hostile or of the wrong kind, and what `sentari --print-quote`,
// `--print-signature` or the store make of them: the designed fallback, or a clear message
// that names the file; nothing lost, nothing hangs, no control character printed or written.

#include "sentaristore/settingsstore.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <fstream>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace sentari;

namespace {

QByteArray utf16(std::u16string_view text, bool bigEndian)
{
    QByteArray out = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (char16_t c : text) {
        const char hi = char(c >> 8), lo = char(c & 0xFF);
        out.append(bigEndian ? hi : lo).append(bigEndian ? lo : hi);
    }
    return out;
}

const QByteArray Ini = "ini=[General]\nQuoteFile=$D/q.txt\n";
const QByteArray Tag = "<Quote will be inserted here>";

QByteArrayList quotes(const QByteArray& bytes)
{
    return {Ini, "q.txt=" + bytes};
}

// Settings with signature 1 at `file` (and signature 2 at ok.txt when `second`).
QByteArray signatureIni(const QByteArray& file, const QByteArray& more = {}, bool second = false)
{
    return "ini=[General]\nQuoteFile=$D/q.txt\nSignatureFile1=" + file + "\nIntro1=" + Tag + "\n" +
           more + (second ? "SignatureFile2=$D/ok.txt\nIntro2=" + Tag + "\n" : QByteArray());
}

// A literal with the NUL bytes it holds.
template <std::size_t N> QByteArray bytes(const char (&s)[N])
{
    return QByteArray(s, N - 1);
}

struct Outcome {
    int exitCode = 0;
    QByteArray out, message;
};

// Files of this process grow no further than `bytes` while it lives (none when 0).
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        ::getrlimit(RLIMIT_FSIZE, &old_);
        if (bytes == 0)
            return;
        rlimit lowered = old_;
        lowered.rlim_cur = bytes;
        ::signal(SIGXFSZ, SIG_IGN); // a failed write, not a dead process
        ::setrlimit(RLIMIT_FSIZE, &lowered);
    }
    ~FileSizeLimit() { ::setrlimit(RLIMIT_FSIZE, &old_); }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit old_{};
};

} // namespace

class BadInputTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir_;
    QByteArray d_; // the folder's path
    rlim_t fileSizeLimit_ = 0;

    QByteArray expand(QByteArray s) const { return s.replace("$D", d_); }
    std::string at(const QByteArray& name) const
    {
        return (name == "ini" ? d_ + "/config/Sentari/Sentari.ini" : d_ + "/" + name).toStdString();
    }
    StoreLocations locations() const { return {at("ini"), (d_ + "/cache").toStdString()}; }

    // "NAME=BYTES", "fifo NAME", "dir NAME", "link NAME TARGET", "chmod MODE NAME",
    // "size NAME BYTES", "limit BYTES" (no file of this process grows past that, as on a full
    // disk); NAME "ini" is the settings file.
    void setUp(const QByteArrayList& steps)
    {
        QDir().mkpath(d_ + "/config/Sentari");
        QList<QPair<std::string, int>> modes;
        for (QByteArray step : steps) {
            step = expand(step);
            const QByteArrayList w = step.split(' ');
            const qsizetype eq = step.indexOf('=');
            if (eq > 0 && !step.left(eq).contains(' ')) {
                std::filesystem::create_directories(
                    std::filesystem::path(at(step.left(eq))).parent_path());
                std::ofstream(at(step.left(eq)), std::ios::binary)
                    << step.mid(eq + 1).toStdString();
            } else if (w[0] == "fifo") {
                QCOMPARE(::mkfifo(at(w[1]).c_str(), 0666), 0);
            } else if (w[0] == "dir") {
                QVERIFY(QDir().mkpath(QString::fromStdString(at(w[1]))));
            } else if (w[0] == "link") {
                QCOMPARE(::symlink(w[2].constData(), at(w[1]).c_str()), 0);
            } else if (w[0] == "chmod") {
                modes.append({at(w[2]), w[1].toInt(nullptr, 8)});
            } else if (w[0] == "size") {
                QCOMPARE(::truncate(at(w[1]).c_str(), w[2].toLongLong()), 0);
            } else if (w[0] == "limit") {
                fileSizeLimit_ = static_cast<rlim_t>(w[1].toLongLong());
            } else {
                QFAIL(step.constData());
            }
        }
        // The programs run as an ordinary user (see print()); the folder is theirs.
        std::error_code ec;
        for (auto& e : std::filesystem::recursive_directory_iterator(d_.toStdString(), ec))
            if (!e.is_symlink())
                ::chmod(e.path().c_str(), e.is_directory() ? 0777 : 0666);
        ::chmod(d_.constData(), 0777);
        for (const auto& [path, mode] : modes)
            ::chmod(path.c_str(), static_cast<mode_t>(mode));
    }

    Outcome print(const QByteArray& args)
    {
        QProcess p;
        auto env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_CONFIG_HOME", d_ + "/config");
        env.insert("XDG_CACHE_HOME", d_ + "/cache");
        env.insert("HOME", d_);
        p.setProcessEnvironment(env);
        QStringList argv = QString::fromLocal8Bit(expand(args)).split(' ');
        argv.prepend(qEnvironmentVariable("SENTARI_BIN_DIR") + "/sentari");
        // As root every file is readable: run as nobody, so "unreadable" means it.
        if (::geteuid() == 0)
            argv = QStringList{"--reuid=65534", "--regid=65534", "--clear-groups", "--"} + argv;
        p.start(::geteuid() == 0 ? QStringLiteral("setpriv") : argv.takeFirst(), argv);
        if (!p.waitForFinished(20000)) {
            p.kill();
            p.waitForFinished();
            return {-1, {}, "hung"};
        }
        return {p.exitCode(), p.readAllStandardOutput(), p.readAllStandardError()};
    }

    Outcome store(const QByteArray& action)
    {
        SettingsStore store(locations());
        const qsizetype space = action.indexOf(' ');
        const QByteArray verb = action.left(space), arg = expand(action.mid(space + 1));
        const FileSizeLimit limit(fileSizeLimit_);
        try {
            if (verb == "refresh") {
                const auto r = store.refreshSignatures(arg.toStdString());
                QByteArray failures;
                for (const auto& f : r.failures)
                    failures += QByteArray::fromStdString(f) + "\n";
                return {r.failures.empty() ? 0 : 1, {}, failures};
            }
            if (verb == "add") {
                store.addQuote({}, arg.toStdString());
                return {};
            }
            if (verb == "set") { // set KEY=VALUE: a failure tells what the same store reads then
                const std::string key = arg.left(arg.indexOf('=')).toStdString();
                try {
                    store.writeSetting(key, arg.mid(arg.indexOf('=') + 1).toStdString());
                } catch (const StoreError& e) {
                    return {1,
                            {},
                            QByteArray(e.what()) + " The store reads " +
                                store.readSetting(key).c_str()};
                }
                return {};
            }
            const qsizetype gap = arg.indexOf(' '); // delete N QUOTE
            const auto done =
                store.deleteQuote({}, arg.left(gap).toLongLong(), arg.mid(gap + 1).toStdString());
            return {done.deleted ? 0 : 1, {}, {}};
        } catch (const StoreError& e) {
            return {1, {}, e.what()};
        }
    }

    // "NAME=BYTES" (the file holds exactly that), "NAME~BYTES" (holds them somewhere),
    // "link NAME", "mode NAME OCTAL", "gone NAME", "key KEY=VALUE".
    void checkAfter(const QByteArrayList& after)
    {
        for (QByteArray check : after) {
            check = expand(check);
            const QByteArrayList w = check.split(' ');
            const qsizetype eq = check.indexOf('='), tilde = check.indexOf('~');
            std::error_code ec;
            if (w[0] == "link") {
                QVERIFY2(std::filesystem::is_symlink(at(w[1]), ec), check.constData());
            } else if (w[0] == "mode") {
                struct stat st;
                QCOMPARE(::stat(at(w[1]).c_str(), &st), 0);
                QCOMPARE(int(st.st_mode & 07777), w[2].toInt(nullptr, 8));
            } else if (w[0] == "gone") {
                QVERIFY2(!std::filesystem::exists(at(w[1]), ec), check.constData());
            } else if (w[0] == "key") {
                const QByteArray kv = check.mid(4);
                const auto value =
                    SettingsStore(locations()).readSetting(kv.left(kv.indexOf('=')).toStdString());
                QCOMPARE(QByteArray::fromStdString(value), kv.mid(kv.indexOf('=') + 1));
            } else {
                const bool whole = tilde < 0 || (eq > 0 && eq < tilde);
                const qsizetype cut = whole ? eq : tilde;
                std::ifstream in(at(check.left(cut)), std::ios::binary);
                const QByteArray bytes =
                    QByteArray::fromStdString(std::string(std::istreambuf_iterator<char>(in), {}));
                if (whole)
                    QCOMPARE(bytes, check.mid(cut + 1));
                else
                    QVERIFY2(bytes.contains(check.mid(cut + 1)), bytes.constData());
            }
        }
    }

private slots:
    void init()
    {
        dir_ = std::make_unique<QTemporaryDir>();
        fileSizeLimit_ = 0;
        d_ = QFile::encodeName(dir_->path());
    }

    void badInput_data();
    void badInput()
    {
        QFETCH(QByteArrayList, setup);
        QFETCH(QByteArray, action);
        QFETCH(int, exitCode);
        QFETCH(QByteArray, out);
        QFETCH(QByteArray, message);
        QFETCH(QByteArrayList, after);
        setUp(setup);
        const Outcome o = action.startsWith("--") ? print(action) : store(action);
        QVERIFY2(o.message.contains(expand(message)), o.message.constData());
        QCOMPARE(o.exitCode, exitCode);
        if (action.startsWith("--"))
            QCOMPARE(o.out, out);
        checkAfter(after);
    }
};

void BadInputTest::badInput_data()
{
    QTest::addColumn<QByteArrayList>("setup");
    QTest::addColumn<QByteArray>("action"); // --options of sentari, or a store call
    QTest::addColumn<int>("exitCode");      // store calls: 1 for a failure
    QTest::addColumn<QByteArray>("out");
    QTest::addColumn<QByteArray>("message"); // a part of it
    QTest::addColumn<QByteArrayList>("after");
    struct Case {
        QByteArray name;
        QByteArrayList setup;
        QByteArray action;
        int exitCode;
        QByteArray out = {}, message = {};
        QByteArrayList after = {}; // rows may leave out what they do not check
    };
    const QByteArray pq = "--print-quote", refresh = "refresh Q";
    const QByteArray latin1 = "ini=[General]\nQuoteFile=$D/caf\xE9.txt\n";
    // clang-format off
    std::vector<Case> cases{
        // The quote data file.
        {"no data file chosen", {"ini=[General]\n"}, pq, 1, {}, "no quote data file is chosen yet"},
        {"missing", {Ini}, pq, 1, {}, "q.txt\" cannot be read: it does not exist"},
        {"a folder", {Ini, "dir q.txt"}, pq, 1, {}, "it is a folder"},
        {"/dev/zero", {Ini, "link q.txt /dev/zero"}, pq, 1, {}, "not a regular file"},
        {"a FIFO", {Ini, "fifo q.txt"}, pq, 1, {}, "FIFO"},
        {"empty", quotes(""), pq, 1, {}, "holds no quote"},
        {"blank lines only", quotes(" \r\n\t\r\n\r\n"), pq, 1, {}, "holds no quote"},
        {"symlink loop", {Ini, "link q.txt q.txt"}, pq, 1, {}, "Too many levels of symbolic links"},
        {"unreadable", {Ini, "q.txt=x", "chmod 000 q.txt"}, pq, 1, {}, "Permission denied"},
        {"UTF-16LE", quotes(utf16(u"\r\n \r\nCaf\u00E9 \u263A\r\n", false)), pq, 0,
         "Caf\xC3\xA9 \xE2\x98\xBA\n"},
        {"UTF-16BE, CR only", quotes(utf16(u"\rNa\u00EFve\r", true)), pq, 0, "Na\xC3\xAFve\n"},
        {"CR-only line ends", quotes("\r  \rquote one\r\r"), pq, 0, "quote one\n"},
        {"C0 controls", quotes(bytes("\x1b[31mred\x07\tbell\0!\r\n")), pq, 0, "[31mred\tbell!\n"},
        {"C1 controls", quotes("a\xC2\x9B" "31mb\xC2\x85" "c\r\n"), pq, 0, "a31mbc\n"},
        {"Windows-1252, undefined codes", quotes("\x81" "caf\xE9\x9D!\r\n"), pq, 0, "caf\xC3\xA9!\n"},
        {"a 2 MiB line", quotes(QByteArray(2 << 20, 'x')), pq, 0, QByteArray(1 << 20, 'x') + "\n"},
        {"a file named in Latin-1", {latin1, "caf\xE9.txt=Latin\r\n"}, pq, 0, "Latin\n"},
        {"a missing file named in Latin-1", {latin1}, pq, 1, {}, "\"$D/caf\\xE9.txt\" cannot be"},
        // The settings file.
        {"settings a FIFO", {"fifo ini"}, pq, 1, {}, "file \"$D/config/Sentari/Sentari.ini\": it is a FIFO"},
        {"settings /dev/zero", {"link ini /dev/zero"}, pq, 1, {}, "settings file"},
        {"settings a folder", {"dir ini"}, pq, 1, {}, "it is a folder"},
        {"settings of 70 MB", {Ini, "size ini 70000000"}, pq, 1, {}, "larger than 64 MB"},
        {"settings unreadable", {Ini, "chmod 000 ini"}, pq, 1, {}, "Permission denied"},
        {"settings symlink loop", {"link ini Sentari.ini"}, pq, 1, {}, "Too many levels"},
        {"settings with a BOM, no section", {"ini=\xEF\xBB\xBFQuoteFile=$D/q.txt\r\n", "q.txt=q"}, pq, 0, "q\n"},
        {"settings with CR-only ends", {"ini=[General]\rQuoteFile=$D/q.txt\r", "q.txt=q"}, pq, 0, "q\n"},
        {"settings lines ending in CR CR LF", {"ini=[General]\r\r\nQuoteFile=$D/q.txt\r\r\n", "q.txt=q"},
         pq, 0, "q\n"},
        {"last value ends in a backslash, no final newline", {"ini=[General]\nIntro1=C:\\\\me\\", "q.txt=q"},
         pq + " --data-file $D/q.txt", 0, "q\n", {}, {"key Intro1=C:\\me\\", "key QuoteFile=$D/q.txt"}},
        {"signature template with controls",
         {"ini=[General]\nQuoteFile=$D/q.txt\nSignatureFile1=$D/s.txt\nIntro1=Pim\\x1b[0m\\r\\n" + Tag,
          "q.txt=q\x1b!"}, "--print-signature", 0, "Pim[0m\nq!\n", {}, {"gone s.txt"}},
        // Signature files, refreshed with a quote.
        {"missing signature folders", {signatureIni("$D/new/sub/s.txt")}, refresh, 0, {}, {}, {"new/sub/s.txt=Q"}},
        {"signature path under a file", {signatureIni("$D/f/s.txt", {}, true), "f=x"}, refresh, 1, {},
         "\"$D/f/s.txt\": Not a directory", {"f=x", "ok.txt=Q"}},
        {"signature a folder", {signatureIni("$D/s.txt"), "dir s.txt"}, refresh, 1, {}, "it is a folder"},
        {"read-only signature", {signatureIni("$D/s.txt", {}, true), "s.txt=mine", "chmod 444 s.txt"}, refresh,
         1, {}, "\"$D/s.txt\": it is read-only, so it was left as it is", {"s.txt=mine", "mode s.txt 444", "ok.txt=Q"}},
        {"signature through a symlink", {signatureIni("$D/s.txt"), "r/s.txt=old", "chmod 640 r/s.txt",
         "link s.txt r/s.txt"}, refresh, 0, {}, {}, {"link s.txt", "r/s.txt=Q", "mode r/s.txt 640"}},
        {"link to a link to a signature", {signatureIni("$D/a"), "r=old", "link b r", "link a b"}, refresh, 0,
         {}, {}, {"link a", "link b", "r=Q"}},
        {"dangling signature link", {signatureIni("$D/s.txt"), "link s.txt $D/made.txt"}, refresh, 0, {}, {},
         {"link s.txt", "made.txt=Q"}},
        {"signature symlink loop", {signatureIni("$D/s.txt"), "link s.txt s.txt"}, refresh, 1, {},
         "Too many levels of symbolic links"},
        {"signature a FIFO", {signatureIni("$D/s.txt", {}, true), "fifo s.txt"}, refresh, 1, {},
         "not a regular file", {"ok.txt=Q"}},
        {"quote with controls into a signature", {signatureIni("$D/s.txt")}, "refresh \x1b[5mQ\x07\x9b", 0, {},
         {}, {"s.txt=[5mQ\xEF\xBF\xBD"}},
        // Adding and deleting quotes.
        {"add to a file ending in a lone CR", quotes("a\r\nb\r"), "add new", 0, {}, {}, {"q.txt=a\r\nb\rnew\r\n"}},
        {"add to a CR-only file", quotes("a\rb"), "add new", 0, {}, {}, {"q.txt=a\rb\rnew\r"}},
        {"add leaves controls out", quotes("a\n"), "add \x1b[1mbold\x07\tx\x7f", 0, {}, {},
         {"q.txt=a\n[1mbold\tx\n"}},
        {"add of controls only", quotes("a\n"), "add \x1b\x07", 1, {}, "holds no text", {"q.txt=a\n"}},
        {"add to UTF-16LE", quotes(utf16(u"a\r\n", false)), "add \xC3\xA9", 0, {}, {},
         {"q.txt=" + utf16(u"a\r\n\u00E9\r\n", false)}},
        {"delete from UTF-16BE", quotes(utf16(u"a\rb\r", true)), "delete 2 b", 0, {}, {},
         {"q.txt=" + utf16(u"a\r", true)}},
        {"delete a line with controls", quotes("x\x1by\r\nz\r\n"), "delete 1 xy", 0, {}, {}, {"q.txt=z\r\n"}},
        {"add to a read-only data file", {Ini, "q.txt=a\r\n", "chmod 444 q.txt"}, "add b", 1, {}, "read-only",
         {"q.txt=a\r\n"}},
        {"add on a full disk", {Ini, "q.txt=a\r\n", "limit 8"}, "add a longer quote", 1, {}, "File too large",
         {"q.txt=a\r\n"}},
        {"set in a read-only settings file", {Ini + "Intro1=old\n", "chmod 444 ini"}, "set Intro1=new", 1, {},
         "read-only, so it was left as it is. The store reads old", {"key Intro1=old"}},
        {"delete through a symlink", {Ini, "r.txt=a\r\nb\r\n", "link q.txt r.txt"}, "delete 1 a", 0, {}, {},
         {"link q.txt", "r.txt=b\r\n"}},
        {"delete from a FIFO", {Ini, "fifo q.txt"}, "delete 1 a", 1, {}, "FIFO"},
        {"add to a file named in Latin-1", {latin1, "caf\xE9.txt=a\r\n"}, "add b", 0, {}, {},
         {"caf\xE9.txt=a\r\nb\r\n", "gone caf\xEF\xBF\xBD.txt"}},
        {"delete from a file named in Latin-1", {latin1, "caf\xE9.txt=a\r\nb\r\n"}, "delete 2 b", 0, {}, {},
         {"caf\xE9.txt=a\r\n"}},
    };
    const QByteArray longLine(70000, 'x'); // its line end lies beyond what a first look reads
    cases.push_back({"add to a file with a long first line", quotes(longLine + "\nb\n"), "add new", 0, {}, {},
                     {"q.txt=" + longLine + "\nb\nnew\n"}});
    // Odd numbers in the font keys: the signature's RTF falls back to 10 pt black.
    for (const char* size : {"abc", "-3", "1e400", "99999999999999999999", "0"})
        cases.push_back({QByteArray("Fontsize ") + size, {signatureIni("$D/s.rtf", QByteArray("Fontsize1=") +
                         size + "\n")}, refresh, 0, {}, {}, {"s.rtf~\\fs20\\cf1 Q"}});
    for (const char* colour : {"-1", "16777216", "0xFF", "red"})
        cases.push_back({QByteArray("Fontcolor ") + colour, {signatureIni("$D/s.rtf", QByteArray("Fontcolor1=") +
                         colour + "\n")}, refresh, 0, {}, {}, {"s.rtf~\\red0\\green0\\blue0;"}});
    // clang-format on
    for (const Case& c : cases)
        QTest::newRow(c.name.constData())
            << c.setup << c.action << c.exitCode << c.out << c.message << c.after;
}

QTEST_GUILESS_MAIN(BadInputTest)
#include "tst_badinput.moc"
