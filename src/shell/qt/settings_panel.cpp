#include "shell/qt/settings_panel.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <QValidator>

#include "channel_editing/qt/editor_document.h"
#include "radio_data/layout.h"
#include "radio_data/lists.h"
#include "shell/panel_rules.h"
#include "shell/qt/main_window.h"
#include "texts/message_style.h"
#include "texts/window_texts.h"

namespace m742 {

namespace {

// What the password and ANI boxes let in: typing, pasting and dropping all pass the box's
// rule. The boxes have no maxLength of their own: it would cut a pasted "12ab34567" to "12ab34"
// before the rule drops the letters.
class PanelBoxValidator : public QValidator {
public:
    PanelBoxValidator(QLineEdit* box, std::string (*filter)(std::string_view), std::size_t length)
        : QValidator(box), m_filter(filter), m_length(length) {
        box->setValidator(this);
    }

    State validate(QString& input, int& pos) const override {
        const std::string before = input.left(pos).toStdString();
        const KeptEntry kept =
            KeepEntry(before + input.mid(pos).toStdString(), before.size(), m_filter, m_length);
        const QString shown = QString::fromStdString(kept.text);
        if (shown != input) {
            input = shown;
            pos = int(QString::fromStdString(kept.text.substr(0, kept.cursor)).size());
        }
        return Acceptable;
    }

private:
    std::string (*m_filter)(std::string_view);
    std::size_t m_length;
};

}  // namespace

SettingsPanel::SettingsPanel(MainWindow& window, EditorDocument& document)
    : QWidget(&window), m_window(window), m_document(document) {
    auto* panels = new QHBoxLayout(this);
    panels->setContentsMargins(0, 0, 0, 0);
    panels->addWidget(BuildModelFrame());
    panels->addWidget(BuildFunctionFrame(), 1);
    connect(&m_document, &EditorDocument::changed, this, [this] { SyncFromEditor(); });
}

void SettingsPanel::SetEditable(bool editable) {
    m_modelFrame->setEnabled(editable);
    m_functionFrame->setEnabled(editable);
}

QGroupBox* SettingsPanel::BuildModelFrame() {
    m_modelFrame = new QGroupBox(this);
    m_modelFrame->setObjectName("Frame1");
    auto* grid = new QGridLayout(m_modelFrame);
    auto* band = new QLabel(m_modelFrame);
    band->setObjectName("Label3");
    auto* bandList = new QComboBox(m_modelFrame);
    bandList->setObjectName("Combo1");  // frequency band
    bandList->addItem(QString());
    connect(bandList, &QComboBox::currentIndexChanged, this, [this](int index) {
        m_document.Apply({EditKind::kBand, 0, 0, {}}, [index](EditorState& editor) {
            editor.settings.band = static_cast<std::int16_t>(index);
        });
        BandChosen();
    });
    auto* passwordLabel = new QLabel(m_modelFrame);
    passwordLabel->setObjectName("Label5");
    m_password = new QLineEdit(m_modelFrame);
    m_password->setObjectName("Text2");
    new PanelBoxValidator(m_password, FilterPassword, kPasswordBoxLength);
    connect(m_password, &QLineEdit::textEdited, this, [this](const QString& kept) {
        m_document.Apply({EditKind::kSetting, 0, 0, "Label5"},
                         [&kept](EditorState& editor) { editor.password = kept.toStdString(); });
    });
    grid->addWidget(band, 0, 0);
    grid->addWidget(bandList, 0, 1);
    grid->addWidget(passwordLabel, 1, 0);
    grid->addWidget(m_password, 1, 1);
    return m_modelFrame;
}

QGroupBox* SettingsPanel::BuildFunctionFrame() {
    m_functionFrame = new QGroupBox(this);
    m_functionFrame->setObjectName("Frame2");
    auto* inner = new QWidget(m_functionFrame);  // Picture1
    inner->setObjectName("Picture1");
    auto* outer = new QVBoxLayout(m_functionFrame);
    outer->addWidget(inner);
    auto* grid = new QGridLayout(inner);
    // Four rows of three settings, each label left of its list.
    const struct {
        const char* label;
        const char* control;
    } layout[4][3] = {
        {{"Label6", "Combo2"}, {"Label8", "Combo4"}, {"Label10", "Combo6"}},
        {{"Label7", "Combo3"}, {"Label9", "Combo9"}, {"Label11", "Combo7"}},
        {{"Label15", "Combo12"}, {"Label4", "Combo10"}, {"Label1", "Combo11"}},
        {{"Label25", "Combo13"}, {"Label13", "Combo14"}, {"Label12", "Text3"}},
    };
    for (int row = 0; row < 4; ++row) {
        for (int col = 0; col < 3; ++col) {
            auto* label = new QLabel(inner);
            label->setObjectName(layout[row][col].label);
            grid->addWidget(label, row, 2 * col);
            const QString control = layout[row][col].control;
            if (control == "Text3") {
                m_ani = new QLineEdit(inner);
                m_ani->setObjectName("Text3");
                new PanelBoxValidator(m_ani, FilterAni, kAniBoxLength);
                connect(m_ani, &QLineEdit::textEdited, this, [this](const QString& kept) {
                    m_document.Apply(
                        {EditKind::kSetting, 0, 0, "Label12"},
                        [&kept](EditorState& editor) { editor.ani = kept.toStdString(); });
                });
                grid->addWidget(m_ani, row, 2 * col + 1);
                continue;
            }
            auto* list = new QComboBox(inner);
            list->setObjectName(control);
            for (const SettingField& field : SettingFields()) {
                if (field.name != control.toStdString()) {
                    continue;
                }
                for (int i = 0; i < ListSize(field.list); ++i) {
                    list->addItem(QString());
                }
                const std::string label = layout[row][col].label;
                connect(
                    list, &QComboBox::currentIndexChanged, this, [this, &field, label](int index) {
                        m_document.Apply({EditKind::kSetting, 0, 0, label},
                                         [&field, index](EditorState& editor) {
                                             field.value(editor) = static_cast<std::int16_t>(index);
                                         });
                    });
            }
            grid->addWidget(list, row, 2 * col + 1);
        }
    }
    // A wider panel widens the three columns of lists alike.
    for (int col = 0; col < 3; ++col) {
        grid->setColumnStretch(2 * col + 1, 1);
    }
    return m_functionFrame;
}

void SettingsPanel::SyncFromEditor() {
    const EditorState& editor = m_document.editor();
    for (const SettingField& field : SettingFields()) {
        if (field.section != Section::kPanel) {
            continue;
        }
        if (auto* list = findChild<QComboBox*>(
                QString::fromUtf8(field.name.data(), qsizetype(field.name.size())))) {
            const QSignalBlocker quiet(list);
            list->setCurrentIndex(SettingValue(field, editor));
        }
    }
    // A box being typed into keeps its cursor: only a text from elsewhere is put in.
    for (auto [box, text] :
         {std::pair{m_password, &editor.password}, std::pair{m_ani, &editor.ani}}) {
        const QString shown = QString::fromStdString(*text);
        if (box->text() != shown) {
            // What the plan holds is shown as it is, even what the box's rule would not let in.
            const QSignalBlocker quiet(box);
            const QValidator* rules = box->validator();
            box->setValidator(nullptr);
            box->setText(shown);
            box->setValidator(rules);
        }
    }
}

void SettingsPanel::BandChosen() {
    m_band = BandLimits{400, 480};
    auto* band = findChild<QComboBox*>("Combo1");
    if (band->currentIndex() != m_bandIndex) {
        const int answer = m_window.ShowMessage(m_window.Text(kBandChangeQuestion).toStdString(),
                                                kStyleQuestion, "");
        if (answer == kMessageNo) {
            band->setCurrentIndex(m_bandIndex);
            return;
        }
        if (answer == kMessageYes) {
            m_document.Apply({EditKind::kBand, 0, 0, {}}, [](EditorState& editor) {
                ClearMemoryChannels(editor);
                ClearDebugChannels(editor);
            });
        }
    }
    m_bandIndex = band->currentIndex();
}

}  // namespace m742
