#pragma once
// The decisions of the main window's command flow: the three copies of the
// settings block and when each changes, the availability of the send
// command, the pending-entry reaction and the questions asked before the
// user's settings could be lost. Portable: the window derives from this class
// and supplies the operations that need windows through the hooks below.

#include "settings/SettingsBlock.h"

#include <functional>

// The message boxes of the flow.
enum class Prompt {
    SendBeforeExit,
    SaveBeforeExit,
    SendBeforeSwitch,
    SaveBeforeSwitch,
    DiscardBeforeRead,
    ConfirmFactory,
    FactoryShown,
};

enum class PromptButtons { YesNoCancel, YesNo, OkCancel, Ok };
enum class PromptIcon { Exclamation, Information };
enum class Answer { Yes, No, Cancel, Ok };

struct PromptInfo {
    const char* text; // UTF-8
    PromptButtons buttons;
    PromptIcon icon;
};

const PromptInfo& DescribePrompt(Prompt prompt);

class CCommandFlow {
public:
    virtual ~CCommandFlow() = default;

    // Start of the window: not initialised, all three copies the factory
    // block, the send command unavailable.
    void InitBlocks();
    // The data check (command 32805): once initialised, collect the pages;
    // then the send command is available exactly when the block is unsent.
    void UpdateSendCommand();

    bool IsUnsent() const { return m_blockCurrent != m_blockSent; }
    bool IsUnsaved() const { return m_blockCurrent != m_blockSaved; }

    // Start of the write and send commands. With a pending entry on parameter
    // page 1 it has that page correct it and returns false: the command stops.
    // Otherwise it collects the pages and returns true.
    bool BeginWriteOrSend();

    // The two-question guard of the exit and of the printer switch. True when
    // the caller goes on with its action. Before initialisation the printer
    // switch asks nothing.
    bool GuardExit();
    bool GuardPrinterSwitch();

    // Exit command and the system close command: guard, then close.
    void OnExit();
    // Factory settings command: confirm, then LoadFactorySettings.
    void ShowFactorySettings();
    // Shows the factory block on the pages (also after a printer change).
    void LoadFactorySettings();

    // Read settings file: the discard question before the file dialog. False
    // ends the command.
    bool ConfirmDiscardBeforeRead();
    // A settings file was read successfully: show its block and take it as saved.
    void SettingsFileRead(const SettingsBlock& block);
    // The working copy was written to a settings file.
    void SettingsFileWritten();
    // The working copy was sent to the printer.
    void SettingsSent();

protected:
    SettingsBlock m_blockCurrent;
    SettingsBlock m_blockSaved;
    SettingsBlock m_blockSent;
    bool m_initialized = false;

    // What the window provides.
    virtual void LoadPagesFromBlock(const SettingsBlock& block) = 0;
    virtual void StorePagesToBlock(SettingsBlock& block) = 0;
    virtual bool HasPendingEntry() = 0;
    // Shows parameter page 1 and has it report and correct the pending entry.
    virtual void CorrectPendingEntry() = 0;
    virtual Answer ShowPrompt(Prompt prompt) = 0;
    virtual void SetSendAvailable(bool available) = 0;
    virtual void SelectPage(int index) = 0;
    virtual void UpdateFormButtonCaption() = 0;
    // Run the send and write commands as the user would; each tells whether
    // the block was sent or the file written.
    virtual bool RunSendCommand() = 0;
    virtual bool RunWriteCommand() = 0;
    // Ends the main window's modal loop with the OK result.
    virtual void CloseWindow() = 0;

private:
    // StorePagesToBlock(m_blockCurrent), marked as under way.
    void CollectPages();
    bool RunGuard(Prompt sendQuestion, Prompt saveQuestion);
    // One question of the guard: Yes runs the command, and the caller goes on
    // when the command reports success and no pending entry stopped it; No goes
    // on; Cancel stops.
    bool AskAndRun(Prompt question, const std::function<bool()>& command);

    bool m_collecting = false;
};
