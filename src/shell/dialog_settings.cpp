#include "shell/dialog_settings.h"

#include "radio_data/lists.h"

namespace m742 {

namespace {

bool BelongsTo(const SettingField& field, SettingsDialog dialog) {
    if (field.dialogControl == nullptr) {
        return false;
    }
    switch (dialog) {
        case SettingsDialog::kSideKeys:
            return field.list == ListId::kSideKey;
        case SettingsDialog::kDtmf:
            return field.list == ListId::kDtmfFirstDelay || field.list == ListId::kDtmfTime;
        case SettingsDialog::kPower:
            return field.list == ListId::kPowerLevel;
    }
    return false;
}

}  // namespace

std::vector<const SettingField*> DialogFields(SettingsDialog dialog) {
    std::vector<const SettingField*> fields;
    for (const SettingField& field : SettingFields()) {
        if (BelongsTo(field, dialog)) {
            fields.push_back(&field);
        }
    }
    return fields;
}

void AcceptDialog(EditorState& editor, SettingsDialog dialog) {
    for (const SettingField* field : DialogFields(dialog)) {
        field->value(editor) = *field->dialogControl(editor.dialogs);
    }
}

void RevertDialog(EditorState& editor, SettingsDialog dialog) {
    for (const SettingField* field : DialogFields(dialog)) {
        const std::int16_t setting = field->value(editor);
        if (setting >= 0 && setting < ListSize(field->list)) {
            *field->dialogControl(editor.dialogs) = setting;
        }
    }
}

}  // namespace m742
