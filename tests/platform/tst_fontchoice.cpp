// The font dialog opens on the face the editor shows: for every installed family the
// upright, normal-weight face, and a missing family's stand-in.

#include "platform/qtdesktop.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontDialog>
#include <QFontInfo>
#include <QTest>

using namespace sentari;

class FontChoiceTest : public QObject {
    Q_OBJECT
private slots:
    void everyFamilyOpensUpright()
    {
        int checked = 0;
        QFontDialog dialog;
        for (const QString& name : QFontDatabase::families()) {
            // Aliases ("Monospace") open on the family they stand for.
            const QString family = QFontInfo(QFont(name)).family();
            const QStringList styles = QFontDatabase::styles(family);
            const bool hasUpright =
                std::any_of(styles.begin(), styles.end(),
                            [&](const QString& s) { return !QFontDatabase::italic(family, s); });
            const QFont font = platform::regularFont(name, 12);
            QCOMPARE(font.family(), family);
            QCOMPARE(font.pointSizeF(), 12.0);
            if (!hasUpright || styles.isEmpty())
                continue;
            QVERIFY2(!QFontDatabase::italic(family, font.styleName()),
                     qPrintable(family + ": " + font.styleName()));
            QVERIFY2(!font.styleName().contains("Condensed", Qt::CaseInsensitive) ||
                         std::all_of(styles.begin(), styles.end(),
                                     [](const QString& s) { return s.contains("Condensed"); }),
                     qPrintable(family + ": " + font.styleName()));
            // What the dialog then shows: the same upright face, not a guess of its own.
            dialog.setCurrentFont(font);
            QCOMPARE(dialog.currentFont().styleName(), font.styleName());
            QVERIFY2(!QFontInfo(dialog.currentFont()).italic(), qPrintable(family));
            ++checked;
        }
        QVERIFY(checked > 0);
    }

    void missingFamilyOpensOnItsStandIn()
    {
        const QFont font = platform::regularFont(QStringLiteral("No Such Family Anywhere"), 0);
        QCOMPARE(font.family(),
                 QFontInfo(QFont(QStringLiteral("No Such Family Anywhere"))).family());
        QCOMPARE(font.pointSizeF(), 10.0);
    }
};

QTEST_MAIN(FontChoiceTest)
#include "tst_fontchoice.moc"
