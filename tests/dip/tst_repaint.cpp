// A configurator repaints a lever only when it moves: retyping the same address, or a tick in
// master mode with no selection changed, leaves the drawing untouched (an idle window in master
// mode ticks all the time).
#include "tests/support/guitest.h"
#include "ui/shape.h"

using namespace velantra;
using namespace velantra::test;

namespace
{

// Counts the paint events of a window's shapes (lever rectangles and bank bodies) while it
// lives.
class ShapePaints : public QObject
{
public:
    explicit ShapePaints(QWidget* window)
    {
        for (auto* shape : window->findChildren<ui::Shape*>())
            shape->installEventFilter(this);
    }
    bool eventFilter(QObject*, QEvent* event) override
    {
        count += event->type() == QEvent::Paint;
        return false;
    }
    int count = 0;
};

// Lets every pending repaint happen.
void settle()
{
    QTest::qWait(60);
}

// Shape paints caused by `action`, once what came before has been painted.
int shapePaintsOf(QWidget* window, const std::function<void()>& action)
{
    settle();
    ShapePaints paints(window);
    action();
    settle();
    return paints.count;
}

} // namespace

class RepaintTest : public QObject
{
    Q_OBJECT
private slots:
    void init() { program_ = std::make_unique<ProgramFixture>(); }
    void cleanup() { program_.reset(); }
    void onlyMovedLeversRepaint_data();
    void onlyMovedLeversRepaint();

private:
    std::unique_ptr<ProgramFixture> program_;
};

void RepaintTest::onlyMovedLeversRepaint_data()
{
    addWindowRows({WindowKind::Configurator});
}

void RepaintTest::onlyMovedLeversRepaint()
{
    QFETCH(QString, item);
    QFETCH(int, id);
    QWidget* w = program_->open(item, WindowId(id));

    // DMX mode: the same address in other words moves nothing; another address does.
    QCOMPARE(shapePaintsOf(w, [&] { paste(w, "Text1", "300"); }) > 0, true);
    QCOMPARE(shapePaintsOf(w, [&] { paste(w, "Text1", "300 "); }), 0);
    QCOMPARE(shapePaintsOf(w, [&] { paste(w, "Text1", "0300"); }), 0);

    // Master mode: the first tick sets the levers of the selections, the next ones move none.
    click(w, "Option2");
    tick(w);
    QCOMPARE(shapePaintsOf(w, [&] { tick(w); }), 0);
    QCOMPARE(shapePaintsOf(w,
                           [&] {
                               for (int i = 0; i < 5; ++i)
                                   tick(w);
                           }),
             0);

    // Back to DMX mode with the address of the box: the levers move again.
    QVERIFY(shapePaintsOf(w, [&] { click(w, "Option1"); }) > 0);
}

VELANTRA_TEST_MAIN(RepaintTest)
#include "tst_repaint.moc"
