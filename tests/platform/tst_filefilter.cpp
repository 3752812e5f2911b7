#include "platform/desktop.h"

#include <QTest>

using sentari::platform::qtFileFilter;

class FileFilterTest : public QObject {
    Q_OBJECT
private slots:
    void converts_data()
    {
        QTest::addColumn<QString>("windows");
        QTest::addColumn<QString>("qt");
        QTest::newRow("one type") << "Text (*.txt)|*.txt"
                                  << "Text (*.txt)";
        // The signature window's filter has a blank after the rich-text pattern.
        QTest::newRow("three types, stray blank")
            << "Text (*.txt)|*.txt|Richtext (*.rtf)|*.rtf |HTML File (*.htm)|*.htm"
            << "Text (*.txt);;Richtext (*.rtf);;HTML File (*.htm)";
        QTest::newRow("label without patterns") << "Quotes|*.txt;*.q"
                                                << "Quotes (*.txt *.q)";
        QTest::newRow("dangling label ignored") << "Text (*.txt)|*.txt|Other"
                                                << "Text (*.txt)";
    }
    void converts()
    {
        QFETCH(QString, windows);
        QFETCH(QString, qt);
        QCOMPARE(qtFileFilter(windows), qt);
    }
};

QTEST_GUILESS_MAIN(FileFilterTest)
#include "tst_filefilter.moc"
