// The dialog base: a template, a static message map from messages, button clicks and
// notifications to member handlers, modal or modeless creation, and control helpers.
#pragma once

#include <windows.h>

#include <string>

#include "framework/dialog_layout.h"

// A control's own notification, sent to the control before its dialog handles the WM_COMMAND it
// came in (wParam and lParam as that message's), so that a control wrapper can answer it. In the
// application's own range, which no standard control uses.
constexpr UINT WM_REFLECTED_COMMAND = WM_APP + WM_COMMAND;

// Dialogs are wide windows: their texts are code page 932 converted at this boundary, whatever
// the system's ANSI code page is.
class Dialog {
public:
    Dialog(UINT templateId, HWND parent = nullptr);
    virtual ~Dialog();
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;

    // Runs the dialog in its own modal loop; answers the result it ended with.
    INT_PTR DoModal();
    // Creates the dialog modelessly and shows it; the caller's loop runs it (tests do this).
    HWND Create();

    HWND GetSafeHwnd() const { return m_hWnd; }
    // Ends the dialog: a modal one leaves its loop, a modeless one is destroyed.
    void EndDialog(INT_PTR result);
    bool IsEnded() const { return m_bEnded; }
    INT_PTR Result() const { return m_nResult; }

    using MessageHandler = LRESULT (Dialog::*)(WPARAM, LPARAM);
    using CommandHandler = void (Dialog::*)();
    using CommandRangeHandler = void (Dialog::*)(UINT);
    using NotifyHandler = LRESULT (Dialog::*)(NMHDR*);

    struct MessageMapEntry {
        enum Kind { End, Message, Command, CommandRange, Notify } kind;
        UINT code;      // the message, the notification code of WM_COMMAND, or the WM_NOTIFY code
        UINT firstId;   // control ids, for commands and notifications
        UINT lastId;
        MessageHandler onMessage;
        CommandHandler onCommand;
        CommandRangeHandler onCommandRange;
        NotifyHandler onNotify;
    };

protected:
    virtual BOOL OnInitDialog() { return TRUE; }
    // After a DPI change has laid the controls out again: what the dialog sized itself is refitted here.
    virtual void OnDpiChanged() {}
    virtual void OnOK() { EndDialog(IDOK); }
    virtual void OnCancel() { EndDialog(IDCANCEL); }
    virtual const MessageMapEntry* GetMessageMap() const;

    // From a message handler: let the dialog manager's default processing handle the message.
    LRESULT Default();

    // The DPI the dialog is laid out for.
    UINT Dpi() const { return m_layout.Dpi(); }
    HWND Item(int id) const { return GetDlgItem(m_hWnd, id); }
    void SetItemText(int id, const std::string& text);
    void SetItemText(int id, const std::wstring& text);
    void SetTitle(const std::string& text);
    bool IsChecked(int id) const { return IsDlgButtonChecked(m_hWnd, id) == BST_CHECKED; }
    void SetChecked(int id, bool checked) { CheckDlgButton(m_hWnd, id, checked ? BST_CHECKED : BST_UNCHECKED); }
    void ShowItem(int id, bool show) { ShowWindow(Item(id), show ? SW_SHOW : SW_HIDE); }

    HWND m_hWnd = nullptr;
    HWND m_hParent;

private:
    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
    bool DispatchCommand(UINT code, UINT id);

    UINT m_nTemplate;
    bool m_bModal = false;
    bool m_bEnded = false;
    bool m_bCallDefault = false;
    INT_PTR m_nResult = IDCANCEL;
    DialogLayout m_layout;
};

// The text of any window, every character of it.
std::wstring WideWindowText(HWND window);

// Message map declaration and definition, read like a table of what the dialog reacts to.
#define DECLARE_MESSAGE_MAP() \
protected:                    \
    const MessageMapEntry* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass)                                 \
    const Dialog::MessageMapEntry* theClass::GetMessageMap() const { \
        using ThisClass = theClass;                                  \
        static const MessageMapEntry entries[] = {
#define ON_MESSAGE(message, handler) \
    {MessageMapEntry::Message, message, 0, 0, static_cast<MessageHandler>(&ThisClass::handler), nullptr, nullptr, nullptr},
#define ON_BN_CLICKED(id, handler) \
    {MessageMapEntry::Command, BN_CLICKED, id, id, nullptr, static_cast<CommandHandler>(&ThisClass::handler), nullptr, nullptr},
#define ON_BN_CLICKED_RANGE(firstId, lastId, handler)                                                       \
    {MessageMapEntry::CommandRange, BN_CLICKED, firstId, lastId, nullptr, nullptr,                          \
     static_cast<CommandRangeHandler>(&ThisClass::handler), nullptr},
#define ON_NOTIFY(code, id, handler) \
    {MessageMapEntry::Notify, static_cast<UINT>(code), id, id, nullptr, nullptr, nullptr, static_cast<NotifyHandler>(&ThisClass::handler)},
#define END_MESSAGE_MAP()                                                          \
    {MessageMapEntry::End, 0, 0, 0, nullptr, nullptr, nullptr, nullptr}};          \
        return entries;                                                            \
    }
