#include "driver/DriverLibrary.h"

#include "EntryPoints.h"

#include <QLibrary>
#include <QRegularExpression>
#include <QTest>

#include <utility>

// The binding keeps one state per process and never unloads, so ctest runs each case in a
// process of its own, with one fake driver folder (or none) on LD_LIBRARY_PATH.
class TDriverBindingTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void lookupOrder();
    void noLibrary();
    void incompleteLibrary_data();
    void incompleteLibrary();
    void completeLibrary();
    void cardCount_data();
    void cardCount();
    void secondLoadReturnsAtOnce();
};

namespace {

using TNamedSlot = std::pair<QByteArray, QFunctionPointer>;

// The binding's slots read by their own names, independently of the binding's table.
QList<TNamedSlot> SlotsByName()
{
#define NAMED_SLOT(Name, Position) {#Name, reinterpret_cast<QFunctionPointer>(Driver::Name)},
    return {PELGRIN_ENTRY_POINTS(NAMED_SLOT)};
#undef NAMED_SLOT
}

QByteArrayList EmptySlots()
{
    QByteArrayList Names;
    for (const auto& [Name, Address] : SlotsByName()) {
        if (!Address)
            Names.append(Name);
    }
    return Names;
}

QByteArrayList AllNames()
{
#define ENTRY_NAME(Name, Position) #Name,
    return {PELGRIN_ENTRY_POINTS(ENTRY_NAME)};
#undef ENTRY_NAME
}

// The fake that the binding loaded, found again by the same bare name.
QFunctionPointer ResolveInFake(const char* Name)
{
    QLibrary Fake(QStringLiteral("libPelgrin.so"));
    return Fake.resolve(Name);
}

int FakeGetNumCardsCalls()
{
    const auto Counter = reinterpret_cast<int (*)()>(ResolveInFake("PelgrinFakeGetNumCardsCalls"));
    return Counter ? Counter() : -1;
}

std::int32_t SevenCards()
{
    return 7;
}

} // namespace

void TDriverBindingTest::init()
{
    QVERIFY2(!Driver::DriverLibraryAvailable() && EmptySlots() == AllNames(),
             "the binding must start empty: run each case in a process of its own");
}

void TDriverBindingTest::lookupOrder()
{
    QCOMPARE(Driver::EntryPointNames(), AllNames());
}

void TDriverBindingTest::noLibrary()
{
    QTest::failOnWarning(QRegularExpression(QStringLiteral(".*")));

    Driver::LoadDriverLibrary();
    QVERIFY(!Driver::DriverLibraryAvailable());
    QCOMPARE(EmptySlots(), AllNames());

    QCOMPARE(Driver::CardCount(), 0);
    QVERIFY(!Driver::DriverLibraryAvailable());
    QCOMPARE(EmptySlots(), AllNames());
}

void TDriverBindingTest::incompleteLibrary_data()
{
    QTest::addColumn<QByteArray>("Missing");

    QTest::newRow("without_RelOutPortDWord") << QByteArray("RelOutPortDWord");
    QTest::newRow("without_GetNumCards") << QByteArray("GetNumCards");
}

void TDriverBindingTest::incompleteLibrary()
{
    QFETCH(QByteArray, Missing);

    Driver::LoadDriverLibrary();
    QVERIFY2(!Driver::DriverLibraryAvailable(),
             "one missing name must make the binding unavailable");
    QCOMPARE(EmptySlots(), QByteArrayList{Missing});

    QCOMPARE(Driver::CardCount(), 0);
    QVERIFY2(FakeGetNumCardsCalls() == 0, "GetNumCards called although the binding is unavailable");

    // Another call looks every name up again.
    Driver::GetNumCards = nullptr;
    Driver::QueryCardInfo = nullptr;
    Driver::LoadDriverLibrary();
    QVERIFY(!Driver::DriverLibraryAvailable());
    QCOMPARE(EmptySlots(), QByteArrayList{Missing});
}

void TDriverBindingTest::completeLibrary()
{
    Driver::LoadDriverLibrary();
    QVERIFY(Driver::DriverLibraryAvailable());
    for (const auto& [Name, Address] : SlotsByName())
        QVERIFY2(Address == ResolveInFake(Name), Name + " does not hold its own entry point");
    QVERIFY2(FakeGetNumCardsCalls() == 0, "loading must call no entry point");
}

void TDriverBindingTest::cardCount_data()
{
    QTest::addColumn<QByteArray>("Cards");
    QTest::addColumn<int>("Expected");

    QTest::newRow("default") << QByteArray() << 2;
    QTest::newRow("two") << QByteArray("2") << 2;
    QTest::newRow("zero") << QByteArray("0") << 0;
    QTest::newRow("negative") << QByteArray("-1") << -1;
}

void TDriverBindingTest::cardCount()
{
    QFETCH(QByteArray, Cards);
    QFETCH(int, Expected);
    if (Cards.isNull())
        qunsetenv("PELGRIN_FAKE_CARDS");
    else
        qputenv("PELGRIN_FAKE_CARDS", Cards);

    QCOMPARE(Driver::CardCount(), Expected);
    QVERIFY(Driver::DriverLibraryAvailable());
    QCOMPARE(FakeGetNumCardsCalls(), 1);
}

void TDriverBindingTest::secondLoadReturnsAtOnce()
{
    Driver::LoadDriverLibrary();
    QVERIFY(Driver::DriverLibraryAvailable());

    // A lookup would overwrite the substitute.
    const Driver::TGetNumCards Loaded = Driver::GetNumCards;
    Driver::GetNumCards = &SevenCards;
    Driver::LoadDriverLibrary();
    QVERIFY2(Driver::GetNumCards == &SevenCards, "a second call looked the names up again");
    QCOMPARE(Driver::CardCount(), 7);
    QVERIFY(Driver::DriverLibraryAvailable());
    QCOMPARE(FakeGetNumCardsCalls(), 0);
    Driver::GetNumCards = Loaded;
}

QTEST_GUILESS_MAIN(TDriverBindingTest)
#include "tst_driverbinding.moc"
