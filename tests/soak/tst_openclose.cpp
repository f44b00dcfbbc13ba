// Opening and closing every window through the menu, a thousand times each, leaves nothing
// behind: no window object, and (outside sanitizer builds, where the C library tells) no growth of
// the heap.
//   VELANTRA_OPENCLOSE_CYCLES  cycles per menu command (default 1000)
#include "tests/support/guitest.h"

#include <QAction>
#include <QFile>
#include <QMenu>
#include <QMenuBar>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

using namespace velantra;
using namespace velantra::test;

namespace
{

long residentKilobytes()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return -1;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toLong() * 4 : -1;
}

// Bytes the program has allocated and not freed: unlike resident memory, not blurred by the
// allocator handing pages back to the system and taking them again. -1 where the C library
// does not say.
long heapInUseKilobytes()
{
#if defined(__GLIBC__)
    return long(mallinfo2().uordblks / 1024);
#else
    return -1;
#endif
}

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kSanitized = true;
#else
constexpr bool kSanitized = false;
#endif

} // namespace

class OpenCloseTest : public QObject
{
    Q_OBJECT
private slots:
    void everyWindowManyTimes_data();
    void everyWindowManyTimes();
};

void OpenCloseTest::everyWindowManyTimes_data()
{
    addWindowRows();
}

void OpenCloseTest::everyWindowManyTimes()
{
    QFETCH(QString, item);
    QFETCH(int, id);
    const int cycles = qEnvironmentVariableIsSet("VELANTRA_OPENCLOSE_CYCLES")
                           ? qEnvironmentVariableIntValue("VELANTRA_OPENCLOSE_CYCLES")
                           : 1000;
    ProgramFixture program;
    const auto cycle = [&] {
        QWidget* window = program.open(item, WindowId(id));
        window->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    };
    // Caches (fonts, pixmaps, style, accessibility) fill over the first few hundred cycles; a
    // leak grows with every cycle. So after the first half, the heap in use must stay put.
    for (int i = 0; i < cycles / 2; ++i)
        cycle();
    const int topLevels = int(QApplication::topLevelWidgets().size());
    const long residentBefore = residentKilobytes();
    for (int i = cycles / 2; i < cycles * 3 / 4; ++i)
        cycle();
    const long heapMiddle = heapInUseKilobytes();
    for (int i = cycles * 3 / 4; i < cycles; ++i)
        cycle();
    const long heapAfter = heapInUseKilobytes();
    const long residentAfter = residentKilobytes();
    QVERIFY(!program.registry().window(WindowId(id)));
    QCOMPARE(int(QApplication::topLevelWidgets().size()), topLevels);
    qInfo("%s: heap in use %ld kB after %d cycles, %ld kB after %d; resident %ld kB, then %ld kB",
          qPrintable(item), heapMiddle, cycles * 3 / 4, heapAfter, cycles, residentBefore,
          residentAfter);
    if (!kSanitized && heapAfter >= 0)
        QVERIFY2(heapAfter - heapMiddle <= 16, "the heap grows while windows open and close");
}

VELANTRA_TEST_MAIN(OpenCloseTest)
#include "tst_openclose.moc"
