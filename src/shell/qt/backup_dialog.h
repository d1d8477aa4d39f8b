// "Open backup": the backups kept by reads and writes, newest first, with their date, time,
// kind and first channels; OK opens the chosen one.
#pragma once

#include <QDialog>
#include <QString>
#include <cstdint>
#include <filesystem>

class QLabel;
class QPushButton;
class QTreeWidget;

namespace m742 {

class BackupDialog : public QDialog {
public:
    BackupDialog(const std::filesystem::path& folder, std::int16_t languageFlag,
                 QWidget* parent = nullptr);

    QTreeWidget& list() const { return *m_list; }
    // The file of the selected backup; empty when none is selected.
    QString chosenFile() const;

private:
    QTreeWidget* m_list = nullptr;  // lstBackups
    QLabel* m_empty = nullptr;      // lblNoBackups
    QPushButton* m_ok = nullptr;    // cmdOK
};

}  // namespace m742
