#include "app/CommandFlow.h"

const PromptInfo& DescribePrompt(Prompt prompt) {
    static const PromptInfo kPrompts[] = {
        {"Switchboard を終了する前に、設定値をプリンタへ送信しますか？", PromptButtons::YesNoCancel,
         PromptIcon::Exclamation},
        {"Switchboard を終了する前に、設定ファイルへ保存しますか？", PromptButtons::YesNoCancel,
         PromptIcon::Exclamation},
        {"設定値が変更されています。\nプリンタを切り替える前に、設定値をプリンタへ送信しますか？",
         PromptButtons::YesNoCancel, PromptIcon::Exclamation},
        {"設定値が変更されています。\nプリンタを切り替える前に、設定ファイルへ保存しますか？",
         PromptButtons::YesNoCancel, PromptIcon::Exclamation},
        {"設定が変更されています。\nコマンドを続行すると設定の変更は破棄されます。",
         PromptButtons::YesNo, PromptIcon::Exclamation},
        {"現在の設定値は破棄されます、\n工場出荷設定値に変更しますか？", PromptButtons::OkCancel,
         PromptIcon::Exclamation},
        {"工場出荷設定値を表示しました。", PromptButtons::Ok, PromptIcon::Information},
    };
    return kPrompts[static_cast<int>(prompt)];
}

void CCommandFlow::InitBlocks() {
    m_initialized = false;
    m_blockCurrent = FactoryBlock();
    m_blockSent = FactoryBlock();
    m_blockSaved = FactoryBlock();
    SetSendAvailable(false);
}

void CCommandFlow::UpdateSendCommand() {
    // A page may report a change while the pages are being collected, for
    // example when a validation message takes the focus from its control.
    // The collection under way covers it; a nested one would show the same
    // message again over the first.
    if (m_collecting) {
        return;
    }
    if (m_initialized) {
        CollectPages();
    }
    SetSendAvailable(IsUnsent());
}

void CCommandFlow::CollectPages() {
    m_collecting = true;
    StorePagesToBlock(m_blockCurrent);
    m_collecting = false;
}

bool CCommandFlow::BeginWriteOrSend() {
    if (HasPendingEntry()) {
        CorrectPendingEntry();
        return false;
    }
    CollectPages();
    return true;
}

bool CCommandFlow::AskAndRun(Prompt question, const std::function<bool()>& command) {
    switch (ShowPrompt(question)) {
    case Answer::Yes: {
        // With a pending entry the command only shows it; the caller stops then.
        const bool pending = HasPendingEntry();
        return command() && !pending;
    }
    case Answer::No:
        return true;
    default:
        return false;
    }
}

bool CCommandFlow::RunGuard(Prompt sendQuestion, Prompt saveQuestion) {
    CollectPages();
    // Both decided before anything is sent or written.
    const bool unsent = IsUnsent();
    const bool unsaved = IsUnsaved();

    // Yes asks to keep the settings: unless they were sent or written (not
    // after a failed send, a cancelled file dialog or a failed write) the
    // caller must not go on and discard them.
    if (unsent && !AskAndRun(sendQuestion, [this] { return RunSendCommand(); })) {
        return false;
    }
    return !unsaved || AskAndRun(saveQuestion, [this] { return RunWriteCommand(); });
}

bool CCommandFlow::GuardExit() {
    return RunGuard(Prompt::SendBeforeExit, Prompt::SaveBeforeExit);
}

bool CCommandFlow::GuardPrinterSwitch() {
    return !m_initialized || RunGuard(Prompt::SendBeforeSwitch, Prompt::SaveBeforeSwitch);
}

void CCommandFlow::OnExit() {
    if (GuardExit()) {
        CloseWindow();
    }
}

void CCommandFlow::ShowFactorySettings() {
    if (ShowPrompt(Prompt::ConfirmFactory) == Answer::Ok) {
        LoadFactorySettings();
    }
}

void CCommandFlow::LoadFactorySettings() {
    m_blockCurrent = FactoryBlock();
    LoadPagesFromBlock(m_blockCurrent);
    SelectPage(0);
    ShowPrompt(Prompt::FactoryShown);
    UpdateSendCommand();
    UpdateFormButtonCaption();
}

bool CCommandFlow::ConfirmDiscardBeforeRead() {
    if (m_initialized) {
        CollectPages();
    }
    return !IsUnsent() || ShowPrompt(Prompt::DiscardBeforeRead) == Answer::Yes;
}

void CCommandFlow::SettingsFileRead(const SettingsBlock& block) {
    m_blockCurrent = block;
    LoadPagesFromBlock(m_blockCurrent);
    m_blockSaved = m_blockCurrent;
    UpdateSendCommand();
    UpdateFormButtonCaption();
}

void CCommandFlow::SettingsFileWritten() {
    m_blockSaved = m_blockCurrent;
}

void CCommandFlow::SettingsSent() {
    m_blockSent = m_blockCurrent;
    SetSendAvailable(false);
}
