// A megabyte of text pasted into any numeric box of any window is handled, and the window's
// figures and levers stay what the text gives. The time each paste took is reported, not judged:
// a busy machine would make any bound fail (make bench measures).
#include "tests/soak/invariants.h"
#include "tests/support/guitest.h"

#include <QClipboard>
#include <QElapsedTimer>

using namespace velantra;
using namespace velantra::test;

namespace
{

constexpr int kMegabyte = 1 << 20;

// Megabyte texts of every kind: a number too large for anything, one that reads as a small
// count followed by junk, hexadecimal, a fraction with endless digits, signs, letters, a tiny
// number that counts 0 and is kept.
QString megabyteText(int kind)
{
    switch (kind % 8) {
    case 0:
        return QString(kMegabyte, u'7');
    case 1:
        return u'3' + QString(kMegabyte, u' ');
    case 2:
        return QStringLiteral("&H") + QString(kMegabyte, u'F');
    case 3:
        return QStringLiteral("1.") + QString(kMegabyte, u'5');
    case 4:
        return QString(kMegabyte, u'-');
    case 5:
        return QStringLiteral("1e") + QString(kMegabyte, u'9');
    case 6:
        return QString(kMegabyte, u'x');
    default:
        return QStringLiteral("0.") + QString(kMegabyte, u'0') + u'1';
    }
}

} // namespace

class HostileInputTest : public QObject
{
    Q_OBJECT
private slots:
    void megabytePastes_data();
    void megabytePastes();
};

void HostileInputTest::megabytePastes_data()
{
    addWindowRows({WindowKind::Configurator, WindowKind::Power});
}

void HostileInputTest::megabytePastes()
{
    QFETCH(QString, item);
    QFETCH(int, id);
    ProgramFixture program;
    QWidget* window = program.open(item, WindowId(id));
    MessageBoxAnswerer answerer;
    int boxes = 0;
    qint64 slowest = 0;
    for (QLineEdit* box : window->findChildren<QLineEdit*>()) {
        if (box->isReadOnly() || !box->isEnabled())
            continue;
        const Snapshot before = snapshotAll(program.registry());
        QApplication::clipboard()->setText(megabyteText(boxes));
        box->setFocus();
        box->selectAll();
        QElapsedTimer clock;
        clock.start();
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        const qint64 elapsed = clock.elapsed();
        slowest = std::max(slowest, elapsed);
        Action done{QStringLiteral("paste into %1").arg(box->objectName()), window};
        done.messageBoxes = int(answerer.seen().size());
        done.messages = answerer.texts();
        answerer.clear();
        const QString failure = checkInvariants(program.registry(), before, done);
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
        ++boxes;
    }
    QVERIFY(boxes > 0);
    qInfo("%s: %d boxes, the slowest paste took %lld ms", qPrintable(item), boxes, slowest);
}

VELANTRA_TEST_MAIN(HostileInputTest)
#include "tst_hostileinput.moc"
