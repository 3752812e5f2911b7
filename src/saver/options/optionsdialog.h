#pragma once

#include <QDialog>
#include <QStringList>
#include <QTimer>
#include <array>
#include <cstdint>
#include <functional>
#include <string_view>
#include <utility>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace sentari {
class SettingsStore;
namespace platform {
class Desktop;
class TwipsScale;
} // namespace platform
} // namespace sentari

namespace sentari::saver {

class SaverPreview;
struct SaverSettings;

struct ColourScheme {
    const char* name;
    std::uint32_t foreground; // 0x00BBGGRR
    std::uint32_t background;
};
extern const std::array<ColourScheme, 7> ColourSchemes;

// How the quotes get their colours: the dialog's three option buttons, top to bottom.
enum class ColourChoice { Scheme, Own, RandomForeground };
// The two colour buttons.
enum class ColourRole { Foreground, Background };

// The saver's settings: effect, font, colours, pause, speed and password protection.
class OptionsDialog : public QDialog {
    Q_OBJECT
public:
    OptionsDialog(SettingsStore& store, platform::Desktop& desktop, const QStringList& fontFamilies,
                  QWidget* parent = nullptr);

    // Opens the password dialog; replaceable so tests can answer it.
    void setPasswordDialogRunner(std::function<void(QWidget* parent)> runner);
    // Where the dialog's writes go (the store by default); tests watch their order here.
    using Writer = std::function<void(std::string_view key, std::string_view value)>;
    void setSettingsWriter(Writer writer);

    void saveOptions();

    QComboBox* transitionBox() const { return transitionBox_; }
    QComboBox* fontBox() const { return fontBox_; }
    QComboBox* schemeBox() const { return schemeBox_; }
    QRadioButton* colourOption(ColourChoice choice) const
    {
        return colourOptions_[std::size_t(choice)];
    }
    QPushButton* colourButton(ColourRole role) const { return colourButtons_[std::size_t(role)]; }
    std::uint32_t colour(ColourRole role) const { return colours_[std::size_t(role)]; }
    QComboBox* pauseBox() const { return pauseBox_; }
    QComboBox* speedBox() const { return speedBox_; }
    QCheckBox* passwordProtection() const { return passwordProtection_; }
    QPushButton* okButton() const { return ok_; }
    QPushButton* cancelButton() const { return cancel_; }
    QPushButton* applyButton() const { return apply_; }
    SaverPreview* preview() const { return preview_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void buildStyleRows(QWidget* frame, const platform::TwipsScale& twips,
                        const QStringList& fontFamilies);
    void buildColourRows(QWidget* frame, const platform::TwipsScale& twips);
    void buildButtons(const platform::TwipsScale& twips);
    void load();
    std::string read(std::string_view key);
    void write(std::string_view key, std::string_view value);
    bool saveReportingFailures();
    void selectColourChoice(ColourChoice choice);
    void colourChoiceSelected(ColourChoice choice);
    void schemeChosen(int index);
    void pickColour(ColourRole role);
    void passwordProtectionClicked();
    bool passwordWorks();
    void askForNewPassword();
    void setColour(ColourRole role, std::uint32_t value);
    // What the controls show, as the saver would read it once saved.
    SaverSettings shownSettings() const;

    SettingsStore& store_;
    platform::Desktop& desktop_;
    std::function<void(QWidget*)> passwordRunner_;
    Writer writer_;
    bool loading_ = false;
    // The stored password cannot be decoded; the first showing asks for a new one.
    bool damagedPassword_ = false;
    QComboBox* transitionBox_ = nullptr;
    QComboBox* fontBox_ = nullptr;
    QComboBox* schemeBox_ = nullptr;
    std::array<QRadioButton*, 3> colourOptions_{};
    std::array<QPushButton*, 2> colourButtons_{};
    std::array<std::uint32_t, 2> colours_{};
    // A click on a caption selects its option; the background's belongs to own colours.
    std::vector<std::pair<QLabel*, ColourChoice>> captionChoices_;
    QComboBox* pauseBox_ = nullptr;
    QComboBox* speedBox_ = nullptr;
    QCheckBox* passwordProtection_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QPushButton* apply_ = nullptr;
    SaverPreview* preview_ = nullptr;
    QTimer previewSoon_; // several changes at once restart the preview once
};

} // namespace sentari::saver
