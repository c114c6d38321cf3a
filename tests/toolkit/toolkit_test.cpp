// The toolkit under Wine: tab order and focus, dialog keys, the form reader, the message box
// seam, the exception report and calls handed to the user-interface thread.
#include <windows.h>
#include <objbase.h>

#include <gtest/gtest.h>

#include <memory>
#include <thread>

#include "toolkit/application.h"
#include "toolkit/exceptions.h"
#include "toolkit/form.h"
#include "toolkit/form_loader.h"
#include "toolkit/image.h"
#include "toolkit/label.h"
#include "toolkit/message_box.h"

namespace {

// A focusable control that records the dialog keys it is offered.
class TProbe : public TCustomControl {
public:
    explicit TProbe(TComponent* owner) : TCustomControl(owner) { SetTabStop(true); }
    bool DialogKey(UINT key) override {
        if (key != VK_ESCAPE || !TakesEscape) return false;
        ++EscapesTaken;
        return true;
    }
    bool TakesEscape = false;
    int EscapesTaken = 0;
};

class TNoLayoutContext : public TLayoutContext {
public:
    std::vector<std::uint8_t> Resource(const std::string& name) const override {
        throw Exception("no resource " + name);
    }
    TNotifyEvent NotifyHandler(const std::string& name) const override {
        if (name != "Clicked") throw Exception("no handler " + name);
        return [this](TComponent*) { ++Clicks; };
    }
    TKeyPressEvent KeyPressHandler(const std::string& name) const override { throw Exception("no handler " + name); }
    mutable int Clicks = 0;
};

class ToolkitTest : public ::testing::Test {
protected:
    void SetUp() override {
        FApplication = std::make_unique<TApplication>();
        FApplication->Initialize();
        FApplication->SetTitle("Title");
        SetMessageBoxHandler([this](const TMessageBoxRequest& request) {
            FBoxes.push_back(request);
            return IDOK;
        });
        FForm = std::make_unique<TForm>(nullptr);
        FForm->SetClientSize(300, 200);
    }
    void TearDown() override {
        SetMessageBoxHandler({});
        FForm.reset();
        FApplication.reset();
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        }
    }
    TProbe* AddProbe(TWinControl* parent, int tabOrder, const char* name) {
        auto probe = new TProbe(FForm.get());
        probe->SetName(name);
        probe->SetBounds(10, 10 + 20 * tabOrder, 50, 15);
        probe->SetTabOrder(tabOrder);
        probe->SetParent(parent);
        return probe;
    }
    std::string Focused() const {
        TWinControl* control = TWinControl::FromHandle(GetFocus());
        return control ? control->Name() : "";
    }
    void Show() {
        FForm->ShowForm();
        FApplication->ProcessMessages();
    }
    std::unique_ptr<TApplication> FApplication;
    std::unique_ptr<TForm> FForm;
    std::vector<TMessageBoxRequest> FBoxes;
};

}  // namespace

// Tab order is by TabOrder within each parent, depth first; hidden, disabled and non-tab-stop
// controls are skipped; the move wraps around.
TEST_F(ToolkitTest, SelectNextFollowsTabOrderSkippingWhatCannotTakeTheFocus) {
    TProbe* c = AddProbe(FForm.get(), 2, "c");
    TProbe* a = AddProbe(FForm.get(), 0, "a");
    TProbe* b = AddProbe(FForm.get(), 1, "b");
    TProbe* d = AddProbe(FForm.get(), 3, "d");
    Show();
    EXPECT_EQ(Focused(), "a");  // activation focuses the first tab stop

    struct TCase {
        const char* From;
        bool Forward;
        const char* Expected;
    } cases[] = {{"a", true, "b"}, {"b", true, "c"}, {"d", true, "a"}, {"a", false, "d"}};
    for (const TCase& row : cases) {
        FForm->SelectNext(dynamic_cast<TWinControl*>(FForm->FindComponent(row.From)), row.Forward, true);
        EXPECT_EQ(Focused(), row.Expected) << "from " << row.From << (row.Forward ? " forward" : " back");
    }

    b->SetVisible(false);
    c->SetEnabled(false);
    d->SetTabStop(false);
    a->SetFocus();
    FForm->SelectNext(a, true, true);
    EXPECT_EQ(Focused(), "a") << "nothing else can take the focus: it stays";
    FForm->SelectNext(dynamic_cast<TWinControl*>(FForm->FindComponent("a")), true, false);
    EXPECT_EQ(Focused(), "d") << "without the tab-stop check d counts";
}

TEST_F(ToolkitTest, TabAndEscapeAreDialogKeys) {
    AddProbe(FForm.get(), 0, "a");
    TProbe* b = AddProbe(FForm.get(), 1, "b");
    b->TakesEscape = true;
    Show();
    PostMessageW(GetFocus(), WM_KEYDOWN, VK_TAB, 0);
    FApplication->ProcessMessages();
    EXPECT_EQ(Focused(), "b");
    PostMessageW(GetFocus(), WM_KEYDOWN, VK_ESCAPE, 0);
    FApplication->ProcessMessages();
    EXPECT_EQ(b->EscapesTaken, 1);
}

TEST_F(ToolkitTest, FocusChangesAreBroadcastWithTheActiveControl) {
    AddProbe(FForm.get(), 0, "a");
    TProbe* b = AddProbe(FForm.get(), 1, "b");
    Show();
    b->SetFocus();
    FApplication->ProcessMessages();
    EXPECT_EQ(FForm->ActiveControl(), b);
}

TEST_F(ToolkitTest, ExceptionsEscapingAHandlerAreReportedAndTheLoopGoesOn) {
    TProbe* a = AddProbe(FForm.get(), 0, "a");
    Show();
    struct TCase {
        std::function<void()> Raise;
        const char* Shown;  // nullptr: nothing shown
    } cases[] = {
        {[] { throw Exception("Disk full"); }, "Disk full."},
        {[] { throw Exception("ends with a stop."); }, "ends with a stop."},
        {[] { throw Exception("ends with a comma,"); }, "ends with a comma,"},
        {[] { throw Exception(""); }, ""},
        {[] { throw EAbort(); }, nullptr},
    };
    for (const TCase& row : cases) {
        FBoxes.clear();
        a->OnClick = [&](TComponent*) { row.Raise(); };
        SendMessageW(a->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
        SendMessageW(a->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
        if (!row.Shown) {
            EXPECT_TRUE(FBoxes.empty());
            continue;
        }
        ASSERT_EQ(FBoxes.size(), 1u) << row.Shown;
        EXPECT_EQ(FBoxes[0].Text, row.Shown);
        EXPECT_EQ(FBoxes[0].Caption, "Title");
        EXPECT_EQ(FBoxes[0].Flags & MB_ICONMASK, static_cast<unsigned>(MB_ICONSTOP));
    }
}

TEST_F(ToolkitTest, SynchronizeRunsOnTheUserInterfaceThreadAndPassesExceptionsBack) {
    DWORD ranOn = 0;
    std::string caught;
    std::thread worker([&] {
        FApplication->Synchronize([&] { ranOn = GetCurrentThreadId(); });
        try {
            FApplication->Synchronize([] { throw Exception("from the handler"); });
        } catch (const Exception& error) {
            caught = error.what();
        }
    });
    for (int i = 0; i < 200 && caught.empty(); ++i) {
        FApplication->ProcessMessages();
        Sleep(5);
    }
    worker.join();
    EXPECT_EQ(ranOn, GetCurrentThreadId());
    EXPECT_EQ(caught, "from the handler");
}

TEST_F(ToolkitTest, TerminateEndsTheLoop) {
    Show();
    FApplication->Terminate();
    FApplication->Run();  // returns at once
    EXPECT_TRUE(FApplication->Terminated());
}

TEST_F(ToolkitTest, FormReaderCreatesByClassAndRefusesUnknownNames) {
    RegisterComponentClass<TLabel>("TLabel");
    RegisterComponentClass<TImage>("TImage");
    TNoLayoutContext context;
    LoadForm(*FForm, ReadLayout("object F: TForm\n  Caption = 'x'\n  object L: TLabel\n    Left = 7\n"
                                "    Caption = 'hi'\n    OnClick = Clicked\n  end\nend\n"),
             context);
    auto label = dynamic_cast<TLabel*>(FForm->FindComponent("L"));
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->Left(), 7);
    EXPECT_EQ(label->Parent(), FForm.get());
    EXPECT_FALSE(label->Loading());
    label->Click();
    EXPECT_EQ(context.Clicks, 1);

    struct TCase {
        const char* Layout;
        const char* Message;
    } cases[] = {
        {"object F: TForm\n  object X: TNothing\n  end\nend\n", "Layout line 2: unknown class TNothing"},
        {"object F: TForm\n  Colour = 5\nend\n", "Layout line 2: Colour: unknown property of TForm"},
        {"object F: TForm\n  ClientWidth = 'wide'\nend\n", "Layout line 2: ClientWidth: number expected"},
        {"object F: TForm\n  Color = clPlaid\nend\n", "Layout line 2: Color: unknown colour clPlaid"},
        {"object F: TForm\n  OnClick = Missing\nend\n", "no handler Missing"},
        {"object F: TForm\n  object L: TLabel\n    FocusControl = Nobody\n  end\nend\n",
         "Layout line 3: FocusControl: no control named Nobody"},
        {"object F: TForm\n  object L: TLabel\n    FocusControl = 'L'\n  end\nend\n",
         "Layout line 3: FocusControl: name expected"},
        {"object F: TForm\n  object I: TImage\n    Picture.ScaledData = ('BIG')\n  end\nend\n",
         "Layout line 3: Picture.ScaledData: Picture.Data must come first"},
        {"object F: TForm\n  AccessibleName = 5\nend\n", "Layout line 2: AccessibleName: string expected"},
    };
    for (const TCase& row : cases) {
        TForm form(nullptr);
        try {
            LoadForm(form, ReadLayout(row.Layout), context);
            ADD_FAILURE() << "accepted: " << row.Layout;
        } catch (const Exception& error) {
            EXPECT_STREQ(error.what(), row.Message);
        }
    }
}

TEST_F(ToolkitTest, OwnerFreesWhatItOwns) {
    static int alive = 0;
    struct TCounted : TComponent {
        explicit TCounted(TComponent* owner) : TComponent(owner) { ++alive; }
        ~TCounted() override { --alive; }
    };
    {
        TComponent owner(nullptr);
        auto first = new TCounted(&owner);
        new TCounted(first);  // owned by an owned component
        new TCounted(&owner);
        EXPECT_EQ(alive, 3);
        delete first;  // leaves its owner's list
        EXPECT_EQ(alive, 1);
        EXPECT_EQ(owner.Components().size(), 1u);
    }
    EXPECT_EQ(alive, 0);
}

TEST_F(ToolkitTest, TheApplicationWindowCarriesTheTitleAndOwnsTheForms) {
    Show();
    wchar_t title[32] = {};
    GetWindowTextW(FApplication->Handle(), title, 32);
    EXPECT_STREQ(title, L"Title");
    EXPECT_EQ(GetWindow(FForm->Handle(), GW_OWNER), FApplication->Handle());
    EXPECT_FALSE(GetWindowLongW(FForm->Handle(), GWL_EXSTYLE) & WS_EX_APPWINDOW);
}

TEST_F(ToolkitTest, ComIsInitialisedAsASingleThreadedApartment) {
    // Asking again for the same apartment answers "already initialised"; another kind is refused.
    EXPECT_EQ(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED), S_FALSE);
    CoUninitialize();
    EXPECT_EQ(CoInitializeEx(nullptr, COINIT_MULTITHREADED), RPC_E_CHANGED_MODE);
}

// A hidden child has no window until it is first shown; its window then stacks where it would
// have been had it been made with the others (in the controls' order, the first on top).
TEST_F(ToolkitTest, AHiddenChildGetsItsWindowWhenShownInItsStackingPlace) {
    TProbe* first = AddProbe(FForm.get(), 0, "first");
    TProbe* hidden = AddProbe(FForm.get(), 1, "hidden");
    TProbe* last = AddProbe(FForm.get(), 2, "last");
    hidden->SetVisible(false);
    Show();
    EXPECT_TRUE(first->HandleAllocated());
    EXPECT_TRUE(last->HandleAllocated());
    EXPECT_FALSE(hidden->HandleAllocated()) << "hidden at the first showing";

    hidden->SetVisible(true);
    ASSERT_TRUE(hidden->HandleAllocated()) << "shown: made at once";
    EXPECT_TRUE(IsWindowVisible(hidden->Handle()));
    std::vector<HWND> stack;
    for (HWND child = GetWindow(FForm->Handle(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        stack.push_back(child);
    EXPECT_EQ(stack, (std::vector<HWND>{first->Handle(), hidden->Handle(), last->Handle()}));
}
