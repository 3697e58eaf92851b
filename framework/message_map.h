// The static message map: each class that handles messages lists them in a table built by
// BEGIN_MESSAGE_MAP ... END_MESSAGE_MAP, and a lookup walks the class's table, then its base
// classes' tables, to find the handler of a message or command.
//
// CCmdTarget is the root of every class that can receive commands. Each entry holds a
// captureless thunk made inside the class's own static member function, so it may call the
// class's protected handlers. This is not a general event system: only the entry kinds the
// program uses exist.
#pragma once

#include "framework/winapi/win_messages.h"

class CCmdTarget;

struct AFX_MSGMAP_ENTRY {
    UINT message; // WM_PAINT, WM_COMMAND, ...; 0 ends the table
    UINT code;    // WM_COMMAND's notification code (BN_CLICKED), else 0
    UINT id;      // WM_COMMAND's control or command identifier, else 0
    LRESULT (*handler)(CCmdTarget* target, WPARAM wParam, LPARAM lParam);
};

struct AFX_MSGMAP {
    const AFX_MSGMAP* (*baseMap)(); // the base class's table, or null at the root
    const AFX_MSGMAP_ENTRY* entries;
};

// The entry for `message` (and, for WM_COMMAND, `code` and `id`) in `map` or its bases.
const AFX_MSGMAP_ENTRY* AfxFindMessageEntry(const AFX_MSGMAP* map, UINT message, UINT code,
                                            UINT id);

class CCmdTarget {
public:
    CCmdTarget() = default;
    CCmdTarget(const CCmdTarget&) = delete;
    CCmdTarget& operator=(const CCmdTarget&) = delete;
    virtual ~CCmdTarget() = default;

    // Runs the handler of command `id` with notification `code`; FALSE when there is none.
    virtual BOOL OnCmdMsg(UINT id, int code);

protected:
    static const AFX_MSGMAP* GetThisMessageMap();
    virtual const AFX_MSGMAP* GetMessageMap() const;
};

#define DECLARE_MESSAGE_MAP()                                                                      \
protected:                                                                                         \
    static const AFX_MSGMAP* GetThisMessageMap();                                                  \
    const AFX_MSGMAP* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                                     \
    const AFX_MSGMAP* theClass::GetMessageMap() const {                                            \
        return GetThisMessageMap();                                                                \
    }                                                                                              \
    const AFX_MSGMAP* theClass::GetThisMessageMap() {                                              \
        using ThisClass [[maybe_unused]] = theClass;                                               \
        using TheBaseClass = baseClass;                                                            \
        static const AFX_MSGMAP_ENTRY entries[] = {

// clang-format off
#define END_MESSAGE_MAP()                                                                  \
            {0, 0, 0, nullptr}};                                                           \
        static const AFX_MSGMAP map = {&TheBaseClass::GetThisMessageMap, &entries[0]};     \
        return &map;                                                                       \
    }
// clang-format on

#define ON_WM_PAINT()                                                                              \
    {WM_PAINT, 0, 0, [](CCmdTarget* target, WPARAM, LPARAM) -> LRESULT {                           \
         static_cast<ThisClass*>(target)->OnPaint();                                               \
         return 0;                                                                                 \
     }},

#define ON_WM_QUERYDRAGICON()                                                                      \
    {WM_QUERYDRAGICON, 0, 0, [](CCmdTarget* target, WPARAM, LPARAM) -> LRESULT {                   \
         return reinterpret_cast<LRESULT>(static_cast<ThisClass*>(target)->OnQueryDragIcon());     \
     }},

#define ON_CONTROL(notifyCode, id, memberFxn)                                                      \
    {WM_COMMAND, static_cast<UINT>(notifyCode), static_cast<UINT>(id),                             \
     [](CCmdTarget* target, WPARAM, LPARAM) -> LRESULT {                                           \
         (static_cast<ThisClass*>(target)->*(memberFxn))();                                        \
         return 0;                                                                                 \
     }},

#define ON_BN_CLICKED(id, memberFxn) ON_CONTROL(BN_CLICKED, id, memberFxn)
#define ON_COMMAND(id, memberFxn) ON_CONTROL(0, id, memberFxn)
