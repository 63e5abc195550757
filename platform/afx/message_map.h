// Message maps: each class lists the messages and commands it handles, in the
// order it declares them, and names its base class's map; lookups take the
// first matching entry, walking from the most derived map to the root.
//
// Entries are made with OnMessage<WM_x, &Class::Handler>(),
// OnCommand<id, &Class::Handler>() and OnUpdateCommandUI<id, &Class::Handler>().
// Each message has one handler signature (see the Cracker specialisations);
// a handler of another signature does not compile.
#pragma once

#include <functional>
#include <span>
#include <type_traits>

#include "platform/user/user_types.h"

class CCmdTarget;
class CCmdUI;
class CDC;
class CWnd;

namespace vandrel::afx {

enum class EntryKind { Message, Command, UpdateCommandUI };

using Invoker = LRESULT (*)(CCmdTarget& target, WPARAM wParam, LPARAM lParam, void* extra);

struct MessageMapEntry {
    EntryKind kind;
    UINT message;  // for Message entries
    UINT id;       // for Command and UpdateCommandUI entries
    Invoker invoke;
};

struct MessageMap {
    const MessageMap* base;  // null for the root
    std::span<const MessageMapEntry> entries;
};

// The wrapper object of a window handle.
CWnd* WindowFromHandle(HWND window);
// Runs `handler` with a CDC lent the context `hDC` for the call.
BOOL CallWithDC(HDC hDC, const std::function<BOOL(CDC*)>& handler);

template <typename Member>
struct MemberClass;
template <typename Class, typename Result, typename... Args>
struct MemberClass<Result (Class::*)(Args...)> {
    using type = Class;
};

// How a message's parameters reach its handler. Messages without a
// specialisation take the raw parameters: LRESULT (WPARAM, LPARAM).
template <UINT Message>
struct Cracker {
    template <typename T>
    using Signature = LRESULT (T::*)(WPARAM, LPARAM);
    template <typename T, typename F>
    static LRESULT Call(T& t, F f, WPARAM w, LPARAM l) {
        return (t.*f)(w, l);
    }
};

template <>
struct Cracker<WM_CREATE> {
    template <typename T>
    using Signature = int (T::*)(LPCREATESTRUCT);
    template <typename T, typename F>
    static LRESULT Call(T& t, F f, WPARAM, LPARAM l) {
        return (t.*f)(reinterpret_cast<LPCREATESTRUCT>(l));
    }
};

// Messages whose handlers take nothing and return nothing.
template <typename T>
using PlainSignature = void (T::*)();
struct PlainCracker {
    template <typename T>
    using Signature = PlainSignature<T>;
    template <typename T, typename F>
    static LRESULT Call(T& t, F f, WPARAM, LPARAM) {
        (t.*f)();
        return 0;
    }
};
template <>
struct Cracker<WM_DESTROY> : PlainCracker {};
template <>
struct Cracker<WM_CLOSE> : PlainCracker {};
template <>
struct Cracker<WM_PAINT> : PlainCracker {};

template <>
struct Cracker<WM_ERASEBKGND> {
    template <typename T>
    using Signature = BOOL (T::*)(CDC*);
    template <typename T, typename F>
    static LRESULT Call(T& t, F f, WPARAM w, LPARAM) {
        return CallWithDC(reinterpret_cast<HDC>(w), [&t, f](CDC* dc) { return (t.*f)(dc); });
    }
};

template <>
struct Cracker<WM_SIZE> {
    template <typename T>
    using Signature = void (T::*)(UINT, int, int);
    template <typename T, typename F>
    static LRESULT Call(T& t, F f, WPARAM w, LPARAM l) {
        (t.*f)(static_cast<UINT>(w), LOWORD(static_cast<std::uintptr_t>(l)),
               HIWORD(static_cast<std::uintptr_t>(l)));
        return 0;
    }
};

template <>
struct Cracker<WM_ACTIVATE> {
    template <typename T>
    using Signature = void (T::*)(UINT, CWnd*, BOOL);
    template <typename T, typename F>
    static LRESULT Call(T& t, F f, WPARAM w, LPARAM l) {
        (t.*f)(LOWORD(w), WindowFromHandle(reinterpret_cast<HWND>(l)), HIWORD(w) != 0);
        return 0;
    }
};

template <>
struct Cracker<WM_PALETTECHANGED> {
    template <typename T>
    using Signature = void (T::*)(CWnd*);
    template <typename T, typename F>
    static LRESULT Call(T& t, F f, WPARAM w, LPARAM) {
        (t.*f)(WindowFromHandle(reinterpret_cast<HWND>(w)));
        return 0;
    }
};

template <>
struct Cracker<WM_INITMENUPOPUP> {
    template <typename T>
    using Signature = void (T::*)(HMENU, UINT, BOOL);
    template <typename T, typename F>
    static LRESULT Call(T& t, F f, WPARAM w, LPARAM l) {
        (t.*f)(reinterpret_cast<HMENU>(w), LOWORD(static_cast<std::uintptr_t>(l)),
               HIWORD(static_cast<std::uintptr_t>(l)) != 0);
        return 0;
    }
};

template <>
struct Cracker<WM_MENUSELECT> {
    template <typename T>
    using Signature = void (T::*)(UINT, UINT, HMENU);
    template <typename T, typename F>
    static LRESULT Call(T& t, F f, WPARAM w, LPARAM l) {
        (t.*f)(LOWORD(w), HIWORD(w), reinterpret_cast<HMENU>(l));
        return 0;
    }
};

template <UINT Message, auto Handler>
constexpr MessageMapEntry OnMessage() {
    using Class = typename MemberClass<decltype(Handler)>::type;
    static_assert(
        std::is_same_v<decltype(Handler), typename Cracker<Message>::template Signature<Class>>,
        "the handler's signature does not fit this message");
    return {EntryKind::Message, Message, 0,
            [](CCmdTarget& target, WPARAM w, LPARAM l, void*) -> LRESULT {
                return Cracker<Message>::Call(static_cast<Class&>(target), Handler, w, l);
            }};
}

template <UINT Id, auto Handler>
constexpr MessageMapEntry OnCommand() {
    using Class = typename MemberClass<decltype(Handler)>::type;
    static_assert(std::is_same_v<decltype(Handler), void (Class::*)()>,
                  "a command handler takes nothing and returns nothing");
    return {EntryKind::Command, WM_COMMAND, Id,
            [](CCmdTarget& target, WPARAM, LPARAM, void*) -> LRESULT {
                (static_cast<Class&>(target).*Handler)();
                return 0;
            }};
}

template <UINT Id, auto Handler>
constexpr MessageMapEntry OnUpdateCommandUI() {
    using Class = typename MemberClass<decltype(Handler)>::type;
    static_assert(std::is_same_v<decltype(Handler), void (Class::*)(CCmdUI*)>,
                  "an update handler takes the CCmdUI and returns nothing");
    return {EntryKind::UpdateCommandUI, WM_COMMAND, Id,
            [](CCmdTarget& target, WPARAM, LPARAM, void* extra) -> LRESULT {
                (static_cast<Class&>(target).*Handler)(static_cast<CCmdUI*>(extra));
                return 0;
            }};
}

}  // namespace vandrel::afx
