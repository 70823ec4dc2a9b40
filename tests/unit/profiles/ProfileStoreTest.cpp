// The store's algorithms: limits, names, order values, table slots and the current profile.
#include <atomic>
#include <thread>

#include "StoreFixture.h"

namespace profiles::testing {
namespace {

using namespace kernel;

class ProfileStore : public StoreTest {};

TEST_F(ProfileStore, HundredthProfileIsTheLast) {
    for (int i = 0; i < 99; ++i) {
        PutProfile(u"P" + base::Widen(std::to_string(i)), i);
    }
    WirelessProfile p = Record(u"Hundredth");
    EXPECT_EQ(AddProfile(p), kAddAdded);
    EXPECT_EQ(p.priority, 99u);
    EXPECT_EQ(OrderValues().back(), u"99=Hundredth");
    EXPECT_EQ(CountProfiles(), 100);

    m_kernel.ClearCalls();
    WirelessProfile extra = Record(u"Extra");
    EXPECT_EQ(AddProfile(extra), kAddStoreFull);
    EXPECT_EQ(m_kernel.CountCalls(u"Reg"), 0u);
    EXPECT_FALSE(m_registry.KeyExists(platform::kHkeyLocalMachine, KeyOf(u"Extra")));
}

TEST_F(ProfileStore, AddTakesTheNextOrderNumberAndRefusesAnExactName) {
    PutProfile(u"A", 0);
    PutProfile(u"B", 5); // numbers may have gaps after deletions
    WirelessProfile c = Record(u"C");
    EXPECT_EQ(NextProfileNumber(), 6u);
    EXPECT_EQ(AddProfile(c), kAddAdded);
    EXPECT_EQ(OrderValues(), (std::vector<std::u16string>{u"00=A", u"05=B", u"06=C"}));
    EXPECT_EQ(StoredText(KeyOf(u"C"), u"NetworkName"), u"net");

    m_kernel.ClearCalls();
    WirelessProfile again = Record(u"C", u"other");
    EXPECT_EQ(AddProfile(again), kAddExists);
    EXPECT_EQ(m_kernel.CountCalls(u"RegSet"), 0u);
    EXPECT_EQ(StoredText(KeyOf(u"C"), u"NetworkName"), u"net");
}

TEST_F(ProfileStore, NextNumberNeverReusesATakenOne) {
    PutProfile(u"A", 5);
    PutProfile(u"B", 2); // values enumerated out of numeric order
    EXPECT_EQ(NextProfileNumber(), 6u);
    WirelessProfile c = Record(u"C");
    EXPECT_EQ(AddProfile(c), kAddAdded);
    EXPECT_EQ(OrderValues(), (std::vector<std::u16string>{u"05=A", u"02=B", u"06=C"}));
}

TEST_F(ProfileStore, NamesThatAreNoSingleKeyAreRefused) {
    PutProfile(u"Home", 0);
    for (std::u16string_view name : {std::u16string_view(u""), std::u16string_view(u"Home\\Sub")}) {
        m_kernel.ClearCalls();
        WirelessProfile p = Record(name);
        EXPECT_EQ(AddProfile(p), kAddWriteFailed);
        EXPECT_EQ(m_kernel.CountCalls(u"Reg"), 0u);
    }
    EXPECT_EQ(OrderValues(), (std::vector<std::u16string>{u"00=Home"}));
    EXPECT_EQ(LoadProfileTable(0), 1);
}

TEST_F(ProfileStore, NameDifferingOnlyInCase) {
    PutProfile(u"Home", 0);
    PutProfile(u"Work", 1);
    WirelessProfile upper = Record(u"HOME", u"new network");
    // The existence test is exact, and the registry key is the same: its values are replaced.
    EXPECT_EQ(AddProfile(upper), kAddAdded);
    EXPECT_EQ(StoredText(KeyOf(u"Home"), u"NetworkName"), u"new network");
    EXPECT_EQ(StoredText(KeyOf(u"Home"), u"ConfigurationName"), u"HOME");
    EXPECT_EQ(OrderValues(), (std::vector<std::u16string>{u"00=Home", u"01=Work", u"02=HOME"}));

    // The next load finds no profile spelled "Home" and drops its order value.
    int count = LoadProfileTable(0);
    EXPECT_EQ(count, 2);
    EXPECT_EQ(OrderValues(), (std::vector<std::u16string>{u"01=Work", u"02=HOME"}));
    EXPECT_EQ(NameAt(1), u"Work");
    EXPECT_EQ(NameAt(2), u"HOME");

    // Either spelling deletes the one key and its order value.
    EXPECT_TRUE(DeleteProfile(u"home"));
    EXPECT_FALSE(m_registry.KeyExists(platform::kHkeyLocalMachine, KeyOf(u"Home")));
    EXPECT_EQ(OrderValues(), (std::vector<std::u16string>{u"01=Work"}));
    EXPECT_FALSE(DeleteProfile(u"HOME"));
}

TEST_F(ProfileStore, RefusedAddNeverDeletesTheProfileSharingItsKey) {
    // The registry folds the case of every letter: "äpfel" and "ÄPFEL" are the key of "Äpfel".
    for (std::u16string_view spelling : {u"äpfel", u"ÄPFEL", u"Äpfel ", u"ÆØÅ"}) {
        PutProfile(u"Äpfel", 0);
        PutProfile(u"æøå", 1);
        m_kernel.regSetStringResult = 0; // the service refuses every text it is asked to write
        WirelessProfile p = Record(spelling);
        EXPECT_EQ(AddProfile(p), kAddWriteFailed);
        m_kernel.regSetStringResult = 1;
        // A refused write leaves no profile of a new name behind, and deletes none that was there.
        bool sharesAKey = spelling != u"Äpfel ";
        EXPECT_TRUE(m_registry.KeyExists(platform::kHkeyLocalMachine, KeyOf(u"Äpfel")));
        EXPECT_TRUE(m_registry.KeyExists(platform::kHkeyLocalMachine, KeyOf(u"æøå")));
        EXPECT_EQ(m_registry.KeyExists(platform::kHkeyLocalMachine, KeyOf(spelling)), sharesAKey);
        EXPECT_EQ(OrderValues(), (std::vector<std::u16string>{u"00=Äpfel", u"01=æøå"}));
        m_registry.DeleteKeyTree(platform::kHkeyLocalMachine, kProfileListKey);
    }
}

TEST_F(ProfileStore, DeleteRemovesFirstMatchingOrderValueOnly) {
    PutProfile(u"Alpha", 0);
    PutProfile(u"Beta", 1);
    PutOrder(2, u"beta"); // a second, stale value for the same name
    EXPECT_TRUE(DeleteProfile(u"BETA"));
    EXPECT_EQ(OrderValues(), (std::vector<std::u16string>{u"00=Alpha", u"02=beta"}));
    EXPECT_TRUE(m_registry.KeyExists(platform::kHkeyLocalMachine, KeyOf(u"Alpha")));

    m_kernel.ClearCalls();
    EXPECT_FALSE(DeleteProfile(u"Gamma"));
    EXPECT_EQ(m_kernel.CountCalls(u"RegDelete"), 0u);
}

TEST_F(ProfileStore, FailedKeyDeleteKeepsTheOrderValue) {
    PutProfile(u"Alpha", 0);
    m_registry.FailWrites(platform::kHkeyLocalMachine, KeyOf(u"Alpha"), platform::kErrorAccessDenied);
    EXPECT_FALSE(DeleteProfile(u"Alpha"));
    EXPECT_TRUE(m_registry.KeyExists(platform::kHkeyLocalMachine, KeyOf(u"Alpha")));
    EXPECT_EQ(OrderValues(), (std::vector<std::u16string>{u"00=Alpha"}));
}

TEST_F(ProfileStore, LoadSortsByOrderAndPutsTheDefaultInSlotZero) {
    PutProfile(u"Charlie", 0);
    PutProfile(u"Default", 3);
    PutProfile(u"Alpha", 2);
    PutProfile(u"Bravo", 1);
    int count = LoadProfileTable(0);
    ASSERT_EQ(count, 4);
    EXPECT_EQ(NameAt(0), u"Default");
    EXPECT_EQ(NameAt(1), u"Charlie");
    EXPECT_EQ(NameAt(2), u"Bravo");
    EXPECT_EQ(NameAt(3), u"Alpha");
    EXPECT_EQ(ProfileTable[1].priority, 0u);
    EXPECT_EQ(ProfileTable[3].priority, 2u);
    EXPECT_EQ(base::FieldText(ProfileTable[2].NetworkName), u"net-Bravo");
    EXPECT_EQ(NameAt(4), u"");
}

TEST_F(ProfileStore, StaleOrderValuesGoAndUnorderedProfilesComeFirst) {
    PutProfile(u"Default", 0);
    PutOrder(1, u"Gone");
    PutProfile(u"Kept", 2);
    PutOrder(3, u"Also gone");
    PutProfile(u"Loose", -1);                                                      // no order value
    m_registry.WriteDword(platform::kHkeyLocalMachine, kProfileListKey, u"04", 7); // not a name at all
    int count = LoadProfileTable(0);
    EXPECT_EQ(count, 3);
    EXPECT_EQ(OrderValues(), (std::vector<std::u16string>{u"00=Default", u"02=Kept"}));
    EXPECT_EQ(m_kernel.CountCalls(u"RegDeleteNamedValue"), 3u);
    EXPECT_EQ(NameAt(0), u"Default");
    EXPECT_EQ(NameAt(1), u"Loose");
    EXPECT_EQ(NameAt(2), u"Kept");
}

TEST_F(ProfileStore, StaleValueTheServiceWillNotDeleteDoesNotStallTheLoad) {
    PutProfile(u"Kept", 1);
    PutOrder(0, u"Gone");
    m_registry.FailWrites(platform::kHkeyLocalMachine, kProfileListKey, platform::kErrorAccessDenied);
    EXPECT_EQ(LoadProfileTable(0), 1);
    EXPECT_EQ(NameAt(1), u"Kept");
    EXPECT_EQ(ProfileTable[1].priority, 1u);
}

// A load reads a hundred keys; each key is read whole with one open, and the service's defaults are
// asked for once, not once per profile.
TEST_F(ProfileStore, LoadOpensEachKeyOnceAndAsksTheServiceOnce) {
    PutProfile(u"Default", 0);
    PutProfile(u"A", 1);
    PutProfile(u"B", 2);
    PutOrder(3, u"Gone");
    FivePowerLevels(); // the session's scale, asked for once before
    m_kernel.ClearCalls();
    m_registry.keyOpens.clear();
    EXPECT_EQ(LoadProfileTable(0), 3);
    EXPECT_EQ(m_registry.keyOpens, (std::map<std::u16string, size_t>{{std::u16string(kProfileListKey), 2},
                                                                     {KeyOf(u"Default"), 1},
                                                                     {KeyOf(u"A"), 1},
                                                                     {KeyOf(u"B"), 1}}));
    EXPECT_EQ(m_kernel.CountCalls(u"GetAdapterConfig"), 1u);
    EXPECT_EQ(m_kernel.CountCalls(u"InitConnectionBlock"), 1u);
    EXPECT_EQ(OrderValues(), (std::vector<std::u16string>{u"00=Default", u"01=A", u"02=B"}));

    // An empty store asks the service nothing.
    m_registry.DeleteKeyTree(platform::kHkeyLocalMachine, kProfileListKey);
    m_kernel.ClearCalls();
    EXPECT_EQ(LoadProfileTable(0), 0);
    EXPECT_EQ(m_kernel.Calls(), std::vector<std::u16string>{});
}

TEST_F(ProfileStore, AlternateDefaultNameSelectsSlotZero) {
    PutProfile(u"Standard", 0); // the previous language's default profile
    PutProfile(u"Other", 1);
    int count = LoadProfileTable(1);
    EXPECT_EQ(count, 2);
    EXPECT_EQ(NameAt(0), u"Standard");
    // It is not the current language's default, so it is also among the others.
    EXPECT_EQ(NameAt(1), u"Standard");
    EXPECT_EQ(NameAt(2), u"Other");

    LoadProfileTable(0);
    EXPECT_EQ(NameAt(0), u"");
    EXPECT_EQ(NameAt(1), u"Standard");
}

TEST_F(ProfileStore, LanguageChangeRenamesTheDefaultProfile) {
    PutProfile(u"Work", 0);
    PutProfile(u"Standard", 1);
    PutDword(KeyOf(u"Standard"), u"FragThreshold", 1234);
    // The store now speaks English; "Standard" was the previous language's default name.
    int count = RenameDefaultProfile();
    EXPECT_EQ(count, 2);
    EXPECT_EQ(NameAt(0), u"Default");
    EXPECT_EQ(base::FieldText(ProfileTable[0].NetworkName), u"Any (First available network)");
    EXPECT_EQ(ProfileTable[0].block.FragThreshold, 1234);
    EXPECT_EQ(NameAt(1), u"Work");
    EXPECT_FALSE(m_registry.KeyExists(platform::kHkeyLocalMachine, KeyOf(u"Standard")));
    EXPECT_EQ(OrderValues(), (std::vector<std::u16string>{u"00=Work", u"01=Default"}));

    // Nothing to rename: the store is left alone.
    m_kernel.ClearCalls();
    EXPECT_EQ(RenameDefaultProfile(), 2);
    EXPECT_EQ(m_kernel.CountCalls(u"RegSet"), 0u);
}

TEST_F(ProfileStore, NoMoreThan128ProfilesAreRead) {
    for (int i = 0; i < 140; ++i) {
        std::u16string name = u"P" + base::Widen(std::to_string(1000 + i));
        PutString(KeyOf(name), u"ConfigurationName", name);
    }
    EXPECT_EQ(LoadProfileTable(0), 128);
    // No default profile: slot 0 stays empty and the table ends at its last slot.
    EXPECT_EQ(NameAt(0), u"");
    EXPECT_EQ(NameAt(1), u"P1000");
    EXPECT_EQ(NameAt(127), u"P1126");
}

TEST_F(ProfileStore, OrderValuesOfProfilesBeyondTheTableSurviveTheLoad) {
    // Written by another program: more profiles than the table holds, ordered last to first.
    for (int i = 0; i < 140; ++i) {
        PutProfile(u"P" + base::Widen(std::to_string(1000 + i)), 139 - i);
    }
    PutOrder(140, u"Gone");
    std::vector<std::u16string> before = OrderValues();
    ASSERT_EQ(before.size(), 141u);

    EXPECT_EQ(LoadProfileTable(0), 128);
    // Only the value whose profile is really gone is removed; the twelve profiles the table had no
    // room for keep their places for the day the store is smaller again.
    before.pop_back();
    EXPECT_EQ(OrderValues(), before);
    EXPECT_EQ(NameAt(1), u"P1127"); // lowest order value among the profiles read
    EXPECT_EQ(NameAt(127), u"P1001");
}

TEST_F(ProfileStore, PromoteMovesBehindTheDefaultAndRewritesTheOrder) {
    PutProfile(u"Default", 0);
    PutProfile(u"A", 1);
    PutProfile(u"B", 2);
    PutProfile(u"C", 3);
    int count = LoadProfileTable(0);
    ASSERT_EQ(count, 4);
    PromoteProfile(u"C", count);
    EXPECT_EQ(NameAt(0), u"Default");
    EXPECT_EQ(NameAt(1), u"C");
    EXPECT_EQ(NameAt(2), u"A");
    EXPECT_EQ(NameAt(3), u"B");
    EXPECT_EQ(OrderValues(), (std::vector<std::u16string>{u"00=Default", u"01=C", u"02=A", u"03=B"}));
    for (uint32_t i = 0; i < 4; ++i) {
        EXPECT_EQ(ProfileTable[i].priority, i);
    }
    // The store now loads in the same order.
    LoadProfileTable(0);
    EXPECT_EQ(NameAt(1), u"C");
    EXPECT_EQ(NameAt(3), u"B");

    m_kernel.ClearCalls();
    PromoteProfile(u"Nobody", count);
    EXPECT_EQ(m_kernel.CountCalls(u"Reg"), 0u);
}

TEST_F(ProfileStore, RewriteOrderRenumbersFromTheTable) {
    PutProfile(u"Default", 0);
    PutProfile(u"X", 4);
    PutProfile(u"Y", 9);
    PutOrder(12, u"stale");
    int count = LoadProfileTable(0);
    std::swap(ProfileTable[1], ProfileTable[2]); // as the priority dialog does
    RewriteProfileOrder(count);
    EXPECT_EQ(OrderValues(), (std::vector<std::u16string>{u"00=Default", u"01=Y", u"02=X"}));
    LoadProfileTable(0);
    EXPECT_EQ(NameAt(1), u"Y");
    EXPECT_EQ(NameAt(2), u"X");
}

TEST_F(ProfileStore, UpdateNeedsTheExactName) {
    PutProfile(u"Home", 0);
    EXPECT_EQ(UpdateProfile(Record(u"home", u"changed")), kUpdateNotFound);
    EXPECT_EQ(StoredText(KeyOf(u"Home"), u"NetworkName"), u"net-Home");
    WirelessProfile p = Record(u"Home", u"changed");
    p.priority = 42;
    EXPECT_EQ(UpdateProfile(p), kUpdateWritten);
    EXPECT_EQ(kUpdateWritten, 1);
    EXPECT_EQ(StoredText(KeyOf(u"Home"), u"NetworkName"), u"changed");
    EXPECT_EQ(OrderValues(), (std::vector<std::u16string>{u"00=Home"}));
}

TEST_F(ProfileStore, UpdateTellsARefusedWriteFromAMissingProfile) {
    PutProfile(u"Home", 0);
    m_registry.FailWrites(platform::kHkeyLocalMachine, KeyOf(u"Home"), platform::kErrorAccessDenied);
    EXPECT_EQ(UpdateProfile(Record(u"Home", u"changed")), kUpdateWriteFailed);
    EXPECT_EQ(UpdateProfile(Record(u"Away", u"changed")), kUpdateNotFound);
    EXPECT_NE(kUpdateWriteFailed, kUpdateNotFound);
    EXPECT_NE(kUpdateWriteFailed, kUpdateWritten);
    EXPECT_EQ(StoredText(KeyOf(u"Home"), u"NetworkName"), u"net-Home");
    EXPECT_FALSE(m_registry.KeyExists(platform::kHkeyLocalMachine, KeyOf(u"Away")));
}

TEST_F(ProfileStore, FindAndMarkActive) {
    PutProfile(u"Default", 0);
    PutProfile(u"A", 1);
    PutProfile(u"B", 2);
    int count = LoadProfileTable(0);
    EXPECT_EQ(FindProfile(count, u"B"), 2);
    EXPECT_EQ(FindProfile(count, u"b"), -1);
    EXPECT_EQ(FindProfile(2, u"B"), -1);
    EXPECT_EQ(FindProfile(-5, u"A"), -1);
    EXPECT_EQ(FindActiveProfile(count), -1);

    MarkActiveProfile(count, u"A");
    EXPECT_EQ(FindActiveProfile(count), 1);
    MarkActiveProfile(count, u"B");
    EXPECT_EQ(FindActiveProfile(count), 2);
    EXPECT_EQ(ProfileTable[1].inUse, 0u);
    MarkActiveProfile(count, u"Default");
    EXPECT_EQ(FindActiveProfile(count), 0);
    EXPECT_EQ(ProfileTable[2].inUse, 0u);
    // An unknown name leaves the mark where it was.
    MarkActiveProfile(count, u"Nobody");
    EXPECT_EQ(FindActiveProfile(count), 0);
    // The in-use flag is never stored.
    RewriteProfileOrder(count);
    LoadProfileTable(0);
    EXPECT_EQ(FindActiveProfile(count), -1);
}

TEST_F(ProfileStore, EnsureDefaultProfileBuildsItFromTheAdapter) {
    PutProfile(u"Work", 0);
    m_kernel.adapterConfig.fragThresholdMax = 2222;
    int count = EnsureDefaultProfile();
    EXPECT_EQ(count, 2);
    EXPECT_EQ(NameAt(0), u"Default");
    EXPECT_EQ(NameAt(1), u"Work");
    EXPECT_EQ(OrderValues(), (std::vector<std::u16string>{u"00=Work", u"01=Default"}));
    const std::u16string key = KeyOf(u"Default");
    EXPECT_EQ(StoredText(key, u"NetworkName"), u"Any (First available network)");
    EXPECT_EQ(StoredNumber(key, u"WirelessMode"), 0xF00Du);
    EXPECT_EQ(StoredNumber(key, u"AdvancedAuthenticationType"), 1u);
    EXPECT_EQ(StoredNumber(key, u"EncryptionAlg"), 0u);
    EXPECT_EQ(StoredNumber(key, u"FragThreshold"), 2222u);
    EXPECT_EQ(StoredNumber(key, u"tpc"), 0u);
    EXPECT_EQ(ProfileTable[0].block.serviceArea[0], 0x5A);

    m_kernel.ClearCalls();
    EXPECT_EQ(EnsureDefaultProfile(), 2);
    EXPECT_EQ(m_kernel.CountCalls(u"RegSet"), 0u);
}

TEST_F(ProfileStore, FailedAddLeavesNoHalfProfile) {
    m_registry.FailWrites(platform::kHkeyLocalMachine, kProfileListKey, platform::kErrorAccessDenied);
    WirelessProfile p = Record(u"Broken");
    EXPECT_EQ(AddProfile(p), kAddWriteFailed);
    EXPECT_FALSE(m_registry.KeyExists(platform::kHkeyLocalMachine, KeyOf(u"Broken")));
    EXPECT_TRUE(OrderValues().empty());
}

TEST_F(ProfileStore, SaveCurrentDefaultProfileStoresAnyNetwork) {
    CurrentProfile = Record(u"Default", u"SomeNet");
    SaveCurrentProfile();
    const std::u16string key = std::u16string(kAppKey) + u"\\ProfileData";
    EXPECT_EQ(StoredText(key, u"NetworkName"), u"Any (First available network)");
    EXPECT_EQ(CurrentProfileName(), u"Default");

    SetCurrentProfile(Record(u"default", u"SomeNet")); // exact compare: another profile
    SaveCurrentProfile();
    EXPECT_EQ(StoredText(key, u"NetworkName"), u"SomeNet");
}

TEST_F(ProfileStore, LoadCurrentProfileFromProfileData) {
    WirelessProfile saved = Record(u"Travel", u"Hotel");
    saved.block.securityFlags = kSecurityWpa2PskAes;
    saved.block.keyFormat = kKeyPskAscii;
    base::CopyToField(saved.block.psk, u"hotel-guest");
    CurrentProfile = saved;
    SaveCurrentProfile();
    ResetProfileStore();
    SetUp();

    PutProfile(u"Default", 0);
    LoadCurrentProfile();
    WirelessProfile current = CopyCurrentProfile();
    EXPECT_EQ(base::FieldText(current.ConfigurationName), u"Travel");
    EXPECT_EQ(base::FieldText(current.block.psk), u"hotel-guest");
    EXPECT_EQ(CurrentProfileName(), u"Travel");
}

TEST_F(ProfileStore, LoadCurrentProfileWithoutProfileData) {
    const std::u16string key = std::u16string(kAppKey) + u"\\ProfileData";
    // One stored profile, the default: slot 0, nothing written.
    PutProfile(u"Default", 0);
    LoadCurrentProfile();
    EXPECT_EQ(base::FieldText(CurrentProfile.ConfigurationName), u"Default");
    EXPECT_EQ(StoredText(key, u"ConfigurationName"), std::nullopt);

    // Several: slot 1, and it becomes the saved current profile.
    PutProfile(u"Second", 1);
    PutProfile(u"Third", 2);
    LoadCurrentProfile();
    EXPECT_EQ(CurrentProfileName(), u"Second");
    EXPECT_EQ(StoredText(key, u"ConfigurationName"), u"Second");
}

TEST_F(ProfileStore, LoadCurrentProfileOfASingleOtherOrNoProfile) {
    const std::u16string key = std::u16string(kAppKey) + u"\\ProfileData";
    LoadCurrentProfile();
    EXPECT_EQ(CurrentProfileName(), u"");
    EXPECT_EQ(StoredText(key, u"ConfigurationName"), std::nullopt);

    PutProfile(u"Only", 0);
    LoadCurrentProfile();
    EXPECT_EQ(CurrentProfileName(), u"Only");
    EXPECT_EQ(StoredText(key, u"ConfigurationName"), u"Only");
}

TEST_F(ProfileStore, WithoutServiceNothingIsWrittenAndNothingHangs) {
    PutProfile(u"Kept", 1);
    PutOrder(0, u"Gone");
    ProfileStoreConfig config;
    config.registry = &m_registry;
    config.appKey = std::u16string(kAppKey);
    ConfigureProfileStore(config);
    EXPECT_EQ(LoadProfileTable(0), 1);
    WirelessProfile p = Record(u"New");
    EXPECT_EQ(AddProfile(p), kAddWriteFailed);
    EXPECT_FALSE(DeleteProfile(u"Kept"));
    EXPECT_EQ(EnsureDefaultProfile(), 1);
}

} // namespace
} // namespace profiles::testing

namespace profiles::testing {
namespace {

// The connection worker saves the current profile while the user-interface thread reloads the table:
// both go through the store's lock, so neither sees the other's half-written record.
TEST_F(ProfileStore, WorkerAndInterfaceThreadShareTheStore) {
    PutProfile(u"Default", 0);
    PutProfile(u"Home", 1);
    LoadProfileTable(0);
    std::atomic<bool> stop{false};
    std::thread worker([&] {
        for (int i = 0; i < 50; ++i) {
            std::lock_guard lock(ProfileStoreMutex());
            CurrentProfile = ProfileTable[i % 2];
            SaveCurrentProfile();
        }
        stop = true;
    });
    do {
        EXPECT_EQ(LoadProfileTable(0), 2);
        WirelessProfile copy = CopyCurrentProfile();
        std::u16string_view name = base::FieldText(copy.ConfigurationName);
        EXPECT_TRUE(name.empty() || name == u"Default" || name == u"Home");
    } while (!stop);
    worker.join();
    EXPECT_EQ(CurrentProfileName(), u"Home");
}

} // namespace
} // namespace profiles::testing
