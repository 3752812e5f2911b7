// Windows placed by hand keep their designed size at a small font and grow, rows and
// columns together, until every caption fits at a large one.

#include "platform/fitlayout.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

class FitLayoutTest : public QObject {
    Q_OBJECT
private slots:
    void growsToFit_data()
    {
        QTest::addColumn<int>("pointSize");
        QTest::addColumn<bool>("grows");
        QTest::newRow("small font keeps the design") << 5 << false;
        QTest::newRow("large font") << 18 << true;
        QTest::newRow("very large font") << 30 << true;
    }
    void growsToFit()
    {
        QFETCH(int, pointSize);
        QFETCH(bool, grows);
        QDialog dialog;
        QFont font = dialog.font();
        font.setPointSize(pointSize);
        dialog.setFont(font);
        dialog.setFixedSize(400, 200);
        auto* frame = new QGroupBox(QStringLiteral("Styles"), &dialog);
        frame->setGeometry(10, 10, 250, 150);
        QList<QComboBox*> lists;
        const QStringList captions{QStringLiteral("&Transition"),
                                   QStringLiteral("Wait for new Quote"),
                                   QStringLiteral("Password protection")};
        for (int row = 0; row < captions.size(); ++row) {
            auto* label = new QLabel(captions[row], frame);
            label->setGeometry(10, 25 + 35 * row, 110, 20);
            auto* list = new QComboBox(frame);
            list->addItems({QStringLiteral("Medium"), QStringLiteral("A much longer item")});
            list->setGeometry(125, 25 + 35 * row, 110, 20);
            label->setBuddy(list);
            lists << list;
        }
        auto* box = new QCheckBox(QStringLiteral("Don't ask this again"), &dialog);
        box->setGeometry(10, 165, 100, 25);
        auto* ok = new QPushButton(QStringLiteral("&OK"), &dialog);
        ok->setGeometry(300, 165, 90, 25);
        auto* beside = new QWidget(&dialog);
        beside->setGeometry(270, 10, 120, 100);

        QMap<QWidget*, QRect> before;
        for (auto* w : dialog.findChildren<QWidget*>())
            before[w] = w->geometry();
        sentari::platform::growToFit(&dialog);

        if (!grows) {
            QCOMPARE(dialog.size(), QSize(400, 200));
            for (auto* w : dialog.findChildren<QWidget*>())
                if (w != box) // it may take the free room beside it
                    QCOMPARE(w->geometry(), before[w]);
            return;
        }
        QVERIFY(dialog.width() > 400 && dialog.height() > 200);
        QCOMPARE(dialog.minimumSize(), dialog.maximumSize());
        const QFontMetrics metrics(font);
        for (auto* label : frame->findChildren<QLabel*>()) {
            QVERIFY2(label->width() >= label->sizeHint().width(), qPrintable(label->text()));
            QVERIFY(label->height() >= metrics.height());
            QVERIFY(label->geometry().right() < label->buddy()->x());
        }
        QVERIFY(box->width() >= box->sizeHint().width());
        QVERIFY(ok->width() >= metrics.horizontalAdvance(QStringLiteral("OK")));
        for (auto* list : lists) {
            QCOMPARE(list->x(), lists.first()->x()); // the column stays a column
            QVERIFY(list->height() >= metrics.height());
            QVERIFY(frame->rect().contains(list->geometry()));
        }
        // Nothing ends up on top of its neighbour or outside the window.
        for (QWidget* parent : {static_cast<QWidget*>(&dialog), static_cast<QWidget*>(frame)}) {
            const auto children = parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
            for (auto* a : children) {
                QVERIFY(parent->rect().contains(a->geometry()));
                for (auto* b : children)
                    QVERIFY(a == b || !a->geometry().intersects(b->geometry()));
            }
        }
    }
};

QTEST_MAIN(FitLayoutTest)
#include "tst_fitlayout.moc"
