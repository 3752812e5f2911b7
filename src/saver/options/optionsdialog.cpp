#include "optionsdialog.h"

#include "passworddialog.h"
#include "platform/desktop.h"
#include "platform/qtstring.h"
#include "saver/glyphcache.h"
#include "saver/saversettings.h"
#include "saver/twips.h"
#include "settings/keys.h"
#include "settings/settingsstore.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace sentari::saver {

namespace {
constexpr std::uint32_t bgr(int r, int g, int b)
{
    return std::uint32_t(r) | (std::uint32_t(g) << 8) | (std::uint32_t(b) << 16);
}
} // namespace

const std::array<ColourScheme, 7> ColourSchemes{{
    {"Black & White", bgr(255, 255, 255), bgr(0, 0, 0)},
    {"Bordeaux", bgr(255, 255, 128), bgr(128, 0, 0)},
    {"Forrest", bgr(255, 192, 130), bgr(0, 64, 64)},
    {"Mellow", bgr(255, 128, 0), bgr(128, 0, 64)},
    {"Old monitor", bgr(0, 217, 54), bgr(0, 0, 0)},
    {"Presentation", bgr(255, 255, 0), bgr(0, 0, 64)},
    {"Warm", bgr(255, 128, 0), bgr(128, 64, 0)},
}};

OptionsDialog::OptionsDialog(SettingsStore& store, platform::Desktop& desktop,
                             QStringList fontFamilies, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      store_(store), desktop_(desktop)
{
    const Twips t;
    setWindowTitle(QStringLiteral("Sentarisaver options"));
    setFixedSize(t.x(5115), t.y(5520));
    if (!parent)
        Twips::centre(this);

    auto* frame = new QGroupBox(QStringLiteral("Styles"), this);
    frame->setGeometry(t.rect(120, 90, 4875, 4800));

    // One row per setting, caption on the left, control on the right.
    const int rowTop = 330;
    const int rowStep = 495;
    auto rowRect = [&](int row, int left, int width) {
        return t.rect(left, rowTop + row * rowStep, width, 315);
    };
    auto caption = [&](int row, const QString& text, int left, int width = 0) {
        auto* l = new QLabel(text, frame);
        l->setGeometry(rowRect(row, left, width > 0 ? width : 2160 - left));
        return l;
    };
    auto combo = [&](int row, const QString& name, const QStringList& items) {
        auto* c = new QComboBox(frame);
        c->setObjectName(name);
        c->addItems(items);
        c->setGeometry(rowRect(row, 2280, 2415));
        return c;
    };
    auto radio = [&](int row, int index) {
        auto* r = new QRadioButton(frame);
        r->setObjectName(QStringLiteral("ColorCheck%1").arg(index));
        r->setGeometry(rowRect(row, 150, 285));
        return r;
    };

    caption(0, QStringLiteral("Transition"), 150);
    transition_ = combo(0, QStringLiteral("Transition"),
                        {"Random", "Waves", "Horizontal bounce", "Shoot", "Trampoline", "Appear",
                         "Typing", "InsideOut", "Scramble"});
    caption(1, QStringLiteral("Font"), 150);
    fontNameDrop_ = combo(1, QStringLiteral("FontNameDrop"), {});
    for (const QString& family : fontFamilies)
        if (!family.isEmpty())
            fontNameDrop_->addItem(family);

    colorCheck_[0] = radio(2, 0);
    label_[0] = caption(2, QStringLiteral("Color scheme"), 480);
    QStringList schemes;
    for (const auto& s : ColourSchemes)
        schemes << QString::fromUtf8(s.name);
    colorScheme_ = combo(2, QStringLiteral("ColorScheme"), schemes);
    colorScheme_->setCurrentIndex(-1);

    colorCheck_[1] = radio(3, 1);
    label_[1] = caption(3, QStringLiteral("Foreground color"), 480);
    label_[3] = caption(4, QStringLiteral("Background color"), 480);
    for (int i = 0; i < 2; ++i) {
        auto* b = new QPushButton(frame);
        b->setObjectName(QStringLiteral("Color%1").arg(i + 1));
        b->setToolTip(QStringLiteral("Click to change color"));
        b->setGeometry(rowRect(3 + i, 2280, 735));
        color_[std::size_t(i)] = b;
        connect(b, &QPushButton::clicked, this, [this, i] { colorClick(i + 1); });
    }
    colorCheck_[2] = radio(5, 2);
    label_[2] = caption(5, QStringLiteral("Random foreground colors"), 480, 4200);

    caption(6, QStringLiteral("Wait for new Quote"), 150);
    timing_ = combo(6, QStringLiteral("Timing"), {"Short", "Medium", "Long"});
    caption(7, QStringLiteral("Speed of transition"), 150);
    interval_ = combo(7, QStringLiteral("Interval"), {"Slow", "Medium", "Fast"});
    caption(8, QStringLiteral("Password protection"), 150);
    checkPassword_ = new QCheckBox(frame);
    checkPassword_->setObjectName(QStringLiteral("CheckPassword"));
    checkPassword_->setGeometry(rowRect(8, 2280, 315));

    auto* group = new QButtonGroup(this);
    for (int i = 0; i < 3; ++i) {
        group->addButton(colorCheck_[std::size_t(i)], i);
        connect(colorCheck_[std::size_t(i)], &QRadioButton::clicked, this,
                [this, i] { colorCheckClick(i); });
    }
    for (int i = 0; i < 4; ++i) {
        label_[std::size_t(i)]->setObjectName(QStringLiteral("label%1").arg(i));
        label_[std::size_t(i)]->installEventFilter(this);
    }
    connect(colorScheme_, &QComboBox::activated, this, &OptionsDialog::colorSchemeClick);
    connect(checkPassword_, &QCheckBox::clicked, this, &OptionsDialog::checkPasswordClick);

    ok_ = new QPushButton(QStringLiteral("&OK"), this);
    ok_->setObjectName(QStringLiteral("cmdOK"));
    ok_->setGeometry(t.rect(1380, 4995, 1095, 375));
    ok_->setDefault(true);
    cancel_ = new QPushButton(QStringLiteral("&Cancel"), this);
    cancel_->setObjectName(QStringLiteral("cmdCancel"));
    cancel_->setGeometry(t.rect(2640, 4995, 1095, 375));
    apply_ = new QPushButton(QStringLiteral("&Apply"), this);
    apply_->setObjectName(QStringLiteral("cmdApply"));
    apply_->setGeometry(t.rect(3900, 4995, 1095, 375));
    connect(ok_, &QPushButton::clicked, this, [this] {
        try {
            saveOptions();
            accept();
        } catch (const StoreError& e) {
            desktop_.message(QString::fromUtf8(e.what()), platform::MessageStyle::Warning);
        }
    });
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
    connect(apply_, &QPushButton::clicked, this, [this] {
        try {
            saveOptions();
        } catch (const StoreError& e) {
            desktop_.message(QString::fromUtf8(e.what()), platform::MessageStyle::Warning);
        }
    });

    writer_ = [this](std::string_view key, std::string_view value) {
        store_.writeSetting(key, value);
    };
    passwordRunner_ = [this](QWidget* parent) {
        PasswordDialog dialog(store_, desktop_, parent);
        dialog.exec();
    };

    try {
        load();
    } catch (const StoreError& e) {
        desktop_.message(QString::fromUtf8(e.what()), platform::MessageStyle::Warning);
    }
}

void OptionsDialog::setPasswordDialogRunner(std::function<void(QWidget*)> runner)
{
    passwordRunner_ = std::move(runner);
}

void OptionsDialog::setSettingsWriter(Writer writer)
{
    writer_ = std::move(writer);
}

void OptionsDialog::write(std::string_view key, std::string_view value)
{
    writer_(key, value);
}

std::string OptionsDialog::read(std::string_view key)
{
    return store_.readSetting(key);
}

void OptionsDialog::load()
{
    loading_ = true;
    // Values that are not a list index or a colour open as the defaults; OK writes them back valid.
    transition_->setCurrentIndex(
        SaverSettings::listIndex(read(keys::ScrTransition), 8).value_or(0));

    const QString font = qs(read(keys::ScrFont));
    fontNameDrop_->setCurrentIndex(fontNameDrop_->count() - 1);
    for (int i = 0; i < fontNameDrop_->count(); ++i) {
        if (fontNameDrop_->itemText(i) == font) {
            fontNameDrop_->setCurrentIndex(i);
            break;
        }
    }

    const std::string fg = read(keys::ScrForegroundColor);
    if (fg != keys::Random) {
        selectColorCheck(1);
        setColour(1, SaverSettings::colour(fg).value_or(SaverSettings::DefaultForeground));
        setColour(2, SaverSettings::colour(read(keys::ScrBackgroundColor))
                         .value_or(SaverSettings::DefaultBackground));
    } else {
        setColour(1, SaverSettings::DefaultForeground);
        selectColorCheck(2);
    }

    timing_->setCurrentIndex(SaverSettings::listIndex(read(keys::ScrTiming), 2).value_or(1));
    interval_->setCurrentIndex(SaverSettings::listIndex(read(keys::ScrInterval), 2).value_or(1));
    checkPassword_->setChecked(!read(keys::Password).empty());
    loading_ = false;
}

void OptionsDialog::selectColorCheck(int index)
{
    colorCheck_[std::size_t(index)]->setChecked(true);
    colorCheckClick(index);
}

void OptionsDialog::colorCheckClick(int index)
{
    switch (index) {
    case 0:
        color_[0]->setEnabled(false);
        color_[1]->setEnabled(false);
        break;
    case 1:
        color_[0]->setEnabled(true);
        color_[1]->setEnabled(true);
        break;
    default:
        setColour(2, 0);
        color_[0]->setEnabled(false);
        color_[1]->setEnabled(false);
        break;
    }
}

bool OptionsDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonRelease) {
        for (int i = 0; i < 4; ++i) {
            if (watched == label_[std::size_t(i)]) {
                // The background caption belongs to the own-colours option.
                selectColorCheck(i == 3 ? 1 : i);
                return true;
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

void OptionsDialog::colorSchemeClick(int index)
{
    if (index < 0 || index >= int(ColourSchemes.size()))
        return;
    selectColorCheck(0);
    setColour(1, ColourSchemes[std::size_t(index)].foreground);
    setColour(2, ColourSchemes[std::size_t(index)].background);
}

void OptionsDialog::colorClick(int index)
{
    // A cancelled picker keeps the button's colour.
    if (const auto chosen = desktop_.chooseColor(colourOf(index)))
        setColour(index, *chosen & 0xFFFFFF);
}

void OptionsDialog::checkPasswordClick()
{
    if (loading_)
        return;
    if (checkPassword_->isChecked())
        passwordRunner_(this);
    else
        write(keys::Password, "");
}

void OptionsDialog::setColour(int index, std::uint32_t value)
{
    colour_[std::size_t(index - 1)] = value;
    color_[std::size_t(index - 1)]->setStyleSheet(
        QStringLiteral("QPushButton { background-color: %1; border: 1px solid gray; }")
            .arg(fromBgr(value).name(QColor::HexRgb)));
}

std::uint32_t OptionsDialog::colourOf(int index) const
{
    return colour_[std::size_t(index - 1)];
}

void OptionsDialog::saveOptions()
{
    write(keys::ScrTransition, std::to_string(transition_->currentIndex()));
    write(keys::ScrFont, u8(fontNameDrop_->currentText()));
    write("scrBackGroundColor", std::to_string(colourOf(2)));
    write("scrForeGroundColor",
          colorCheck_[2]->isChecked() ? std::string(keys::Random) : std::to_string(colourOf(1)));
    write(keys::ScrTiming, std::to_string(timing_->currentIndex()));
    write(keys::ScrInterval, std::to_string(interval_->currentIndex()));
}

} // namespace sentari::saver
