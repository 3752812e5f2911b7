#pragma once

// The ask-once question: Yes, No and "Don't ask this again". The check box stores its
// state under the question's key at every click, before any button is pressed.

#include "tray/quotekeeper.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QPushButton;

namespace sentari {
class SettingsStore;
}

namespace sentari::tray {

class FrmMsg : public QDialog {
    Q_OBJECT
public:
    FrmMsg(SettingsStore& store, platform::Desktop& desktop, const QString& askKey,
           const QString& question, QPointF twipsPerPixel);

    // True when the user pressed Yes; the close box leaves it false.
    bool askAnswer() const { return AskAnswer; }

    QLabel* message() const { return message_; }
    QPushButton* yesButton() const { return yes_; }
    QPushButton* noButton() const { return no_; }
    QCheckBox* check1() const { return check1_; }

protected:
    void changeEvent(QEvent* event) override;

private:
    void check1Clicked(bool ticked);
    void command1Clicked(bool yes);

    SettingsStore& store_;
    platform::Desktop& desktop_;
    QString AskKey;
    bool AskAnswer = false;
    QLabel* message_;
    QPushButton* yes_;
    QPushButton* no_;
    QCheckBox* check1_;
};

// The AskOnce the program hands to QuoteKeeper: a fresh modal FrmMsg per question.
class AskOnceDialog : public AskOnce {
public:
    AskOnceDialog(SettingsStore& store, platform::Desktop& desktop);
    bool ask(const QString& key, const QString& question) override;

private:
    SettingsStore& store_;
    platform::Desktop& desktop_;
};

} // namespace sentari::tray
