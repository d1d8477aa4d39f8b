// OK and Cancel of the settings dialogs on the editor.
#include <gtest/gtest.h>

#include "radio_data/editor_state.h"
#include "shell/dialog_settings.h"

namespace m742 {
namespace {

EditorState Started() {
    EditorState editor;
    CreateDialogControls(editor);
    return editor;
}

TEST(DialogSettings, OkTakesTheControlsOfOneDialogOnly) {
    EditorState editor = Started();
    editor.dialogs.sideKeys = {5, 0, 6, 3};
    editor.dialogs.dtmf = {89, 255, 1};
    editor.dialogs.powerLevels = {10, 250};

    AcceptDialog(editor, SettingsDialog::kSideKeys);
    EXPECT_EQ(editor.sideKeys.pf1Short, 5);
    EXPECT_EQ(editor.sideKeys.pf1Long, 0);
    EXPECT_EQ(editor.sideKeys.pf2Short, 6);
    EXPECT_EQ(editor.sideKeys.pf2Long, 3);
    EXPECT_EQ(editor.dtmf.digitInterval, 2);  // the other dialogs' settings stay
    EXPECT_EQ(editor.powerLevels.low, 92);

    AcceptDialog(editor, SettingsDialog::kDtmf);
    EXPECT_EQ(editor.dtmf.firstDigitDelay, 89);
    EXPECT_EQ(editor.dtmf.digitInterval, 255);
    EXPECT_EQ(editor.dtmf.digitDelay, 1);
    EXPECT_EQ(editor.powerLevels.high, 208);

    AcceptDialog(editor, SettingsDialog::kPower);
    EXPECT_EQ(editor.powerLevels.low, 10);
    EXPECT_EQ(editor.powerLevels.high, 250);
}

TEST(DialogSettings, CancelPutsTheControlsBack) {
    EditorState editor = Started();
    const EditorState started = editor;
    editor.dialogs.sideKeys = {5, 0, 6, 3};
    editor.dialogs.dtmf = {89, 255, 1};
    editor.dialogs.powerLevels = {10, 250};
    RevertDialog(editor, SettingsDialog::kSideKeys);
    RevertDialog(editor, SettingsDialog::kDtmf);
    RevertDialog(editor, SettingsDialog::kPower);
    EXPECT_EQ(editor, started);
}

TEST(DialogSettings, CancelSkipsASettingItsListLacks) {
    EditorState editor = Started();
    editor.sideKeys.pf1Short = 9;  // only a radio image brings such a value
    editor.dtmf.firstDigitDelay = 120;
    editor.dialogs.sideKeys = {5, 5, 5, 5};
    editor.dialogs.dtmf = {7, 7, 7};
    RevertDialog(editor, SettingsDialog::kSideKeys);
    RevertDialog(editor, SettingsDialog::kDtmf);
    EXPECT_EQ(editor.dialogs.sideKeys, (SideKeys{5, 7, 4, 2}));
    EXPECT_EQ(editor.dialogs.dtmf, (DtmfTiming{7, 2, 2}));
}

}  // namespace
}  // namespace m742
