// The values the code builds inside co_await expressions, each destroyed once. gcc 12 destroys
// a braced aggregate (co_await take({a, b})) or a lambda that captures such a value by copy
// (co_await QtConcurrent::run([text] {...})) built there twice: those forms are not used (see
// CONTRIBUTING.md). A double destruction shows here in the counts, and in the sanitizer build
// as a double free.
#include "TestHome.h"

#include <QCoroFuture>
#include <QCoroTask>
#include <QCoroTimer>
#include <QtConcurrentRun>

namespace {

struct Tally {
    int made = 0;
    int destroyed = 0;
};

// Holds memory of its own, so that a second destruction frees it twice.
class Counted {
public:
    Counted(Tally& tally) // converting, as a literal becomes a QString argument
        : tally(&tally)
        , value(std::make_unique<int>(++tally.made)) {}
    Counted(const Counted& other)
        : Counted(*other.tally) {}
    ~Counted() { ++tally->destroyed; }

private:
    Tally* tally;
    std::unique_ptr<int> value;
};

// Like a request: a value type whose members the coroutine keeps.
struct Request {
    QString name;
    Counted counted;
};

// Suspends once, so that the argument lives on in the coroutine's frame.
template <typename Argument> QCoro::Task<int> take(Argument argument) {
    co_await QCoro::sleepFor(std::chrono::milliseconds(1));
    co_return static_cast<int>(sizeof(argument));
}

using Form = std::function<QCoro::Task<>(Tally&)>;

} // namespace

Q_DECLARE_METATYPE(Form)

class TestCoroutines : public QObject {
    Q_OBJECT

private slots:
    void argumentsAreDestroyedOnce_data() {
        QTest::addColumn<Form>("form");
        QTest::newRow("prvalue") << Form(
            [](Tally& tally) -> QCoro::Task<> { co_await take(Counted(tally)); });
        QTest::newRow("converted in place")
            << Form([](Tally& tally) -> QCoro::Task<> { co_await take<Counted>(tally); });
        QTest::newRow("named aggregate, result unused") << Form([](Tally& tally) -> QCoro::Task<> {
            const Request request{"a", Counted(tally)};
            co_await take(request);
        });
        QTest::newRow("named aggregate, result used") << Form([](Tally& tally) -> QCoro::Task<> {
            const Request request{"a", Counted(tally)};
            [[maybe_unused]] const int size = co_await take(request);
        });
        QTest::newRow("future of a lambda that captures by reference")
            << Form([](Tally& tally) -> QCoro::Task<> {
                   const Counted result =
                       co_await QtConcurrent::run([&tally] { return Counted(tally); });
               });
        QTest::newRow("future of a named lambda") << Form([](Tally& tally) -> QCoro::Task<> {
            auto make = [counted = Counted(tally)] {
                return counted;
            };
            const Counted result = co_await QtConcurrent::run(std::move(make));
        });
        QTest::newRow("named future") << Form([](Tally& tally) -> QCoro::Task<> {
            QFuture<Counted> running =
                QtConcurrent::run([counted = Counted(tally)] { return counted; });
            const Counted result = co_await running;
        });
        // Never inside a conditional expression (c ? co_await x : y) or a && or || condition.
        QTest::newRow("awaited in a statement of its own under an if")
            << Form([](Tally& tally) -> QCoro::Task<> {
                   int size = 0;
                   if (tally.made == 0)
                       size = co_await take(Counted(tally));
                   Q_ASSERT(size > 0);
               });
    }
    void argumentsAreDestroyedOnce() {
        QFETCH(Form, form);
        Tally tally;
        QCoro::waitFor(form(tally));
        // A future's own copy of its result goes with the future's state, a moment later.
        QTRY_COMPARE(tally.destroyed, tally.made);
    }
};

MORVI_TEST_MAIN(TestCoroutines)
#include "tst_coroutines.moc"
