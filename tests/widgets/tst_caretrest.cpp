// The caret rests after a pause in the input and blinks again at the next
// key, and the desktop's flash time is what comes back.
#include "widgets/CaretRest.h"

#include <QLineEdit>
#include <QStyleHints>
#include <QtTest>

class TestCaretRest : public QObject {
    Q_OBJECT
private slots:
    void restsAfterAPauseAndWakesAtTheNextKey()
    {
        QStyleHints* hints = QGuiApplication::styleHints();
        hints->setCursorFlashTime(900);
        QLineEdit edit;
        {
            CaretRest rest(50);
            QTRY_COMPARE(hints->cursorFlashTime(), 0);
            QTest::keyClick(&edit, Qt::Key_A);
            QCOMPARE(hints->cursorFlashTime(), 900);
            QCOMPARE(edit.text(), QStringLiteral("a"));
            // Typing keeps it awake; the next pause rests it again.
            QTRY_COMPARE(hints->cursorFlashTime(), 0);
            QTest::mouseClick(&edit, Qt::LeftButton);
            QCOMPARE(hints->cursorFlashTime(), 900);
            QTRY_COMPARE(hints->cursorFlashTime(), 0);
        }
        // Gone, it leaves the flash time as it found it.
        QCOMPARE(hints->cursorFlashTime(), 900);
    }

    void leavesACaretThatNeverBlinksAlone()
    {
        QStyleHints* hints = QGuiApplication::styleHints();
        hints->setCursorFlashTime(0);
        QLineEdit edit;
        {
            CaretRest rest(10);
            QTest::qWait(50);
            QTest::keyClick(&edit, Qt::Key_A);
            QCOMPARE(hints->cursorFlashTime(), 0);
        }
        QCOMPARE(hints->cursorFlashTime(), 0);
    }
};

QTEST_MAIN(TestCaretRest)
#include "tst_caretrest.moc"
