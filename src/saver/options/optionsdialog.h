#pragma once

#include <QDialog>
#include <QStringList>
#include <array>
#include <cstdint>
#include <functional>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace sentari {
class SettingsStore;
namespace platform {
class Desktop;
}
} // namespace sentari

namespace sentari::saver {

struct ColourScheme {
    const char* name;
    std::uint32_t foreground; // 0x00BBGGRR
    std::uint32_t background;
};
extern const std::array<ColourScheme, 7> ColourSchemes;

// The saver's settings: effect, font, colours, pause, speed and password protection.
class OptionsDialog : public QDialog {
    Q_OBJECT
public:
    OptionsDialog(SettingsStore& store, platform::Desktop& desktop, QStringList fontFamilies,
                  QWidget* parent = nullptr);

    // Opens the password dialog; replaceable so tests can answer it.
    void setPasswordDialogRunner(std::function<void(QWidget* parent)> runner);
    // Where the dialog's writes go (the store by default); tests watch their order here.
    using Writer = std::function<void(std::string_view key, std::string_view value)>;
    void setSettingsWriter(Writer writer);

    void saveOptions();

    // The controls, by their design names.
    QComboBox* transition() const { return transition_; }
    QComboBox* fontNameDrop() const { return fontNameDrop_; }
    QComboBox* colorScheme() const { return colorScheme_; }
    QRadioButton* colorCheck(int index) const { return colorCheck_[std::size_t(index)]; }
    QPushButton* color(int index) const { return color_[std::size_t(index - 1)]; }
    QLabel* label(int index) const { return label_[std::size_t(index)]; }
    QComboBox* timing() const { return timing_; }
    QComboBox* interval() const { return interval_; }
    QCheckBox* checkPassword() const { return checkPassword_; }
    QPushButton* okButton() const { return ok_; }
    QPushButton* cancelButton() const { return cancel_; }
    QPushButton* applyButton() const { return apply_; }
    std::uint32_t colourOf(int index) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void load();
    std::string read(std::string_view key);
    void write(std::string_view key, std::string_view value);
    void selectColorCheck(int index);
    void colorCheckClick(int index);
    void colorSchemeClick(int index);
    void colorClick(int index);
    void checkPasswordClick();
    void setColour(int index, std::uint32_t bgr);

    SettingsStore& store_;
    platform::Desktop& desktop_;
    std::function<void(QWidget*)> passwordRunner_;
    Writer writer_;
    bool loading_ = false;
    QComboBox* transition_;
    QComboBox* fontNameDrop_;
    QComboBox* colorScheme_;
    std::array<QRadioButton*, 3> colorCheck_{};
    std::array<QPushButton*, 2> color_{};
    std::array<std::uint32_t, 2> colour_{0xFFFFFF, 0};
    std::array<QLabel*, 4> label_{};
    QComboBox* timing_;
    QComboBox* interval_;
    QCheckBox* checkPassword_;
    QPushButton* ok_;
    QPushButton* cancel_;
    QPushButton* apply_;
};

} // namespace sentari::saver
