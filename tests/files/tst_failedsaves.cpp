// Every way the program saves a file, where writing fails part-way: a file-size limit below, at
// and above Qt's 16 KiB write buffer, and a small file system that is really full. The user must
// be told (a message box, or one line on standard error and status 1), the previous file must be
// left byte for byte, and no temporary file may be left beside it. And a plan is read only from
// a regular file: a pipe, device, socket or folder is refused at once.
#include "app/windowcatalogue.h"
#include "plan/planfile.h"
#include "plan/plantablemodel.h"
#include "plan/rigplanwindow.h"
#include "tests/support/diskfull.h"
#include "tests/support/guitest.h"

#include <QAbstractButton>
#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPointer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>

#if __has_include(<sys/stat.h>) && !defined(Q_OS_WIN)
#include <cstring>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>
#endif

using namespace velantra;
using namespace velantra::test;

namespace
{

constexpr qint64 kNoLimit = -1;

// Yesterday's file, a plan of one row, which the failed save must leave as it was.
QByteArray previousFile()
{
    return plan::writePlan({.rows = {plan::newRow(plan::Device::Dor)}});
}

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.flush())
        qFatal("could not write %s", qPrintable(path));
}

// What the user was told of a save.
struct Told {
    bool failed = false;
    QString text; // the message box's text, or standard error
};

// A save as the user makes it, into `path`, while no file may grow beyond `limit` bytes.
using Writer = std::function<Told(ProgramFixture&, const QString& path, qint64 limit)>;

// The program on the command line, in a process of its own under the file-size limit.
Told command(const QStringList& arguments, [[maybe_unused]] qint64 limit)
{
    static const QTemporaryDir runtime;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
    QProcess process;
    process.setProcessEnvironment(environment);
#if __has_include(<sys/resource.h>) && !defined(Q_OS_WIN)
    if (limit != kNoLimit) {
        process.setChildProcessModifier([limit] {
            std::signal(SIGXFSZ, SIG_IGN);
            rlimit full{};
            getrlimit(RLIMIT_FSIZE, &full);
            full.rlim_cur = rlim_t(limit);
            setrlimit(RLIMIT_FSIZE, &full);
        });
    }
#endif
    process.start(QStringLiteral(VELANTRA_EXECUTABLE), arguments);
    process.waitForFinished(-1);
    const QString err = QString::fromUtf8(process.readAllStandardError());
    return {process.exitCode() != 0 || process.exitStatus() != QProcess::NormalExit, err};
}

// A plan of many rows with labels, so that its file and its cards are larger than the limits.
plan::RigPlan largePlan()
{
    plan::RigPlan rig;
    for (int i = 0; i < 150; ++i) {
        plan::PlanRow row = plan::newRow(plan::Device::Orvo75);
        row.label = "Truss " + std::to_string(i / 10) + ", bar " + std::to_string(i % 10);
        row.setting.address = 1 + 3 * i;
        rig.rows.push_back(row);
    }
    return rig;
}

QString largePlanFile()
{
    static const QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("large.json"));
    if (!QFileInfo::exists(path) && !plan::savePlanFile(path, largePlan(), nullptr))
        qFatal("could not write the plan to read");
    return path;
}

// A window's command under the limit; the texts of the messages it showed.
Told inWindow(QWidget* window, const char* action, qint64 limit)
{
    MessageBoxAnswerer answerer;
    {
        std::optional<DiskFullAfter> full;
        if (limit != kNoLimit)
            full.emplace(limit);
        child<QAction>(window, QLatin1String(action))->trigger();
    }
    return {!answerer.texts().isEmpty(), answerer.texts().join(u'\n')};
}

// A window's command that asks for a file: the label question answered, `path` chosen in the file
// dialog (replacing the file there), and the limit in force from then on; the texts of the
// messages it showed.
class ThroughDialogs : public QObject
{
public:
    ThroughDialogs(QString path, qint64 limit) : path_(std::move(path)), limit_(limit)
    {
        qApp->installEventFilter(this);
    }
    ~ThroughDialogs() override { qApp->removeEventFilter(this); }
    QStringList messages;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* dialog = qobject_cast<QDialog*>(watched);
        if (event->type() == QEvent::Show && dialog && dialog->isModal())
            QTimer::singleShot(0, this, [this, dialog = QPointer<QDialog>(dialog)] {
                if (dialog)
                    answer(dialog);
            });
        return false;
    }

private:
    void answer(QDialog* dialog)
    {
        if (auto* input = qobject_cast<QInputDialog*>(dialog)) {
            input->accept();
        } else if (auto* files = qobject_cast<QFileDialog*>(dialog)) {
            files->selectFile(path_);
            if (limit_ != kNoLimit)
                full_.emplace(limit_);
            QMetaObject::invokeMethod(files, "accept");
        } else if (auto* box = qobject_cast<QMessageBox*>(dialog)) {
            if (QAbstractButton* replace = box->button(QMessageBox::Yes)) {
                replace->click(); // the file dialog's question: replace the file
            } else {
                messages << box->text();
                box->accept();
            }
        } else {
            dialog->reject();
        }
    }

    QString path_;
    qint64 limit_;
    std::optional<DiskFullAfter> full_;
};

Told throughDialogs(QWidget* window, const char* action, const QString& path, qint64 limit)
{
    ThroughDialogs answerer(path, limit);
    child<QAction>(window, QLatin1String(action))->trigger();
    return {!answerer.messages.isEmpty(), answerer.messages.join(u'\n')};
}

struct NamedWriter {
    const char* name;
    const char* suffix;
    qint64 smallest; // fewer bytes than it writes
    Writer write;
};

const std::vector<NamedWriter>& writers()
{
    static const std::vector<NamedWriter> all{
        {"card pdf", "pdf", 16'000,
         [](ProgramFixture&, const QString& path, qint64 limit) {
             return command({QStringLiteral("card"), QStringLiteral("orvo75"),
                             QStringLiteral("--label"), QStringLiteral("Bar 3, left"),
                             QStringLiteral("--out"), path},
                            limit);
         }},
        {"card png", "png", 40'000,
         [](ProgramFixture&, const QString& path, qint64 limit) {
             return command(
                 {QStringLiteral("card"), QStringLiteral("fluo"), QStringLiteral("--out"), path},
                 limit);
         }},
        {"card txt", "txt", 150,
         [](ProgramFixture&, const QString& path, qint64 limit) {
             return command(
                 {QStringLiteral("card"), QStringLiteral("dor"), QStringLiteral("--out"), path},
                 limit);
         }},
        {"plan --cards", "pdf", 60'000,
         [](ProgramFixture&, const QString& path, qint64 limit) {
             return command(
                 {QStringLiteral("plan"), largePlanFile(), QStringLiteral("--cards"), path}, limit);
         }},
        {"plan Save", "json", 20'000,
         [](ProgramFixture& program, const QString& path, qint64 limit) {
             // Yesterday's plan opened and made larger: Save goes to its file without a dialog.
             auto* window = qobject_cast<plan::RigPlanWindow*>(
                 program.open(QStringLiteral("rigplan"), WindowId::RigPlan));
             if (!QFileInfo::exists(path))
                 writeFile(path, previousFile());
             if (!window->openFile(path))
                 return Told{true, QStringLiteral("yesterday's plan did not open")};
             window->model().replacePlan(largePlan());
             const QString title = window->windowHandle()->title();
             Told told = inWindow(window, "planSave", limit);
             if (told.failed && window->windowHandle()->title() != title)
                 told.text +=
                     QStringLiteral("\nthe title changed to ") + window->windowHandle()->title();
             return told;
         }},
        {"card Save as PDF", "pdf", 16'000,
         [](ProgramFixture& program, const QString& path, qint64 limit) {
             QWidget* window = program.open(QStringLiteral("dip"), WindowId::Dip_DMX);
             return throughDialogs(window, "saveCardPdf", path, limit);
         }},
        {"plan Save As", "json", 20'000,
         [](ProgramFixture& program, const QString& path, qint64 limit) {
             auto* window = qobject_cast<plan::RigPlanWindow*>(
                 program.open(QStringLiteral("rigplan"), WindowId::RigPlan));
             window->model().replacePlan(largePlan());
             return throughDialogs(window, "planSaveAs", path, limit);
         }},
        {"plan Save cards as PDF", "pdf", 60'000,
         [](ProgramFixture& program, const QString& path, qint64 limit) {
             auto* window = qobject_cast<plan::RigPlanWindow*>(
                 program.open(QStringLiteral("rigplan"), WindowId::RigPlan));
             window->model().replacePlan(largePlan());
             return throughDialogs(window, "saveCardsPdf", path, limit);
         }},
    };
    return all;
}

// A small file system of its own, mounted for the test, and filled to the last byte.
class FullFileSystem
{
public:
    explicit FullFileSystem(const QString& folder) : folder_(folder)
    {
        mounted_ =
            QProcess::execute(QStringLiteral("mount"),
                              {QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
                               QStringLiteral("size=64k"), QStringLiteral("tmpfs"), folder}) == 0;
    }
    ~FullFileSystem()
    {
        if (mounted_)
            QProcess::execute(QStringLiteral("umount"), {folder_});
    }
    bool mounted() const { return mounted_; }
    // Writes a filler file until the file system has no room left.
    void fill() const
    {
        QFile filler(folder_ + QStringLiteral("/filler"));
        if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            qFatal("no filler file");
        const QByteArray block(512, 'x');
        while (filler.write(block) > 0) {
        }
    }

private:
    QString folder_;
    bool mounted_ = false;
};

} // namespace

class FailedSavesTest : public QObject
{
    Q_OBJECT
private slots:
    void failedSaveChangesNothing_data();
    void failedSaveChangesNothing();
    void onlyRegularFilesAreRead_data();
    void onlyRegularFilesAreRead();
};

void FailedSavesTest::failedSaveChangesNothing_data()
{
    QTest::addColumn<int>("writer");
    QTest::addColumn<qint64>("limit"); // kNoLimit: a full file system instead
    struct Point {
        const char* name;
        qint64 limit;
    };
    constexpr Point points[] = {
        {"nothing fits", 0},
        {"part fits", 100},
        {"below the write buffer", 4096},
        {"at the write buffer", 16384},
        {"above the write buffer", 20480},
        {"full file system", kNoLimit},
    };
    for (std::size_t w = 0; w < writers().size(); ++w)
        for (const Point& point : points)
            if (point.limit < writers()[w].smallest)
                QTest::addRow("%s, %s", writers()[w].name, point.name) << int(w) << point.limit;
}

void FailedSavesTest::failedSaveChangesNothing()
{
    QFETCH(int, writer);
    QFETCH(qint64, limit);
    const NamedWriter& save = writers()[std::size_t(writer)];
    ProgramFixture program;
    QTemporaryDir dir;
    QString folder = dir.path();
    std::optional<FullFileSystem> disk;
    if (limit == kNoLimit) {
        folder = dir.filePath(QStringLiteral("small"));
        QDir().mkdir(folder);
        disk.emplace(folder);
        if (!disk->mounted())
            QSKIP("a small file system cannot be mounted here (it needs root and tmpfs)");
    } else {
        if (!DiskFullAfter::kAvailable)
            QSKIP(kNoDiskFull);
        // The same save without a limit: it must be larger than the limit, or the row tests
        // nothing.
        const QString whole = dir.filePath(QStringLiteral("whole.") + save.suffix);
        const Told told = save.write(program, whole, kNoLimit);
        QVERIFY2(!told.failed, qPrintable(told.text));
        QVERIFY2(QFileInfo(whole).size() > limit,
                 qPrintable(QString::number(QFileInfo(whole).size())));
        QFile::remove(whole);
    }
    const QString path = folder + QStringLiteral("/saved.") + save.suffix;
    writeFile(path, previousFile());
    const QStringList before = QDir(folder).entryList(QDir::Files | QDir::Hidden);
    if (disk)
        disk->fill();
    const QStringList filled = QDir(folder).entryList(QDir::Files | QDir::Hidden);

    const Told told = save.write(program, path, limit);

    QVERIFY2(told.failed, "the save was reported as done");
    const QString reason =
        disk ? QStringLiteral("No space left on device") : QStringLiteral("File too large");
    QVERIFY2(told.text.contains(QFileInfo(path).fileName()) && told.text.contains(reason),
             qPrintable(told.text));
    QVERIFY2(!told.text.contains(u"title changed"), qPrintable(told.text));
    QCOMPARE(contents(path), previousFile());
    QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden), filled);
    QVERIFY(before.size() == 1);
}

void FailedSavesTest::onlyRegularFilesAreRead_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("refusal");
    QTest::newRow("folder") << "folder"
                            << "it is a folder, not a file";
#if __has_include(<sys/stat.h>) && !defined(Q_OS_WIN)
    QTest::newRow("named pipe") << "fifo"
                                << "it is a named pipe, not a file";
    QTest::newRow("device") << "device"
                            << "it is a device, not a file";
    QTest::newRow("socket") << "socket"
                            << "it is a socket, not a file";
#endif
}

// Given on the command line and chosen in the window's Open dialog: refused at once (a pipe
// that nobody writes to would otherwise never end the read).
void FailedSavesTest::onlyRegularFilesAreRead()
{
    QFETCH(QString, kind);
    QFETCH(QString, refusal);
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("plan.json"));
    if (kind == u"folder") {
        QVERIFY(QDir().mkdir(path));
    } else if (kind == u"device") {
        path = QStringLiteral("/dev/zero");
    } else {
#if __has_include(<sys/stat.h>) && !defined(Q_OS_WIN)
        const QByteArray native = QFile::encodeName(path);
        if (kind == u"fifo") {
            QVERIFY(::mkfifo(native.constData(), 0600) == 0);
        } else {
            sockaddr_un address{};
            address.sun_family = AF_UNIX;
            QVERIFY(std::size_t(native.size()) < sizeof(address.sun_path));
            std::memcpy(address.sun_path, native.constData(), std::size_t(native.size()));
            const int socket = ::socket(AF_UNIX, SOCK_STREAM, 0);
            QVERIFY(::bind(socket, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0);
            ::close(socket);
        }
#endif
    }
    const QString name = QFileInfo(path).fileName();

    const Told checked =
        command({QStringLiteral("plan"), path, QStringLiteral("--check")}, kNoLimit);
    QCOMPARE(checked.text, QStringLiteral("velantra plan: %1: %2\n").arg(name, refusal));

    ProgramFixture program;
    auto* window = qobject_cast<plan::RigPlanWindow*>(
        program.open(QStringLiteral("rigplan"), WindowId::RigPlan));
    MessageBoxAnswerer answerer;
    QVERIFY(!window->openFile(path));
    QCOMPARE(answerer.texts(),
             QStringList{QStringLiteral("The plan cannot be opened.\n%1: %2").arg(name, refusal)});
}

VELANTRA_TEST_MAIN(FailedSavesTest)
#include "tst_failedsaves.moc"
