#include "app/CommandFlow.h"

#include <gtest/gtest.h>

#include <deque>
#include <vector>

namespace {

// A block that differs from the factory block in one switch (MSW1-4).
SettingsBlock Changed() {
    SettingsBlock block = FactoryBlock();
    block.bytes[4] ^= 0x08;
    return block;
}

SettingsBlock ChangedAgain() {
    SettingsBlock block = FactoryBlock();
    block.bytes[7] ^= 0x01;
    return block;
}

// The command flow over pretend pages: `pages` is what the controls show.
// The send and write commands behave as the real ones do around the flow.
class FlowWindow : public CCommandFlow {
public:
    using CCommandFlow::m_blockCurrent;
    using CCommandFlow::m_blockSaved;
    using CCommandFlow::m_blockSent;
    using CCommandFlow::m_initialized;

    FlowWindow() {
        InitBlocks();
        LoadPagesFromBlock(m_blockCurrent);
        m_initialized = true;
        loads = 0;
    }

    SettingsBlock pages;
    bool pending = false;
    bool sendWorks = true;
    bool writeWorks = true;
    std::deque<Answer> answers;
    std::vector<Prompt> asked;
    bool sendAvailable = true;
    bool reportWhileCollecting = false;
    int loads = 0;
    int collections = 0;
    int corrections = 0;
    int sends = 0;
    int writes = 0;
    int selectedPage = -1;
    int captionUpdates = 0;
    bool closed = false;

    bool RunSendCommand() override {
        ++sends;
        if (!BeginWriteOrSend() || !sendWorks) {
            return false;
        }
        SettingsSent();
        return true;
    }
    bool RunWriteCommand() override {
        ++writes;
        if (!BeginWriteOrSend() || !writeWorks) {
            return false;
        }
        SettingsFileWritten();
        return true;
    }

protected:
    void LoadPagesFromBlock(const SettingsBlock& block) override {
        pages = block;
        ++loads;
    }
    void StorePagesToBlock(SettingsBlock& block) override {
        ++collections;
        if (reportWhileCollecting) {
            UpdateSendCommand(); // a page reporting a change in the middle
        }
        block = pages;
    }
    bool HasPendingEntry() override { return pending; }
    // As the page does: the boxes are set to 10, which clears the flag.
    void CorrectPendingEntry() override {
        ++corrections;
        pending = false;
    }
    Answer ShowPrompt(Prompt prompt) override {
        asked.push_back(prompt);
        if (prompt == Prompt::FactoryShown) {
            return Answer::Ok;
        }
        if (answers.empty()) {
            ADD_FAILURE() << "unexpected question " << static_cast<int>(prompt);
            return Answer::Cancel;
        }
        const Answer answer = answers.front();
        answers.pop_front();
        return answer;
    }
    void SetSendAvailable(bool available) override { sendAvailable = available; }
    void SelectPage(int index) override { selectedPage = index; }
    void UpdateFormButtonCaption() override { ++captionUpdates; }
    void CloseWindow() override { closed = true; }
};

// --- When each copy changes ------------------------------------------------

TEST(CommandFlowCopies, StartSetsAllThreeToTheFactoryBlockWithSendUnavailable) {
    FlowWindow w;
    EXPECT_EQ(w.m_blockCurrent, FactoryBlock());
    EXPECT_EQ(w.m_blockSaved, FactoryBlock());
    EXPECT_EQ(w.m_blockSent, FactoryBlock());
    EXPECT_FALSE(w.sendAvailable);
    EXPECT_EQ(w.pages, FactoryBlock());
}

TEST(CommandFlowCopies, DataCheckCollectsOnlyOnceInitialised) {
    FlowWindow w;
    w.m_initialized = false;
    w.pages = Changed();
    w.UpdateSendCommand();
    EXPECT_EQ(w.m_blockCurrent, FactoryBlock());
    EXPECT_FALSE(w.sendAvailable);

    w.m_initialized = true;
    w.UpdateSendCommand();
    EXPECT_EQ(w.m_blockCurrent, Changed());
    EXPECT_TRUE(w.sendAvailable);
    EXPECT_EQ(w.m_blockSaved, FactoryBlock());
    EXPECT_EQ(w.m_blockSent, FactoryBlock());

    // Changing it back makes the send unavailable again, and exit asks nothing.
    w.pages = FactoryBlock();
    w.UpdateSendCommand();
    EXPECT_FALSE(w.sendAvailable);
    w.OnExit();
    EXPECT_TRUE(w.asked.empty());
    EXPECT_TRUE(w.closed);
}

TEST(CommandFlowCopies, AChangeReportedDuringACollectionStartsNoSecondOne) {
    FlowWindow w;
    w.pages = Changed();
    w.reportWhileCollecting = true;
    w.UpdateSendCommand();
    EXPECT_EQ(w.collections, 1);
    EXPECT_EQ(w.m_blockCurrent, Changed());
    EXPECT_TRUE(w.sendAvailable);

    w.answers = {Answer::Cancel};
    w.OnExit();
    EXPECT_EQ(w.collections, 2);
}

TEST(CommandFlowCopies, ExitAndPrinterSwitchCollectBeforeComparing) {
    FlowWindow w;
    w.pages = Changed();
    w.answers = {Answer::Cancel};
    EXPECT_FALSE(w.GuardPrinterSwitch());
    EXPECT_EQ(w.m_blockCurrent, Changed());
    EXPECT_EQ(w.asked, std::vector<Prompt>{Prompt::SendBeforeSwitch});

    w.pages = ChangedAgain();
    w.answers = {Answer::Cancel};
    w.OnExit();
    EXPECT_EQ(w.m_blockCurrent, ChangedAgain());
    EXPECT_FALSE(w.closed);
    EXPECT_EQ(w.m_blockSaved, FactoryBlock());
    EXPECT_EQ(w.m_blockSent, FactoryBlock());
}

TEST(CommandFlowCopies, ReadAsksToDiscardOnlyWhenUnsent) {
    FlowWindow w;
    w.pages = Changed();
    w.answers = {Answer::No};
    EXPECT_FALSE(w.ConfirmDiscardBeforeRead());
    EXPECT_EQ(w.asked, std::vector<Prompt>{Prompt::DiscardBeforeRead});
    // No, a cancelled file dialog or a rejected file: only the collection happened.
    EXPECT_EQ(w.m_blockCurrent, Changed());
    EXPECT_EQ(w.m_blockSaved, FactoryBlock());
    EXPECT_EQ(w.m_blockSent, FactoryBlock());

    // Right after a send the copy differs only from the saved one: no question.
    w.SettingsSent();
    w.asked.clear();
    EXPECT_TRUE(w.ConfirmDiscardBeforeRead());
    EXPECT_TRUE(w.asked.empty());

    // Before initialisation nothing is collected.
    FlowWindow starting;
    starting.m_initialized = false;
    starting.pages = Changed();
    EXPECT_TRUE(starting.ConfirmDiscardBeforeRead());
    EXPECT_EQ(starting.m_blockCurrent, FactoryBlock());
}

TEST(CommandFlowCopies, FileReadShowsTheBlockAndTakesItAsSaved) {
    FlowWindow w;
    w.SettingsFileRead(Changed());
    EXPECT_EQ(w.pages, Changed());
    EXPECT_EQ(w.m_blockCurrent, Changed());
    EXPECT_EQ(w.m_blockSaved, Changed());
    EXPECT_EQ(w.m_blockSent, FactoryBlock());
    EXPECT_TRUE(w.sendAvailable);
    EXPECT_EQ(w.captionUpdates, 1);

    // Read and sent: exit asks nothing.
    w.RunSendCommand();
    w.OnExit();
    EXPECT_TRUE(w.asked.empty());
    EXPECT_TRUE(w.closed);
}

TEST(CommandFlowCopies, WriteAndSendCollectAfterThePendingCheck) {
    FlowWindow w;
    w.pages = Changed();
    w.pending = true;
    EXPECT_FALSE(w.BeginWriteOrSend());
    EXPECT_EQ(w.corrections, 1);
    EXPECT_EQ(w.m_blockCurrent, FactoryBlock());

    // The correction cleared the entry: the next command goes ahead.
    EXPECT_TRUE(w.BeginWriteOrSend());
    EXPECT_EQ(w.m_blockCurrent, Changed());
    EXPECT_EQ(w.corrections, 1);
}

TEST(CommandFlowCopies, WrittenUpdatesSavedAndSentUpdatesSent) {
    FlowWindow w;
    w.pages = Changed();
    w.UpdateSendCommand();
    EXPECT_TRUE(w.RunWriteCommand());
    EXPECT_EQ(w.m_blockSaved, Changed());
    EXPECT_EQ(w.m_blockSent, FactoryBlock());
    EXPECT_TRUE(w.sendAvailable);

    // Availability follows the sent copy only: back to what was sent, the
    // settings differ from the saved ones but there is nothing to send.
    w.pages = FactoryBlock();
    w.UpdateSendCommand();
    EXPECT_FALSE(w.sendAvailable);
    w.pages = Changed();
    w.UpdateSendCommand();

    w.RunSendCommand();
    EXPECT_EQ(w.m_blockSent, Changed());
    EXPECT_FALSE(w.sendAvailable);
}

TEST(CommandFlowCopies, FactorySettingsLoadTheFactoryBlockAndKeepTheOtherCopies) {
    FlowWindow w;
    w.SettingsFileRead(Changed());
    w.RunSendCommand();
    w.pages = ChangedAgain();
    w.asked.clear();

    // Cancel: nothing changes, not even the working copy.
    w.answers = {Answer::Cancel};
    w.ShowFactorySettings();
    EXPECT_EQ(w.m_blockCurrent, Changed());
    EXPECT_EQ(w.pages, ChangedAgain());

    const int captions = w.captionUpdates;
    w.answers = {Answer::Ok};
    w.ShowFactorySettings();
    EXPECT_EQ(w.asked, (std::vector<Prompt>{Prompt::ConfirmFactory, Prompt::ConfirmFactory,
                                            Prompt::FactoryShown}));
    EXPECT_EQ(w.pages, FactoryBlock());
    EXPECT_EQ(w.m_blockCurrent, FactoryBlock());
    EXPECT_EQ(w.selectedPage, 0);
    EXPECT_TRUE(w.sendAvailable); // factory differs from what was sent
    EXPECT_EQ(w.captionUpdates, captions + 1);
    EXPECT_EQ(w.m_blockSaved, Changed());
    EXPECT_EQ(w.m_blockSent, Changed());

    // Exit still asks to send and to save.
    w.asked.clear();
    w.answers = {Answer::No, Answer::No};
    w.OnExit();
    EXPECT_EQ(w.asked, (std::vector<Prompt>{Prompt::SendBeforeExit, Prompt::SaveBeforeExit}));
    EXPECT_TRUE(w.closed);
}

TEST(CommandFlowCopies, FactorySettingsRightAfterStartStillAskAndLeaveSendUnavailable) {
    FlowWindow w;
    w.answers = {Answer::Ok};
    w.ShowFactorySettings();
    EXPECT_EQ(w.loads, 1);
    EXPECT_EQ(w.selectedPage, 0);
    EXPECT_FALSE(w.sendAvailable);
}

// --- The two-question guard ------------------------------------------------

class Guard : public ::testing::Test {
protected:
    Guard() {
        w.pages = Changed(); // unsent and unsaved
    }
    FlowWindow w;
};

TEST_F(Guard, NoToBothClosesWithoutSendingOrWriting) {
    w.answers = {Answer::No, Answer::No};
    w.OnExit();
    EXPECT_EQ(w.asked, (std::vector<Prompt>{Prompt::SendBeforeExit, Prompt::SaveBeforeExit}));
    EXPECT_EQ(w.sends, 0);
    EXPECT_EQ(w.writes, 0);
    EXPECT_TRUE(w.closed);
}

TEST_F(Guard, CancelInEitherQuestionKeepsTheWindowOpen) {
    w.answers = {Answer::Cancel};
    w.OnExit();
    EXPECT_EQ(w.asked.size(), 1u);
    EXPECT_FALSE(w.closed);

    w.asked.clear();
    w.answers = {Answer::Yes, Answer::Cancel};
    w.OnExit();
    EXPECT_EQ(w.asked, (std::vector<Prompt>{Prompt::SendBeforeExit, Prompt::SaveBeforeExit}));
    EXPECT_EQ(w.m_blockSent, Changed()); // the send keeps its effect
    EXPECT_FALSE(w.closed);
}

TEST_F(Guard, YesToBothSendsWritesAndCloses) {
    w.answers = {Answer::Yes, Answer::Yes};
    w.OnExit();
    EXPECT_EQ(w.m_blockSent, Changed());
    EXPECT_EQ(w.m_blockSaved, Changed());
    EXPECT_TRUE(w.closed);
}

// Yes to sending followed by a failed send keeps the window open and the
// printer unchanged, and asks nothing more.
TEST_F(Guard, YesToSendWithoutASuccessfulSendAbandonsTheAction) {
    w.sendWorks = false;
    w.answers = {Answer::Yes};
    w.OnExit();
    EXPECT_EQ(w.sends, 1);
    EXPECT_EQ(w.asked, std::vector<Prompt>{Prompt::SendBeforeExit});
    EXPECT_EQ(w.writes, 0);
    EXPECT_FALSE(w.closed);

    w.answers = {Answer::Yes};
    EXPECT_FALSE(w.GuardPrinterSwitch());
    EXPECT_EQ(w.writes, 0);
}

TEST_F(Guard, AfterASendOnlyTheSaveQuestionIsAsked) {
    w.UpdateSendCommand();
    w.RunSendCommand();
    w.answers = {Answer::No};
    w.OnExit();
    EXPECT_EQ(w.asked, std::vector<Prompt>{Prompt::SaveBeforeExit});
    EXPECT_TRUE(w.closed);
}

TEST_F(Guard, PendingEntryAfterYesToSendStopsBeforeTheSaveQuestion) {
    w.pending = true;
    w.answers = {Answer::Yes};
    w.OnExit();
    EXPECT_EQ(w.asked, std::vector<Prompt>{Prompt::SendBeforeExit});
    EXPECT_EQ(w.corrections, 1);
    EXPECT_EQ(w.m_blockSent, FactoryBlock());
    EXPECT_FALSE(w.closed);
}

TEST_F(Guard, PendingEntryAfterYesToSaveStops) {
    w.pending = true;
    w.answers = {Answer::No, Answer::Yes};
    EXPECT_FALSE(w.GuardPrinterSwitch());
    EXPECT_EQ(w.corrections, 1);
    EXPECT_EQ(w.m_blockSaved, FactoryBlock());
}

// Yes to saving followed by a cancelled file dialog or a failed write keeps
// the window open and the printer unchanged, so the changes are not lost.
TEST_F(Guard, YesToSaveWithoutAWrittenFileAbandonsTheAction) {
    w.writeWorks = false;
    w.answers = {Answer::No, Answer::Yes};
    w.OnExit();
    EXPECT_EQ(w.writes, 1);
    EXPECT_FALSE(w.closed);

    w.answers = {Answer::No, Answer::Yes};
    EXPECT_FALSE(w.GuardPrinterSwitch());

    w.writeWorks = true;
    w.answers = {Answer::No, Answer::Yes};
    EXPECT_TRUE(w.GuardPrinterSwitch());
}

TEST_F(Guard, PrinterSwitchAsksItsOwnQuestionsAndNothingBeforeInitialisation) {
    w.answers = {Answer::No, Answer::No};
    EXPECT_TRUE(w.GuardPrinterSwitch());
    EXPECT_EQ(w.asked, (std::vector<Prompt>{Prompt::SendBeforeSwitch, Prompt::SaveBeforeSwitch}));

    w.asked.clear();
    w.m_initialized = false;
    EXPECT_TRUE(w.GuardPrinterSwitch());
    EXPECT_TRUE(w.asked.empty());
}

TEST(GuardPrompts, QuestionsOfferYesNoCancelAndTheNoticeOnlyOk) {
    for (Prompt p : {Prompt::SendBeforeExit, Prompt::SaveBeforeExit, Prompt::SendBeforeSwitch,
                     Prompt::SaveBeforeSwitch}) {
        EXPECT_EQ(DescribePrompt(p).buttons, PromptButtons::YesNoCancel);
        EXPECT_EQ(DescribePrompt(p).icon, PromptIcon::Exclamation);
    }
    EXPECT_EQ(DescribePrompt(Prompt::DiscardBeforeRead).buttons, PromptButtons::YesNo);
    EXPECT_EQ(DescribePrompt(Prompt::ConfirmFactory).buttons, PromptButtons::OkCancel);
    EXPECT_EQ(DescribePrompt(Prompt::FactoryShown).icon, PromptIcon::Information);
}

} // namespace
