// The main window without a mouse and through a screen reader: the Tab
// chain, the table as one stop walked with the arrow keys, keys pressing the
// toolbar, what the accessibility interfaces report, and the dialogs that a
// press opens only once it has returned.
#include "app/Forms.h"
#include "print/TForm2.h"
#include "print/TForm3.h"
#include "settings/TForm4.h"
#include "tests/app/MainWindowKit.h"
#include "widgets/PrintLists.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QComboBox>
#include <QGroupBox>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTimer>
#include <QtTest>

#include <memory>

class TestKeyboard : public QObject, ShownMainWindow {
    Q_OBJECT

    // Where Tab (or Shift+Tab) takes the focus from the search box, n times.
    QStringList TabFromSearch(int n, bool back = false)
    {
        form->Szukaj->setFocus();
        QStringList visited;
        for (int i = 0; i < n; ++i) {
            QTest::keyClick(QApplication::focusWidget(), back ? Qt::Key_Backtab : Qt::Key_Tab);
            visited << QApplication::focusWidget()->objectName();
        }
        return visited;
    }

    // Counts the dialogs of type Dialog shown from now on, closing each as
    // soon as it shows.
    template <class Dialog>
    struct DialogCounter {
        int shown = 0;
        QTimer timer;
        DialogCounter()
        {
            QObject::connect(&timer, &QTimer::timeout, [this] {
                if (auto* d = qobject_cast<Dialog*>(QApplication::activeModalWidget())) {
                    ++shown;
                    d->reject();
                }
            });
            timer.start(10);
        }
    };

    static QAccessibleInterface* Accessible(QObject* o) { return QAccessible::queryAccessibleInterface(o); }

private slots:
    void initTestCase()
    {
        QVERIFY(Show());
        Form1 = form.get(); // the dialogs' owner
        QTRY_COMPARE(QApplication::focusWidget(), form->Szukaj);
    }

    void cleanupTestCase()
    {
        form.reset(); // and the dialogs with it
        Form1 = nullptr;
        Form2 = nullptr;
        Form3 = nullptr;
        Form4 = nullptr;
    }

    void init() { form->ClearSelection(); }

    void tabGoesRoundTheWindowAsItIsReadWithTheTableOneStop()
    {
        const QStringList forward = {"ToolbarButton973",
                                     "ToolbarButton972",
                                     "H",
                                     "OriginalToolbarButton971",
                                     "OriginalToolbarButton972",
                                     "OriginalToolbarButton973",
                                     "OriginalToolbarButton974",
                                     "ToolbarButton971",
                                     "ToolbarButton974",
                                     "Szukaj"};
        QCOMPARE(TabFromSearch(10), forward);
        QStringList backward = forward;
        std::reverse(backward.begin(), backward.end());
        backward.removeFirst();
        backward << "Szukaj";
        QCOMPARE(TabFromSearch(10, true), backward);

        // With an element selected, its button is the table's stop.
        ElementButtons[25]->Click();
        QCOMPARE(TabFromSearch(3).last(), QStringLiteral("Fe"));
    }

    void arrowsWalkTheTableAndTheFocusGoesAlong()
    {
        TabFromSearch(3);
        QCOMPARE(QApplication::focusWidget(), ElementButtons[0]);
        QCOMPARE(SelectedElement, -1);
        // Nothing selected: an arrow selects hydrogen, as in the search box.
        QTest::keyClick(ElementButtons[0], Qt::Key_Down);
        QCOMPARE(SelectedElement, 1);
        QTest::keyClick(ElementButtons[0], Qt::Key_Down);
        QCOMPARE(SelectedElement, 3);
        QTest::keyClick(ElementButtons[2], Qt::Key_Right);
        QCOMPARE(SelectedElement, 4);
        QCOMPARE(QApplication::focusWidget(), ElementButtons[3]);
        QCOMPARE(LatchedElements(), QList<int>{4});
        // Tab leaves the table from where the walk ended.
        QTest::keyClick(ElementButtons[3], Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), form->OriginalToolbarButton971);

        // The search box still walks the table with the arrows.
        form->Szukaj->setFocus();
        QTest::keyClick(form->Szukaj, Qt::Key_Left);
        QCOMPARE(SelectedElement, 3);
        QCOMPARE(QApplication::focusWidget(), form->Szukaj);
    }

    void spaceOrEnterPressesAToolbarButton_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("Space") << int(Qt::Key_Space);
        QTest::newRow("Enter") << int(Qt::Key_Return);
        QTest::newRow("keypad Enter") << int(Qt::Key_Enter);
    }

    void spaceOrEnterPressesAToolbarButton()
    {
        QFETCH(int, key);
        messages.boxes.clear();
        form->OriginalToolbarButton971->setFocus();
        QTest::keyClick(form->OriginalToolbarButton971, Qt::Key(key));
        // "Kopiuj dane" with nothing selected says so.
        QTRY_COMPARE(messages.boxes.size(), 1);
        QCOMPARE(messages.boxes[0].text, QStringLiteral("Nie wybrano pierwiastka!"));
    }

    void selectedElementIsCheckedForScreenReaders()
    {
        const auto checked = [] {
            QList<int> found;
            for (int z = 1; z <= ElementCount; ++z)
                if (Accessible(ElementButtons[z - 1])->state().checked)
                    found << z;
            return found;
        };
        QCOMPARE(checked(), QList<int>{});
        ElementButtons[25]->Click();
        QCOMPARE(checked(), QList<int>{26});
        QVERIFY(Accessible(ElementButtons[0])->state().checkable);
        form->ClearSelection();
        QCOMPARE(checked(), QList<int>{});
    }

    void searchBoxIsNamed()
    {
        QCOMPARE(Accessible(form->Szukaj)->text(QAccessible::Name), QStringLiteral("Szukany pierwiastek"));
        QCOMPARE(form->szukany->buddy(), form->Szukaj);
    }

    // A screen reader's press returns before the dialog opens; the dialog
    // then opens from the event loop, once however often it was pressed.
    void toolbarPressReturnsFirstAndOpensOneDialog()
    {
        DialogCounter<TForm2> counter;
        QAccessibleActionInterface* action = Accessible(form->OriginalToolbarButton974)->actionInterface();
        QVERIFY(action);
        action->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(counter.shown, 0);
        QTRY_COMPARE(counter.shown, 1);

        // Pressed again before the first press opened its dialog.
        form->OriginalToolbarButton974->click();
        form->OriginalToolbarButton974->click();
        QCOMPARE(counter.shown, 1);
        QTRY_COMPARE(counter.shown, 2);
        QTest::qWait(100);
        QCOMPARE(counter.shown, 2);
    }

    // The first opening in the run shows the information about the program;
    // the toolbar button then opens the page last shown.
    void bannerClickOpensTheSettingsFromTheEventLoop()
    {
        DialogCounter<TForm4> counter;
        form->Image1Click();
        form->Image1Click();
        QCOMPARE(counter.shown, 0);
        QTRY_COMPARE(counter.shown, 1);
        QTest::qWait(100);
        QCOMPARE(counter.shown, 1);
        TForm4& settings = SettingsDialog();
        QCOMPARE(settings.PageControl1->currentWidget(), settings.TabSheet2);

        settings.ToolButton1Click();
        form->ToolbarButton974->click();
        QTRY_COMPARE(counter.shown, 2);
        QCOMPARE(settings.PageControl1->currentWidget(), settings.TabSheet1);
    }

    // Each list, size box and field of the dialogs by the text of the label
    // (or group) that tells what it is for.
    void dialogListsAreNamedByTheirLabels()
    {
        TForm2& chart = TableDialog();
        TForm3& report = ReportDialog();
        TForm4& settings = SettingsDialog();
        const std::pair<QWidget*, QString> named[] = {
            {chart.Dane1, chart.Label3->text()},
            {chart.dane2, chart.Label4->text()},
            {chart.dane3, chart.Label5->text()},
            {chart.Scale, chart.GroupBox1->title()},
            {chart.f1, chart.Label1->text()},
            {chart.f2, chart.Label2->text()},
            {chart.FontComboBox1, chart.GroupBox4->title()},
            {chart.f3, chart.Label6->text()},
            {chart.dodatkowe, chart.Label7->text()},
            {report.RxCheckListBox1, report.Label1->text()},
            {report.FontComboBox1, report.Label2->text()},
            {report.f1, report.Label3->text()},
            {settings.ComboBox1, settings.Label4->text()},
        };
        for (const auto& [control, label] : named) {
            QAccessibleInterface* iface = Accessible(control);
            QCOMPARE(iface->text(QAccessible::Name), label);
            // A list keeps its shown row as its value.
            if (auto* list = qobject_cast<QComboBox*>(control))
                QCOMPARE(iface->text(QAccessible::Value), list->currentText());
            // Typing goes into an editable list's text field, which a screen
            // reader announces by the field's own name.
            if (auto* list = qobject_cast<QComboBox*>(control); list && list->lineEdit())
                QCOMPARE(list->lineEdit()->accessibleName(), label);
        }
        QCOMPARE(Accessible(chart.dane2)->text(QAccessible::Value), ChooseFromList);
        QCOMPARE(Accessible(chart.Dane1)->role(), QAccessible::ComboBox);
    }
};

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
