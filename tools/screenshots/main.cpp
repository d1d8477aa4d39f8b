// Draws the main window into PNG files for the user guide:
//   m742-screenshots OUTPUT-FOLDER
// writes main-window-zh.png and main-window-en.png, the window holding a small sample plan,
// and in English the debug tab (debug-channels-en.png), the side key dialog (side-keys-en.png)
// and the power dialog (power-en.png), Open backup (open-backup-en.png) and Compare with File
// (compare-en.png).
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QTabBar>
#include <QTemporaryDir>
#include <cstdio>

#include "channel_editing/qt/debug_grid.h"
#include "plan_formats/plan_diff.h"
#include "radio_data/backups.h"
#include "radio_data/codec.h"
#include "radio_data/data_file.h"
#include "radio_data/lists.h"
#include "shell/preferences.h"
#include "shell/qt/backup_dialog.h"
#include "shell/qt/channel_area.h"
#include "shell/qt/compare_dialog.h"
#include "shell/qt/dialog_controller.h"
#include "shell/qt/dialogs.h"
#include "shell/qt/main_window.h"
#include "texts/grid_cells.h"
#include "texts/list_texts.h"
#include "texts/store_refusal.h"

namespace {

void SamplePlan(m742::EditorState& editor) {
    const struct {
        const char* rx;
        const char* decode;
        const char* tx;
        const char* encode;
        std::array<std::int16_t, 4> positions;
    } channels[] = {
        {"460.12500", "88.5", "460.12500", "88.5", {0, 0, 1, 1}},
        {"462.56250", "", "467.56250", "D023N", {2, 1, 1, 1}},
        {"450.01250", "67.0", "450.01250", "67.0", {1, 0, 0, 0}},
    };
    int row = 1;
    for (const auto& c : channels) {
        m742::SetMemoryCellText(editor, row, m742::kColumnRx, c.rx);
        m742::SetMemoryCellText(
            editor, row, m742::kColumnDecodeTone,
            *c.decode != '\0' ? c.decode : std::string(m742::OffWord(m742::Lang::English)));
        m742::SetMemoryCellText(editor, row, m742::kColumnTx, c.tx);
        m742::SetMemoryCellText(editor, row, m742::kColumnEncodeTone, c.encode);
        for (int col = m742::kFirstListColumn; col <= m742::kLastListColumn; ++col) {
            m742::SetListPosition(m742::MemoryChannelOf(editor, row), col,
                                  c.positions[static_cast<std::size_t>(col - 5)]);
        }
        ++row;
    }
    editor.ani = "12AB*";
}

bool Save(QWidget& widget, const QString& file) {
    if (!widget.grab().save(file)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
        return false;
    }
    std::printf("%s\n", qPrintable(file));
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: m742-screenshots OUTPUT-FOLDER\n");
        return 2;
    }
    const QDir out(argv[1]);
    QTemporaryDir temp;
    for (const auto& [flag, name] : {std::pair{0, "zh"}, std::pair{1, "en"}}) {
        const auto preferences = std::filesystem::path(temp.path().toStdString()) / name;
        if (const std::string reason =
                m742::SavePreferences(preferences, false, 1, static_cast<std::int16_t>(flag));
            !reason.empty()) {
            qFatal("m742-screenshots: no preferences file: %s", reason.c_str());
        }
        m742::StartupOptions options;
        options.preferences = preferences;
        // The user's own window place stays out of the pictures.
        options.settingsFile = std::filesystem::path(temp.path().toStdString()) / "settings.ini";
        m742::MainWindow window(std::move(options));
        window.document().ApplyUnrecorded(SamplePlan);
        window.document().MarkSaved();  // shown as an opened plan, without the "*" of a change
        window.resize(1180, 760);
        window.show();
        QApplication::processEvents();
        if (!Save(window, out.filePath(QString("main-window-%1.png").arg(name)))) {
            return 1;
        }
        if (flag == 0) {
            continue;
        }
        // The English guide also shows the debug tab and two dialogs.
        window.findChild<QTabBar*>("TabStrip1")->setCurrentIndex(1);
        window.findChild<QComboBox*>("combochannel2")->setCurrentIndex(2);
        window.channels().debugGrid().ShowDebugChannel();
        window.dialogs().ShowSideKeyDialog();
        QApplication::processEvents();
        const bool saved = Save(window, out.filePath("debug-channels-en.png")) &&
                           Save(window.dialogs().sideKeyDialog(), out.filePath("side-keys-en.png"));
        window.dialogs().sideKeyDialog().hide();
        window.dialogs().ShowPowerDialog();
        QApplication::processEvents();
        if (!saved || !Save(window.dialogs().powerDialog(), out.filePath("power-en.png"))) {
            return 1;
        }
        window.dialogs().powerDialog().hide();

        // Open backup, with a read and the copy kept before a write.
        const auto image = m742::EncodeImage(window.editor(), m742::Lang::English);
        const std::filesystem::path backups =
            std::filesystem::path(temp.path().toStdString()) / "backups";
        for (const auto& [kind, stamp] :
             {std::pair{m742::BackupKind::kRead, "20261208-091502"},
              std::pair{m742::BackupKind::kBeforeWrite, "20261208-093017"}}) {
            if (!image.ok() || !m742::KeepBackup(backups, image.value(), kind, stamp).ok()) {
                return 1;
            }
        }
        m742::BackupDialog dialog(backups, 1, &window);
        dialog.resize(640, 300);
        dialog.show();
        QApplication::processEvents();
        if (!Save(dialog, out.filePath("open-backup-en.png"))) {
            return 1;
        }
        dialog.hide();

        // Compare with File, against a file where a channel moved, one went and the squelch
        // and a byte the program does not use changed.
        m742::EditorState other = window.editor();
        m742::SetMemoryCellText(other, 2, m742::kColumnRx, "462.61250");
        m742::ClearMemoryChannel(other, 3);
        other.settings.squelchLevel = 3;
        const auto otherImage = m742::EncodeImage(other, m742::Lang::English);
        if (!otherImage.ok()) {
            return 1;
        }
        std::vector<std::uint8_t> file = m742::DataFileBytes(otherImage.value());
        file[m742::kDataFileHeaderSize + 0x3E0] = 0x00;
        m742::CompareDialog compare(
            m742::CompareDataFiles(m742::DataFileBytes(image.value()), file), "plan.DAT", 1,
            &window);
        compare.show();
        QApplication::processEvents();
        if (!Save(compare, out.filePath("compare-en.png"))) {
            return 1;
        }
    }
    return 0;
}
