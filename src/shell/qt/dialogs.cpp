#include "shell/qt/dialogs.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QUrl>
#include <QVBoxLayout>

#include "radio_data/lists.h"
#include "texts/list_texts.h"

namespace m742 {

namespace {

QLabel* NamedLabel(const char* name, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    return label;
}

QPushButton* NamedButton(const char* name, QWidget* parent) {
    auto* button = new QPushButton(parent);
    button->setObjectName(name);
    return button;
}

QHBoxLayout* Buttons(std::initializer_list<QPushButton*> buttons) {
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    for (QPushButton* button : buttons) {
        row->addWidget(button);
    }
    return row;
}

// A label that runs `clicked` on a left click anywhere on it, with the pointing hand over it.
class ClickableLabel : public QLabel {
public:
    ClickableLabel(const char* name, std::function<void()> clicked, QWidget* parent)
        : QLabel(parent), m_clicked(std::move(clicked)) {
        setObjectName(name);
        setCursor(Qt::PointingHandCursor);
    }

protected:
    void mouseReleaseEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
            m_clicked();
        }
        QLabel::mouseReleaseEvent(event);
    }

private:
    std::function<void()> m_clicked;
};

// A transparent picture of the given size, drawn by `draw` with smooth edges.
QPixmap Drawn(int width, int height, const std::function<void(QPainter&)>& draw) {
    QPixmap pixmap(width, height);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    draw(painter);
    return pixmap;
}

// The About box's pictures, drawn here: a hand-held radio, and radio waves.
QPixmap RadioPicture() {
    return Drawn(48, 64, [](QPainter& p) {
        p.setPen(QPen(QColor(30, 30, 30), 1.5));
        p.setBrush(QColor(50, 50, 55));
        p.drawLine(QPointF(14, 14), QPointF(14, 2));     // antenna
        p.drawRoundedRect(QRectF(8, 14, 28, 46), 4, 4);  // body
        p.setBrush(QColor(150, 200, 150));
        p.drawRect(QRectF(13, 20, 18, 10));  // display
        p.setBrush(QColor(120, 120, 125));
        for (int row = 0; row < 3; ++row) {
            for (int col = 0; col < 3; ++col) {
                p.drawEllipse(QRectF(13 + col * 7, 35 + row * 7, 4, 4));  // keys
            }
        }
    });
}

QPixmap WavesPicture() {
    return Drawn(64, 64, [](QPainter& p) {
        p.setBrush(Qt::NoBrush);
        for (int i = 1; i <= 3; ++i) {
            p.setPen(QPen(QColor(31, 79, 143, 255 - i * 50), 3));
            const double r = 10.0 * i;
            p.drawArc(QRectF(8 - r, 32 - r, 2 * r, 2 * r), -50 * 16, 100 * 16);
        }
        p.setBrush(QColor(31, 79, 143));
        p.drawEllipse(QRectF(4, 28, 8, 8));
    });
}

}  // namespace

// Lists with OK and Cancel -------------------------------------------------------------------

namespace {

// A dialog's OK as one step: it undoes to the settings, and the dialog's controls, as they were
// before the controls were moved.
void CommitDialog(EditorDocument& document, SettingsDialog dialog, EditKind kind) {
    EditorState before = document.editor();
    RevertDialog(before, dialog);
    EditorState after = document.editor();
    AcceptDialog(after, dialog);
    document.Commit({kind, 0, 0, {}}, before, after);
}

}  // namespace

ListSettingsDialog::ListSettingsDialog(EditorDocument& document, SettingsDialog dialog,
                                       const char* name, int listsPerFrame, QWidget* parent)
    : QDialog(parent), m_document(document), m_dialog(dialog) {
    setObjectName(name);
    auto* layout = new QVBoxLayout(this);
    QGridLayout* grid = nullptr;
    QWidget* holder = this;  // the frame the next list stands in, or the dialog
    int row = 0;
    for (const SettingField* field : DialogFields(dialog)) {
        const int number = int(m_lists.size()) + 1;
        if (grid == nullptr || (listsPerFrame > 0 && row == listsPerFrame)) {
            if (listsPerFrame > 0) {
                auto* frame = new QGroupBox(this);  // no caption
                frame->setObjectName(QString("Frame%1").arg((number - 1) / listsPerFrame + 1));
                layout->addWidget(frame);
                holder = frame;
                grid = new QGridLayout(frame);
            } else {
                grid = new QGridLayout;
                layout->addLayout(grid);
            }
            row = 0;
        }
        auto* label = new QLabel(holder);
        label->setObjectName(QString("Label%1").arg(number));
        auto* list = new QComboBox(holder);
        list->setObjectName(QString("Combo%1").arg(number));
        for (int i = 0; i < ListSize(field->list); ++i) {
            list->addItem(QString::fromStdString(ListItem(field->list, i, Lang::English)));
        }
        connect(list, &QComboBox::currentIndexChanged, this, [this, field](int position) {
            m_document.ApplyUnrecorded([field, position](EditorState& editor) {
                *field->dialogControl(editor.dialogs) = static_cast<std::int16_t>(position);
            });
        });
        grid->addWidget(label, row, 0);
        grid->addWidget(list, row, 1);
        ++row;
        m_lists.emplace_back(field, list);
    }
    QPushButton* ok = NamedButton("Command1", this);
    QPushButton* cancel = NamedButton("Command2", this);
    connect(ok, &QPushButton::clicked, this, [this] { StoreSettings(); });
    connect(cancel, &QPushButton::clicked, this, [this] { DiscardChanges(); });
    layout->addLayout(Buttons({ok, cancel}));
    connect(&m_document, &EditorDocument::changed, this, &ListSettingsDialog::Sync);
    Sync();
}

void ListSettingsDialog::Sync() {
    // The layout table's accessor serves writers too; here it is only read.
    auto& editor = const_cast<EditorState&>(m_document.editor());
    for (const auto& [field, list] : m_lists) {
        const QSignalBlocker quiet(list);
        list->setCurrentIndex(*field->dialogControl(editor.dialogs));
    }
}

void ListSettingsDialog::StoreSettings() {
    CommitDialog(m_document, m_dialog,
                 m_dialog == SettingsDialog::kSideKeys ? EditKind::kSideKeys : EditKind::kDtmf);
    hide();
}

void ListSettingsDialog::DiscardChanges() {
    m_document.ApplyUnrecorded([this](EditorState& editor) { RevertDialog(editor, m_dialog); });
    hide();
}

void SideKeyDialog::closeEvent(QCloseEvent* event) {
    hide();
    event->accept();
}

void FitListsToTexts(QWidget& area) {
    for (QComboBox* list : area.findChildren<QComboBox*>()) {
        // A list keeps the sizes it measured first; a change of style makes it measure again.
        QEvent restyled(QEvent::StyleChange);
        QCoreApplication::sendEvent(list, &restyled);
        // Up to the window: a hidden window's frames would not pass the news on themselves.
        for (QWidget* widget = list; widget != nullptr; widget = widget->parentWidget()) {
            widget->updateGeometry();
            if (widget == &area) {
                break;
            }
        }
    }
}

// Power levels --------------------------------------------------------------------------------

PowerDialog::PowerDialog(EditorDocument& document, std::function<void(int)> maxLabelClicked,
                         QWidget* parent)
    : QDialog(parent), m_document(document), m_maxLabelClicked(std::move(maxLabelClicked)) {
    setObjectName("Form3");
    auto* layout = new QVBoxLayout(this);
    struct Frame {
        const char* frame;
        const char* slider;
        const char* value;
        const char* minLabel;
        const char* maxLabel;
    };
    const Frame frames[] = {{"Frame1", "Slider1", "Lblpower1", "Label3", "Label8"},
                            {"Frame2", "Slider3", "Lblpower3", "Label6", "Label7"}};
    for (const Frame& f : frames) {
        auto* group = new QGroupBox(this);
        group->setObjectName(f.frame);
        auto* grid = new QGridLayout(group);
        auto* slider = new QSlider(Qt::Horizontal, group);
        slider->setObjectName(f.slider);
        slider->setRange(0, 255);
        slider->setSingleStep(1);
        slider->setPageStep(5);
        slider->setMinimumWidth(240);
        QLabel* value = NamedLabel(f.value, group);
        value->setMinimumWidth(value->fontMetrics().horizontalAdvance("0000"));
        QLabel* maxLabel = NamedLabel(f.maxLabel, group);
        maxLabel->installEventFilter(this);
        grid->addWidget(NamedLabel(f.minLabel, group), 0, 0);
        grid->addWidget(slider, 0, 1);
        grid->addWidget(maxLabel, 0, 2);
        grid->addWidget(value, 0, 3);
        layout->addWidget(group);
        const bool low = std::string_view(f.slider) == "Slider1";
        (low ? m_low : m_high) = slider;
        (low ? m_lowValue : m_highValue) = value;
        (low ? m_lowMax : m_highMax) = maxLabel;
        connect(slider, &QSlider::valueChanged, this, [this, low, value](int level) {
            value->setText(QString::number(level));
            m_document.ApplyUnrecorded([low, level](EditorState& editor) {
                (low ? editor.dialogs.powerLevels.low : editor.dialogs.powerLevels.high) =
                    static_cast<std::int16_t>(level);
            });
        });
    }
    QPushButton* ok = NamedButton("Command1", this);
    connect(ok, &QPushButton::clicked, this, [this] { StoreLevels(); });
    layout->addLayout(Buttons({ok}));
    SetUnlocked(false);
    connect(&m_document, &EditorDocument::changed, this, &PowerDialog::Sync);
    Sync();
}

void PowerDialog::Sync() {
    const PowerLevels& levels = m_document.editor().dialogs.powerLevels;
    for (auto [slider, label, level] : {std::tuple{m_low, m_lowValue, levels.low},
                                        std::tuple{m_high, m_highValue, levels.high}}) {
        const QSignalBlocker quiet(slider);
        slider->setValue(level);
        label->setText(QString::number(level));
    }
}

void PowerDialog::SetUnlocked(bool unlocked) {
    m_low->setEnabled(unlocked);
    m_high->setEnabled(unlocked);
}

void PowerDialog::StoreLevels() {
    CommitDialog(m_document, SettingsDialog::kPower, EditKind::kPower);
    hide();
}

void PowerDialog::reject() {
    hide();
}

bool PowerDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        if (watched == m_lowMax) {
            m_maxLabelClicked(8);
        } else if (watched == m_highMax) {
            m_maxLabelClicked(7);
        }
    }
    return QDialog::eventFilter(watched, event);
}

// About ---------------------------------------------------------------------------------------

// The maker's address; the maker publishes none we could check, so it points at a reserved
// example domain until one is given.
const char* const AboutDialog::kMakerAddress = "https://www.orvenna.example/";

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
    setObjectName("frmAbout");
    auto* layout = new QGridLayout(this);
    QLabel* image1 = NamedLabel("Image1", this);
    image1->setPixmap(RadioPicture());
    QLabel* image2 = NamedLabel("Image2", this);
    image2->setPixmap(WavesPicture());
    QLabel* title = NamedLabel("lblTitle", this);
    QFont big = title->font();
    big.setPointSizeF(big.pointSizeF() * 1.4);
    big.setBold(true);
    title->setFont(big);
    auto line = [this](const char* name) {
        auto* frame = new QFrame(this);
        frame->setObjectName(name);
        frame->setFrameShape(QFrame::HLine);
        frame->setFrameShadow(QFrame::Sunken);
        return frame;
    };
    // The maker's line: the name and the address, drawn as a link; a click anywhere on it
    // opens the address.
    auto* maker = new ClickableLabel(
        "lblDescription", [this] { OpenMakerAddress(); }, this);
    maker->setText(
        QString("Orvenna  <span style=\"color: %1; text-decoration: underline\">%2</span>")
            .arg(palette().color(QPalette::Link).name(), kMakerAddress));
    QPushButton* ok = NamedButton("cmdOK", this);
    connect(ok, &QPushButton::clicked, this, [this] { Dismiss(); });

    layout->addWidget(image1, 0, 0, 3, 1);
    layout->addWidget(title, 0, 1);
    layout->addWidget(NamedLabel("lblVersion", this), 1, 1);
    layout->addWidget(NamedLabel("Label1", this), 2, 1);
    layout->addWidget(line("Line1_0"), 3, 0, 1, 3);
    layout->addWidget(maker, 4, 1);
    layout->addWidget(NamedLabel("Label2", this), 5, 1);
    layout->addWidget(line("Line1_1"), 6, 0, 1, 3);
    layout->addWidget(image2, 0, 2, 3, 1);
    layout->addLayout(Buttons({ok}), 7, 0, 1, 3);
}

void AboutDialog::Dismiss() {
    hide();
}

void AboutDialog::OpenMakerAddress() {
    QDesktopServices::openUrl(QUrl(QString::fromLatin1(kMakerAddress)));
}

}  // namespace m742
