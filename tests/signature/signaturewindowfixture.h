#pragma once

// The signature window offscreen, with scripted dialogs and a real store and real files:
// the fixture and the ways a user gives its commands (menu items and shortcuts).

#include "fakedesktop.h"
#include "platform/colour.h"
#include "sentaristore/settingsstore.h"
#include "signature/signaturewindow.h"
#include "tempstore.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QMenu>
#include <QPlainTextEdit>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <filesystem>
#include <fstream>
#include <memory>
#include <tuple>

using namespace sentari;
using namespace sentari::signature;
using platform::MessageStyle;
using testing::FakeDesktop;
using testing::TempStore;

namespace fixture {

inline const QString Tag = QStringLiteral("<Quote will be inserted here>");

struct Fixture {
    TempStore t;
    FakeDesktop desktop;

    // Three entries: a plain, a rich-text (size written with a comma) and an HTML one.
    void storeThree()
    {
        QDir().mkpath(t.path("config/Sentari"));
        t.writeFile(
            "config/Sentari/Sentari.ini",
            ("[General]\nSignatureFile1=" + t.path("a.txt") +
             "\nIntro1=A\\r\\n<Quote will be inserted here>\nSignatureFile2=" + t.path("b.rtf") +
             "\nIntro2=B\nFontname2=Verdana\nFontsize2=\"9,75\"\nFontcolor2=255\n"
             "SignatureFile3=" +
             t.path("c.htm") + "\nIntro3=C\n")
                .toUtf8());
    }
    QString key(const char* name) { return QString::fromStdString(t.store->readSetting(name)); }
};

inline QAction* command(SignatureWindow& w, const QString& caption)
{
    for (QAction* a : w.findChildren<QAction*>())
        if (a->text() == caption)
            return a;
    qFatal("no menu item %s", qPrintable(caption));
}

// The captions of the File menu's list of signatures.
inline QStringList entries(const SignatureWindow& w)
{
    QStringList shown;
    int separators = 0;
    for (QAction* a : w.fileMenu()->actions()) {
        separators += a->isSeparator();
        if (separators == 2 && !a->isSeparator() && a->isVisible())
            shown << a->text();
    }
    return shown;
}

// A key pressed while the editor has the focus.
inline void press(SignatureWindow& w, QKeyCombination key)
{
    if (!w.isActiveWindow()) {
        w.show();
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
    }
    w.editor()->setFocus();
    QTest::keyClick(w.editor(), key.key(), key.keyboardModifiers());
}

} // namespace fixture

using namespace fixture;
