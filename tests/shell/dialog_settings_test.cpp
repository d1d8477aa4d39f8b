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
    editor.Form5 = {5, 0, 6, 3};
    editor.Form2 = {89, 255, 1};
    editor.Form3 = {10, 250};

    AcceptDialog(editor, SettingsDialog::kSideKeys);
    EXPECT_EQ(editor.globals.SideKeyPf1Short, 5);
    EXPECT_EQ(editor.globals.SideKeyPf1Long, 0);
    EXPECT_EQ(editor.globals.SideKeyPf2Short, 6);
    EXPECT_EQ(editor.globals.SideKeyPf2Long, 3);
    EXPECT_EQ(editor.globals.DtmfInterval, 2);  // the other dialogs' settings stay
    EXPECT_EQ(editor.globals.PowerLow, 92);

    AcceptDialog(editor, SettingsDialog::kDtmf);
    EXPECT_EQ(editor.globals.DtmfFirstDelay, 89);
    EXPECT_EQ(editor.globals.DtmfInterval, 255);
    EXPECT_EQ(editor.globals.DtmfDelay, 1);
    EXPECT_EQ(editor.globals.PowerHigh, 208);

    AcceptDialog(editor, SettingsDialog::kPower);
    EXPECT_EQ(editor.globals.PowerLow, 10);
    EXPECT_EQ(editor.globals.PowerHigh, 250);
}

TEST(DialogSettings, CancelPutsTheControlsBack) {
    EditorState editor = Started();
    const EditorState started = editor;
    editor.Form5 = {5, 0, 6, 3};
    editor.Form2 = {89, 255, 1};
    editor.Form3 = {10, 250};
    RevertDialog(editor, SettingsDialog::kSideKeys);
    RevertDialog(editor, SettingsDialog::kDtmf);
    RevertDialog(editor, SettingsDialog::kPower);
    EXPECT_EQ(editor, started);
}

TEST(DialogSettings, CancelSkipsASettingItsListLacks) {
    EditorState editor = Started();
    editor.globals.SideKeyPf1Short = 9;  // only a radio image brings such a value
    editor.globals.DtmfFirstDelay = 120;
    editor.Form5 = {5, 5, 5, 5};
    editor.Form2 = {7, 7, 7};
    RevertDialog(editor, SettingsDialog::kSideKeys);
    RevertDialog(editor, SettingsDialog::kDtmf);
    EXPECT_EQ(editor.Form5, (SideKeyDialog{5, 7, 4, 2}));
    EXPECT_EQ(editor.Form2, (DtmfDialog{7, 2, 2}));
}

}  // namespace
}  // namespace m742
