// A seeded soak of the whole program: thousands of random user actions through the menu and the
// windows, with the invariants that must always hold checked after every action.
//   VELANTRA_SOAK_SEED     the seed (printed, so that a failure can be replayed exactly)
//   VELANTRA_SOAK_ACTIONS  how many actions (default 20000)
//   VELANTRA_SOAK_TRACE    set: prints every action, to follow a replay up to its failure
#include "tests/soak/invariants.h"
#include "tests/soak/useractions.h"
#include "tests/support/guitest.h"

#include <QAction>
#include <QElapsedTimer>
#include <QMenu>
#include <QMenuBar>

using namespace velantra;
using namespace velantra::test;

class SoakTest : public QObject
{
    Q_OBJECT
private slots:
    void randomUserActions();
};

void SoakTest::randomUserActions()
{
    const quint32 seed = qEnvironmentVariableIsSet("VELANTRA_SOAK_SEED")
                             ? quint32(qEnvironmentVariableIntValue("VELANTRA_SOAK_SEED"))
                             : 20261209u;
    const int actions = qEnvironmentVariableIsSet("VELANTRA_SOAK_ACTIONS")
                            ? qEnvironmentVariableIntValue("VELANTRA_SOAK_ACTIONS")
                            : 20000;
    qInfo("soak seed %u, %d actions (replay with VELANTRA_SOAK_SEED=%u)", seed, actions, seed);

    ProgramFixture program;
    UserActions user(program, seed);
    const bool trace = qEnvironmentVariableIsSet("VELANTRA_SOAK_TRACE");
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < actions; ++i) {
        const Snapshot before = snapshotAll(program.registry());
        const Action done = user.next();
        if (trace)
            qInfo("%d: %s (%d warnings)", i, qPrintable(done.description), done.messageBoxes);
        const QString failure = checkInvariants(program.registry(), before, done);
        if (!failure.isEmpty()) {
            QFAIL(qPrintable(QStringLiteral("action %1 (%2), seed %3: %4")
                                 .arg(i)
                                 .arg(done.description)
                                 .arg(seed)
                                 .arg(failure)));
        }
    }
    qInfo("%d actions in %lld ms; %s", actions, clock.elapsed(), qPrintable(user.statistics()));
}

VELANTRA_TEST_MAIN(SoakTest)
#include "tst_soak.moc"
