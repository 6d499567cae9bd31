// The search box as the user drives it: typing (capitals as typed), Enter or
// the box's button, hits and misses in both name languages, and Esc.
#include "tests/app/MainWindowKit.h"

#include <QLineEdit>
#include <QToolButton>
#include <QtTest>

#include <memory>

class TestSearch : public QObject, ShownMainWindow {
    Q_OBJECT

    // Key presses carrying each character, Polish letters included (QTest's
    // own keyClicks takes Latin-1 only).
    void TypeMore(const QString& text)
    {
        for (QChar c : text) {
            const char16_t upper = c.toUpper().unicode();
            const Qt::Key key = upper < 0x100 ? Qt::Key(upper) : Qt::Key_unknown;
            QTest::sendKeyEvent(QTest::Click, form->Szukaj, key, QString(c), Qt::NoModifier);
        }
    }

    void Type(const QString& text)
    {
        form->Szukaj->clear();
        TypeMore(text);
    }

private slots:
    void initTestCase() { QVERIFY(Show()); }

    void cleanupTestCase() { form.reset(); }

    void init()
    {
        // Start from a selection, so that a miss visibly clears it.
        ElementButtons[10]->Click();
        QCOMPARE(SelectedElement, 11);
        messages.boxes.clear();
    }

    void cleanup() { form->SetLatin(false); }

    void lettersBecomeCapitalsAsTyped()
    {
        Type(QStringLiteral("żelazo ąćęłńóśź 1x"));
        QCOMPARE(form->Szukaj->text(), QStringLiteral("ŻELAZO ĄĆĘŁŃÓŚŹ 1X"));

        // A letter whose capital Windows-1250 lacks stays as typed.
        Type(QStringLiteral("feµßÿ"));
        QCOMPARE(form->Szukaj->text(), QStringLiteral("FEµßÿ"));

        // Typing in the middle keeps the caret where the letter went in.
        Type(QStringLiteral("ab"));
        form->Szukaj->setCursorPosition(1);
        TypeMore(QStringLiteral("ł"));
        QCOMPARE(form->Szukaj->text(), QStringLiteral("AŁB"));
        QCOMPARE(form->Szukaj->cursorPosition(), 2);
        form->Szukaj->clear();
    }

    void enterSearches_data()
    {
        QTest::addColumn<bool>("latin");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("found"); // 0: nothing found
        const bool pl = false, la = true;
        QTest::newRow("B is boron") << pl << "b" << 5;
        QTest::newRow("NO is nobelium") << pl << "no" << 102;
        QTest::newRow("N is nitrogen") << pl << "N" << 7;
        QTest::newRow("TLEN") << pl << "tlen" << 8;
        QTest::newRow("OXYGENIUM") << pl << "oxygenium" << 8;
        QTest::newRow("ŻELAZO") << pl << "żelazo" << 26;
        QTest::newRow("ZELAZO") << pl << "zelazo" << 0;
        QTest::newRow("WODÓR") << pl << "WODÓR" << 1;
        QTest::newRow("WODOR") << pl << "WODOR" << 0;
        QTest::newRow("ZŁOTO") << pl << "złoto" << 79;
        QTest::newRow("AURUM") << pl << "aurum" << 79;
        QTest::newRow("prefix only") << pl << "ZŁOT" << 0;
        QTest::newRow("H E") << pl << "H E" << 2;
        QTest::newRow("digits dropped") << pl << "1f2e3" << 26;
        QTest::newRow("digits only") << pl << "123" << 0;
        QTest::newRow("spaces only") << pl << "   " << 0;
        QTest::newRow("empty") << pl << "" << 0;
        QTest::newRow("Ds by symbol") << pl << "ds" << 110;
        QTest::newRow("FEµ is not iron") << pl << "feµ" << 0;
        QTest::newRow("latin: TLEN") << la << "tlen" << 0;
        QTest::newRow("latin: OXYGENIUM") << la << "oxygenium" << 8;
        QTest::newRow("latin: ŻELAZO") << la << "żelazo" << 0;
        QTest::newRow("latin: FERRUM") << la << "ferrum" << 26;
        QTest::newRow("latin: B") << la << "B" << 5;
        QTest::newRow("latin: NO") << la << "NO" << 102;
        QTest::newRow("latin: H E") << la << "h e" << 2;
    }
    void enterSearches()
    {
        QFETCH(bool, latin);
        QFETCH(QString, typed);
        QFETCH(int, found);
        form->SetLatin(latin);
        Type(typed);
        QTest::keyClick(form->Szukaj, Qt::Key_Return);

        QCOMPARE(form->Szukaj->text(), QString());
        QCOMPARE(messages.boxes.size(), 0);
        if (found) {
            QCOMPARE(SelectedElement, found);
            QCOMPARE(LatchedElements(), QList<int>{found});
            QCOMPARE(CurrentButton, ElementButtons[found - 1]);
            QCOMPARE(PanelValue(*form, 2), QString::number(found));
        } else {
            QCOMPARE(SelectedElement, -1);
            QVERIFY(LatchedElements().isEmpty());
            QCOMPARE(PanelValues(*form), QStringList(13, QString()));
        }
    }

    void buttonAndKeypadEnterSearchToo()
    {
        Type(QStringLiteral("fe"));
        QTest::mouseClick(form->SzukajButton, Qt::LeftButton);
        QCOMPARE(SelectedElement, 26);
        QCOMPARE(form->Szukaj->text(), QString());

        Type(QStringLiteral("he"));
        QTest::keyClick(form->Szukaj, Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(SelectedElement, 2);
        QCOMPARE(form->Szukaj->text(), QString());
    }

    void searchingTheSelectedElementRefillsThePanel()
    {
        ElementButtons[25]->Click();
        form->Dane->item(3, 1)->setText(QStringLiteral("marker"));
        Type(QStringLiteral("żelazo"));
        QTest::keyClick(form->Szukaj, Qt::Key_Return);
        QCOMPARE(SelectedElement, 26);
        QCOMPARE(LatchedElements(), QList<int>{26});
        QCOMPARE(PanelValue(*form, 3), QStringLiteral("55.845"));
    }

    void escAsksToQuitAndNoLeavesEverything()
    {
        Type(QStringLiteral("abc"));
        const QStringList panel = PanelValues(*form);
        messages.answers = {7};
        QTest::keyClick(form->Szukaj, Qt::Key_Escape);

        QCOMPARE(messages.boxes.size(), 1);
        const RecordedBox& box = messages.boxes[0];
        QCOMPARE(box.text, QStringLiteral("Czy rzeczywiście chcesz zakończyć program?"));
        QCOMPARE(box.caption, QStringLiteral("Pytanie"));
        QCOMPARE(box.flags, 36);
        QVERIFY(box.applicationModal);

        QVERIFY(form->isVisible());
        QCOMPARE(form->Szukaj->text(), QStringLiteral("ABC"));
        QCOMPARE(SelectedElement, 11);
        QCOMPARE(PanelValues(*form), panel);

        // The close button asks the same question.
        messages.answers = {7};
        QTest::mouseClick(form->ToolbarButton972, Qt::LeftButton);
        QCoreApplication::processEvents(); // the click's action runs from the event loop
        QCOMPARE(messages.boxes.size(), 2);
        QCOMPARE(messages.boxes[1].text, box.text);
        QVERIFY(form->isVisible());
        form->Szukaj->clear();
    }
};

QTEST_MAIN(TestSearch)
#include "tst_search.moc"
