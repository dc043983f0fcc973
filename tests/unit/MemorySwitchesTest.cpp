#include "pages/MemorySwitches.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace {

// A block whose four banks are all 0.
SettingsBlock ZeroBanks() {
    SettingsBlock block = FactoryBlock();
    for (std::size_t offset : layout::kBankOffset) {
        block.bytes[offset] = 0;
        block.bytes[offset + 1] = 0;
    }
    return block;
}

void SetSwitch(SettingsBlock& block, int bank, int index) {
    block.bytes[layout::kBankOffset[bank] + index / 4] |= static_cast<std::uint8_t>(1 << index % 4);
}

// The member of each switch, MSWn-1 first; null where no control shows it.
template <class Bank> using MemberTable = std::array<int Bank::*, 8>;

// Each member loads exactly its own switch, and setting only that member
// stores exactly that switch.
template <class Bank> void ExpectEachMemberOwnsItsSwitch(int bank, const MemberTable<Bank>& table) {
    for (int index = 0; index < 8; ++index) {
        if (!table[index]) {
            continue;
        }
        SettingsBlock one = ZeroBanks();
        SetSwitch(one, bank, index);
        Bank values;
        values.Load(one);
        for (int other = 0; other < 8; ++other) {
            if (table[other]) {
                EXPECT_EQ(values.*table[other], other == index ? 1 : 0)
                    << "MSW" << bank + 1 << "-" << index + 1 << " loaded, member of MSW" << bank + 1
                    << "-" << other + 1;
            }
        }
        values.Load(ZeroBanks());
        values.*table[index] = 1;
        SettingsBlock stored = ZeroBanks();
        values.Store(stored);
        EXPECT_EQ(stored, one) << "MSW" << bank + 1 << "-" << index + 1 << " stored";
    }
}

TEST(MemorySwitches, EachMemberOwnsItsSwitchInAllFourBanks) {
    ExpectEachMemberOwnsItsSwitch<Msw1Switches>(
        0, {nullptr, nullptr, nullptr, &Msw1Switches::m_msw1_4, &Msw1Switches::m_msw1_5,
            &Msw1Switches::m_msw1_6, &Msw1Switches::m_msw1_7, &Msw1Switches::m_msw1_8});
    ExpectEachMemberOwnsItsSwitch<Msw2Switches>(
        1, {&Msw2Switches::m_msw2_1, &Msw2Switches::m_msw2_2, &Msw2Switches::m_msw2_3, nullptr,
            &Msw2Switches::m_msw2_5, &Msw2Switches::m_msw2_6, &Msw2Switches::m_msw2_7,
            &Msw2Switches::m_msw2_8});
    ExpectEachMemberOwnsItsSwitch<Msw3Switches>(
        2, {nullptr, &Msw3Switches::m_msw3_2, &Msw3Switches::m_msw3_3, &Msw3Switches::m_msw3_4,
            &Msw3Switches::m_msw3_5, nullptr, &Msw3Switches::m_msw3_7, &Msw3Switches::m_msw3_8});
    ExpectEachMemberOwnsItsSwitch<Msw4Switches>(
        3, {&Msw4Switches::m_msw4_1, nullptr, &Msw4Switches::m_msw4_3, &Msw4Switches::m_msw4_4,
            &Msw4Switches::m_msw4_5, nullptr, nullptr, &Msw4Switches::m_msw4_8});
}

TEST(MemorySwitches, HiddenSwitchesOfBanksTwoAndThreeAreCarriedFromTheLastLoad) {
    SettingsBlock hidden = ZeroBanks();
    SetSwitch(hidden, 1, 3); // MSW2-4
    SetSwitch(hidden, 2, 0); // MSW3-1
    SetSwitch(hidden, 2, 5); // MSW3-6
    Msw2Switches msw2;
    Msw3Switches msw3;
    msw2.Load(hidden);
    msw3.Load(hidden);
    msw2.m_msw2_1 = 1;
    msw3.m_msw3_8 = 1;

    SettingsBlock stored = ZeroBanks();
    msw2.Store(stored);
    msw3.Store(stored);
    EXPECT_EQ(stored.bytes[7], 0x09);  // MSW2-4 carried, MSW2-1 from its member
    EXPECT_EQ(stored.bytes[10], 0x01); // MSW3-1 carried
    EXPECT_EQ(stored.bytes[11], 0x0A); // MSW3-6 carried, MSW3-8 from its member

    // Storing again still carries them; loading another block replaces them.
    msw2.Store(stored);
    EXPECT_EQ(stored.bytes[7], 0x09);
    msw2.Load(ZeroBanks());
    msw3.Load(ZeroBanks());
    msw2.Store(stored);
    msw3.Store(stored);
    EXPECT_EQ(stored, ZeroBanks());
}

TEST(MemorySwitches, HiddenSwitchesOfBankFourAreNeverReadAndStoredAsZero) {
    SettingsBlock block = ZeroBanks();
    block.bytes[13] = 0xF0 | 0x02 | 0x08 | 0x01; // MSW4-2, MSW4-4 and MSW4-1, upper bits
    block.bytes[14] = 0x06;                      // MSW4-6 and MSW4-7
    Msw4Switches msw4;
    msw4.Load(block);
    EXPECT_EQ(msw4.m_switches, (SwitchBits{true, false, false, true, false, false, false, false}));
    msw4.m_msw4_1 = -1; // no button of the group checked
    msw4.Store(block);
    EXPECT_EQ(block.bytes[13], 0x08);
    EXPECT_EQ(block.bytes[14], 0x00);
}

// Codes 1, 6 and 7 show "日本" and store as 0; a text that is no entry stores
// 0 (every entry both ways is in GoldenBlockTest).
TEST(MemorySwitches, CountryCodesWithoutAnEntryShowJapanAndStoreAsZero) {
    for (int code : {1, 6, 7}) {
        SettingsBlock block = ZeroBanks();
        block.bytes[4] = static_cast<std::uint8_t>(0x08 | code); // with MSW1-4 on
        Msw1Switches msw1;
        msw1.Load(block);
        EXPECT_EQ(msw1.m_countryText, L"日本") << code;
        EXPECT_EQ(msw1.m_msw1_4, 1);
        msw1.Store(block);
        EXPECT_EQ(block.bytes[4], 0x08) << code;
    }
    for (const wchar_t* text : {L"", L"ドイ"}) {
        SettingsBlock block = ZeroBanks();
        block.bytes[4] = 0x04;
        Msw1Switches msw1;
        msw1.Load(block);
        msw1.m_countryText = text;
        msw1.Store(block);
        EXPECT_EQ(block.bytes[4], 0x00) << text;
    }
}

} // namespace
