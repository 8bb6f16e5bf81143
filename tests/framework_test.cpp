// The framework's plain parts: the device context's drawing meaning, the
// accelerator table, command routing, message boxes and the wait cursor.
#include "framework/App.h"
#include "framework/FrameWnd.h"
#include "framework/View.h"
#include "res/Accelerators.h"
#include "res/CommandIds.h"
#include "tests/support/RecordingHost.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr COLORREF kGrey = RGB(200, 200, 200);
constexpr COLORREF kWhite = RGB(255, 255, 255);

TEST(DeviceContext, ShapesUseTheSelectedBrushAndStartWithStockWhite) {
    RecordingDC dc;
    CBrush grey(kGrey);
    dc.Rectangle(0, 0, 49, 49);
    CBrush* previous = dc.SelectObject(&grey);
    EXPECT_EQ(previous, &CBrush::Stock(WHITE_BRUSH));
    dc.Ellipse(3, 3, 46, 46);
    EXPECT_EQ(dc.SelectStockObject(WHITE_BRUSH), &grey);
    dc.SelectStockObject(NULL_BRUSH);
    dc.Rectangle(1, 2, 3, 4);
    const std::vector<DrawnShape> expected = {
        {DrawnShape::Rectangle, {0, 0, 49, 49}, kWhite},
        {DrawnShape::Ellipse, {3, 3, 46, 46}, kGrey},
        {DrawnShape::Rectangle, {1, 2, 3, 4}, std::nullopt},
    };
    EXPECT_EQ(dc.shapes, expected);
}

TEST(DeviceContext, EmptyBoxesAndUnknownStockObjectsDoNothing) {
    RecordingDC dc;
    CBrush grey(kGrey);
    dc.SelectObject(&grey);
    EXPECT_EQ(dc.SelectStockObject(99), nullptr);
    EXPECT_EQ(dc.SelectedBrush(), &grey);
    dc.Rectangle(10, 10, 10, 20); // no width
    dc.Ellipse(10, 20, 20, 19);   // upside down
    EXPECT_TRUE(dc.shapes.empty());
}

TEST(DeviceContext, ADeletedBrushFillsNothing) {
    RecordingDC dc;
    CBrush grey(kGrey);
    dc.SelectObject(&grey);
    EXPECT_TRUE(grey.DeleteObject());
    EXPECT_FALSE(grey.DeleteObject());
    dc.Rectangle(0, 0, 5, 5);
    ASSERT_EQ(dc.shapes.size(), 1u);
    EXPECT_EQ(dc.shapes[0].fill, std::nullopt);
}

TEST(AcceleratorTable, HoldsTheTwentyFourEntriesWithTheirFlagBytes) {
    ASSERT_EQ(std::size(g_mainAccelerators), 24u);
    for (std::size_t i = 0; i < std::size(g_mainAccelerators); ++i) {
        const int expected = i < 13 ? 0x09 : i < 21 ? 0x05 : i < 23 ? 0x01 : 0x81;
        EXPECT_EQ(g_mainAccelerators[i].fVirt, expected) << "entry " << i + 1;
    }
}

struct AcceleratorCase {
    UINT key;
    KeyModifiers held;
    UINT command; // 0: the key is not an accelerator
};

TEST(AcceleratorTable, MatchesOnlyWithExactlyItsModifiers) {
    const AcceleratorCase cases[] = {
        {'B', FCONTROL, ID_GAME_BLACK_FIRST},
        {'W', FCONTROL, ID_GAME_WHITE_SECOND},
        {'U', FCONTROL, ID_VOICE_VOLUME_UP},
        {'D', FCONTROL, ID_VOICE_VOLUME_DOWN},
        {'E', FCONTROL, ID_GUIDE_TO_EDGE},
        {VK_UP, FCONTROL, ID_GUIDE_UP},
        {VK_UP, FSHIFT, ID_GUIDE_UP},
        {VK_F8, FCONTROL, ID_GUIDE_UP_RIGHT},
        {VK_F8, FSHIFT, ID_GUIDE_UP_RIGHT},
        {VK_RIGHT, FSHIFT, ID_GUIDE_RIGHT},
        {VK_F7, FCONTROL, ID_GUIDE_DOWN_RIGHT},
        {VK_DOWN, FCONTROL, ID_GUIDE_DOWN},
        {VK_F6, FSHIFT, ID_GUIDE_DOWN_LEFT},
        {VK_LEFT, FCONTROL, ID_GUIDE_LEFT},
        {VK_F5, FSHIFT, ID_GUIDE_UP_LEFT},
        {VK_F1, 0, ID_HELP_HOW_TO_PLAY},
        {VK_F3, 0, ID_SETTINGS_CURSOR_FOLLOW},
        {VK_F4, 0, ID_VOICE_STONE_ONLY},
        // Without its modifier, or with more or other ones, a key is no accelerator.
        {'B', 0, 0},
        {'B', FSHIFT, 0},
        {'B', FCONTROL | FSHIFT, 0},
        {VK_UP, 0, 0},
        {VK_UP, FCONTROL | FSHIFT, 0},
        {VK_UP, FCONTROL | FALT, 0},
        {VK_F5, 0, 0},
        {VK_F5, FALT, 0},
        {VK_F1, FCONTROL, 0},
        {VK_F4, FSHIFT, 0},
        {'A', FCONTROL, 0},
        {VK_RETURN, FCONTROL, 0},
    };
    for (const AcceleratorCase& c : cases) {
        EXPECT_EQ(MatchAccelerator(g_mainAccelerators, c.key, c.held), c.command)
            << "key " << c.key << " modifiers " << int(c.held);
    }
}

// A view that handles one command and records everything it receives.
class ProbeView : public CView {
public:
    std::vector<UINT> commands;
    std::vector<UINT> keys;
    bool OnCmdMsg(UINT id) override {
        if (id != ID_GUIDE_UP)
            return false;
        commands.push_back(id);
        return true;
    }
    void OnDraw(CDC*) override {}
    void OnKeyDown(UINT key, UINT, UINT) override { keys.push_back(key); }
};

class ProbeApp : public CWinApp {
public:
    std::vector<UINT> commands;
    bool OnCmdMsg(UINT id) override {
        commands.push_back(id);
        return CWinApp::OnCmdMsg(id);
    }
};

struct RoutingFixture : ::testing::Test {
    Transcript transcript;
    RecordingHost host{transcript};
    ProbeApp app;
    CFrameWnd frame;
    ProbeView view;
    RoutingFixture() {
        frame.SetActiveView(&view);
        frame.LoadAccelTable(g_mainAccelerators);
        app.m_pMainWnd = &frame;
    }
};

TEST_F(RoutingFixture, TheViewGetsCommandsFirstAndTheApplicationTheRest) {
    EXPECT_TRUE(frame.OnCmdMsg(ID_GUIDE_UP));
    EXPECT_TRUE(frame.OnCmdMsg(ID_APP_EXIT));
    EXPECT_FALSE(frame.OnCmdMsg(ID_LEVEL_WEAK));
    EXPECT_EQ(view.commands, std::vector<UINT>{ID_GUIDE_UP});
    EXPECT_EQ(app.commands, (std::vector<UINT>{ID_APP_EXIT, ID_LEVEL_WEAK}));
    EXPECT_EQ(transcript.Entries(), std::vector<std::string>{"close posted"});
}

TEST_F(RoutingFixture, AnAcceleratorKeyIsUsedUpEvenWhenNobodyHandlesItsCommand) {
    EXPECT_TRUE(frame.TranslateAccelerator(VK_UP, FSHIFT));
    EXPECT_TRUE(frame.TranslateAccelerator(VK_F1, 0)); // no handler yet
    EXPECT_FALSE(frame.TranslateAccelerator(VK_UP, 0));
    EXPECT_EQ(view.commands, std::vector<UINT>{ID_GUIDE_UP});
    EXPECT_EQ(app.commands, std::vector<UINT>{ID_HELP_HOW_TO_PLAY});
}

TEST_F(RoutingFixture, MessageBoxesCarryTheApplicationsNameAndTheirIcons) {
    host.AnswerNext(true);
    EXPECT_EQ(AfxMessageBox("q", MB_YESNO), IDYES);
    EXPECT_EQ(AfxMessageBox("w"), IDOK);
    EXPECT_EQ(AfxMessageBox("i", MB_OK | MB_ICONINFORMATION), IDOK);
    EXPECT_EQ(view.MessageBox("plain"), IDOK);
    EXPECT_EQ(AfxMessageBox("unscripted", MB_YESNO), IDNO);
    ASSERT_EQ(host.Boxes().size(), 5u);
    const UINT types[] = {MB_YESNO | MB_ICONQUESTION, MB_OK | MB_ICONEXCLAMATION,
                          MB_OK | MB_ICONINFORMATION, MB_OK, MB_YESNO | MB_ICONQUESTION};
    for (std::size_t i = 0; i < host.Boxes().size(); ++i) {
        EXPECT_EQ(host.Boxes()[i].caption, "Tavro");
        EXPECT_EQ(host.Boxes()[i].type, types[i]) << host.Boxes()[i].text;
    }
    EXPECT_EQ(transcript.Entries(),
              (std::vector<std::string>{"message q", "answer yes", "message w", "message i",
                                        "message plain", "message unscripted", "answer none"}));
}

TEST_F(RoutingFixture, WaitCursorCallsNestAndOnlyTheOutermostShow) {
    view.BeginWaitCursor();
    view.BeginWaitCursor();
    view.EndWaitCursor();
    view.EndWaitCursor();
    view.EndWaitCursor(); // one End too many changes nothing
    EXPECT_EQ(transcript.Entries(),
              (std::vector<std::string>{"wait-cursor on", "wait-cursor off"}));
}

TEST_F(RoutingFixture, DeviceContextsGoBackOnceAndOnlyTheirOwn) {
    CDC* dc = view.GetDC();
    dc->Rectangle(0, 0, 2, 2);
    RecordingDC stranger;
    EXPECT_EQ(view.ReleaseDC(&stranger), 0);
    EXPECT_EQ(view.ReleaseDC(dc), 1);
    EXPECT_EQ(transcript.Entries(), std::vector<std::string>{"redraw"});
    ASSERT_EQ(host.LastPicture().size(), 1u);
    EXPECT_EQ(host.LastPicture()[0].box, (CRect{0, 0, 2, 2}));
}

TEST(NoWindowSystem, AnswersNoToEveryQuestion) {
    EXPECT_EQ(AfxMessageBox("quit?", MB_YESNO), IDNO);
    EXPECT_EQ(AfxMessageBox("note"), IDOK);
}

} // namespace
