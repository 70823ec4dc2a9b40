// The advanced and ad-hoc settings templates as src/res/AdvancedSettings.rc declares them, in pixels of
// a 96-dpi screen, and the user's actions on their controls that the fake host leaves to the test.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "fakes/FakeHost.h"
#include "res/AdvancedSettingsIds.h"

namespace settingstest {

// Dialog units of "MS Shell Dlg" 8 pt to pixels.
inline ui::Rect Dlu(int x, int y, int width, int height) {
    auto px = [](int units) { return units * 3 / 2; };
    auto py = [](int units) { return units * 13 / 8; };
    return {px(x), py(y), px(x + width), py(y + height)};
}

inline void RegisterAdvancedTemplate() {
    using ui::ControlKind;
    fakes::RegisterTemplate(
        IDD_DIALOG_PROFILE_ADVANCED_SETTING,
        {
            {IDC_STATIC_ADVANCED_HEADING, ControlKind::Static, Dlu(7, 7, 286, 10), false},
            {IDC_STATIC_ADVANCED_GROUP_MODE, ControlKind::Button, Dlu(7, 20, 286, 82), false},
            {IDC_CHECK_ADVANCED_300AG, ControlKind::Button, Dlu(15, 32, 270, 10), true},
            {IDC_CHECK_ADVANCED_300G, ControlKind::Button, Dlu(15, 46, 270, 10), true},
            {IDC_CHECK_ADVANCED_300A, ControlKind::Button, Dlu(15, 60, 270, 10), true},
            {IDC_CHECK_ADVANCED_54G, ControlKind::Button, Dlu(15, 74, 270, 10), true},
            {IDC_CHECK_ADVANCED_54A, ControlKind::Button, Dlu(15, 88, 270, 10), true},
            {IDC_STATIC_ADVANCED_GROUP_ADVANCED, ControlKind::Button, Dlu(7, 106, 286, 122), false},
            {IDC_STATIC_ADVANCED_PREAMBLE, ControlKind::Static, Dlu(15, 117, 96, 18), false},
            {IDC_COMBO_ADVANCED_PREAMBLE, ControlKind::Combo, Dlu(115, 119, 100, 60), true},
            {IDC_STATIC_ADVANCED_POWER, ControlKind::Static, Dlu(15, 142, 96, 10), false},
            {IDC_COMBO_ADVANCED_POWER, ControlKind::Combo, Dlu(115, 140, 100, 80), true},
            {IDC_STATIC_ADVANCED_FRAGMENTATION, ControlKind::Static, Dlu(15, 160, 120, 10), false},
            {IDC_SLIDER_ADVANCED_FRAGMENTATION, ControlKind::Slider, Dlu(45, 171, 208, 16), true},
            {IDC_STATIC_ADVANCED_FRAGMENTATION_VALUE, ControlKind::Static, Dlu(140, 160, 40, 10), false},
            {IDC_STATIC_ADVANCED_FRAGMENTATION_MIN, ControlKind::Static, Dlu(11, 174, 32, 10), false},
            {IDC_STATIC_ADVANCED_FRAGMENTATION_MAX, ControlKind::Static, Dlu(255, 174, 34, 10), false},
            {IDC_STATIC_ADVANCED_RTS_CTS, ControlKind::Static, Dlu(15, 194, 120, 10), false},
            {IDC_SLIDER_ADVANCED_RTS_CTS, ControlKind::Slider, Dlu(45, 205, 208, 16), true},
            {IDC_STATIC_ADVANCED_RTS_CTS_VALUE, ControlKind::Static, Dlu(140, 194, 40, 10), false},
            {IDC_STATIC_ADVANCED_RTS_CTS_MIN, ControlKind::Static, Dlu(11, 208, 32, 10), false},
            {IDC_STATIC_ADVANCED_RTS_CTS_MAX, ControlKind::Static, Dlu(255, 208, 34, 10), false},
            {IDC_BUTTON_ADVANCED_USE_DEFAULT, ControlKind::Button, Dlu(7, 236, 96, 14), true},
            {ui::kIdOk, ControlKind::Button, Dlu(169, 236, 60, 14), true},
            {ui::kIdCancel, ControlKind::Button, Dlu(233, 236, 60, 14), true},
        });
}

inline void RegisterAdHocTemplate() {
    using ui::ControlKind;
    fakes::RegisterTemplate(
        IDD_DIALOG_PROFILE_ADHOC_SETTING,
        {
            {IDC_STATIC_ADHOC_STARTADHOC, ControlKind::Static, Dlu(10, 12, 74, 10), false},
            {IDC_COMBO_ADHOC_BAND, ControlKind::Combo, Dlu(88, 10, 102, 60), true},
            {IDC_STATIC_ADHOC_CHANNEL, ControlKind::Static, Dlu(10, 32, 74, 10), false},
            {IDC_COMBO_ADHOC_CHANNEL, ControlKind::Combo, Dlu(88, 30, 102, 120), true},
            {ui::kIdOk, ControlKind::Button, Dlu(70, 58, 56, 14), true},
            {ui::kIdCancel, ControlKind::Button, Dlu(134, 58, 56, 14), true},
        });
}

// An auto check box changes its state before it tells the dialog.
inline void Toggle(fakes::FakeHost& host, ui::ControlId id) {
    host.control(id).checked = !host.control(id).checked;
    host.Click(id);
}

// A drag: the slider takes the focus, stops inside its range and reports its position, as the Win32
// host turns the slider's scroll message into a notice.
inline void Drag(fakes::FakeHost& host, ui::ControlId id, int position) {
    fakes::FakeControl& slider = host.control(id);
    ASSERT_TRUE(slider.enabled) << "dragged disabled slider " << id;
    slider.Focus();
    slider.SetPos(position);
    ui::Notify moved;
    moved.id = id;
    moved.code = ui::kScroll;
    moved.item = slider.pos;
    host.Notify(moved);
}

inline std::vector<std::u16string> Items(fakes::FakeHost& host, ui::ControlId id) {
    return host.control(id).items;
}

inline std::u16string SelectedText(fakes::FakeHost& host, ui::ControlId id) {
    const fakes::FakeControl& list = host.control(id);
    return list.selection >= 0 ? list.items[static_cast<size_t>(list.selection)] : u"(none)";
}

// The English language file as the product ships it, beside the tests in the source tree.
inline std::string ShippedEnglishFile() {
    std::filesystem::path root =
        std::filesystem::path(__FILE__).parent_path().parent_path().parent_path().parent_path();
    std::ifstream in(root / "lang" / "Language" / "English" / "English.lng", std::ios::binary);
    EXPECT_TRUE(in.good()) << "no English.lng under " << root;
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

} // namespace settingstest
