// Message maps: the first entry for a message wins, in declared order, and a
// class's map comes before its base class's.
#include <gtest/gtest.h>

#include "platform/afx/wnd.h"
#include "platform/user/qt_host.h"

namespace {

class BaseWnd : public CWnd {
public:
    static const vandrel::afx::MessageMap* GetThisMessageMap() {
        static const vandrel::afx::MessageMapEntry entries[] = {
            vandrel::afx::OnMessage<WM_USER + 1, &BaseWnd::First>(),
            vandrel::afx::OnMessage<WM_USER + 1, &BaseWnd::Second>(),
            vandrel::afx::OnMessage<WM_USER + 2, &BaseWnd::Second>(),
        };
        static const vandrel::afx::MessageMap map{CWnd::GetThisMessageMap(), entries};
        return &map;
    }
    const vandrel::afx::MessageMap* GetMessageMap() const override { return GetThisMessageMap(); }
    LRESULT First(WPARAM, LPARAM) { return 1; }
    LRESULT Second(WPARAM, LPARAM) { return 2; }
};

class DerivedWnd : public BaseWnd {
public:
    static const vandrel::afx::MessageMap* GetThisMessageMap() {
        static const vandrel::afx::MessageMapEntry entries[] = {
            vandrel::afx::OnMessage<WM_USER + 2, &DerivedWnd::Third>(),
            vandrel::afx::OnMessage<WM_SIZE, &DerivedWnd::OnSize>(),
        };
        static const vandrel::afx::MessageMap map{BaseWnd::GetThisMessageMap(), entries};
        return &map;
    }
    const vandrel::afx::MessageMap* GetMessageMap() const override { return GetThisMessageMap(); }
    LRESULT Third(WPARAM, LPARAM) { return 3; }
    void OnSize(UINT nType, int cx, int cy) { m_size = {static_cast<int>(nType), cx, cy}; }

    std::vector<int> m_size;
};

}  // namespace

TEST(MessageMapTest, DeclaredOrderAndTheMostDerivedMapWin) {
    std::string error;
    ASSERT_TRUE(vandrel::user::OpenDisplay(&error)) << error;
    DerivedWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, "map", WS_OVERLAPPEDWINDOW, RECT{0, 0, 100, 100}, nullptr, 0,
                             nullptr, nullptr));
    EXPECT_EQ(wnd.SendMessage(WM_USER + 1), 1) << "the first of two entries";
    EXPECT_EQ(wnd.SendMessage(WM_USER + 2), 3) << "the derived class's entry";
    EXPECT_EQ(wnd.SendMessage(WM_USER + 3), 0) << "no entry: the default handling";
    wnd.SendMessage(WM_SIZE, SIZE_MAXIMIZED, (20 << 16) | 30);
    EXPECT_EQ(wnd.m_size, (std::vector<int>{SIZE_MAXIMIZED, 30, 20})) << "cracked parameters";
    wnd.DestroyWindow();
}
