#pragma once

// The ask-once question: Yes, No and "Don't ask this again". The box stores its state under
// the question's key at every click, before any button is pressed.

#include "tray/quotekeeper.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QPushButton;

namespace sentari {
class SettingsStore;
}

namespace sentari::tray {

class AskOnceDialog : public QDialog {
    Q_OBJECT
public:
    AskOnceDialog(SettingsStore& store, platform::Desktop& desktop, QString key,
                  const QString& question, QPointF twipsPerPixel);

    // True when the user pressed Yes; the close box leaves it false.
    bool answeredYes() const { return answeredYes_; }

    QLabel* message() const { return message_; }
    QPushButton* yesButton() const { return yes_; }
    QPushButton* noButton() const { return no_; }
    QCheckBox* dontAskAgainBox() const { return dontAskAgain_; }

protected:
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void dontAskAgainClicked(bool ticked);
    void answer(bool yes);

    SettingsStore& store_;
    platform::Desktop& desktop_;
    QString key_;
    bool answeredYes_ = false;
    QLabel* message_;
    QPushButton* yes_;
    QPushButton* no_;
    QCheckBox* dontAskAgain_;
};

// The AskOnce the program hands to QuoteKeeper: a fresh modal dialog for every question.
class AskOnceWithDialog : public AskOnce {
public:
    AskOnceWithDialog(SettingsStore& store, platform::Desktop& desktop);
    bool ask(const QString& key, const QString& question) override;

private:
    SettingsStore& store_;
    platform::Desktop& desktop_;
};

} // namespace sentari::tray
