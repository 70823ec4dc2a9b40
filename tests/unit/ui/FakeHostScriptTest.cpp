// The fake host is the stage every dialog test plays on; these pin the parts of it that tests rely on
// to mean what the real host means.
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include "fakes/FakeHost.h"

namespace {

class Probe : public ui::Dialog {
public:
    Probe() : ui::Dialog(500) {}
    bool OnInit() override {
        host().SetTimer(1, 1000);
        return true;
    }
    void OnTimer(int id) override { timerTicks += id; }
    bool OnMessage(uint32_t message, uintptr_t wParam, intptr_t, intptr_t&) override {
        if (message == 0x8069) {
            received += static_cast<int>(wParam);
            if (wParam == 1) {
                host().PostToSelf(0x8069, 2, 0);
            }
            return true;
        }
        return false;
    }
    void OnCommand(ui::ControlId id, int code) override {
        if (id == 10 && code == ui::kClicked) {
            answer = host().ShowMessageBox(u"Sure?", u"Title", ui::kBoxYesNo | ui::kBoxIconQuestion);
            child = host().RunModal(inner);
            return;
        }
        ui::Dialog::OnCommand(id, code);
    }
    void OnDestroy() override { destroyed = true; }

    class Inner : public ui::Dialog {
    public:
        Inner() : ui::Dialog(501) {}
        bool OnInit() override {
            host().EndDialog(ui::kIdOk);
            return true;
        }
    } inner;
    int timerTicks = 0;
    int received = 0;
    int answer = 0;
    int child = 0;
    bool destroyed = false;
};

} // namespace

TEST(FakeHost, PostedMessagesArriveInOrderIncludingOnesPostedWhileHandling) {
    Probe probe;
    fakes::FakeHost host(probe);
    host.Open();
    host.PostToSelf(0x8069, 1, 0);
    EXPECT_EQ(host.PumpPosted(), 2);
    EXPECT_EQ(probe.received, 3);
}

TEST(FakeHost, TimersFireOnlyWhileRunningAndStopAtDestroy) {
    Probe probe;
    fakes::FakeHost host(probe);
    host.Open();
    EXPECT_EQ(host.TimerInterval(1), 1000u);
    host.FireTimer(1);
    EXPECT_EQ(probe.timerTicks, 1);
    host.Destroy();
    EXPECT_TRUE(probe.destroyed);
    EXPECT_FALSE(host.TimerRunning(1));
    EXPECT_FALSE(probe.IsOpen());
}

TEST(FakeHost, MessageBoxesAndModalChildrenFollowTheScript) {
    Probe probe;
    fakes::FakeHost host(probe);
    host.Open();
    host.messageBoxAnswers.push_back(ui::kAnswerNo);
    host.Click(10);
    EXPECT_EQ(probe.answer, ui::kAnswerNo);
    ASSERT_EQ(host.messageBoxes.size(), 1u);
    EXPECT_EQ(host.messageBoxes[0].caption, u"Title");
    EXPECT_EQ(probe.child, ui::kIdOk) << "the child ended itself with OK in its OnInit";
    EXPECT_EQ(host.modalTemplates, std::vector<int>{501});
    // Without a scripted answer a yes/no box answers yes.
    host.Click(10);
    EXPECT_EQ(probe.answer, ui::kAnswerYes);
}

TEST(FakeHost, CancelEndsTheDialogAndDisabledControlsCannotBeClicked) {
    Probe probe;
    fakes::FakeHost host(probe);
    host.Open();
    host.Enable(ui::kIdOk, false);
    EXPECT_NONFATAL_FAILURE(host.Click(ui::kIdOk), "disabled");
    EXPECT_FALSE(host.ended());
    host.Click(ui::kIdCancel);
    EXPECT_TRUE(host.ended());
    EXPECT_EQ(host.result(), ui::kIdCancel);
}

namespace {

class AsksForMissing : public ui::Dialog {
public:
    explicit AsksForMissing(bool mistyped) : ui::Dialog(502), m_mistyped(mistyped) {}
    bool OnInit() override {
        if (m_mistyped) {
            host().Report(8).InsertRow(0, u"y", -1); // control 8 is an edit, not a list view
        } else {
            host().Edit(7).SetText(u"x"); // the template has no control 7
        }
        return true;
    }

private:
    bool m_mistyped;
};

} // namespace

TEST(FakeHost, AStrictTemplateFailsADialogThatAsksForAMissingOrMistypedControl) {
    fakes::RegisterTemplate(502, {{8, ui::ControlKind::Edit, {}, true}});
    AsksForMissing missing(false);
    fakes::FakeHost missingHost(missing);
    EXPECT_NONFATAL_FAILURE(missingHost.Open(), "asked for edit 7, which its template lacks");
    AsksForMissing mistyped(true);
    fakes::FakeHost mistypedHost(mistyped);
    EXPECT_NONFATAL_FAILURE(mistypedHost.Open(), "asked for list view 8, which its template has as a edit");
    fakes::ForgetTemplates();
}
