#include "optionsdialog.h"

#include "platform/colour.h"
#include "platform/desktop.h"
#include "platform/failure.h"
#include "platform/fitlayout.h"
#include "platform/qtstring.h"
#include "platform/twips.h"
#include "saver/effects.h"
#include "saver/options/centre.h"
#include "saver/options/passworddialog.h"
#include "saver/options/saverpreview.h"
#include "saver/passwordcode.h"
#include "saver/saversettings.h"
#include "sentaristore/settings/keys.h"
#include "sentaristore/settingsstore.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTimer>
#include <algorithm>

namespace sentari::saver {

const std::array<ColourScheme, 7> ColourSchemes{{
    {QT_TRANSLATE_NOOP("sentari::saver::OptionsDialog", "Black & White"),
     colour::fromRgb({255, 255, 255}), colour::fromRgb({0, 0, 0})},
    {QT_TRANSLATE_NOOP("sentari::saver::OptionsDialog", "Bordeaux"),
     colour::fromRgb({255, 255, 128}), colour::fromRgb({128, 0, 0})},
    {QT_TRANSLATE_NOOP("sentari::saver::OptionsDialog", "Forrest"),
     colour::fromRgb({255, 192, 130}), colour::fromRgb({0, 64, 64})},
    {QT_TRANSLATE_NOOP("sentari::saver::OptionsDialog", "Mellow"), colour::fromRgb({255, 128, 0}),
     colour::fromRgb({128, 0, 64})},
    {QT_TRANSLATE_NOOP("sentari::saver::OptionsDialog", "Old monitor"),
     colour::fromRgb({0, 217, 54}), colour::fromRgb({0, 0, 0})},
    {QT_TRANSLATE_NOOP("sentari::saver::OptionsDialog", "Presentation"),
     colour::fromRgb({255, 255, 0}), colour::fromRgb({0, 0, 64})},
    {QT_TRANSLATE_NOOP("sentari::saver::OptionsDialog", "Warm"), colour::fromRgb({255, 128, 0}),
     colour::fromRgb({128, 64, 0})},
}};

OptionsDialog::OptionsDialog(SettingsStore& store, platform::Desktop& desktop,
                             const QStringList& fontFamilies, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      store_(store), desktop_(desktop)
{
    const platform::TwipsScale twips(platform::twipsPerPixel(QGuiApplication::primaryScreen()));
    setWindowTitle(tr("Sentarisaver options"));
    // Beside the settings, the saver as they stand, in the primary screen's proportions.
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QSize screenSize = screen ? screen->size() : QSize(1024, 768);
    constexpr int PreviewWidth = 4800;
    const int previewHeight = PreviewWidth * screenSize.height() / std::max(1, screenSize.width());
    setFixedSize(twips.size(5115 + PreviewWidth + 120, 5520));

    auto* frame = new QGroupBox(tr("Styles"), this);
    frame->setGeometry(twips.rect(120, 90, 4875, 4800));
    buildStyleRows(frame, twips, fontFamilies);
    buildButtons(twips);
    preview_ = new SaverPreview(storeQuotes(store_), this);
    preview_->setGeometry(twips.rect(5115, 180, PreviewWidth, std::min(previewHeight, 4710)));
    platform::growToFit(this);
    if (!parent)
        centreOnScreen(this);
    previewSoon_.setSingleShot(true);
    previewSoon_.setInterval(0);
    connect(&previewSoon_, &QTimer::timeout, this,
            [this] { preview_->showSettings(shownSettings()); });

    writer_ = [this](std::string_view key, std::string_view value) {
        store_.writeSetting(key, value);
    };
    passwordRunner_ = [this](QWidget* parent) {
        PasswordDialog dialog(store_, desktop_, parent);
        dialog.exec();
    };

    loading_ = true;
    platform::reportingFailures<StoreError>(desktop_, [this] { load(); });
    loading_ = false;

    for (QComboBox* box : {transitionBox_, fontBox_, pauseBox_, speedBox_})
        connect(box, &QComboBox::currentIndexChanged, &previewSoon_, qOverload<>(&QTimer::start));
    for (QRadioButton* option : colourOptions_)
        connect(option, &QRadioButton::toggled, &previewSoon_, qOverload<>(&QTimer::start));
    preview_->showSettings(shownSettings());
}

SaverSettings OptionsDialog::shownSettings() const
{
    SaverSettings s;
    s.transition = transitionBox_->currentIndex();
    s.font = fontBox_->currentText();
    s.randomForeground = colourOption(ColourChoice::RandomForeground)->isChecked();
    s.foreground = colour(ColourRole::Foreground);
    s.background = colour(ColourRole::Background);
    s.pause = pauseBox_->currentIndex();
    s.speed = speedBox_->currentIndex();
    return s;
}

namespace {

// The settings stand one to a row, caption on the left, control on the right.
class Rows {
public:
    Rows(QWidget* frame, const platform::TwipsScale& twips) : frame_(frame), twips_(twips) {}

    QRect rect(int row, int left, int width) const
    {
        return twips_.rect(left, 330 + row * 495, width, 315);
    }
    // The caption is the control's buddy: its access key reaches the control, and a screen
    // reader names the control after it.
    QLabel* caption(int row, const QString& text, QWidget* buddy, int left = 150,
                    int width = 0) const
    {
        auto* label = new QLabel(text, frame_);
        label->setGeometry(rect(row, left, width > 0 ? width : 2160 - left));
        label->setBuddy(buddy);
        return label;
    }
    QComboBox* list(int row, const QStringList& items) const
    {
        auto* box = new QComboBox(frame_);
        box->addItems(items);
        box->setGeometry(rect(row, 2280, 2415));
        return box;
    }
    template <typename Widget> Widget* control(int row, int left, int width) const
    {
        auto* widget = new Widget(frame_);
        widget->setGeometry(rect(row, left, width));
        return widget;
    }

private:
    QWidget* frame_;
    const platform::TwipsScale& twips_;
};

} // namespace

void OptionsDialog::buildStyleRows(QWidget* frame, const platform::TwipsScale& twips,
                                   const QStringList& fontFamilies)
{
    const Rows rows(frame, twips);
    QStringList transitions{tr("Random")};
    for (const EffectInfo& effect : effects())
        transitions << tr(effect.caption);
    transitionBox_ = rows.list(0, transitions);
    rows.caption(0, tr("&Transition"), transitionBox_);
    fontBox_ = rows.list(1, {});
    for (const QString& family : fontFamilies)
        if (!family.isEmpty())
            fontBox_->addItem(family);
    rows.caption(1, tr("&Font"), fontBox_);

    buildColourRows(frame, twips);

    pauseBox_ = rows.list(6, {tr("Short"), tr("Medium", "wait"), tr("Long")});
    rows.caption(6, tr("&Wait for new Quote"), pauseBox_);
    speedBox_ = rows.list(7, {tr("Slow"), tr("Medium", "speed"), tr("Fast")});
    rows.caption(7, tr("Spee&d of transition"), speedBox_);
    passwordProtection_ = rows.control<QCheckBox>(8, 2280, 315);
    rows.caption(8, tr("&Password protection"), passwordProtection_);
    passwordProtection_->setToolTip(
        tr("A screen-saver password, not a session lock: other programs can end the saver or "
           "read the keys typed; to lock the session, run Sentarisaver as a hack under your "
           "desktop's locker (xscreensaver's lock)."));
    connect(passwordProtection_, &QCheckBox::clicked, this,
            &OptionsDialog::passwordProtectionClicked);
}

void OptionsDialog::buildColourRows(QWidget* frame, const platform::TwipsScale& twips)
{
    const Rows rows(frame, twips);
    auto option = [&](int row, ColourChoice choice, const QString& text, int width = 0) {
        auto* button = rows.control<QRadioButton>(row, 150, 285);
        colourOptions_[std::size_t(choice)] = button;
        captionChoices_.emplace_back(rows.caption(row, text, button, 480, width), choice);
        return button;
    };
    QRadioButton* schemeOption = option(2, ColourChoice::Scheme, tr("Color &scheme"));
    QStringList schemes;
    for (const auto& s : ColourSchemes)
        schemes << tr(s.name);
    schemeBox_ = rows.list(2, schemes);
    schemeBox_->setCurrentIndex(-1);
    // The caption leads to the list, which chooses the scheme option as it chooses; a
    // screen reader names both after it.
    captionChoices_.back().first->setBuddy(schemeBox_);
    // Controls named after their row's caption, as a screen reader reads it.
    const auto nameAfterCaption = [](QWidget* control, const QLabel* caption) {
        control->setAccessibleName(QString(caption->text()).remove(QLatin1Char('&')));
    };
    nameAfterCaption(schemeOption, captionChoices_.back().first);
    option(3, ColourChoice::Own, tr("Fo&reground color"));
    const QLabel* foregroundCaption = captionChoices_.back().first;
    for (const auto role : {ColourRole::Foreground, ColourRole::Background}) {
        auto* button = rows.control<QPushButton>(role == ColourRole::Foreground ? 3 : 4, 2280, 735);
        button->setToolTip(tr("Click to change color"));
        colourButtons_[std::size_t(role)] = button;
        connect(button, &QPushButton::clicked, this, [this, role] { pickColour(role); });
    }
    // The row's caption names the choice; the button is named after the row all the same.
    nameAfterCaption(colourButtons_[std::size_t(ColourRole::Foreground)], foregroundCaption);
    captionChoices_.emplace_back(rows.caption(4, tr("&Background color"),
                                              colourButtons_[std::size_t(ColourRole::Background)],
                                              480),
                                 ColourChoice::Own);
    option(5, ColourChoice::RandomForeground, tr("Ra&ndom foreground colors"), 4200);

    auto* group = new QButtonGroup(this);
    for (const auto choice :
         {ColourChoice::Scheme, ColourChoice::Own, ColourChoice::RandomForeground}) {
        group->addButton(colourOption(choice));
        connect(colourOption(choice), &QRadioButton::clicked, this,
                [this, choice] { colourChoiceSelected(choice); });
    }
    for (const auto& [label, choice] : captionChoices_)
        label->installEventFilter(this);
    connect(schemeBox_, &QComboBox::activated, this, &OptionsDialog::schemeChosen);
}

void OptionsDialog::buildButtons(const platform::TwipsScale& twips)
{
    ok_ = new QPushButton(tr("&OK"), this);
    ok_->setGeometry(twips.rect(1380, 4995, 1095, 375));
    ok_->setDefault(true);
    cancel_ = new QPushButton(tr("&Cancel"), this);
    cancel_->setGeometry(twips.rect(2640, 4995, 1095, 375));
    apply_ = new QPushButton(tr("&Apply"), this);
    apply_->setGeometry(twips.rect(3900, 4995, 1095, 375));
    connect(ok_, &QPushButton::clicked, this, [this] {
        if (saveReportingFailures())
            accept();
    });
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
    connect(apply_, &QPushButton::clicked, this, &OptionsDialog::saveReportingFailures);
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
    // A value outside its key's range opens as the key's first value; OK writes it back valid.
    const auto number = [this](std::string_view key) {
        return static_cast<int>(keys::numberOrFirst(key, read(key)));
    };
    transitionBox_->setCurrentIndex(number(keys::ScrTransition));

    const QString font = qs(read(keys::ScrFont));
    fontBox_->setCurrentIndex(fontBox_->count() - 1);
    for (int i = 0; i < fontBox_->count(); ++i) {
        if (fontBox_->itemText(i) == font) {
            fontBox_->setCurrentIndex(i);
            break;
        }
    }

    const std::string foreground = read(keys::ScrForegroundColor);
    if (foreground != keys::Random) {
        selectColourChoice(ColourChoice::Own);
        setColour(ColourRole::Foreground,
                  std::uint32_t(keys::numberOrFirst(keys::ScrForegroundColor, foreground)));
        setColour(ColourRole::Background, std::uint32_t(number(keys::ScrBackgroundColor)));
    } else {
        setColour(ColourRole::Foreground,
                  std::uint32_t(keys::firstNumber(keys::ScrForegroundColor)));
        selectColourChoice(ColourChoice::RandomForeground);
    }

    pauseBox_->setCurrentIndex(number(keys::ScrTiming));
    speedBox_->setCurrentIndex(number(keys::ScrInterval));
    // A damaged password protects nothing: the box shows it so, and the user is asked.
    damagedPassword_ = !read(keys::Password).empty() && !passwordWorks();
    passwordProtection_->setChecked(passwordWorks());
}

bool OptionsDialog::passwordWorks()
{
    const std::string stored = read(keys::Password);
    return !stored.empty() && decodePassword(qs(stored)).has_value();
}

void OptionsDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (damagedPassword_) {
        damagedPassword_ = false;
        QTimer::singleShot(0, this, &OptionsDialog::askForNewPassword);
    }
}

void OptionsDialog::askForNewPassword()
{
    desktop_.message(tr("The stored password is damaged and could never be typed, so the "
                        "screen saver does not lock. Please choose a new password."),
                     platform::MessageStyle::Information);
    passwordRunner_(this);
    platform::reportingFailures<StoreError>(
        desktop_, [this] { passwordProtection_->setChecked(passwordWorks()); });
}

void OptionsDialog::selectColourChoice(ColourChoice choice)
{
    colourOption(choice)->setChecked(true);
    colourChoiceSelected(choice);
}

void OptionsDialog::colourChoiceSelected(ColourChoice choice)
{
    // Random foreground colours are drawn on black.
    if (choice == ColourChoice::RandomForeground)
        setColour(ColourRole::Background, colour::Black);
    for (auto* button : colourButtons_)
        button->setEnabled(choice == ColourChoice::Own);
}

bool OptionsDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonRelease) {
        for (const auto& [label, choice] : captionChoices_) {
            if (watched == label) {
                selectColourChoice(choice);
                return true;
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

void OptionsDialog::schemeChosen(int index)
{
    if (index < 0 || index >= int(ColourSchemes.size()))
        return;
    selectColourChoice(ColourChoice::Scheme);
    setColour(ColourRole::Foreground, ColourSchemes[std::size_t(index)].foreground);
    setColour(ColourRole::Background, ColourSchemes[std::size_t(index)].background);
}

void OptionsDialog::pickColour(ColourRole role)
{
    // A cancelled picker keeps the button's colour.
    if (const auto chosen = desktop_.chooseColor(colour(role)))
        setColour(role, *chosen & colour::White);
}

void OptionsDialog::passwordProtectionClicked()
{
    if (loading_)
        return;
    if (passwordProtection_->isChecked())
        passwordRunner_(this);
    else
        platform::reportingFailures<StoreError>(desktop_, [this] { write(keys::Password, ""); });
}

void OptionsDialog::setColour(ColourRole role, std::uint32_t value)
{
    colours_[std::size_t(role)] = value;
    colourButtons_[std::size_t(role)]->setStyleSheet(
        QStringLiteral("QPushButton { background-color: %1; border: 1px solid gray; }")
            .arg(platform::toQColor(value).name()));
    previewSoon_.start();
}

bool OptionsDialog::saveReportingFailures()
{
    return platform::reportingFailures<StoreError>(desktop_, [this] { saveOptions(); });
}

void OptionsDialog::saveOptions()
{
    write(keys::ScrTransition, std::to_string(transitionBox_->currentIndex()));
    write(keys::ScrFont, u8(fontBox_->currentText()));
    write("scrBackGroundColor", std::to_string(colour(ColourRole::Background)));
    write("scrForeGroundColor", colourOption(ColourChoice::RandomForeground)->isChecked()
                                    ? std::string(keys::Random)
                                    : std::to_string(colour(ColourRole::Foreground)));
    write(keys::ScrTiming, std::to_string(pauseBox_->currentIndex()));
    write(keys::ScrInterval, std::to_string(speedBox_->currentIndex()));
}

} // namespace sentari::saver
